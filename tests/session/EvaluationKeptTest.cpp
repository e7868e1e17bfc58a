// The workfile keeps the evaluation after its end marker: saved, opened,
// backed up and recovered whole, and a damaged one refused whole.
#include "evaluation/Evaluation.h"
#include "reports/SessionReport.h"
#include "resources/Texts.h"
#include "session/AutoBackup.h"
#include "session/LastRunBackup.h"
#include "session/WorkfileFixture.h"
#include "session/WorkfileReader.h"

namespace quillane::test {
namespace {

class EvaluationKeptTest : public WorkfileTest {
 protected:
  // A session of five criteria and twelve ideas whose ideas 2, 5, 7 and 11
  // were rated.
  void EvaluateASession() {
    Change([](SessionContent& c) { FillSession(c, 5, 2, 12); });
    Evaluate({2, 5, 7, 11});
    ASSERT_TRUE(evaluation().bRanked);
  }

  QByteArray Report(const QString& name) {
    const QString path = PathOf(name);
    platform.ChooseFile(path);
    EXPECT_EQ(WriteReport(s, 1, evaluation(), parts->states.outputs, parts->prompter, platform, parts->status,
                          parts->constants, parts->events, parts->fileWork),
              FileOutcome::Done);
    return ReadFileBytes(path);
  }

  // Replaces the session and the evaluation by another, unsaved pair.
  void StartOther() {
    Change([](SessionContent& c) { FillSession(c, 2, 0, 3); });
    evaluation() = *std::make_unique<EvaluationState>();
    evaluation().nEvalIdeas = 2;
    evaluation().sEvalIdeas[1] = QStringLiteral("Other");
  }
};

TEST_F(EvaluationKeptTest, PlainAndProtectedTheEvaluationAndTheReportComeBackEqual) {
  for (const bool protect : {false, true}) {
    SCOPED_TRACE(protect ? "protected" : "plain");
    EvaluateASession();
    evaluation().sngResultA[1] = 4.0f / 3.0f;  // a result that needs every digit of a single
    PutPassword(document, protect ? QStringLiteral("SECRET") : QString());
    const QString name = protect ? QStringLiteral("protected") : QStringLiteral("plain");
    const QByteArray reportBefore = Report(name + QStringLiteral("-before.txt"));
    const auto before = KeptEvaluation();
    const QString path = PathOf(name + QStringLiteral(".qln"));
    ASSERT_EQ(SaveAs(path), FileOutcome::Done);

    StartOther();
    ASSERT_EQ(Open(path, protect ? std::optional(QStringLiteral("secret")) : std::nullopt),
              FileOutcome::Done);
    EXPECT_TRUE(evaluation() == *before);
    EXPECT_EQ(Report(name + QStringLiteral("-after.txt")), reportBefore);
  }
}

TEST_F(EvaluationKeptTest, AFileWithoutTheEvaluationEmptiesIt) {
  const QString plain = PathOf(QStringLiteral("plain.qln"));
  Change([](SessionContent& c) { FillSession(c, 2, 1, 4); });
  ASSERT_EQ(SaveAs(plain), FileOutcome::Done);
  EvaluateASession();
  ASSERT_EQ(Open(plain), FileOutcome::Done);
  EXPECT_TRUE(evaluation() == *std::make_unique<EvaluationState>());
}

// Every way the kept evaluation can be damaged, each on a fresh copy of a
// sound file, leaves the session, its name and its evaluation as they were.
TEST_F(EvaluationKeptTest, ADamagedEvaluationIsRefusedAndChangesNothing) {
  EvaluateASession();
  const QString sound = PathOf(QStringLiteral("sound.qln"));
  ASSERT_EQ(SaveAs(sound), FileOutcome::Done);
  const QByteArray bytes = ReadFileBytes(sound);
  const qsizetype start = bytes.indexOf(EncodeCodePage(Text(3130)));
  ASSERT_GT(start, bytes.indexOf(EncodeCodePage(Text(118))));
  const QByteArray head = bytes.left(start);
  QList<QByteArray> block = bytes.mid(start).split('\n');
  block.removeLast();  // after the last line end
  // The block's lines, 0 its start marker: 1 picks, 2 criteria, 3 and 4 the
  // pair last on screen, then idea, average and result per pick, then per
  // pick a total and a score and weighted score per criterion.
  const auto joined = [&head](QList<QByteArray> lines) { return head + lines.join('\n') + '\n'; };
  const auto with = [&](qsizetype line, const QByteArray& value) {
    QList<QByteArray> lines = block;
    lines[line] = value + '\r';
    return joined(lines);
  };
  const qsizetype firstScore = 5 + 3 * 4 + 1;  // after the first pick's total
  QList<QByteArray> missingScore = block;
  missingScore.removeAt(firstScore + 2);  // the second criterion's score
  QList<QByteArray> noEnd = block;
  noEnd.removeLast();

  const std::vector<std::pair<const char*, QByteArray>> damages = {
      {"cut before its end marker", head + bytes.mid(start, (bytes.size() - start) / 2)},
      {"no end marker", joined(noEnd)},
      {"more picks than ideas take", with(1, "201")},
      {"more picks than written", with(1, "5")},
      {"criteria not the file's", with(2, "4")},
      {"a count that is no number", with(1, "four")},
      {"an average that is no number", with(6, "1.2.3")},
      {"a result above 9", with(7, "9.5")},
      {"a score that is not whole", with(firstScore, "2.5")},
      {"a weighted score below 0", with(firstScore + 1, "-1")},
      {"a missing score line", joined(missingScore)},
  };
  const QString path = PathOf(QStringLiteral("damaged.qln"));
  for (const auto& [damage, damagedBytes] : damages) {
    SCOPED_TRACE(damage);
    StartOther();
    ASSERT_EQ(Save(SaveMode::kSave), FileOutcome::Done);  // under the sound file's name
    Change([](SessionContent& c) { c.sGoal = QStringLiteral("Typed since"); });
    WriteFileBytes(path, damagedBytes);
    ExpectRefusedFile(path);
  }
}

TEST_F(EvaluationKeptTest, TheBackupHoldsTheEvaluationAndItsRecoveryRestoresIt) {
  EvaluateASession();
  const auto before = KeptEvaluation();
  const QString backup = BackupPath(parts->dataFolder);
  ASSERT_TRUE(WriteBackupWorkfile(s, evaluation(), backup, platform));
  EXPECT_EQ(InspectRunBackup(backup, QDateTime::currentDateTime().addSecs(-60)), RunBackup::Plain);
  // A damaged evaluation makes the backup one that cannot be read.
  const QString damaged = PathOf(QStringLiteral("BACKUP.QLN"));
  WriteFileBytes(damaged, ReadFileBytes(backup).chopped(4));
  EXPECT_EQ(InspectRunBackup(damaged, QDateTime::currentDateTime().addSecs(-60)), RunBackup::Unreadable);

  StartOther();
  ASSERT_EQ(LoadWorkfile(document, evaluation(), parts->prompter, platform, parts->status, parts->constants,
                         parts->fileWork, backup, [](Protection) { return std::optional<QString>(); }),
            FileOutcome::Done);
  EXPECT_TRUE(evaluation() == *before);
}

}  // namespace
}  // namespace quillane::test
