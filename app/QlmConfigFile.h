#pragma once
// Line handling of the settings file QlmConfigQVT.sys: one key a line, the
// key text at the start of its line directly followed by its value text.
// Every call opens, reads (and for a replacement rewrites) the whole file;
// nothing is kept in memory. A replacement writes a uniquely named temporary
// file in the same folder and renames it over the settings file, so a crash
// or a second instance writing at the same moment never leaves a torn file
// (one of two simultaneous replacements may be lost).
//
// On disk: UTF-8 lines ended by CR LF. Lines that are not valid UTF-8 are
// read as Windows-1252, as older files were written. Text values are
// escaped on write ("%" "%25", ";" "%3B", CR "%0D", LF "%0A") and unescaped
// on read; a "%" not followed by one of those four codes stays as it is, so
// unescaped older files read back unchanged.
#include <optional>
#include <string>
#include <vector>

namespace QlmConfigFile {

// The first line of a valid file.
extern const char* const FirstLine;

// The application-data folder + "/Quillmar/Quorvantile/".
std::string Folder();
// Folder() + "QlmConfigQVT.sys".
std::string Path();

// True when the file exists and its first line is FirstLine exactly. Else the
// folders are made and the file is written anew holding FirstLine only;
// false when that fails.
bool Ensure();

// The value text of the first line that starts with `key`; nullopt when the
// file cannot be read or no line starts with the key.
std::optional<std::string> ReadValue(const std::string& key);
// The `count` lines after the first line that starts with `key` (lines
// missing at the end of the file are empty), unescaped.
std::optional<std::vector<std::string>> ReadBlock(const std::string& key, int count);

// Removes every line that starts with `key`, with the `following` lines after
// each, and appends `key` + `value` and then `blockLines` (escaped). False
// when the file is missing or cannot be rewritten; the file is then unchanged.
bool Replace(const std::string& key, const std::string& value, const std::vector<std::string>& blockLines = {},
             int following = 0);

// Fields of a value text. With a leading separator (";a;b;") field i lies
// between separators i and i + 1 and the text before the first is ignored;
// without one ("a;b;c") the first field lies before the first separator and
// the last is everything after the separator before it. Fields that depend on
// a missing separator are empty. Each field is unescaped.
std::vector<std::string> SplitFields(const std::string& value, bool leadingSeparator, int count);

std::string Escape(const std::string& text);
std::string Unescape(const std::string& text);

// As atoi and atof in the C locale: leading blanks, an optional sign, then
// as many characters as fit; 0 when nothing fits.
int ToInt(const std::string& text);
float ToFloat(const std::string& text);

}  // namespace QlmConfigFile
