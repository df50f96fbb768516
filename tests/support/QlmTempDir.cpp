#include "QlmTempDir.h"

#include <cstdlib>
#include <stdexcept>
#include <unistd.h>

QlmTempDir::QlmTempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "qlmtest-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  this->Root = pattern;
}

QlmTempDir::~QlmTempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(this->Root, ignored);
}
