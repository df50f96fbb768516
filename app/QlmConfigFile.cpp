#include "app/QlmConfigFile.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstring>
#include <fstream>

#include "platform/CAtomicFile.h"
#include "platform/CFileException.h"
#include "platform/QlmAppData.h"
#include "platform/QlmCodePage1252.h"
#include "platform/QlmPath.h"

namespace QlmConfigFile {

const char* const FirstLine = "Quillmar Quorvantile Arquivo de Configuração";

namespace {

bool IsValidUtf8(const std::string& text) {
  size_t index = 0;
  while (index < text.size()) {
    auto lead = static_cast<unsigned char>(text[index]);
    size_t extra = lead < 0x80                   ? 0
                   : lead >= 0xC2 && lead < 0xE0 ? 1
                   : lead >= 0xE0 && lead < 0xF0 ? 2
                   : lead >= 0xF0 && lead < 0xF5 ? 3
                                                 : 4;
    if (extra == 4 || (extra > 0 && index + extra >= text.size())) return false;
    for (size_t next = 1; next <= extra; ++next) {
      if ((static_cast<unsigned char>(text[index + next]) & 0xC0) != 0x80) return false;
    }
    index += extra + 1;
  }
  return true;
}

// Every line of the file, decoded, without line ends; nullopt when it cannot be read.
std::optional<std::vector<std::string>> ReadLines() {
  std::ifstream file(QlmPath::ToNative(Path()), std::ios::binary);
  if (!file) return std::nullopt;
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(IsValidUtf8(line) ? line : QlmCodePage1252::ToUtf8(line));
  }
  if (file.bad()) return std::nullopt;
  return lines;
}

bool StartsWith(const std::string& line, const std::string& key) { return line.compare(0, key.size(), key) == 0; }

// Index of the first line that starts with `key`, or -1.
int FindKey(const std::vector<std::string>& lines, const std::string& key) {
  for (size_t index = 0; index < lines.size(); ++index) {
    if (StartsWith(lines[index], key)) return static_cast<int>(index);
  }
  return -1;
}

bool WriteLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  CAtomicFile file;
  if (!file.Open(Path())) return false;
  try {
    file.Write(bytes.data(), bytes.size());
    file.Commit();
  } catch (const CFileException&) {
    return false;
  }
  return true;
}

}  // namespace

std::string Folder() { return QlmAppData::ProgramFolder(); }

std::string Path() { return Folder() + "QlmConfigQVT.sys"; }

bool Ensure() {
  auto lines = ReadLines();
  if (lines && !lines->empty() && lines->front() == FirstLine) return true;
  QlmPath::CreateFolders(Folder());
  return WriteLines({FirstLine});
}

std::optional<std::string> ReadValue(const std::string& key) {
  auto lines = ReadLines();
  if (!lines) return std::nullopt;
  int found = FindKey(*lines, key);
  if (found < 0) return std::nullopt;
  return (*lines)[found].substr(key.size());
}

std::optional<std::vector<std::string>> ReadBlock(const std::string& key, int count) {
  auto lines = ReadLines();
  if (!lines) return std::nullopt;
  int found = FindKey(*lines, key);
  if (found < 0) return std::nullopt;
  std::vector<std::string> block;
  for (int index = found + 1; index <= found + count; ++index) {
    block.push_back(index < static_cast<int>(lines->size()) ? Unescape((*lines)[index]) : std::string());
  }
  return block;
}

bool Replace(const std::string& key, const std::string& value, const std::vector<std::string>& blockLines,
             int following) {
  auto lines = ReadLines();
  if (!lines) return false;
  std::vector<std::string> kept;
  for (size_t index = 0; index < lines->size(); ++index) {
    if (index > 0 && StartsWith((*lines)[index], key)) {
      index += following;
      continue;
    }
    kept.push_back((*lines)[index]);
  }
  kept.push_back(key + value);
  for (const auto& line : blockLines) kept.push_back(Escape(line));
  return WriteLines(kept);
}

std::vector<std::string> SplitFields(const std::string& value, bool leadingSeparator, int count) {
  size_t needed = static_cast<size_t>(std::max(leadingSeparator ? count + 1 : count - 1, 0));
  std::vector<size_t> separators;
  for (size_t found = value.find(';'); found != std::string::npos && separators.size() < needed;
       found = value.find(';', found + 1)) {
    separators.push_back(found);
  }
  // The text between separators `first` and `first` + 1, empty when the latter is missing.
  auto between = [&](size_t first) {
    if (first + 1 >= separators.size()) return std::string();
    return value.substr(separators[first] + 1, separators[first + 1] - separators[first] - 1);
  };
  std::vector<std::string> fields;
  for (int index = 0; index < count; ++index) {
    std::string field;
    if (leadingSeparator) {
      field = between(static_cast<size_t>(index));
    } else if (index == count - 1) {
      // Everything after the separator before it; the whole text when that one is missing.
      size_t before = static_cast<size_t>(index) - 1;
      field = index > 0 && before < separators.size() ? value.substr(separators[before] + 1) : value;
    } else if (index == 0) {
      field = separators.empty() ? std::string() : value.substr(0, separators[0]);
    } else {
      field = between(static_cast<size_t>(index) - 1);
    }
    fields.push_back(Unescape(field));
  }
  return fields;
}

std::string Escape(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    switch (c) {
      case '%':
        escaped += "%25";
        break;
      case ';':
        escaped += "%3B";
        break;
      case '\r':
        escaped += "%0D";
        break;
      case '\n':
        escaped += "%0A";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

std::string Unescape(const std::string& text) {
  static const std::pair<const char*, char> codes[] = {{"%25", '%'}, {"%3B", ';'}, {"%0D", '\r'}, {"%0A", '\n'}};
  std::string plain;
  for (size_t index = 0; index < text.size(); ++index) {
    bool decoded = false;
    if (text[index] == '%') {
      for (const auto& [code, c] : codes) {
        if (text.compare(index, 3, code) == 0) {
          plain += c;
          index += 2;
          decoded = true;
          break;
        }
      }
    }
    if (!decoded) plain += text[index];
  }
  return plain;
}

int ToInt(const std::string& text) {
  size_t index = text.find_first_not_of(" \t\n\v\f\r");
  if (index == std::string::npos) return 0;
  bool negative = text[index] == '-';
  if (text[index] == '-' || text[index] == '+') ++index;
  long long value = 0;
  while (index < text.size() && text[index] >= '0' && text[index] <= '9') {
    value = std::min<long long>(value * 10 + (text[index] - '0'), static_cast<long long>(INT_MAX) + 1);
    ++index;
  }
  value = negative ? -value : std::min<long long>(value, INT_MAX);
  return static_cast<int>(std::max<long long>(value, INT_MIN));
}

float ToFloat(const std::string& text) {
  size_t index = text.find_first_not_of(" \t\n\v\f\r");
  if (index == std::string::npos) return 0.0f;
  if (text[index] == '+') ++index;
  double value = 0.0;
  std::from_chars(text.data() + index, text.data() + text.size(), value);
  return static_cast<float>(value);
}

}  // namespace QlmConfigFile
