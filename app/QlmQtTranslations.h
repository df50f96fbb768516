#pragma once
// Qt's own texts (file dialogs, the overwrite question, standard buttons) in
// Brazilian Portuguese, from the translations installed with Qt.
class QCoreApplication;

namespace QlmQtTranslations {

// Installs Qt's Brazilian Portuguese texts into `application`; false when
// they are not installed (Qt's English texts stay).
bool Install(QCoreApplication& application);

}  // namespace QlmQtTranslations
