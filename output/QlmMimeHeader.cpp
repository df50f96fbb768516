#include "output/QlmMimeHeader.h"

#include <QString>
#include <algorithm>

#include "output/CBase64.h"

namespace {

constexpr size_t MaxLine = 78;
// Bytes of text in one encoded word: 36 give 48 base64 characters, so that
// "Subject: =?UTF-8?B?" + 48 + "?=" stays within a line of 78 characters.
constexpr size_t WordBytes = 36;
// Longest ASCII parameter value written as a quoted string (lines stay within 998).
constexpr size_t MaxQuotedParameter = 900;
// Percent-encoded characters in one continuation of an RFC 2231 parameter.
constexpr size_t ParameterSegment = 60;

bool IsPlainAscii(std::string_view text) {
  for (const char c : text) {
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) return false;
  }
  return true;
}

bool IsUtf8Continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// Length of the UTF-8 character that starts at `first`.
size_t CharacterLength(std::string_view text, size_t first) {
  size_t end = first + 1;
  while (end < text.size() && IsUtf8Continuation(text[end])) ++end;
  return end - first;
}

std::string EncodedWords(std::string_view utf8) {
  std::string words;
  CBase64 codec;
  size_t first = 0;
  while (first < utf8.size()) {
    size_t end = first;
    while (end < utf8.size()) {
      const size_t length = CharacterLength(utf8, end);
      if (end + length - first > WordBytes && end > first) break;
      end += length;
    }
    codec.Encode(utf8.substr(first, end - first));
    if (!words.empty()) words += ' ';
    words += "=?UTF-8?B?" + codec.GetEncoded() + "?=";
    first = end;
  }
  return words;
}

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') quoted += '\\';
    quoted += c;
  }
  return quoted + '"';
}

bool IsAttributeCharacter(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         std::string_view("!#$&+-.^_`|~").find(c) != std::string_view::npos;
}

std::string PercentEncoded(std::string_view bytes) {
  static constexpr char Hex[] = "0123456789ABCDEF";
  std::string encoded;
  for (const char c : bytes) {
    if (IsAttributeCharacter(c)) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += Hex[static_cast<unsigned char>(c) >> 4];
      encoded += Hex[static_cast<unsigned char>(c) & 15];
    }
  }
  return encoded;
}

// attribute*0*=utf-8''...;CRLF TAB attribute*1*=... with whole characters in each segment.
std::string ExtendedParameter(std::string_view attribute, std::string_view utf8) {
  std::string parameter;
  std::string segment;
  int index = 0;
  auto flush = [&]() {
    if (index > 0) parameter += ";\r\n\t";
    parameter += std::string(attribute) + "*" + std::to_string(index) + "*=" + (index == 0 ? "utf-8''" : "") + segment;
    segment.clear();
    ++index;
  };
  for (size_t first = 0; first < utf8.size();) {
    const size_t length = CharacterLength(utf8, first);
    const std::string character = PercentEncoded(utf8.substr(first, length));
    if (!segment.empty() && segment.size() + character.size() > ParameterSegment) flush();
    segment += character;
    first += length;
  }
  if (!segment.empty() || index == 0) flush();
  return parameter;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

namespace QlmMimeHeader {

std::string SingleLine(std::string_view text) {
  QString line = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  for (QChar& c : line) {
    if (c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0)) c = QChar(' ');
  }
  return line.toStdString();
}

std::string Phrase(std::string_view name) {
  const std::string line = SingleLine(name);
  return IsPlainAscii(line) ? Quoted(line) : EncodedWords(line);
}

std::string Unstructured(std::string_view text) {
  const std::string line = SingleLine(text);
  return IsPlainAscii(line) && line.find("=?") == std::string::npos ? line : EncodedWords(line);
}

std::string Mailbox(std::string_view name, std::string_view address) {
  const std::string angle = "<" + std::string(address) + ">";
  return name.empty() ? angle : Phrase(name) + " " + angle;
}

std::string Parameter(std::string_view attribute, std::string_view value) {
  const std::string line = SingleLine(value);
  if (IsPlainAscii(line) && line.size() <= MaxQuotedParameter) return std::string(attribute) + "=" + Quoted(line);
  return ExtendedParameter(attribute, line);
}

std::string Line(std::string_view name, std::string_view value) {
  std::string line = std::string(name) + ": ";
  const size_t valueStart = line.size();
  size_t lineStart = 0;
  size_t fold = std::string::npos;
  bool quoted = false;
  bool escaped = false;
  for (size_t i = 0; i < value.size(); ++i) {
    char c = value[i];
    if (c == '\r' && i + 2 < value.size() && value[i + 1] == '\n' && IsBlank(value[i + 2])) {
      line += "\r\n";
      lineStart = line.size();
      fold = std::string::npos;
      ++i;
      continue;
    }
    if (c == '\r' || c == '\n') c = ' ';
    if (quoted) {
      quoted = escaped || c != '"';
      escaped = !escaped && c == '\\';
    } else if (c == '"') {
      quoted = true;
    } else if (IsBlank(c) && line.size() > std::max(lineStart, valueStart)) {
      fold = line.size();
    }
    line += c;
    if (line.size() - lineStart > MaxLine && fold != std::string::npos) {
      line.insert(fold, "\r\n");
      lineStart = fold + 2;
      fold = std::string::npos;
    }
  }
  return line;
}

}  // namespace QlmMimeHeader
