#include "platform/QlmNumberFormat.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <clocale>
#include <locale.h>
#include <vector>

namespace QlmNumberFormat {
namespace {

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

// Makes the C locale current for this thread for the object's lifetime.
class CLocaleScope {
public:
  CLocaleScope() : Previous(uselocale(CLocale())) {}
  ~CLocaleScope() { uselocale(this->Previous); }
  CLocaleScope(const CLocaleScope&) = delete;
  CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
  locale_t Previous;
};

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) text.remove_suffix(1);
  return text;
}

template <typename T>
std::optional<T> Parse(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  T value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A typed field's only comma read as the decimal point; a text with a point keeps its commas.
std::string CommaAsPoint(std::string_view text) {
  std::string pointed(text);
  const size_t comma = pointed.find(',');
  if (comma != std::string::npos && pointed.find('.') == std::string::npos) pointed[comma] = '.';
  return pointed;
}

}  // namespace

std::string VFormat(const char* format, va_list args) {
  CLocaleScope scope;
  va_list measure;
  va_copy(measure, args);
  const int length = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (length <= 0) return std::string();
  std::vector<char> buffer(static_cast<size_t>(length) + 1);
  std::vsnprintf(buffer.data(), buffer.size(), format, args);
  return std::string(buffer.data(), static_cast<size_t>(length));
}

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = VFormat(format, args);
  va_end(args);
  return text;
}

std::string FromDouble(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::optional<double> ToDouble(std::string_view text) { return Parse<double>(text); }
std::optional<int> ToInt(std::string_view text) { return Parse<int>(text); }

int LeadingInt(std::string_view text) {
  size_t index = text.find_first_not_of(" \t\n\v\f\r");
  if (index == std::string_view::npos) return 0;
  const bool negative = text[index] == '-';
  if (text[index] == '-' || text[index] == '+') ++index;
  long long value = 0;
  while (index < text.size() && text[index] >= '0' && text[index] <= '9') {
    value = std::min<long long>(value * 10 + (text[index] - '0'), static_cast<long long>(INT_MAX) + 1);
    ++index;
  }
  value = negative ? -value : std::min<long long>(value, INT_MAX);
  return static_cast<int>(std::max<long long>(value, INT_MIN));
}

double LeadingDouble(std::string_view text) {
  size_t index = text.find_first_not_of(" \t\n\v\f\r");
  if (index == std::string_view::npos) return 0.0;
  if (text[index] == '+') ++index;
  double value = 0.0;
  std::from_chars(text.data() + index, text.data() + text.size(), value);
  return value;
}

double FieldValue(std::string_view text) { return LeadingDouble(CommaAsPoint(text)); }

std::optional<double> FieldNumber(std::string_view text) { return ToDouble(CommaAsPoint(text)); }

}  // namespace QlmNumberFormat
