#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <memory>

#include "app/RunStates.h"
#include "app/widgets/frmMain.h"
#include "core/Program.h"
#include "core/ProgramFolder.h"
#include "platform/qt/QtPlatform.h"
#include "resources/Texts.h"
#include "session/Constants.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(quillane::Text(101));

  quillane::QtPlatform platform;
  // A second start ends at once, without a window or a message.
  if (!platform.AcquireSingleInstance()) return 0;

  quillane::Program program(platform);
  quillane::LoadConstants(program.session,
                          quillane::ProgramFilesFolder(QCoreApplication::applicationDirPath()));
  program.settingsPath = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                             .filePath(program.session.sProduct + QStringLiteral(".ini"));
  program.dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);

  // The techniques' run states, for the whole run.
  const auto states = std::make_unique<quillane::RunStates>();
  quillane::frmMain window(program, *states);
  window.Form_Load();
  window.show();
  window.OfferLastRunBackup();
  return app.exec();
}
