// Start-up to the first shown main window, as the program does it: prints
// the milliseconds from process start to the window painted once, then ends.
// Time the whole process (hyperfine, or /usr/bin/time) for the complete figure.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include "app/RunStates.h"
#include "app/widgets/frmMain.h"
#include "core/Program.h"
#include "platform/qt/QtPlatform.h"
#include "resources/Texts.h"
#include "session/Constants.h"

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);  // leave the user's own settings alone
  quillane::QtPlatform platform;
  quillane::Program program(platform);
  quillane::LoadConstants(program.session, QCoreApplication::applicationDirPath());
  QTemporaryDir folder;
  program.settingsPath = folder.filePath(QStringLiteral("Quillane.ini"));
  program.dataFolder = folder.path();
  QFile settings(program.settingsPath);
  if (settings.open(QIODevice::WriteOnly)) settings.write("[Quillane]\r\nHelp at Startup=0\r\n");
  settings.close();
  const auto states = std::make_unique<quillane::RunStates>();
  quillane::frmMain window(program, *states);
  window.endProgram = [] {};
  window.Form_Load();
  window.show();
  window.repaint();
  QApplication::processEvents();
  std::printf("start-up to shown main window: %lld ms\n", static_cast<long long>(clock.elapsed()));
  return 0;
}
