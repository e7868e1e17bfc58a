// A second start hands its file to the running program over a local socket.
// Whatever box that brings up runs an event loop of its own, in which the
// second start disconnects; the program and the typed work come through.
#include <QLocalSocket>
#include <QTest>

#include "MainWindowFixture.h"
#include "platform/helprequest/LineServer.h"
#include "platform/qt/InstanceChannel.h"

namespace quillane::test {
namespace {

class SecondStartTest : public MainWindowTest {
 protected:
  InstanceServer server;
  QString serverName;

  void SetUp() override {
    MainWindowTest::SetUp();
    serverName = folder.filePath(QStringLiteral("instance"));
    ASSERT_TRUE(server.Listen(serverName));
    window->FollowSecondStarts(server);
    // Each box stays open while events run, as a user takes their time.
    platform.whileOpen = [] { QTest::qWait(50); };
  }

  void TypeWork() {
    StartNewSession();
    SeedTyped(parts.document, [](SessionContent& s) {
      s.sGoal = QStringLiteral("Typed goal");
      Fill(s.sIdeas, s.nIdeas, {"Typed idea"});
    });
  }

  // A second start sends `path` and is gone before the program answers.
  void HandOver(const QString& path) {
    ASSERT_TRUE(SendToRunningInstance(serverName, {path}));
    QTest::qWait(300);
  }
};

TEST_F(SecondStartTest, EachAnswerToTheUnsavedChangesQuestionComesThrough) {
  const QString handed = WriteWorkfile("handed.qln", "Handed over");
  TypeWork();
  const SessionContent typed = parts.document.content();

  platform.AnswerNext(Answer::Cancel);
  HandOver(handed);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(parts.document.content() == typed) << "Cancel keeps the typed work";
  EXPECT_TRUE(parts.document.isModified());
  EXPECT_EQ(parts.document.workfile(), QString());

  const QString saved = folder.filePath(QStringLiteral("typed.qln"));
  platform.AnswerNext(Answer::Yes);
  platform.ChooseFile(saved);
  HandOver(handed);
  EXPECT_TRUE(ReadFileBytes(saved).contains("\r\nTyped idea\r\n")) << "Yes saves the typed work first";
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Handed over"));

  SeedTyped(parts.document, [](SessionContent& s) { s.sGoal = QStringLiteral("Typed again"); });
  platform.AnswerNext(Answer::No);
  HandOver(handed);
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Handed over")) << "No lets the typed work go";
  EXPECT_EQ(parts.document.workfile(), handed);
}

TEST_F(SecondStartTest, ThePasswordPromptAndTheNotValidMessageComeThrough) {
  const QString locked = WriteWorkfile("handed.qln", "Locked away", QStringLiteral("KEY"));
  platform.OnNextDialog([](QDialog& prompt) {
    QTest::qWait(50);
    Type(&prompt, "txtPassword", {"key"});
  });
  HandOver(locked);
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Locked away"));

  const QString damaged = folder.filePath(QStringLiteral("damaged.qln"));
  WriteFileBytes(damaged, "not a workfile\r\n");
  platform.AnswerNext(Answer::Ok);
  HandOver(damaged);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.startsWith(damaged));
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Locked away"));
}

TEST_F(SecondStartTest, AWaitingFileRaisesTheWindowOnceWhileADialogIsOpen) {
  const QString handed = WriteWorkfile("handed.qln", "Handed over");
  QDialog open(window.get());
  open.setWindowModality(Qt::ApplicationModal);
  open.show();
  QApplication::setActiveWindow(&open);
  ASSERT_TRUE(QApplication::activeModalWidget());
  HandOver(handed);
  QTest::qWait(1200);  // the file waits and is tried again, twice
  EXPECT_EQ(platform.broughtToFront, 1);
  EXPECT_EQ(parts.document.content().sGoal, QString());

  open.close();
  QTest::qWait(700);
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Handed over"));
  EXPECT_EQ(platform.broughtToFront, 1);
}

TEST_F(SecondStartTest, ALineWithoutAnEndIsCutOffAndTheNextStartStillHeard) {
  QLocalSocket flood;
  flood.connectToServer(serverName);
  ASSERT_TRUE(flood.waitForConnected(1000));
  flood.write(QByteArray(LineServer::kMaxLineBytes + 1024, 'x'));
  flood.waitForBytesWritten(1000);
  QTest::qWait(300);
  EXPECT_NE(flood.state(), QLocalSocket::ConnectedState) << "the program cut the sender off";

  HandOver(WriteWorkfile("handed.qln", "Handed over"));
  EXPECT_EQ(parts.document.content().sGoal, QStringLiteral("Handed over"));
}

}  // namespace
}  // namespace quillane::test
