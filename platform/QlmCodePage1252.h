#pragma once
// Windows-1252, the 8-bit character set of strings inside exchanged files.
#include <string>
#include <string_view>

namespace QlmCodePage1252 {

// UTF-8 to 1252 bytes; a character with no 1252 form (or a broken UTF-8
// sequence) becomes '?', the rest of the string is kept.
std::string FromUtf8(std::string_view utf8);

// True when every character of the UTF-8 text has a 1252 form (FromUtf8
// then keeps the text unchanged).
bool CanEncode(std::string_view utf8);

// 1252 bytes to UTF-8; the five unassigned bytes map to their C1 code points.
std::string ToUtf8(std::string_view bytes);

// One UTF-16 code unit to 1252 ('?' when it has no form).
char FromUtf16(char16_t unit);

}  // namespace QlmCodePage1252
