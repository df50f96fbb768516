#pragma once
// The program's string: UTF-8 text with the operations its callers use.
// Files exchanged between machines hold Windows-1252; CArchive converts.
#include <cstdarg>
#include <string>
#include <string_view>

class CString {
public:
  CString() = default;
  CString(const char* text) : Text(text ? text : "") {}
  CString(std::string text) : Text(std::move(text)) {}
  CString(std::string_view text) : Text(text) {}
  CString(char c, int count) : Text(count > 0 ? count : 0, c) {}

  int GetLength() const { return static_cast<int>(this->Text.size()); }
  bool IsEmpty() const { return this->Text.empty(); }
  void Empty() { this->Text.clear(); }
  char GetAt(int index) const;
  void SetAt(int index, char c);

  const std::string& Str() const { return this->Text; }
  const char* c_str() const { return this->Text.c_str(); }
  operator const char*() const { return this->Text.c_str(); }

  // Substrings; out-of-range counts and positions are clamped as the classic API does.
  CString Left(int count) const;
  CString Right(int count) const;
  CString Mid(int first) const;
  CString Mid(int first, int count) const;

  // Positions are byte offsets; -1 when not found.
  int Find(const char* sub, int start = 0) const;
  int Find(char c, int start = 0) const;
  int ReverseFind(char c) const;

  CString& MakeUpper();
  CString& MakeLower();
  CString& Trim();
  CString& TrimLeft();
  CString& TrimRight();
  int Replace(const char* from, const char* to);
  int Replace(char from, char to);
  int CompareNoCase(const char* other) const;

  // printf-style formatting, always in the C locale (a point as decimal separator).
  void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  void FormatV(const char* format, va_list args);
  static CString Formatted(const char* format, ...) __attribute__((format(printf, 1, 2)));

  CString& operator+=(const CString& other) { this->Text += other.Text; return *this; }
  CString& operator+=(const char* other) { this->Text += other ? other : ""; return *this; }
  CString& operator+=(char c) { this->Text += c; return *this; }

  friend CString operator+(const CString& a, const CString& b) { return CString(a.Text + b.Text); }
  friend CString operator+(const CString& a, const char* b) { return CString(a.Text + (b ? b : "")); }
  friend CString operator+(const char* a, const CString& b) { return CString((a ? a : "") + b.Text); }
  friend bool operator==(const CString& a, const CString& b) { return a.Text == b.Text; }
  friend bool operator==(const CString& a, const char* b) { return a.Text == (b ? b : ""); }
  friend bool operator!=(const CString& a, const CString& b) { return a.Text != b.Text; }
  friend bool operator<(const CString& a, const CString& b) { return a.Text < b.Text; }

private:
  std::string Text;
};
