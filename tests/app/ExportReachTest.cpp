// Export needs only a goal: the Reports menu opens once the session has one,
// with Export ready and the report commands waiting for ideas.
#include <QFile>
#include <QTemporaryDir>

#include "MainWindowFixture.h"
#include "support/Files.h"

namespace quillane::test {
namespace {

class ExportReachTest : public MainWindowTest {};

TEST_F(ExportReachTest, AGoalAloneOpensTheReportsMenuForExport) {
  StartNewSession();
  EXPECT_FALSE(MenuButton(Menu::kReports)->isEnabled());
  RunDialog(Menu::kStart, Command::Goal, [](QDialog& d) { Type(&d, "txtGoal", {"Fewer delays"}); });
  ASSERT_TRUE(MenuButton(Menu::kReports)->isEnabled());
  PressMenu(Menu::kReports);
  EXPECT_TRUE(CommandButton(Command::Export)->isEnabled());
  EXPECT_FALSE(CommandButton(Command::MakeReport)->isEnabled()) << "a report still needs ideas";

  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("goal.md"));
  platform.ChooseFile(path);
  PressCommand(Command::Export);
  EXPECT_TRUE(ReadFileBytes(path).contains("Fewer delays"));
}

}  // namespace
}  // namespace quillane::test
