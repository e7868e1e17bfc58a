// A screen reader hears what the status bar shows, not only what it is for.
#include <QLabel>

#include "app/MainWindowFixture.h"
#include "resources/Texts.h"

namespace quillane::test {
namespace {

TEST_F(MainWindowTest, EveryStatusPanelIsNamedByItsTextAndDescribedByItsPurpose) {
  program.status.SetPanelText(QStringLiteral("/home/ann/bikes.qln"));
  const struct {
    int panel;
    int purpose;
  } panels[] = {{2, 3006}, {3, 3007}, {4, 3008}};
  for (const auto& p : panels) {
    SCOPED_TRACE(p.panel);
    const auto* label = Find<QLabel>(window.get(), QStringLiteral("winStatusBar.Panels(%1)").arg(p.panel));
    EXPECT_FALSE(label->text().isEmpty());
    EXPECT_EQ(label->accessibleName(), label->text());
    EXPECT_EQ(label->accessibleDescription(), ShownText(p.purpose));
  }
  EXPECT_EQ(Find<QLabel>(window.get(), QStringLiteral("winStatusBar.Panels(2)"))->accessibleName(),
            QStringLiteral("/home/ann/bikes.qln"));
}

}  // namespace
}  // namespace quillane::test
