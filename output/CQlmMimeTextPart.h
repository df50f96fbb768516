#pragma once
// One text of a mail body. The text is the program's UTF-8; a part declared
// "iso-8859-1" is sent in that character set when every character has a form
// there, else as "utf-8".
#include "platform/CString.h"

class CQlmMimeTextPart {
public:
  CQlmMimeTextPart() = default;
  // Null arguments leave the field empty; `encoding` as CQlmMimeMessage::Encoding.
  CQlmMimeTextPart(const char* text, const char* contentType, const char* charset, int encoding)
      : contentType(contentType), charset(charset), encoding(encoding), text(text) {}

  CString contentType;
  CString charset;
  // Empty: no Content-ID line.
  CString contentId;
  int encoding = 0;
  CString text;
};
