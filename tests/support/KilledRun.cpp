// A run of the program that a test kills: it starts like the program, types
// a goal and an idea into the real dialogs, waits until the automatic backup
// holds them, says so on standard output, and then waits to be killed.
//
// Arguments: the settings file, the data folder, the folder of the program's
// own files. The settings must turn the backup on every minute; the run's
// clock goes a thousand times faster, so the minute passes in 60 ms.
//
// With a fourth argument "typed", it says "typed" as soon as the idea is
// in, backup or not, and answers the termination signals as the program does.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "app/MainParts.h"
#include "app/widgets/frmMain.h"
#include "core/Constants.h"
#include "platform/qt/QtPlatform.h"
#include "platform/qt/TerminationSignals.h"

namespace {

class FastClock : public quillane::QtPlatform {
 public:
  qint64 MonotonicMs() override { return QtPlatform::MonotonicMs() * 1000; }
};

// Clicks `command` and, once its dialog is up, types `text` into `box` and
// presses Enter in it, then OK.
void TypeInto(quillane::frmMain& window, quillane::Command command, const char* box, const char* text) {
  QTimer::singleShot(100, [box, text] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) std::exit(3);
    auto* entry = dialog->findChild<QLineEdit*>(QLatin1String(box));
    if (!entry) std::exit(4);
    QTest::keyClicks(entry, QLatin1String(text));
    QTest::keyClick(entry, Qt::Key_Return);
    QTimer::singleShot(50, dialog,
                       [dialog] { dialog->findChild<QPushButton*>(QStringLiteral("cmdOk"))->click(); });
  });
  window.commandButton(command)->click();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 4) return 2;
  FastClock platform;
  const auto parts = std::make_unique<quillane::MainParts>(
      platform, quillane::LoadConstants(QString::fromLocal8Bit(argv[3])));
  parts->settingsPath = QString::fromLocal8Bit(argv[1]);
  parts->dataFolder = QString::fromLocal8Bit(argv[2]);

  quillane::frmMain window(*parts);
  window.Form_Load();
  window.show();
  window.OfferLastRunBackup();

  quillane::TerminationSignals endings;
  window.FollowTheDesktop(endings);

  window.commandButton(quillane::Command::NewSession)->click();
  TypeInto(window, quillane::Command::Goal, "txtGoal", "Quieter bikes");
  TypeInto(window, quillane::Command::AutoSuggest, "txtAddIdeas(0)", "A bell that purrs");

  const QString backup = QDir(parts->dataFolder).filePath(QStringLiteral("BACKUP.QLN"));
  QTimer watch;
  const bool typedIsEnough = argc > 4 && QByteArray(argv[4]) == "typed";
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (typedIsEnough) {
      if (parts->document.content().nIdeas == 1 && !QApplication::activeModalWidget()) {
        std::puts("typed");
        std::fflush(stdout);
        watch.stop();
      }
      return;
    }
    QFile file(backup);
    if (file.open(QIODevice::ReadOnly) && file.readAll().contains("A bell that purrs")) {
      std::puts("backed up");
      std::fflush(stdout);
      watch.stop();
    }
  });
  watch.start(50);
  return app.exec();
}
