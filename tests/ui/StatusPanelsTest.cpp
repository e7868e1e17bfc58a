// A screen reader hears what the status bar shows, not only what it is for.
#include <QLabel>
#include <QStatusBar>

#include "app/MainWindowFixture.h"

namespace quillane::test {
namespace {

TEST_F(MainWindowTest, EveryStatusPanelIsNamedByItsTextAndDescribedByItsPurpose) {
  parts.status.SetPanelText(QStringLiteral("/home/ann/bikes.qln"));
  for (int panel = 2; panel <= 4; ++panel) {
    SCOPED_TRACE(panel);
    const auto* label = Find<QLabel>(window.get(), QStringLiteral("winStatusBar.Panels(%1)").arg(panel));
    EXPECT_FALSE(label->text().isEmpty());
    EXPECT_EQ(label->accessibleName(), label->text());
    EXPECT_FALSE(label->accessibleDescription().isEmpty());
    EXPECT_NE(label->accessibleDescription(), label->accessibleName());
  }
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
