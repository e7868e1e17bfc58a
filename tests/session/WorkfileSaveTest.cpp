#include <gtest/gtest.h>

#include <QDir>

#include "resources/Texts.h"
#include "session/AutoBackup.h"
#include "session/Workfile.h"
#include "session/WorkfileFixture.h"
#include "session/WorkfileWriter.h"

#ifdef Q_OS_UNIX
#include <sys/resource.h>

#include <csignal>
#endif

namespace quillane::test {
namespace {

class SaveTest : public WorkfileTest {
 protected:
  void FillSmallProtectedSession() {
    Change([](SessionContent& c) {
      c.sGoal = QStringLiteral("Go");
      Fill(c.sCriteria, c.nCriteria, {"X", "Y, \"q\""});
      c.sngWeight = {0, 9.0f, 0.5f};
      Fill(c.sTAssets, c.nTAssets, {"T\tU"});  // a control character is written as a blank
      Fill(c.sIdeas, c.nIdeas, {QString::fromUtf8("I\xC3\xBF")});  // "ÿ" + 3 passes the top of the code page
    });
    PutPassword(document, QStringLiteral("AB"));
  }
};

const QByteArray kFreshWorkfile = Lines({kStart, "0", "", "", "0", "0", "0", "0", kEnd});

TEST_F(SaveTest, FreshSessionGivesTheMarkersFourZeroCountsAndEmptyLines) {
  PutModified(document, true);
  const QString path = PathOf(QStringLiteral("fresh.qln"));
  EXPECT_EQ(SaveAs(path), FileOutcome::Done);

  EXPECT_EQ(ReadFileBytes(path), kFreshWorkfile);
  EXPECT_FALSE(document.isModified());
  EXPECT_EQ(document.workfile(), path);
  EXPECT_TRUE(parts->progress.done(ProgressStep::SessionSaved));
  EXPECT_TRUE(platform.messages.empty());
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  EXPECT_EQ(platform.fileDialogs[0].defaultExt, QStringLiteral("qln"));
  EXPECT_EQ(parts->status.panelText(), parts->constants.sMsgSaving);
  WaitForBusyBar(parts->status);
  EXPECT_EQ(parts->status.panelText(), path);
  EXPECT_GT(platform.busyCalls, 0);
  EXPECT_EQ(platform.busyDepth, 0);
  EXPECT_EQ(parts->fileWork, 0);
}

TEST_F(SaveTest, ProtectedSessionScramblesEveryTextLineWithItsOwnKey) {
  FillSmallProtectedSession();
  // Keys for: password, reserved line, goal, two criteria, one asset, one
  // idea; keys 1 and 9 drawn at the ends of the random range.
  platform.randoms = {0.0, ScriptedPlatform::RandomForKey(5), 0.999999};
  for (int key : {2, 4, 6, 3}) platform.randoms.push_back(ScriptedPlatform::RandomForKey(key));
  const QString path = PathOf(QStringLiteral("small.qln"));
  SaveAs(path);

  const QByteArray expected = Lines({kStart, "-1", "1BC", "5", "9Px", "2", "1", "0", "1", "2Z", "9",
                                     "4]0$&u&", ".5", "6Z&[", "3L\x02", kEnd});
  EXPECT_EQ(ReadFileBytes(path), expected);
  EXPECT_TRUE(platform.randoms.empty()) << "one key per scrambled line";
}

TEST_F(SaveTest, APlainBackupHasTheBooleanFalse) {
  FillSmallProtectedSession();
  Change([](SessionContent& c) { c.bPassword = false; });
  const QString backup = BackupPath(parts->dataFolder);
  EXPECT_EQ(backup, QDir(parts->dataFolder).filePath(QStringLiteral("BACKUP.QLN")));
  ASSERT_TRUE(WriteBackupWorkfile(s, backup, platform));
  EXPECT_EQ(ReadFileBytes(backup), Lines({kStart, "#FALSE#", "", "Go", "2", "1", "0", "1", "X", "9",
                                          "Y, \"q\"", ".5", "T U", "I\xFF", kEnd}));
  EXPECT_EQ(platform.busyDepth, 0);
}

TEST_F(SaveTest, SaveUnderAKnownNameAsksNothingAndUntitledAsksForAName) {
  const QString path = PathOf(QStringLiteral("known.qln"));
  WriteFileBytes(path, "old");
  PutWorkfile(document, path);
  Save(SaveMode::kSave);
  EXPECT_TRUE(platform.fileDialogs.empty());
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(ReadFileBytes(path), kFreshWorkfile);

  PutWorkfile(document, QString());
  platform.ChooseFile(PathOf(QStringLiteral("named.qln")));
  Save(SaveMode::kSave);
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  EXPECT_EQ(platform.fileDialogs[0].initialName, QString());
  EXPECT_EQ(document.workfile(), PathOf(QStringLiteral("named.qln")));
  EXPECT_TRUE(QFile::exists(document.workfile()));
}

// No to the replace question shows the dialog again with the refused name;
// a new name, Yes or Cancel follow.
TEST_F(SaveTest, ReplaceQuestionShowsTheDialogAgainUntilYesANewNameOrCancel) {
  const QString existing = PathOf(QStringLiteral("existing.qln"));
  WriteFileBytes(existing, "keep me");
  PutWorkfile(document, PathOf(QStringLiteral("current.qln")));
  platform.ChooseFile(existing);
  platform.AnswerNext(Answer::No);
  platform.ChooseFile(PathOf(QStringLiteral("new.qln")));
  Save(SaveMode::kSaveAs);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, Text(509) + QStringLiteral("\r\r") + Text(510));
  EXPECT_EQ(ReadFileBytes(existing), QByteArray("keep me"));
  EXPECT_EQ(ReadFileBytes(PathOf(QStringLiteral("new.qln"))), kFreshWorkfile);

