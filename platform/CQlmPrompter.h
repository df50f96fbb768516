#pragma once
// Every message box and modal choice of the program passes through the
// current prompter: the Qt one in the program, a scripted one in tests.
#include <array>
#include <optional>
#include <vector>

#include "platform/CString.h"

enum class QlmButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class QlmIcon { None, Information, Warning, Error, Question };
enum class QlmAnswer { Ok, Cancel, Yes, No };
// Red, green and blue from 0 to 255.
using QlmRgb = std::array<int, 3>;

class CQlmPrompter {
public:
  virtual ~CQlmPrompter() = default;

  virtual QlmAnswer Message(const CString& text, const CString& caption, QlmButtons buttons, QlmIcon icon) = 0;
  // A path, or empty when the user cancelled. `filter` is "Name (*.ext)|*.ext||".
  virtual CString ChooseOpenFile(const CString& caption, const CString& folder, const CString& filter) = 0;
  virtual CString ChooseSaveFile(const CString& caption, const CString& suggestedPath, const CString& filter) = 0;
  // Several existing files at once, in the order chosen; none when the user
  // cancelled (what this default says). `filter` as for ChooseOpenFile.
  virtual std::vector<CString> ChooseOpenFiles(const CString& caption, const CString& folder, const CString& filter) {
    (void)caption, (void)folder, (void)filter;
    return {};
  }
  // An existing folder, or empty when the user cancelled; opens on
  // `initialFolder` when it is not empty. A prompter that cannot ask cancels.
  virtual CString ChooseFolder(const CString& caption, const CString& initialFolder) {
    (void)caption, (void)initialFolder;
    return CString();
  }

  // The colour dialog with every choice open, starting at `initial`: the
  // chosen colour, or none when the user cancelled (what this default says).
  virtual std::optional<QlmRgb> ChooseColor(const QlmRgb& initial) {
    (void)initial;
    return std::nullopt;
  }

  // The installed prompter; without one, a silent prompter that answers the
  // safe choice (Cancel, No or Ok) and reports the text on stderr.
  static CQlmPrompter& Current();
  // Installs `prompter` (not owned; null restores the silent one). Returns the previous.
  static CQlmPrompter* Install(CQlmPrompter* prompter);

  // The answer a prompter gives when nobody can be asked.
  static QlmAnswer SafeAnswer(QlmButtons buttons);
};

// Shorthand for CQlmPrompter::Current().Message.
QlmAnswer QlmMessageBox(const CString& text, const CString& caption, QlmButtons buttons = QlmButtons::Ok,
                        QlmIcon icon = QlmIcon::Warning);
