#include "app/CPQlmQuorvantileApp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  CPQlmQuorvantileApp app(CPQlmQuorvantileApp::CommandLineOf(argc, argv));
  return app.Run();
}