  PutModified(document, true);
  platform.ChooseFile(existing);
  platform.AnswerNext(Answer::No);
  platform.ChooseFile(std::nullopt);
  EXPECT_EQ(Save(SaveMode::kSaveAs), FileOutcome::Cancelled);
  EXPECT_TRUE(document.isModified());
  EXPECT_EQ(document.workfile(), PathOf(QStringLiteral("new.qln")))
      << "so a later Save cannot replace it unasked";
  EXPECT_EQ(ReadFileBytes(existing), QByteArray("keep me"));

  platform.ChooseFile(existing);
  platform.AnswerNext(Answer::No);
  platform.ChooseFile(existing);
  platform.AnswerNext(Answer::Yes);
  Save(SaveMode::kSaveAs);
  EXPECT_EQ(ReadFileBytes(existing), kFreshWorkfile);
  EXPECT_EQ(document.workfile(), existing);

  ASSERT_EQ(platform.fileDialogs.size(), 6u);
  EXPECT_EQ(platform.fileDialogs[0].initialName, PathOf(QStringLiteral("current.qln")));
  for (std::size_t i : {1u, 3u, 5u}) {
    EXPECT_EQ(platform.fileDialogs[i].initialName, existing) << "the dialog comes back with the chosen name";
  }
  EXPECT_EQ(platform.messages.size(), 4u);
}

TEST_F(SaveTest, UnwritableFileIsReportedAndTheSessionStaysUnsaved) {
  PutWorkfile(document, PathOf(QStringLiteral("before.qln")));
  PutModified(document, true);
  const QString path = PathOf(QStringLiteral("no such folder/new.qln"));
  platform.AnswerNext(Answer::Ok);
  EXPECT_EQ(SaveAs(path), FileOutcome::Failed) << "a caller that discards the session after saving must not";

  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, path + QLatin1Char('\r') + Text(3100));
  EXPECT_EQ(platform.messages[0].flags, 48);
  EXPECT_TRUE(document.isModified());
  EXPECT_EQ(document.workfile(), PathOf(QStringLiteral("before.qln")));
  EXPECT_FALSE(parts->progress.done(ProgressStep::SessionSaved));
  EXPECT_FALSE(QFile::exists(path));
  EXPECT_EQ(platform.busyDepth, 0);
}

// One character beyond the code page makes the whole file UTF-8, marked in
// the reserved line; a protected one scrambles the UTF-8 bytes.
TEST_F(SaveTest, TextsOutsideTheCodePageMakeTheWholeFileUtf8MarkedInTheReservedLine) {
  FillSmallProtectedSession();
  const QByteArray lodz = "\xC5\x81\xC3\xB3\x64\xC5\xBA";  // Łódź
  Change([&](SessionContent& c) { c.sGoal = QString::fromUtf8(lodz); });
  for (int key : {1, 5, 9, 2, 4, 6, 3}) platform.randoms.push_back(ScriptedPlatform::RandomForKey(key));
  const QString path = PathOf(QStringLiteral("utf8.qln"));
  ASSERT_EQ(SaveAs(path), FileOutcome::Done);
  // "UTF-8" + 5, the goal's UTF-8 bytes + 9, "ÿ" as C3 BF + 3.
  EXPECT_EQ(ReadFileBytes(path), Lines({kStart, "-1", "1BC", "5ZYK2=", "9\xCE\x8A\xCC\xBCm\xCE\xC3", "2", "1",
                                        "0", "1", "2Z", "9", "4]0$&u&", ".5", "6Z&[", "3L\xC6\xC2", kEnd}));

  Change([](SessionContent& c) { c.bPassword = false; });
  ASSERT_EQ(Save(SaveMode::kSave), FileOutcome::Done);
  EXPECT_EQ(ReadFileBytes(path), Lines({kStart, "0", "UTF-8", lodz, "2", "1", "0", "1", "X", "9", "Y, \"q\"",
                                        ".5", "T U", "I\xC3\xBF", kEnd}));
  Change([](SessionContent& c) { c.sGoal = QStringLiteral("Go"); });  // all Western European again
  ASSERT_EQ(Save(SaveMode::kSave), FileOutcome::Done);
  EXPECT_EQ(ReadFileBytes(path).mid(kStart.size() + 2, 7), QByteArray("0\r\n\r\nGo"));
}

#ifdef Q_OS_UNIX
// Lets the process write no file beyond `bytes`, as a full disk would.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST_F(SaveTest, WriteInterruptedHalfwayLeavesThePreviousFileByteIdentical) {
  const QString path = PathOf(QStringLiteral("session.qln"));
  Change([](SessionContent& c) { c.sGoal = QStringLiteral("the saved goal"); });
  SaveAs(path);
  const QByteArray before = ReadFileBytes(path);
  ASSERT_FALSE(before.isEmpty());

  Change([](SessionContent& c) {
    c.nIdeas = 200;
    for (int i = 1; i <= 200; ++i) c.sIdeas[i] = QStringLiteral("idea %1 ").arg(i).repeated(8);
  });
  PutModified(document, true);
  platform.AnswerNext(Answer::Ok);
  {
    FileSizeLimit limit(before.size() + 10);
    Save(SaveMode::kSave);
  }

  EXPECT_EQ(ReadFileBytes(path), before);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, path + QLatin1Char('\r') + Text(3100));
  EXPECT_TRUE(document.isModified());
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("session.qln")})
      << "no half-written file is left behind";
}
#endif

}  // namespace
}  // namespace quillane::test
