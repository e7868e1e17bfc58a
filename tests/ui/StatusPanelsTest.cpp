// A screen reader hears what the status bar shows, not only what it is for.
#include <QLabel>
#include <QStatusBar>

#include "app/MainWindowFixture.h"
#include "resources/Texts.h"

namespace quillane::test {
namespace {

TEST_F(MainWindowTest, EveryStatusPanelIsNamedByItsTextAndDescribedByItsPurpose) {
  parts.status.SetPanelText(QStringLiteral("/home/ann/bikes.qln"));
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

TEST_F(MainWindowTest, AFileNameWithLineBreaksStaysOnTheStatusBarsOneLine) {
  const int height = window->statusBar()->sizeHint().height();
  parts.status.SetPanelText(QString::fromUtf8("/home/ann/two\nlines\u2028and\rmore.qln"));
  QApplication::processEvents();
  EXPECT_EQ(window->statusBar()->sizeHint().height(), height);
  EXPECT_EQ(Find<QLabel>(window.get(), QStringLiteral("winStatusBar.Panels(2)"))->text(),
            QStringLiteral("/home/ann/two lines and more.qln"));
}

TEST_F(MainWindowTest, ALongPathIsShortenedInItsMiddleAndNeverWidensTheWindow) {
  const int narrowest = window->minimumSizeHint().width();
  const QString path =
      QStringLiteral("/home/ann/") + QString(300, QLatin1Char('x')) + QStringLiteral("/bikes.qln");
  parts.status.SetPanelText(path);
  QApplication::processEvents();
  EXPECT_EQ(window->minimumSizeHint().width(), narrowest);
  const auto* panel = Find<QLabel>(window.get(), QStringLiteral("winStatusBar.Panels(2)"));
  EXPECT_LT(panel->text().size(), path.size());
  EXPECT_TRUE(panel->text().startsWith(QStringLiteral("/home/ann/"))) << panel->text().toStdString();
  EXPECT_TRUE(panel->text().endsWith(QStringLiteral("/bikes.qln"))) << panel->text().toStdString();
  EXPECT_EQ(panel->accessibleName(), path);
}

}  // namespace
}  // namespace quillane::test
