#pragma once
// Numbers as text in the C locale, whatever locale Qt or the user set:
// settings and exchanged files always carry "0.707", never "0,707".
#include <cstdarg>
#include <optional>
#include <string>
#include <string_view>

namespace QlmNumberFormat {

// vsnprintf in the C locale.
std::string VFormat(const char* format, va_list args);
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Shortest text that reads back to the same double ("0.707", "12", "1e-07").
std::string FromDouble(double value);

// Whole text must be a number (surrounding blanks allowed); nullopt otherwise.
std::optional<double> ToDouble(std::string_view text);
std::optional<int> ToInt(std::string_view text);

}  // namespace QlmNumberFormat
