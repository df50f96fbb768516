#pragma once
// One file sent with a mail; its bytes are read when the message is composed.
#include "platform/CString.h"

class CQlmMimeAttachment {
public:
  CQlmMimeAttachment() = default;
  // Null arguments leave the field empty; `encoding` as CQlmMimeMessage::Encoding.
  CQlmMimeAttachment(const char* path, const char* displayName, int isInline, const char* contentType,
                     const char* charset, int encoding)
      : contentType(contentType),
        charset(charset),
        encoding(encoding),
        path(path),
        displayName(displayName),
        isInline(isInline) {}

  // Empty: the type known for the name's extension, else application/octet-stream.
  CString contentType;
  // Declared for a type that begins with "text/".
  CString charset;
  // Empty: no Content-ID line.
  CString contentId;
  int encoding = 0;
  // Either separator.
  CString path;
  // Empty: the file name of `path`.
  CString displayName;
  // 1: disposition "inline"; 0: "attachment".
  int isInline = 0;
};
