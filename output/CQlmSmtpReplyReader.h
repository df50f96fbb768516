#pragma once
// Collects one SMTP reply from the bytes as they arrive: lines "ddd-text"
// continue it, the line "ddd text" (or "ddd") ends it. A line ends at LF; a CR
// before the LF is dropped, so replies ended by a bare LF lose nothing.
//
// A reply is malformed when a line does not start with a code 100 to 599
// followed by "-", a blank or the line end, when a line runs beyond 4096 bytes,
// or when the reply runs beyond 65536 bytes.
#include <string>
#include <string_view>
#include <vector>

#include "platform/CString.h"

class CQlmSmtpReplyReader {
public:
  enum class State { Incomplete, Complete, Malformed };

  // Takes the next bytes of the connection. Bytes after the end of a complete
  // reply are not part of it; GetExcess counts them.
  State Feed(std::string_view bytes);
  State GetState() const { return this->Progress; }

  // The code of a complete reply; -1 otherwise.
  int GetCode() const { return this->Progress == State::Complete ? this->Code : -1; }
  // The reply's lines joined by CRLF, without the last line end.
  CString GetText() const;
  // Each line without its line end.
  const std::vector<std::string>& GetLines() const { return this->Lines; }
  size_t GetExcess() const { return this->Excess; }

  // Forgets everything, ready for the next reply.
  void Reset();

private:
  State TakeLine(std::string line);

  State Progress = State::Incomplete;
  std::string Pending;
  std::vector<std::string> Lines;
  size_t Size = 0;
  size_t Excess = 0;
  int Code = -1;
};
