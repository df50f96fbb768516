#include <QApplication>

#include "app/CPQlmQuorvantileApp.h"
#include "app/QlmQtTranslations.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QlmQtTranslations::Install(application);
  CPQlmQuorvantileApp app(CPQlmQuorvantileApp::CommandLineOf(argc, argv));
  return app.Run();
}
