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

// As atoi and atof in the C locale: leading blanks, an optional sign, then
// as many characters as fit; 0 when nothing fits.
int LeadingInt(std::string_view text);
double LeadingDouble(std::string_view text);

// What a typed number field holds: LeadingDouble with a comma read as the
// decimal point too, as a Portuguese keyboard types it ("3,50" is 3.5).
double FieldValue(std::string_view text);
// The same field read whole as ToDouble reads it ("3,50" is 3.5, "4,5mm" none).
std::optional<double> FieldNumber(std::string_view text);

}  // namespace QlmNumberFormat
