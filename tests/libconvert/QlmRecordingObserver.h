#pragma once
// Test observer that copies what each Execute call sees.
#include "libconvert/CQlmObserver.h"

#include <vector>

struct QlmProgressCall {
  long Current;
  unsigned int Total;
  int Param;
  bool operator==(const QlmProgressCall&) const = default;
};

class QlmRecordingObserver : public CQlmObserver {
public:
  std::vector<QlmProgressCall> Calls;
  std::vector<CString> Texts;

  void SetText(CString text) override { this->Texts.push_back(text); }

protected:
  void Execute() override { this->Calls.push_back({*this->Current, *this->Total, this->Param}); }
};
