#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/RunStates.h"
#include "app/widgets/frmMain.h"
#include "core/Program.h"
#include "ideas/widgets/frmIdeas.h"
#include "session/Constants.h"
#include "support/Files.h"
#include "support/Lists.h"
#include "support/ScriptedPlatform.h"
#include "support/Widgets.h"

namespace quillane::test {

// A started main window on the scripted platform, as a user meets it.
class MainWindowTest : public ::testing::Test {
 protected:
  ScriptedPlatform platform;
  Program program{platform};
  RunStates states;  // the techniques' run states the window hands out
  std::unique_ptr<frmMain> window;
  int ended = 0;

  QTemporaryDir folder;  // the user's settings and data folders

  // The settings file the program finds at start-up.
  virtual QByteArray SettingsFile() { return "[Quillane]\r\nHelp at Startup=0\r\nAutomatic Backup=0\r\n"; }
  virtual void PlaceSettingsFile() { WriteFileBytes(program.settingsPath, SettingsFile()); }

  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    program.settingsPath = folder.filePath(QStringLiteral("Quillane.ini"));
    program.dataFolder = folder.filePath(QStringLiteral("data"));
    PlaceSettingsFile();
    LoadConstants(program.session, QStringLiteral(QUILLANE_SOURCE_DIR "/resources/shipped"));
    window = std::make_unique<frmMain>(program, states);
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

  void StartNewSession() { SetNewSessionCommands(program.commands); }

  // The run states of the ideas dialog, as the window hands them out.
  IdeasRunStates IdeasStates() {
    return {states.suggestion, states.pairing, states.mindStep,
            states.cluster,    states.iching,  states.evaluation};
  }
};

}  // namespace quillane::test
