// The help viewer: a program of its own, so it takes input while a modal
// dialog of Quillane is open. Started as `quillane-help FOLDER TOPIC`; a
// second start hands its topic to the viewer already open and ends.
#include <QApplication>
#include <QDir>
#include <QScreen>

#include "app/helpviewer/HelpRequestServer.h"
#include "app/helpviewer/HelpWindow.h"
#include "core/ProgramFolder.h"
#include "platform/helprequest/HelpRequest.h"
#include "ui/WindowFrame.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  using namespace quillane;

  // Started on its own, it shows the contents of the program's help pages.
  const QString helpFolder =
      QDir(ProgramFilesFolder(QCoreApplication::applicationDirPath())).filePath(QStringLiteral("help"));
  const HelpRequest request =
      HelpRequestFromArguments(app.arguments().mid(1)).value_or(HelpRequest{helpFolder, 0, QRect()});
  if (SendHelpRequest(HelpServerName(), request)) return 0;

  HelpWindow window;
  HelpRequestServer server;
  // Without the socket the viewer still shows this request; the next one
  // then starts a viewer of its own.
  if (const std::optional<QString> name = HelpServerName()) server.Listen(*name);
  QObject::connect(&server, &HelpRequestServer::requested, &window, [&window](const HelpRequest& next) {
    window.Open(next);
    // Where the user put the window stays, unless it now covers what the
    // program asks to keep free, or had better keep free.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && next.keepClear.AllMust().Intersects(window.frameGeometry()))
      PlaceFrame(window, HelpWindowPlace(screen->availableGeometry(), next.keepClear));
    window.showNormal();
    window.raise();
    window.activateWindow();
  });

  window.Open(request);
  // The whole frame, title bar included, goes where there is room for it.
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    PlaceFrameWhenFramed(window, HelpWindowPlace(screen->availableGeometry(), request.keepClear));
  window.show();
  return app.exec();
}
