#include "app/QlmQtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace QlmQtTranslations {

bool Install(QCoreApplication& application) {
  auto* translator = new QTranslator(&application);
  if (!translator->load("qtbase_pt_BR", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  return QCoreApplication::installTranslator(translator);
}

}  // namespace QlmQtTranslations
