#pragma once
// A library file that cannot be read or written as it is. what() is the
// reason in Portuguese, naming the place ("... no item 3"), for the caller's
// "Erro lendo biblioteca <nome>: " message. It never holds the password.
#include <stdexcept>

class CQlmLibraryFileError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};
