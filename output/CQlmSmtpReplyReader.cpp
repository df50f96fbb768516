#include "output/CQlmSmtpReplyReader.h"

namespace {

constexpr size_t MaxLine = 4096;
constexpr size_t MaxReply = 65536;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

CQlmSmtpReplyReader::State CQlmSmtpReplyReader::Feed(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (this->Progress != State::Incomplete) {
      if (this->Progress == State::Complete) this->Excess += bytes.size() - i;
      break;
    }
    if (++this->Size > MaxReply) {
      this->Progress = State::Malformed;
    } else if (bytes[i] == '\n') {
      if (!this->Pending.empty() && this->Pending.back() == '\r') this->Pending.pop_back();
      this->Progress = this->TakeLine(std::move(this->Pending));
      this->Pending.clear();
    } else if (this->Pending.size() < MaxLine) {
      this->Pending += bytes[i];
    } else {
      this->Progress = State::Malformed;
    }
  }
  return this->Progress;
}

CString CQlmSmtpReplyReader::GetText() const {
  std::string text;
  for (const std::string& line : this->Lines) {
    if (!text.empty()) text += "\r\n";
    text += line;
  }
  return text;
}

void CQlmSmtpReplyReader::Reset() { *this = CQlmSmtpReplyReader(); }

CQlmSmtpReplyReader::State CQlmSmtpReplyReader::TakeLine(std::string line) {
  const bool coded = line.size() >= 3 && line[0] >= '1' && line[0] <= '5' && IsDigit(line[1]) && IsDigit(line[2]);
  if (!coded || (line.size() > 3 && line[3] != '-' && line[3] != ' ')) return State::Malformed;
  if (this->Lines.empty()) this->Code = std::stoi(line.substr(0, 3));
  const bool last = line.size() == 3 || line[3] == ' ';
  this->Lines.push_back(std::move(line));
  return last ? State::Complete : State::Incomplete;
}
