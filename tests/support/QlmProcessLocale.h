#pragma once
// Sets the process locale for its lifetime, as Qt does from the environment.
#include <clocale>
#include <string>

class QlmProcessLocale {
public:
  explicit QlmProcessLocale(const char* name) : Previous(std::setlocale(LC_ALL, nullptr)) {
    Ok = std::setlocale(LC_ALL, name) != nullptr;
  }
  ~QlmProcessLocale() { std::setlocale(LC_ALL, Previous.c_str()); }
  QlmProcessLocale(const QlmProcessLocale&) = delete;
  QlmProcessLocale& operator=(const QlmProcessLocale&) = delete;
  bool Ok;

private:
  std::string Previous;
};
