#include "platform/CFileException.h"

#include <cerrno>
#include <cstring>

CFileException::CFileException(Cause cause, int osError, const std::string& fileName)
  : CException("CFile failed: " + fileName + ": " + (osError ? std::strerror(osError) : "error")),
    m_cause(cause), m_lOsError(osError), m_strFileName(fileName) {}

CFileException::Cause CFileException::CauseFromErrno(int error) {
  switch (error) {
    case 0: return none;
    case ENOENT: return fileNotFound;
    case ENOTDIR: case ENAMETOOLONG: case ELOOP: return badPath;
    case EMFILE: case ENFILE: return tooManyOpenFiles;
    case EACCES: case EPERM: case EROFS: case EISDIR: return accessDenied;
    case ENOSPC: case EDQUOT: return diskFull;
    case ESPIPE: case EINVAL: return badSeek;
    case EIO: return hardIO;
    default: return genericException;
  }
}
