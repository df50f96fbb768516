#pragma once
// Base of the file and archive exceptions. Thrown by value, caught by reference.
#include <stdexcept>
#include <string>

class CException : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};
