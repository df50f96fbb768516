#pragma once
// The program's prompter: message boxes with Portuguese buttons and the
// system's file dialogs. The application installs one at start-up.
#include "platform/CQlmPrompter.h"

class QString;
class QWidget;

class CQlmQtPrompter : public CQlmPrompter {
public:
  // Boxes are modal over `parent` when given (else over the active window).
  explicit CQlmQtPrompter(QWidget* parent = nullptr) : Parent(parent) {}

  QlmAnswer Message(const CString& text, const CString& caption, QlmButtons buttons, QlmIcon icon) override;
  CString ChooseOpenFile(const CString& caption, const CString& folder, const CString& filter) override;
  CString ChooseSaveFile(const CString& caption, const CString& suggestedPath, const CString& filter) override;
  std::vector<CString> ChooseOpenFiles(const CString& caption, const CString& folder, const CString& filter) override;
  CString ChooseFolder(const CString& caption, const CString& initialFolder) override;
  std::optional<QlmRgb> ChooseColor(const QlmRgb& initial) override;

  // "Projetos (*.qlm)|*.qlm|Todos (*.*)|*.*||" -> "Projetos (*.qlm);;Todos (*.*)".
  static QString ToQtFilter(const CString& filter);

private:
  QWidget* Parent;
};
