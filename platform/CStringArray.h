#pragma once
// Growable array of CString with the classic index operations.
#include "platform/CString.h"

#include <vector>

class CStringArray {
public:
  int GetSize() const { return static_cast<int>(this->Items.size()); }
  int GetCount() const { return this->GetSize(); }
  bool IsEmpty() const { return this->Items.empty(); }
  int GetUpperBound() const { return this->GetSize() - 1; }

  // Out-of-range indices raise std::out_of_range.
  const CString& GetAt(int index) const { return this->Items.at(Index(index)); }
  CString& ElementAt(int index) { return this->Items.at(Index(index)); }
  void SetAt(int index, const CString& value) { this->Items.at(Index(index)) = value; }
  const CString& operator[](int index) const { return this->GetAt(index); }
  CString& operator[](int index) { return this->ElementAt(index); }

  int Add(const CString& value);
  void InsertAt(int index, const CString& value);
  void RemoveAt(int index, int count = 1);
  void RemoveAll() { this->Items.clear(); }
  void SetSize(int size) { this->Items.resize(size > 0 ? size : 0); }

  auto begin() const { return this->Items.begin(); }
  auto end() const { return this->Items.end(); }

private:
  static size_t Index(int index) { return index < 0 ? static_cast<size_t>(-1) : static_cast<size_t>(index); }
  std::vector<CString> Items;
};
