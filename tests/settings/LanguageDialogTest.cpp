// The heading language dialog, driven through its widgets.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "settings/widgets/frmLanguage.h"
#include "support/Parts.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

namespace quillane::test {
namespace {

class LanguageDialogTest : public ::testing::Test {
 protected:
  void ShowDialog() { ShowLanguageDialog(parts->help(), s, parts->document, parts->settingsPath, nullptr); }

  // Shows the dialog, notes the language it shows, picks item `choose` (none
  // for -1) and clicks `button`.
  void SetLanguage(int choose, const char* button) {
    platform.OnNextDialog([=, this](QDialog& d) {
      auto* languages = Find<QComboBox>(&d, QStringLiteral("cboLanguage"));
      shown = languages->currentText();
      if (choose >= 0) languages->setCurrentIndex(choose);
      QTest::mouseClick(Find<QPushButton>(&d, QLatin1String(button)), Qt::LeftButton);
    });
    ShowDialog();
  }

  ScriptedPlatform platform;
  std::unique_ptr<MainParts> parts = MakeParts(platform);
  Settings& s = parts->settings;
  QString shown;
};

TEST_F(LanguageDialogTest, OkTakesTheChoiceAndMarksTheSessionChangedEvenUnchanged) {
  platform.OnNextDialog([](QDialog& d) {
    auto* languages = Find<QComboBox>(&d, QStringLiteral("cboLanguage"));
    ASSERT_EQ(languages->count(), 4);
    EXPECT_EQ(languages->currentText(), QStringLiteral("English")) << "no language yet counts as English";
    d.reject();  // Escape: as Cancel
  });
  ShowDialog();
  EXPECT_EQ(s.nLanguage, 1);
  EXPECT_FALSE(parts->document.isModified());

  s.nLanguage = 3;
  SetLanguage(1, "cmdCancel");
  EXPECT_EQ(shown, QString::fromUtf8("Fran\xC3\xA7"
                                     "ais"));
  EXPECT_EQ(s.nLanguage, 3);
  EXPECT_FALSE(parts->document.isModified());

  SetLanguage(-1, "cmdOk");
  EXPECT_EQ(s.nLanguage, 3);
  EXPECT_TRUE(parts->document.isModified());
  SetLanguage(3, "cmdOk");
  EXPECT_EQ(shown, QString::fromUtf8("Fran\xC3\xA7"
                                     "ais"));
  EXPECT_EQ(s.nLanguage, 4);
}

}  // namespace
}  // namespace quillane::test
