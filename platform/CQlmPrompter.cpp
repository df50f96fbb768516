#include "platform/CQlmPrompter.h"

#include <cstdio>

namespace {

class SilentPrompter final : public CQlmPrompter {
public:
  QlmAnswer Message(const CString& text, const CString& caption, QlmButtons buttons, QlmIcon) override {
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
    return SafeAnswer(buttons);
  }
  CString ChooseOpenFile(const CString&, const CString&, const CString&) override { return CString(); }
  CString ChooseSaveFile(const CString&, const CString&, const CString&) override { return CString(); }
};

SilentPrompter silent;
CQlmPrompter* installed = &silent;

}  // namespace

CQlmPrompter& CQlmPrompter::Current() { return *installed; }

CQlmPrompter* CQlmPrompter::Install(CQlmPrompter* prompter) {
  CQlmPrompter* previous = installed == &silent ? nullptr : installed;
  installed = prompter ? prompter : &silent;
  return previous;
}

QlmAnswer CQlmPrompter::SafeAnswer(QlmButtons buttons) {
  switch (buttons) {
    case QlmButtons::Ok: return QlmAnswer::Ok;
    case QlmButtons::YesNo: return QlmAnswer::No;
    default: return QlmAnswer::Cancel;
  }
}

QlmAnswer QlmMessageBox(const CString& text, const CString& caption, QlmButtons buttons, QlmIcon icon) {
  return CQlmPrompter::Current().Message(text, caption, buttons, icon);
}
