#pragma once

#include <QString>

#include "app/RunStates.h"
#include "core/Commands.h"
#include "core/Constants.h"
#include "core/Progress.h"
#include "core/Prompter.h"
#include "core/RunEvents.h"
#include "core/SessionDocument.h"
#include "core/StatusLine.h"
#include "core/TimerSwitch.h"
#include "settings/Settings.h"
#include "ui/HelpContexts.h"

namespace quillane {

// The parts one run of the program is made of. main() builds them and the
// main window works on them, handing each procedure only the parts it uses;
// tests build a fresh set. Nothing outside app/ sees this.
struct MainParts {
  MainParts(Platform& platform, const Constants& constants)
      : platform(platform), constants(constants), prompter(platform, constants.sTitle) {}
  MainParts(const MainParts&) = delete;
  MainParts& operator=(const MainParts&) = delete;

  HelpBook help() const { return {platform, constants.HelpFolder()}; }

  Platform& platform;
  Constants constants;
  Settings settings;
  SessionDocument document;
  DesktopPrompter prompter;
  RunEvents events;
  Commands commands;
  Progress progress;
  StatusLine status;
  TimerSwitch autoBackupTimer;  // `tmrAutoBackup`
  RunStates states;

  // Where the program keeps its files on this machine.
  QString settingsPath;         // the settings file
  QString dataFolder;           // writable folder of the backup workfile
  QStringList recentWorkfiles;  // opened or saved last, newest first

  // Non-zero while a file is written or read or a busy message runs; the
  // repaint check of the backup waits until it is zero again.
  int fileWork = 0;
};

}  // namespace quillane
