#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/MainParts.h"
#include "app/widgets/frmMain.h"
#include "core/Constants.h"
#include "evaluation/widgets/EvaluationPages.h"
#include "ideas/widgets/frmIdeas.h"
#include "session/WorkfileWriter.h"
#include "support/Files.h"
#include "support/Lists.h"
#include "support/Parts.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

namespace quillane::test {

// A started main window on the scripted platform, as a user meets it.
class MainWindowTest : public ::testing::Test {
 protected:
  ScriptedPlatform platform;
  // The run's parts, as main() builds them; the window wires them.
  std::unique_ptr<MainParts> partsStore = std::make_unique<MainParts>(
      platform, LoadConstants(QStringLiteral(QUILLANE_SOURCE_DIR "/resources/shipped")));
  MainParts& parts = *partsStore;
  RunStates& states = parts.states;  // the techniques' run states the window hands out
  std::unique_ptr<frmMain> window;
  int ended = 0;

  QTemporaryDir folder;  // the user's settings and data folders

  // The settings file the program finds at start-up.
  virtual QByteArray SettingsFile() { return "[Quillane]\r\nHelp at Startup=0\r\nAutomatic Backup=0\r\n"; }
  virtual void PlaceSettingsFile() { WriteFileBytes(parts.settingsPath, SettingsFile()); }

  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    parts.settingsPath = folder.filePath(QStringLiteral("Quillane.ini"));
    parts.dataFolder = folder.filePath(QStringLiteral("data"));
    PlaceSettingsFile();
    window = std::make_unique<frmMain>(parts);
    window->endProgram = [this] { ++ended; };
    window->Form_Load();
    window->show();
    QApplication::processEvents();
  }

  void TearDown() override {
    window.reset();
    EXPECT_TRUE(platform.answers.empty()) << "scripted answers left unused";
    EXPECT_TRUE(platform.dialogScripts.empty()) << "scripted dialogs never shown";
  }

  QPushButton* MenuButton(int index) { return window->menuButton(index); }
  QPushButton* CommandButton(Command command) { return window->commandButton(command); }
  void PressMenu(int index) { QTest::mouseClick(MenuButton(index), Qt::LeftButton); }
  void PressCommand(Command command) { QTest::mouseClick(CommandButton(command), Qt::LeftButton); }

  // The frames now shown, by object name.
  QStringList VisibleFrames() {
    QStringList names;
    for (int i = 0; i < Menu::kFrameCount; ++i) {
      if (window->frame(i)->isVisible()) names << window->frame(i)->objectName();
    }
    return names;
  }

  void StartNewSession() { SetNewSessionCommands(parts.commands); }

  // A dialog script: types `lines` into `box`, then clicks OK.
  static ScriptedPlatform::DialogScript TypeThenOk(const char* box, const QStringList& lines) {
    return [box, lines](QDialog& d) {
      Type(&d, box, lines);
      Click(&d, "cmdOk");
    };
  }

  // Picks the ideas at `rows` in the next selection dialog.
  void Pick(const std::vector<int>& rows) {
    platform.OnNextDialog([rows](QDialog& view) {
      auto* list = Find<QListWidget>(&view, QStringLiteral("lstView"));
      for (int row : rows) list->item(row)->setSelected(true);
      Click(&view, "cmdOk");
    });
  }

  // Saves the report and the plan under these names and prints the summary
  // into the test's folder.
  void MakeReportPlanAndPrint(const QString& report, const QString& plan) {
    PressMenu(Menu::kReports);
    platform.ChooseFile(report);
    PressCommand(Command::MakeReport);
    PressMenu(Menu::kPlans);
    platform.ChooseFile(plan);
    PressCommand(Command::MakePlan);
    PressMenu(Menu::kReports);
    platform.printFolder = folder.path();
    platform.AnswerNext(Answer::Yes);
    PressCommand(Command::PrintConcise);
  }

  // Runs `command` from `menu`, opened unless it is open, with `script` driving the dialog it opens.
  void RunDialog(int menu, Command command, ScriptedPlatform::DialogScript script) {
    if (!window->frame(menu)->isVisible()) PressMenu(menu);
    platform.OnNextDialog(std::move(script));
    PressCommand(command);
  }

  // Settings that turn the automatic backup on, every minute.
  static QByteArray BackupEveryMinute() {
    return "[Quillane]\r\nHelp at Startup=0\r\nAutomatic Backup=1\r\nAutomatic Backup Time=1\r\n";
  }
  QString BackupFile() const { return QDir(parts.dataFolder).filePath(QStringLiteral("BACKUP.QLN")); }

  // A workfile `name` in the test's folder with this goal, protected by `password` when one is given.
  QString WriteWorkfile(const char* name, const char* goal, const QString& password = {}) {
    SessionContent content;
    content.sGoal = QLatin1String(goal);
    content.bPassword = !password.isEmpty();
    content.sPassword = password;
    const QString path = folder.filePath(QLatin1String(name));
    WriteFileBytes(path, WorkfileBytes(content, WorkfileKind::Workfile, platform));
    return path;
  }

  // The run states of the ideas dialog, as the window hands them out.
  IdeasRunStates IdeasStates() {
    return {states.suggestion, states.pairing, states.mindStep, states.cluster, states.iching};
  }
  IdeasSuppliedPages SuppliedPages() {
    return {EvaluationPageMaker(parts.document, states.evaluation, parts.events),
            ResultsPageMaker(states.evaluation)};
  }
};

}  // namespace quillane::test
