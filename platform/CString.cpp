#include "platform/CString.h"

#include "platform/QlmNumberFormat.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <strings.h>

namespace {
bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
}  // namespace

char CString::GetAt(int index) const {
  return index >= 0 && index < this->GetLength() ? this->Text[index] : '\0';
}

void CString::SetAt(int index, char c) {
  if (index >= 0 && index < this->GetLength()) this->Text[index] = c;
}

CString CString::Left(int count) const {
  return CString(this->Text.substr(0, static_cast<size_t>(std::clamp(count, 0, this->GetLength()))));
}

CString CString::Right(int count) const {
  const int n = std::clamp(count, 0, this->GetLength());
  return CString(this->Text.substr(this->Text.size() - n));
}

CString CString::Mid(int first) const { return this->Mid(first, this->GetLength()); }

CString CString::Mid(int first, int count) const {
  first = std::clamp(first, 0, this->GetLength());
  count = std::clamp(count, 0, this->GetLength() - first);
  return CString(this->Text.substr(first, count));
}

int CString::Find(const char* sub, int start) const {
  if (!sub || start < 0 || start > this->GetLength()) return -1;
  const size_t at = this->Text.find(sub, start);
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(char c, int start) const {
  if (start < 0 || start > this->GetLength()) return -1;
  const size_t at = this->Text.find(c, start);
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char c) const {
  const size_t at = this->Text.rfind(c);
  return at == std::string::npos ? -1 : static_cast<int>(at);
}

CString& CString::MakeUpper() {
  for (char& c : this->Text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return *this;
}

CString& CString::MakeLower() {
  for (char& c : this->Text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return *this;
}

CString& CString::TrimLeft() {
  this->Text.erase(this->Text.begin(), std::find_if_not(this->Text.begin(), this->Text.end(), IsSpace));
  return *this;
}

CString& CString::TrimRight() {
  this->Text.erase(std::find_if_not(this->Text.rbegin(), this->Text.rend(), IsSpace).base(), this->Text.end());
  return *this;
}

CString& CString::Trim() { return this->TrimRight().TrimLeft(); }

int CString::Replace(const char* from, const char* to) {
  if (!from || !*from) return 0;
  const std::string replacement = to ? to : "";
  const size_t fromLength = std::strlen(from);
  int count = 0;
  for (size_t at = this->Text.find(from); at != std::string::npos;
       at = this->Text.find(from, at + replacement.size())) {
    this->Text.replace(at, fromLength, replacement);
    ++count;
  }
  return count;
}

int CString::Replace(char from, char to) {
  int count = 0;
  for (char& c : this->Text) {
    if (c == from) { c = to; ++count; }
  }
  return count;
}

int CString::CompareNoCase(const char* other) const {
  return strcasecmp(this->Text.c_str(), other ? other : "");
}

void CString::FormatV(const char* format, va_list args) {
  this->Text = QlmNumberFormat::VFormat(format, args);
}

void CString::Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  this->FormatV(format, args);
  va_end(args);
}

CString CString::Formatted(const char* format, ...) {
  CString result;
  va_list args;
  va_start(args, format);
  result.FormatV(format, args);
  va_end(args);
  return result;
}
