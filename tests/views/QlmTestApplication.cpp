#include "QlmTestApplication.h"

QApplication& QlmTestApplication() {
  static int argc = 1;
  static char name[] = "QlmViewsTest";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
  return application;
}
