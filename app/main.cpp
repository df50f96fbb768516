#include <QApplication>

#include "app/CPQlmQuorvantileApp.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  CPQlmQuorvantileApp app(CPQlmQuorvantileApp::CommandLineOf(argc, argv));
  return app.Run();
}
