#include "app/CommandLine.h"

#include <QDir>

#include "core/Constants.h"
#include "resources/Texts.h"

namespace quillane {

namespace {

// Options of Qt itself, which the application object takes: with the value
// that follows them, or alone. A session manager restarts the program with
// -session and its id. Qt takes each with one dash or two.
const QStringList kQtOptionsWithValue = {QStringLiteral("-platform"),        QStringLiteral("-style"),
                                         QStringLiteral("-stylesheet"),      QStringLiteral("-display"),
                                         QStringLiteral("-qwindowgeometry"), QStringLiteral("-qwindowtitle"),
                                         QStringLiteral("-session"),         QStringLiteral("-name")};
const QStringList kQtOptionsAlone = {QStringLiteral("-reverse")};

// "--session" as "-session".
QString AsQtOption(const QString& argument) {
  return argument.startsWith(QLatin1String("--")) ? argument.mid(1) : argument;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  CommandLine line;
  bool onlyFilesFollow = false;
  bool skipValue = false;
  for (const QString& argument : arguments) {
    if (skipValue) {
      skipValue = false;
    } else if (!onlyFilesFollow && kQtOptionsWithValue.contains(AsQtOption(argument))) {
      skipValue = true;
    } else if (!onlyFilesFollow && kQtOptionsAlone.contains(AsQtOption(argument))) {
      continue;
    } else if (!onlyFilesFollow && argument == QLatin1String("--")) {
      onlyFilesFollow = true;
    } else if (!onlyFilesFollow && (argument == QLatin1String("--help") || argument == QLatin1String("-h"))) {
      line.help = true;
    } else if (!onlyFilesFollow &&
               (argument == QLatin1String("--version") || argument == QLatin1String("-v"))) {
      line.version = true;
    } else if (!onlyFilesFollow && argument.startsWith(QLatin1Char('-')) && argument.size() > 1) {
      line.error = Text(3110) + QLatin1Char(' ') + argument;
      return line;
    } else if (line.workfile) {
      line.error = Text(3111) + QLatin1Char(' ') + argument;
      return line;
    } else {
      // Made absolute now: the running program may have another folder.
      line.workfile = QDir::current().absoluteFilePath(argument);
    }
  }
  return line;
}

QString CommandLineHelp() {
  return Text(3112) + QLatin1Char('\n') + QLatin1Char('\n') + Text(3113) + QLatin1Char('\n') + Text(3114) +
         QLatin1Char('\n') + Text(3115) + QLatin1Char('\n') + Text(3116) + QLatin1Char('\n');
}

QString VersionLine() {
  return Text(101) + QLatin1Char(' ') + VersionText(kMajorVersion, kMinorVersion) + QLatin1Char('\n');
}

}  // namespace quillane
