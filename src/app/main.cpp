#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <cstdio>
#include <memory>

#include "app/CommandLine.h"
#include "app/MainParts.h"
#include "app/widgets/frmMain.h"
#include "core/ProgramFolder.h"
#include "platform/qt/InstanceChannel.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/TerminationSignals.h"
#include "resources/Texts.h"

namespace {

// Tells the terminal and the desktop user alike.
void SayOnBothChannels(quillane::Prompter& prompter, const QString& text) {
  std::fputs((text + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
  prompter.Tell(text, quillane::MsgButtons::OkOnly + quillane::MsgIcon::Exclamation);
}

}  // namespace

int main(int argc, char** argv) {
  // The command line is read before anything needs a display, so --help
  // and --version answer on any terminal.
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const quillane::CommandLine line = quillane::ParseCommandLine(arguments);
  if (!line.error.isEmpty()) {
    std::fputs((line.error + QLatin1Char('\n')).toLocal8Bit().constData(), stderr);
    return quillane::kExitUsage;
  }
  if (line.help || line.version) {
    const QString text = line.help ? quillane::CommandLineHelp() : quillane::VersionLine();
    std::fputs(text.toLocal8Bit().constData(), stdout);
    return quillane::kExitDone;
  }

  QApplication app(argc, argv);
  QCoreApplication::setApplicationName(quillane::Text(101));

  quillane::QtPlatform platform;
  // The parts of this run; the evaluation's tables are large, so they live
  // on the heap.
  const auto parts = std::make_unique<quillane::MainParts>(
      platform,
      quillane::LoadConstants(quillane::ProgramFilesFolder(QCoreApplication::applicationDirPath())));

  // A second start hands its file (or only the wish to see Quillane) to the
  // running program and ends at once, without a window of its own. When
  // nobody answers, or there is no private place for the lock, it says so
  // and runs on its own.
  const quillane::SingleInstance instance = platform.AcquireSingleInstance();
  if (instance == quillane::SingleInstance::Running) {
    if (quillane::HandToRunningInstance({line.workfile})) return quillane::kExitDone;
    SayOnBothChannels(parts->prompter, quillane::Text(3120));
  } else if (instance == quillane::SingleInstance::Unavailable) {
    SayOnBothChannels(parts->prompter, quillane::Text(3121));
  }

  parts->settingsPath = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                            .filePath(parts->constants.sProduct + QStringLiteral(".ini"));
  parts->dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);

  quillane::frmMain window(*parts);
  quillane::InstanceServer secondStarts;
  window.FollowSecondStarts(secondStarts);
  // A logout, a closed terminal or `kill` keeps the typed work.
  quillane::TerminationSignals endings;
  window.FollowTheDesktop(endings);
  if (instance == quillane::SingleInstance::Acquired) secondStarts.Listen(*quillane::InstanceServerName());

  window.Form_Load();
  window.show();
  window.OfferLastRunBackup();
  if (line.workfile) window.OpenWorkfileAt(*line.workfile);
  return app.exec();
}
