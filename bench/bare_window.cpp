// A bare Qt main window built and shown the same way as the program's, for
// comparing start-up figures with startup_bench.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  QMainWindow window;
  window.setCentralWidget(new QLabel(QStringLiteral("Quillane")));
  window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
  window.show();
  window.repaint();
  QApplication::processEvents();
  std::printf("start-up to shown bare window: %lld ms\n", static_cast<long long>(clock.elapsed()));
  return 0;
}
