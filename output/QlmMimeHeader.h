#pragma once
// Header texts of a mail that stay 7-bit and on their lines whatever the
// program's text holds: display names and subjects as encoded words (RFC 2047,
// UTF-8) when they are not plain ASCII, file names as RFC 2231 parameters, and
// long lines folded.
#include <string>
#include <string_view>

namespace QlmMimeHeader {

// The text on one line: CR, LF and the other control characters become blanks,
// and broken UTF-8 sequences the replacement character.
std::string SingleLine(std::string_view text);

// A display name: a quoted string for ASCII text, encoded words otherwise.
std::string Phrase(std::string_view name);

// Free text such as the subject: as it stands for ASCII text, encoded words
// otherwise (also for text that reads like an encoded word, "=?").
std::string Unstructured(std::string_view text);

// "name <address>", or "<address>" for an empty name.
std::string Mailbox(std::string_view name, std::string_view address);

// attribute="value" for a short ASCII value; the RFC 2231 form in UTF-8,
// cut into continuation lines, for other values.
std::string Parameter(std::string_view attribute, std::string_view value);

// The header line "name: value" (without its line end), folded at blanks
// outside quoted strings so that lines keep to 78 characters where the value
// allows it. Line breaks in the value survive only as folds (a CRLF followed
// by a blank or tab); any other CR or LF becomes a blank, so a value can never
// start a header line of its own.
std::string Line(std::string_view name, std::string_view value);

}  // namespace QlmMimeHeader
