#include "QlmMailFixtures.h"

#include "QlmBytes.h"

namespace QlmMailFixtures {

std::string ProjectBytes(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i % 3 == 0 ? 0 : (i * 2654435761u) >> 24);
  return bytes;
}

std::string WriteFile(const QlmTempDir& folder, const std::string& name, const std::string& bytes) {
  const std::string path = folder.File(name);
  QlmBytes::WriteFile(path, QlmBytes::Bytes(bytes.begin(), bytes.end()));
  return path;
}

}  // namespace QlmMailFixtures
