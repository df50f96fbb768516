#include "platform/CQlmScriptedPrompter.h"

CQlmScriptedPrompter::CQlmScriptedPrompter() : Previous(CQlmPrompter::Install(this)) {}

CQlmScriptedPrompter::~CQlmScriptedPrompter() { CQlmPrompter::Install(this->Previous); }

QlmAnswer CQlmScriptedPrompter::Message(const CString& text, const CString& caption, QlmButtons buttons,
                                        QlmIcon icon) {
  this->Messages.push_back({text, caption, buttons, icon});
  if (this->Answers.empty()) {
    ++this->Unscripted;
    return SafeAnswer(buttons);
  }
  const QlmAnswer answer = this->Answers.front();
  this->Answers.pop_front();
  return answer;
}

CString CQlmScriptedPrompter::NextFile(const CString& caption) {
  this->FileCaptions.push_back(caption);
  if (this->Files.empty()) {
    ++this->Unscripted;
    return CString();
  }
  CString path = this->Files.front();
  this->Files.pop_front();
  return path;
}

CString CQlmScriptedPrompter::ChooseOpenFile(const CString& caption, const CString&, const CString&) {
  return this->NextFile(caption);
}

std::vector<CString> CQlmScriptedPrompter::ChooseOpenFiles(const CString& caption, const CString&,
                                                          const CString& filter) {
  this->FileCaptions.push_back(caption);
  this->FileFilters.push_back(filter);
  if (this->FileLists.empty()) {
    ++this->Unscripted;
    return {};
  }
  std::vector<CString> paths = this->FileLists.front();
  this->FileLists.pop_front();
  return paths;
}

CString CQlmScriptedPrompter::ChooseSaveFile(const CString& caption, const CString&, const CString&) {
  return this->NextFile(caption);
}

CString CQlmScriptedPrompter::ChooseFolder(const CString& caption, const CString& initialFolder) {
  this->FolderChoices.emplace_back(caption, initialFolder);
  if (this->Folders.empty()) {
    ++this->Unscripted;
    return CString();
  }
  CString path = this->Folders.front();
  this->Folders.pop_front();
  return path;
}

std::optional<QlmRgb> CQlmScriptedPrompter::ChooseColor(const QlmRgb& initial) {
  this->ColorsOffered.push_back(initial);
  if (this->Colors.empty()) {
    ++this->Unscripted;
    return std::nullopt;
  }
  const std::optional<QlmRgb> color = this->Colors.front();
  this->Colors.pop_front();
  return color;
}
