#pragma once
// A project file that this program version cannot take, with the text to show
// the user. Raised while reading; the reader shows the text and refuses.
#include "platform/CException.h"
#include "platform/CString.h"

class CQlmProjectRefusal : public CException {
public:
  explicit CQlmProjectRefusal(const CString& message) : CException(message.Str()), Message(message) {}

  CString Message;
};
