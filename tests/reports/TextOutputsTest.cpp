// The report and plan files: their bytes in two languages, and the flows of
// Make/Save Report, View Report, Make Basic Plan and Elaborate.
#include <QDir>

#include "reports/ReportFixture.h"
#include "resources/Texts.h"

namespace quillane::test {
namespace {

class TextOutputsTest : public ReportTest {
 protected:
  TextOutputsTest() {
    SetNewSessionCommands(parts->commands);
    QObject::connect(&parts->status, &StatusLine::panelTextChanged,
                     [this](const QString& text) { panelTexts << text; });
  }
  // Writes the report or the plan in `language` into a file of its own.
  QString Write(WriteCommand writer, int language) {
    parts->settings.nLanguage = static_cast<std::int16_t>(language);
    const QString path = PathOf(QStringLiteral("%1-%2.txt").arg(platform.fileDialogs.size()).arg(language));
    platform.ChooseFile(path);
    Run(writer);
    return path;
  }
  QString Report(int language) { return Write(WriteReport, language); }
  QString Plan(int language) { return Write(WritePlan, language); }
  QStringList panelTexts;
};

TEST_F(TextOutputsTest, ReportHoldsTheWholeSession) {
  const QString english = Report(1);
  const QByteArray end = "\r\n";
  EXPECT_EQ(ReadFileBytes(english),
            end + "REPORT ON QUILLANE-SESSION DATED DECEMBER 3, 2026" + end + end + end + end +
                "GOAL:" + end + "Faster delivery" + end + end + end + "CRITERIA:" + end + end +
                "Criterion:" + Blanks(34) + "Weight:" + end + "Cost" + Blanks(42) + " 9 " + end + "Speed" +
                Blanks(41) + " 4" + DecimalPoint() + "5 " + end + end + end + "TANGIBLES:" + end + end + end +
                end + "INTANGIBLES:" + end + end + "Goodwill" + end + end + end + "ALL IDEAS:" + end +
                "Drones" + end + "Night shifts" + end + "Bikes" + end + end + end +
                "BEST IDEAS (in descending order of importance):" + end + end + "Idea:" + Blanks(51) +
                "Rating:" + end + "Bikes" + Blanks(53) + " 9 " + end + "Drones" + Blanks(52) + " .5 " + end);
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  EXPECT_EQ(platform.fileDialogs[0].initialName, QStringLiteral("REPORT.TXT"));
  EXPECT_EQ(outputs().sReportFile, english);
  EXPECT_TRUE(panelTexts.contains(QStringLiteral("Saving Report...")));
  EXPECT_TRUE(parts->progress.done(ProgressStep::ReportSaved));
  EXPECT_TRUE(parts->commands.enabled(Command::ViewReport));
  EXPECT_EQ(parts->fileWork, 0);

  Report(2);
  EXPECT_EQ(platform.fileDialogs[1].initialName, english) << "the last report is proposed again";
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(TextOutputsTest, ReportWithoutEvaluationEndsWithTheIdeaAndRatingHeading) {
  e.nEvalIdeas = 0;
  EXPECT_TRUE(ReadFileBytes(Report(1)).endsWith("\r\n\r\nIdea:" + Blanks(51) + "Rating:\r\n"));
}

TEST_F(TextOutputsTest, PlanHoldsGoalThreeIdeaLinesAndTheCriteria) {
  const QByteArray tail = "Faster delivery\r\n\r\n\r\n";
  EXPECT_EQ(ReadFileBytes(Plan(1)),
            "\r\nPLAN DATED DECEMBER 3, 2026\r\n\r\n\r\nGOAL: \r\n" + tail +
                "BEST IDEA:\r\nBikes\r\nDrones\r\n\r\n\r\n\r\nADVANTAGES:\r\nCost\r\nSpeed\r\n");
  EXPECT_EQ(platform.fileDialogs[0].initialName, QStringLiteral("PLAN.TXT"));
  EXPECT_TRUE(panelTexts.contains(QStringLiteral("Saving Plan...")));
  EXPECT_TRUE(parts->progress.done(ProgressStep::PlanSaved));
  EXPECT_TRUE(parts->commands.enabled(Command::ElaboratePlan));

  e.nEvalIdeas = 3;
  e.sEvalIdeas[3] = QStringLiteral("Night shifts");
  EXPECT_EQ(ReadFileBytes(Plan(2)),
            "\r\nDREHBUCH VOM 3. DEZEMBER 2026\r\n\r\n\r\nZIEL: \r\n" + tail +
                "BESTE IDEE:\r\nBikes\r\nDrones\r\nNight shifts\r\n\r\n\r\nVORTEILE:\r\nCost\r\nSpeed\r\n");
}

TEST_F(TextOutputsTest, CancelledDialogWritesAndLightsNothing) {
  platform.ChooseFile(std::nullopt);
  Run(WriteReport);
  platform.ChooseFile(std::nullopt);
  Run(WritePlan);
  EXPECT_EQ(outputs().sReportFile, QStringLiteral("REPORT.TXT")) << "the proposal stays";
  EXPECT_EQ(outputs().sPlanFile, QStringLiteral("PLAN.TXT"));
  EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty());
  EXPECT_FALSE(parts->progress.done(ProgressStep::ReportSaved));
  EXPECT_FALSE(parts->progress.done(ProgressStep::PlanSaved));
  EXPECT_FALSE(parts->commands.enabled(Command::ViewReport));
  EXPECT_FALSE(parts->commands.enabled(Command::ElaboratePlan));
  EXPECT_TRUE(panelTexts.isEmpty());
}

TEST_F(TextOutputsTest, FileThatCannotBeWrittenIsNamedAndNothingIsLit) {
  const QString path = PathOf(QStringLiteral("missing folder/report.txt"));
  platform.ChooseFile(path);
  platform.AnswerNext(Answer::Ok);
  Run(WriteReport);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, path + QLatin1Char('\r') + Text(3100));
  EXPECT_FALSE(parts->progress.done(ProgressStep::ReportSaved));
  EXPECT_FALSE(parts->commands.enabled(Command::ViewReport));
  EXPECT_TRUE(panelTexts.isEmpty()) << "no busy message for a file not written";
}

TEST_F(TextOutputsTest, ViewerGetsTheFileAsOneArgumentOrTheDesktopOpensIt) {
  ViewReport(outputs(), parts->settings.sTextEditor, platform, parts->prompter);
  ElaboratePlan(outputs(), parts->settings.sTextEditor, platform, parts->prompter);
  EXPECT_TRUE(platform.programsStarted.empty()) << "nothing to show before the first file";
  EXPECT_TRUE(platform.desktopOpened.isEmpty());

  const QString report = Report(1);
  const QString plan = Plan(1);
  ViewReport(outputs(), parts->settings.sTextEditor, platform, parts->prompter);
  ElaboratePlan(outputs(), parts->settings.sTextEditor, platform, parts->prompter);
  ASSERT_EQ(platform.programsStarted.size(), 2u);
  EXPECT_EQ(platform.programsStarted[0].first, parts->settings.sTextEditor);
  EXPECT_EQ(platform.programsStarted[0].second, QStringList{report});
  EXPECT_EQ(platform.programsStarted[1].second, QStringList{plan});

  platform.programsStart = false;  // the viewer cannot be started
  ElaboratePlan(outputs(), parts->settings.sTextEditor, platform, parts->prompter);
  parts->settings.sTextEditor = PathOf(QStringLiteral("no such viewer"));
  ViewReport(outputs(), parts->settings.sTextEditor, platform, parts->prompter);
  EXPECT_EQ(platform.programsStarted.size(), 3u) << "a missing viewer is not even tried for the report";
  EXPECT_EQ(platform.desktopOpened, (QStringList{plan, report}));

  // Nothing on this computer can show it: that is said, with the file's place.
  platform.desktopOpens = false;
  platform.AnswerNext(Answer::Ok);
  ViewReport(outputs(), parts->settings.sTextEditor, platform, parts->prompter);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_TRUE(platform.messages[0].text.endsWith(QLatin1Char('\r') + QDir::toNativeSeparators(report)));
}

}  // namespace
}  // namespace quillane::test
