// Workfiles one step away: the recent ones on Start, a file dropped on the
// window, and file dialogs that start where the user works.
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "MainWindowFixture.h"
#include "resources/Texts.h"

namespace quillane::test {
namespace {

class FilesAtHandTest : public MainWindowTest {
 protected:
  QMenu* RecentMenu() {
    PressMenu(Menu::kStart);
    auto* menu = Find<QMenu>(window.get(), QStringLiteral("mnuRecent"));
    emit menu->aboutToShow();
    return menu;
  }
  void Drop(const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    QApplication::processEvents();
  }
};

TEST_F(FilesAtHandTest, StartOffersTheLastWorkfilesAndDropsAMissingOneOnceTold) {
  EXPECT_FALSE(RecentMenu()->actions().value(0)->isEnabled()) << "nothing yet to offer";
  const QString first = WriteWorkfile("first & one.qln", "First goal");
  const QString second = WriteWorkfile("second.qln", "Second goal");
  window->OpenWorkfileAt(first);
  window->OpenWorkfileAt(second);
  QStringList offered;
  for (QAction* entry : RecentMenu()->actions()) offered << entry->text();
  EXPECT_EQ(offered,
            (QStringList{second, QString(first).replace(QStringLiteral("&"), QStringLiteral("&&"))}));

  PressMenu(Menu::kStart);  // closes it again
  RecentMenu()->actions().value(1)->trigger();
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("First goal"));
  EXPECT_EQ(RecentMenu()->actions().value(0)->text(),
            QString(first).replace(QStringLiteral("&"), QStringLiteral("&&")));

  // Kept for the next run, in the user's own folder.
  ASSERT_TRUE(QFile::remove(second));
  window.reset();
  window = std::make_unique<frmMain>(parts);
  window->endProgram = [this] { ++ended; };
  window->Form_Load();
  window->show();
  platform.AnswerNext(Answer::Ok);
  RecentMenu()->actions().value(1)->trigger();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, second + QLatin1Char('\r') + Text(3124));
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("First goal"));
  EXPECT_EQ(RecentMenu()->actions().size(), 1) << "a missing file is no longer offered";
}

TEST_F(FilesAtHandTest, ADroppedWorkfileOpensAfterTheUnsavedChangesQuestion) {
  const QString workfile = WriteWorkfile("dropped.qln", "Dropped goal");
  PressMenu(Menu::kStart);
  PressCommand(Command::NewSession);
  Seed(parts.document, [](SessionContent& c) { c.sGoal = QStringLiteral("Typed goal"); });
  parts.document.MarkModified();
  platform.AnswerNext(Answer::Cancel);
  Drop(workfile);
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Typed goal")) << "Cancel keeps the typed session";
  platform.AnswerNext(Answer::No);
  Drop(workfile);
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Dropped goal"));

  // Anything but one workfile is not taken.
  QMimeData text;
  text.setUrls({QUrl::fromLocalFile(folder.filePath(QStringLiteral("notes.txt")))});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(window.get(), &enter);
  EXPECT_FALSE(enter.isAccepted());
}

TEST_F(FilesAtHandTest, FileDialogsStartWhereTheUserWorksAndAMissingFileIsSaidToBeMissing) {
  const QString workfile = WriteWorkfile("here.qln", "Goal");
  PressMenu(Menu::kStart);
  PressCommand(Command::NewSession);
  platform.ChooseFile(std::nullopt);
  PressCommand(Command::OpenSession);
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  EXPECT_EQ(platform.fileDialogs[0].initialName, QStringLiteral("*.qln")) << "no folder used yet";

  window->OpenWorkfileAt(workfile);
  platform.ChooseFile(std::nullopt);
  PressCommand(Command::OpenSession);
  EXPECT_EQ(platform.fileDialogs[1].initialName, QDir(folder.path()).filePath(QStringLiteral("*.qln")));
  PressCommand(Command::NewSession);
  PressMenu(Menu::kSave);
  platform.ChooseFile(std::nullopt);
  PressCommand(Command::SaveAs);
  EXPECT_EQ(platform.fileDialogs[2].initialName, QDir(folder.path()).absolutePath() + QLatin1Char('/'))
      << "an untitled session saves where the last workfile was";

  platform.AnswerNext(Answer::Ok);
  window->OpenWorkfileAt(folder.filePath(QStringLiteral("gone.qln")));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            folder.filePath(QStringLiteral("gone.qln")) + QLatin1Char('\r') + Text(3124));
}

}  // namespace
}  // namespace quillane::test
