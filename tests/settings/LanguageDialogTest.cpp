// The heading language dialog, driven through its widgets.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QTest>

#include "settings/widgets/frmLanguage.h"
#include "support/Parts.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

namespace quillane::test {
namespace {

class LanguageDialogTest : public ::testing::Test {
 protected:
  // Shows the dialog, notes what it offers and shows, picks item `choose`
  // (none for -1) and clicks `button`, or presses Escape for none.
  void SetLanguage(int choose, const char* button) {
    platform.OnNextDialog([=, this](QDialog& d) {
      auto* languages = Find<QComboBox>(&d, "cboLanguage");
      offered = languages->count();
      shown = languages->currentText();
      if (choose >= 0) languages->setCurrentIndex(choose);
      button ? Click(d, button) : d.reject();
    });
    ShowLanguageDialog(parts->help(), s, parts->document, parts->settingsPath, nullptr);
  }

  ScriptedPlatform platform;
  std::unique_ptr<MainParts> parts = MakeParts(platform);
  Settings& s = parts->settings;
  int offered = 0;
  QString shown;
};

TEST_F(LanguageDialogTest, OkTakesTheChoiceAndMarksTheSessionChangedEvenUnchanged) {
  SetLanguage(-1, nullptr);  // Escape: as Cancel
  ASSERT_EQ(offered, 4);
  EXPECT_EQ(shown, QStringLiteral("English")) << "no language yet counts as English";
  EXPECT_EQ(s.nLanguage, 1);
  EXPECT_FALSE(parts->document.isModified());

  const QString french = QString::fromUtf8("Français");
  s.nLanguage = 3;
  SetLanguage(1, "cmdCancel");
  EXPECT_EQ(shown, french);
  EXPECT_EQ(s.nLanguage, 3);
  EXPECT_FALSE(parts->document.isModified());

  SetLanguage(-1, "cmdOk");
  EXPECT_EQ(s.nLanguage, 3);
  EXPECT_TRUE(parts->document.isModified());
  SetLanguage(3, "cmdOk");
  EXPECT_EQ(shown, french);
  EXPECT_EQ(s.nLanguage, 4);
}

}  // namespace
}  // namespace quillane::test
