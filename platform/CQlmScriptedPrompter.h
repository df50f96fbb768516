#pragma once
// Test double of the prompter: records what was shown and answers from a
// script; never blocks. Unscripted prompts get the safe answer and are counted.
#include "platform/CQlmPrompter.h"

#include <deque>
#include <utility>
#include <vector>

class CQlmScriptedPrompter : public CQlmPrompter {
public:
  struct Shown {
    CString Text;
    CString Caption;
    QlmButtons Buttons;
    QlmIcon Icon;
  };

  // Installs itself for its lifetime and restores the previous prompter after.
  CQlmScriptedPrompter();
  ~CQlmScriptedPrompter() override;

  void QueueAnswer(QlmAnswer answer) { this->Answers.push_back(answer); }
  // Next path a file choice returns; an empty string means "cancelled".
  void QueueFile(const CString& path) { this->Files.push_back(path); }
  // Next paths a choice of several files returns; none means "cancelled".
  void QueueFiles(const std::vector<CString>& paths) { this->FileLists.push_back(paths); }
  // Next folder a folder choice returns; empty means "cancelled".
  void QueueFolder(const CString& path) { this->Folders.push_back(path); }
  // Next answer of a colour choice; none means "cancelled".
  void QueueColor(std::optional<QlmRgb> color) { this->Colors.push_back(color); }

  QlmAnswer Message(const CString& text, const CString& caption, QlmButtons buttons, QlmIcon icon) override;
  CString ChooseOpenFile(const CString& caption, const CString& folder, const CString& filter) override;
  CString ChooseSaveFile(const CString& caption, const CString& suggestedPath, const CString& filter) override;
  std::vector<CString> ChooseOpenFiles(const CString& caption, const CString& folder, const CString& filter) override;
  CString ChooseFolder(const CString& caption, const CString& initialFolder) override;
  std::optional<QlmRgb> ChooseColor(const QlmRgb& initial) override;

  std::vector<Shown> Messages;
  std::vector<CString> FileCaptions;
  // The filter of each choice of several files (their captions go to FileCaptions).
  std::vector<CString> FileFilters;
  // Caption and initial folder of each folder choice.
  std::vector<std::pair<CString, CString>> FolderChoices;
  // The colour each colour choice started at.
  std::vector<QlmRgb> ColorsOffered;
  int Unscripted = 0;

private:
  CString NextFile(const CString& caption);

  std::deque<QlmAnswer> Answers;
  std::deque<CString> Files;
  std::deque<std::vector<CString>> FileLists;
  std::deque<CString> Folders;
  std::deque<std::optional<QlmRgb>> Colors;
  CQlmPrompter* Previous;
};
