#include "platform/gui/CQlmQtPrompter.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>

#include "platform/QlmPath.h"

namespace {

QString ToQt(const CString& text) { return QString::fromStdString(text.Str()); }

QMessageBox::Icon IconOf(QlmIcon icon) {
  switch (icon) {
    case QlmIcon::Information:
      return QMessageBox::Information;
    case QlmIcon::Warning:
      return QMessageBox::Warning;
    case QlmIcon::Error:
      return QMessageBox::Critical;
    case QlmIcon::Question:
      return QMessageBox::Question;
    default:
      return QMessageBox::NoIcon;
  }
}

struct Choice {
  QlmAnswer Answer;
  const char* Text;
  QMessageBox::ButtonRole Role;
};

std::vector<Choice> ChoicesOf(QlmButtons buttons) {
  const Choice ok{QlmAnswer::Ok, "OK", QMessageBox::AcceptRole};
  const Choice cancel{QlmAnswer::Cancel, "Cancelar", QMessageBox::RejectRole};
  const Choice yes{QlmAnswer::Yes, "Sim", QMessageBox::YesRole};
  const Choice no{QlmAnswer::No, "Não", QMessageBox::NoRole};
  switch (buttons) {
    case QlmButtons::OkCancel:
      return {ok, cancel};
    case QlmButtons::YesNo:
      return {yes, no};
    case QlmButtons::YesNoCancel:
      return {yes, no, cancel};
    default:
      return {ok};
  }
}

QWidget* ParentOr(QWidget* parent) { return parent ? parent : QApplication::activeWindow(); }

}  // namespace

QlmAnswer CQlmQtPrompter::Message(const CString& text, const CString& caption, QlmButtons buttons, QlmIcon icon) {
  QMessageBox box(IconOf(icon), ToQt(caption), ToQt(text), QMessageBox::NoButton, ParentOr(this->Parent));
  std::vector<std::pair<QAbstractButton*, QlmAnswer>> answers;
  for (const Choice& choice : ChoicesOf(buttons)) {
    answers.emplace_back(box.addButton(QString::fromUtf8(choice.Text), choice.Role), choice.Answer);
  }
  box.setDefaultButton(static_cast<QPushButton*>(answers.front().first));
  if (buttons != QlmButtons::Ok && buttons != QlmButtons::YesNo) box.setEscapeButton(answers.back().first);
  box.exec();
  for (const auto& [button, answer] : answers) {
    if (box.clickedButton() == button) return answer;
  }
  return SafeAnswer(buttons);
}

QString CQlmQtPrompter::ToQtFilter(const CString& filter) {
  QStringList parts = ToQt(filter).split('|');
  QStringList filters;
  for (int index = 0; index + 1 < parts.size(); index += 2) {
    if (parts[index].isEmpty()) break;
    QString patterns = parts[index + 1];
    patterns.replace(';', ' ');
    filters << (parts[index].contains('(') ? parts[index] : parts[index] + " (" + patterns + ")");
  }
  if (filters.isEmpty() && !filter.IsEmpty()) filters << ToQt(filter);
  return filters.join(";;");
}

CString CQlmQtPrompter::ChooseOpenFile(const CString& caption, const CString& folder, const CString& filter) {
  QString path = QFileDialog::getOpenFileName(ParentOr(this->Parent), ToQt(caption),
                                              ToQt(CString(QlmPath::ToNative(folder.Str()))), ToQtFilter(filter));
  return CString(path.toStdString());
}

std::vector<CString> CQlmQtPrompter::ChooseOpenFiles(const CString& caption, const CString& folder,
                                                     const CString& filter) {
  const QStringList paths = QFileDialog::getOpenFileNames(
      ParentOr(this->Parent), ToQt(caption), ToQt(CString(QlmPath::ToNative(folder.Str()))), ToQtFilter(filter));
  std::vector<CString> chosen;
  for (const QString& path : paths) chosen.emplace_back(path.toStdString());
  return chosen;
}

CString CQlmQtPrompter::ChooseSaveFile(const CString& caption, const CString& suggestedPath, const CString& filter) {
  QString path = QFileDialog::getSaveFileName(
      ParentOr(this->Parent), ToQt(caption), ToQt(CString(QlmPath::ToNative(suggestedPath.Str()))), ToQtFilter(filter));
  return CString(path.toStdString());
}

CString CQlmQtPrompter::ChooseFolder(const CString& caption, const CString& initialFolder) {
  QString path = QFileDialog::getExistingDirectory(ParentOr(this->Parent), ToQt(caption),
                                                   ToQt(CString(QlmPath::ToNative(initialFolder.Str()))));
  return CString(path.toStdString());
}

std::optional<QlmRgb> CQlmQtPrompter::ChooseColor(const QlmRgb& initial) {
  const QColor chosen = QColorDialog::getColor(QColor(initial[0], initial[1], initial[2]), ParentOr(this->Parent));
  if (!chosen.isValid()) return std::nullopt;
  return QlmRgb{chosen.red(), chosen.green(), chosen.blue()};
}
