#include "platform/QlmPath.h"

#include <algorithm>
#include <filesystem>
#include <strings.h>

namespace QlmPath {
namespace {
size_t LastSeparator(const std::string& path) { return path.find_last_of("/\\"); }
}  // namespace

std::string ToNative(const std::string& path) {
  std::string native = path;
  std::replace(native.begin(), native.end(), '\\', '/');
  return native;
}

std::string Join(const std::string& folder, const std::string& name) {
  if (folder.empty()) return name;
  const bool folderEnds = folder.back() == '/' || folder.back() == '\\';
  const bool nameStarts = !name.empty() && (name.front() == '/' || name.front() == '\\');
  if (folderEnds && nameStarts) return folder + name.substr(1);
  if (folderEnds || nameStarts) return folder + name;
  return folder + "/" + name;
}

std::string Directory(const std::string& path) {
  const size_t at = LastSeparator(path);
  if (at == std::string::npos) return std::string();
  return at == 0 ? path.substr(0, 1) : path.substr(0, at);
}

std::string FileName(const std::string& path) {
  const size_t at = LastSeparator(path);
  return at == std::string::npos ? path : path.substr(at + 1);
}

std::string FileTitle(const std::string& path) {
  const std::string name = FileName(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
}

std::string Extension(const std::string& path) {
  const std::string name = FileName(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos || dot == 0 ? std::string() : name.substr(dot + 1);
}

std::vector<std::string> FilesWithExtension(const std::string& folder, const std::string& extension) {
  std::vector<std::string> names;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(ToNative(folder), error)) {
    if (!entry.is_regular_file(error)) continue;
    const std::string name = entry.path().filename().string();
    if (strcasecmp(Extension(name).c_str(), extension.c_str()) == 0) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool CreateFolders(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(ToNative(folder), error);
  return std::filesystem::is_directory(ToNative(folder), error);
}

}  // namespace QlmPath
