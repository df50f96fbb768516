#pragma once
// Files that mail tests attach.
#include <string>

#include "QlmTempDir.h"

namespace QlmMailFixtures {

// Bytes shaped like a project file: a NUL in every third byte, every byte value elsewhere.
std::string ProjectBytes(size_t size);

// Writes the bytes to `name` in the folder; returns the file's path.
std::string WriteFile(const QlmTempDir& folder, const std::string& name, const std::string& bytes);

}  // namespace QlmMailFixtures
