#pragma once
// What Python's email package (Debian's /usr/bin/python3) reads of a mail
// message: QlmMailParse.py's JSON summary of defects, addresses, subject,
// date and the decoded leaf parts.
#include <QJsonObject>
#include <string>

namespace QlmMailParser {

// The summary; an object with the member "error" when Python could not run or read it.
QJsonObject Parse(const std::string& message);

// SHA-256 of the bytes in lower-case hexadecimal, as the summary gives it.
std::string Sha256(const std::string& bytes);

}  // namespace QlmMailParser
