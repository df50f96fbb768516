#include "QlmGuiTestApp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdlib>

namespace QlmGuiTestApp {

QApplication& Instance() {
  static int argc = 1;
  static char name[] = "QlmGuiTest";
  static char* argv[] = {name, nullptr};
  static QApplication* application = [] {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    return new QApplication(argc, argv);
  }();
  return *application;
}

void Wait(int ms) {
  Instance();
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace QlmGuiTestApp
