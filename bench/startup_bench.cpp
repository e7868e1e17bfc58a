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

#include "app/MainParts.h"
#include "app/widgets/frmMain.h"
#include "core/Constants.h"
#include "platform/qt/QtPlatform.h"
#include "resources/Texts.h"

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);  // leave the user's own settings alone
  quillane::QtPlatform platform;
  const auto parts = std::make_unique<quillane::MainParts>(
      platform, quillane::LoadConstants(QCoreApplication::applicationDirPath()));
  QTemporaryDir folder;
  parts->settingsPath = folder.filePath(QStringLiteral("Quillane.ini"));
  parts->dataFolder = folder.path();
  QFile settings(parts->settingsPath);
  if (settings.open(QIODevice::WriteOnly)) settings.write("[Quillane]\r\nHelp at Startup=0\r\n");
  settings.close();
  quillane::frmMain window(*parts);
  window.endProgram = [] {};
  window.Form_Load();
  window.show();
  window.repaint();
  QApplication::processEvents();
  std::printf("start-up to shown main window: %lld ms\n", static_cast<long long>(clock.elapsed()));
  return 0;
}
