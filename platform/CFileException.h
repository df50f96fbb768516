#pragma once
// A failed file operation: the cause, the OS error and the file name.
#include "platform/CException.h"

class CFileException : public CException {
public:
  enum Cause { none, genericException, fileNotFound, badPath, tooManyOpenFiles, accessDenied,
               invalidFile, removeCurrentDir, directoryFull, badSeek, hardIO, sharingViolation,
               lockViolation, diskFull, endOfFile };

  CFileException(Cause cause, int osError, const std::string& fileName);

  Cause m_cause;
  int m_lOsError;
  std::string m_strFileName;

  // Cause for an errno value.
  static Cause CauseFromErrno(int error);
};
