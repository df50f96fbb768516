#include "platform/QlmCodePage1252.h"

#include <cstdint>

namespace QlmCodePage1252 {
namespace {

// Code points of bytes 0x80..0x9F; the rest equal their byte value.
constexpr char32_t HighTable[32] = {
  0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ToCodePoint(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? HighTable[byte - 0x80] : byte;
}

// The 1252 byte of a code point; false when it has none.
bool ToByte(char32_t cp, char& byte) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
    byte = static_cast<char>(cp);
    return true;
  }
  for (int i = 0; i < 32; ++i) {
    if (HighTable[i] == cp) {
      byte = static_cast<char>(0x80 + i);
      return true;
    }
  }
  return false;
}

char FromCodePoint(char32_t cp) {
  char byte = '?';
  return ToByte(cp, byte) ? byte : '?';
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at `at`; returns U+FFFD for a broken one.
char32_t NextCodePoint(std::string_view text, size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t cp = 0;
  if ((lead & 0xE0) == 0xC0) { extra = 1; cp = lead & 0x1F; }
  else if ((lead & 0xF0) == 0xE0) { extra = 2; cp = lead & 0x0F; }
  else if ((lead & 0xF8) == 0xF0) { extra = 3; cp = lead & 0x07; }
  else return 0xFFFD;
  for (int i = 0; i < extra; ++i) {
    if (at >= text.size() || (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80) return 0xFFFD;
    cp = (cp << 6) | (static_cast<unsigned char>(text[at++]) & 0x3F);
  }
  return cp;
}

}  // namespace

std::string FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) out += FromCodePoint(NextCodePoint(utf8, at));
  return out;
}

bool CanEncode(std::string_view utf8) {
  char byte = 0;
  for (size_t at = 0; at < utf8.size();) {
    if (!ToByte(NextCodePoint(utf8, at), byte)) return false;
  }
  return true;
}

std::string ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char byte : bytes) AppendUtf8(out, ToCodePoint(static_cast<unsigned char>(byte)));
  return out;
}

char FromUtf16(char16_t unit) { return FromCodePoint(unit); }

}  // namespace QlmCodePage1252
