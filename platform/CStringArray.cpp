#include "platform/CStringArray.h"

#include <stdexcept>

int CStringArray::Add(const CString& value) {
  this->Items.push_back(value);
  return this->GetSize() - 1;
}

void CStringArray::InsertAt(int index, const CString& value) {
  if (index < 0 || index > this->GetSize()) throw std::out_of_range("CStringArray::InsertAt");
  this->Items.insert(this->Items.begin() + index, value);
}

void CStringArray::RemoveAt(int index, int count) {
  if (index < 0 || count < 0 || index + count > this->GetSize()) throw std::out_of_range("CStringArray::RemoveAt");
  this->Items.erase(this->Items.begin() + index, this->Items.begin() + index + count);
}
