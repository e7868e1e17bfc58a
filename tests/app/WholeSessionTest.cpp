// One whole brainstorming session through the real main window, from New
// Session to reopening the saved, protected workfile.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>

#include "MainWindowFixture.h"
#include "session/WorkfileFixture.h"

namespace quillane::test {
namespace {

class WholeSessionTest : public MainWindowTest {
 protected:
  // The steps whose indicator is lit (`done`) or dark.
  std::vector<ProgressStep> Steps(bool done) {
    std::vector<ProgressStep> steps;
    for (int i = 0; i < Progress::kSteps; ++i) {
      if (parts.progress.done(Progress::StepAt(i)) == done) steps.push_back(Progress::StepAt(i));
    }
    return steps;
  }
};

TEST_F(WholeSessionTest, FromNewSessionToTheReopenedProtectedWorkfile) {
  parts.constants.sUserFirstName = QStringLiteral("Ada");
  PressMenu(Menu::kStart);
  PressCommand(Command::NewSession);

  RunDialog(Menu::kStart, Command::Goal,
            [](QDialog& d) { Type(&d, "txtGoal", {"Shorter queues at the counter"}); });

  RunDialog(Menu::kCriteria, Command::CriteriaSet,
            TypeThenOk("txtCriteriaSet",
                       {"Cheap", "Quick to start", "Staff like it", "Customers notice", "Lasting"}));
  RunDialog(Menu::kCriteria, Command::CriteriaRate, [](QDialog& d) {
    auto* slider = Find<QSlider>(&d, QStringLiteral("sliCriteriaRate"));
    for (int value : {8, 6, 7, 9, 3, 5, 7, 6, 8, 4}) {
      slider->setValue(value);
      Click(&d, "cmdCriteriaRate");
    }
  });
  ASSERT_EQ(parts.document.content().sngWeight[1], 9.0f);

  RunDialog(Menu::kIdeas, Command::TAssets,
            TypeThenOk("txtIdeasTAssets", {"Second counter", "Ticket machine", "Waiting room"}));
  RunDialog(Menu::kIdeas, Command::IAssets,
            TypeThenOk("txtIdeasIAssets", {"Friendly staff", "Loyal customers"}));
  RunDialog(Menu::kIdeas, Command::AutoSuggest,
            TypeThenOk("txtAddIdeas(0)", {"Serve two queues from one counter", "Let customers order ahead"}));
  RunDialog(Menu::kIdeas, Command::PairTI, TypeThenOk("txtAddIdeas(1)", {"Staff greet the waiting room"}));
  RunDialog(Menu::kIdeas, Command::PairTT,
            TypeThenOk("txtAddIdeas(2)", {"Ticket machine in the waiting room"}));
  RunDialog(Menu::kIdeas, Command::PairII, TypeThenOk("txtAddIdeas(3)", {"Loyal customers skip the queue"}));
  Pick({0, 1});
  RunDialog(Menu::kIdeas, Command::MindStepping, [](QDialog& d) {
    Type(&d, "txtAddIdeas(5)", {"Two counters at rush hour", "Order by phone, pick up fast"});
    Click(&d, "cmdIdeasMindstepping");
    Click(&d, "cmdOk");
  });
  Pick({2, 3, 4});
  RunDialog(Menu::kIdeas, Command::Clustering, [](QDialog& d) {
    Type(&d, "txtClusterUnif", {"Use idle space"});
    Type(&d, "txtAddIdeas(6)",
         {"Coffee corner while waiting", "Screens show the queue", "Chairs by the door",
          "Music while you wait"});
    // The tenth idea is celebrated beside the meter.
    EXPECT_EQ(Find<QLabel>(&d, QStringLiteral("lblIdeasEncouragement"))->text(),
              QStringLiteral("Terrific, Ada, your first 10 ideas!"));
    Click(&d, "cmdOk");
  });
  ASSERT_EQ(parts.document.content().nIdeas, 11);

  RunDialog(Menu::kIdeas, Command::ViewEditIdeas, [&](QDialog& view) {
    auto* list = Find<QListWidget>(&view, QStringLiteral("lstView"));
    ClickRow(list, 9);
    platform.OnNextDialog([](QDialog& edit) {
      auto* box = Find<QLineEdit>(&edit, QStringLiteral("txtAddIdea"));
      box->selectAll();
      QTest::keyClicks(box, QStringLiteral("Chairs and a newspaper by the door"));
      Click(&edit, "cmdOk");
    });
    Click(&view, "cmdEdit");
    ClickRow(list, 5);
    platform.AnswerNext(Answer::Yes);
    platform.AnswerNext(Answer::Yes);
    Click(&view, "cmdDelete");
    Click(&view, "cmdOk");
  });
  ASSERT_EQ(parts.document.content().nIdeas, 10);

  Pick({0, 3, 6, 9});
  RunDialog(Menu::kIdeas, Command::Evaluate, [](QDialog& d) {
    auto* slider = Find<QSlider>(&d, QStringLiteral("sliIdeasEvaluationRate"));
    const int ratings[4][5] = {{6, 7, 5, 8, 6}, {9, 4, 6, 5, 7}, {3, 8, 9, 6, 5}, {7, 7, 7, 9, 8}};
    for (const auto& idea : ratings) {
      for (int value : idea) {
        slider->setValue(value);
        Click(&d, "cmdIdeasEvaluation");
      }
    }
  });
  ASSERT_EQ(states.evaluation.sngResultB[1], 9.0f);
  RunDialog(Menu::kIdeas, Command::ViewResults, [](QDialog& d) { Click(&d, "cmdOk"); });

  // The report, the plan and the printed summary.
  const QString report = folder.filePath(QStringLiteral("report.txt"));
  MakeReportPlanAndPrint(report, folder.filePath(QStringLiteral("plan.txt")));
  ASSERT_EQ(platform.printJobs.size(), 1u);
  EXPECT_TRUE(QFile::exists(folder.filePath(platform.printJobs[0] + QStringLiteral(".pdf"))));
  const QByteArray expected = ReadFileBytes(QStringLiteral(QUILLANE_TEST_DATA_DIR "/WholeSessionReport.txt"));
  ASSERT_FALSE(expected.isEmpty());
  EXPECT_EQ(ReadFileBytes(report), expected);

  // Protect and save the session, then start afresh and open it again.
  RunDialog(Menu::kOptions, Command::Password, [](QDialog& d) { Type(&d, "txtPassword", {"Counter7"}); });
  const QString workfile = folder.filePath(QStringLiteral("queues.qln"));
  PressMenu(Menu::kSave);
  platform.ChooseFile(workfile);
  PressCommand(Command::SaveAs);
  // Every step but the loading of a session and the I Ching, which the menu no longer offers.
  EXPECT_EQ(Steps(false), (std::vector{ProgressStep::SessionLoaded, ProgressStep::IChing}));
  const OpenState saved = ContentOf(parts.document);
  EXPECT_FALSE(parts.document.isModified());

  PressMenu(Menu::kStart);
  PressCommand(Command::NewSession);
  ASSERT_EQ(parts.document.content().nIdeas, 0);
  // The workfile is encrypted: no idea can be read from it, and its password
  // counts letter case.
  EXPECT_FALSE(ReadFileBytes(workfile).contains(saved.content.sIdeas[1].toUtf8()));
  platform.messages.clear();
  platform.AnswerNext(Answer::Ok);
  platform.ChooseFile(workfile);
  platform.OnNextDialog([](QDialog& d) { Type(&d, "txtPassword", {"cOUNTER7"}); });
  PressCommand(Command::OpenSession);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, Text(3134));
  EXPECT_EQ(parts.document.content().nIdeas, 0) << "a wrong password changes nothing";
  platform.ChooseFile(workfile);
  platform.OnNextDialog([](QDialog& d) { Type(&d, "txtPassword", {"Counter7"}); });
  PressCommand(Command::OpenSession);
  EXPECT_TRUE(ContentOf(parts.document) == saved) << "everything a workfile keeps, and nothing beyond";
  EXPECT_EQ(Steps(true), (std::vector{ProgressStep::SessionLoaded, ProgressStep::Evaluation}));
  EXPECT_EQ(parts.document.content().sPassword, QStringLiteral("Counter7"));
  EXPECT_EQ(parts.document.content().protection, Protection::Encrypted);
  EXPECT_TRUE(MenuButton(Menu::kReports)->isEnabled()) << "the loaded session holds ideas";
  WaitForBusyBar(parts.status);
  EXPECT_EQ(Find<QLabel>(window.get(), QStringLiteral("winStatusBar.Panels(2)"))->text(),
            QDir::toNativeSeparators(workfile));
}

}  // namespace
}  // namespace quillane::test
