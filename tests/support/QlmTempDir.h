#pragma once
// A fresh temporary folder, removed with everything in it when the object dies.
#include <filesystem>
#include <string>

class QlmTempDir {
public:
  QlmTempDir();
  ~QlmTempDir();
  QlmTempDir(const QlmTempDir&) = delete;
  QlmTempDir& operator=(const QlmTempDir&) = delete;

  const std::filesystem::path& Path() const { return this->Root; }
  std::string File(const std::string& name) const { return (this->Root / name).string(); }

private:
  std::filesystem::path Root;
};
