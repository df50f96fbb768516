#pragma once
// A failed archive operation; endOfFile when a read runs past the data.
#include "platform/CException.h"

class CArchiveException : public CException {
public:
  enum Cause { none, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };

  explicit CArchiveException(Cause cause, const std::string& what = {});

  Cause m_cause;
};
