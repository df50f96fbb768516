#include "platform/CArchiveException.h"

namespace {
const char* CauseText(CArchiveException::Cause cause) {
  switch (cause) {
    case CArchiveException::endOfFile: return "end of file";
    case CArchiveException::readOnly: return "archive is loading";
    case CArchiveException::writeOnly: return "archive is storing";
    case CArchiveException::badIndex: return "bad value";
    default: return "archive error";
  }
}
}  // namespace

CArchiveException::CArchiveException(Cause cause, const std::string& what)
  : CException(std::string("CArchive failed: ") + CauseText(cause) + (what.empty() ? "" : ": " + what)),
    m_cause(cause) {}
