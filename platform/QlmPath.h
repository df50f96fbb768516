#pragma once
// Path helpers. Windows-born code joins names with '\'; every function here
// accepts both separators, and ToNative gives the path the OS understands.
#include <string>
#include <vector>

namespace QlmPath {

// '\' becomes '/'.
std::string ToNative(const std::string& path);
// Joins with one separator between the parts.
std::string Join(const std::string& folder, const std::string& name);
// Folder part without the last separator ("" when there is none).
std::string Directory(const std::string& path);
// Last name of the path: "a\b\c.qlm" -> "c.qlm".
std::string FileName(const std::string& path);
// File name without its extension: "c.qlm" -> "c".
std::string FileTitle(const std::string& path);
// Extension without the dot ("" when none): "c.QLM" -> "QLM".
std::string Extension(const std::string& path);

// Names (not paths) of the regular files in `folder` whose extension equals
// `extension` ignoring case, sorted by name. Empty when the folder is missing.
std::vector<std::string> FilesWithExtension(const std::string& folder, const std::string& extension);

// Creates the folder and its parents; true when it exists afterwards.
bool CreateFolders(const std::string& folder);

}  // namespace QlmPath
