#include "libconvert/CQlmByteWriter.h"

#include <vtkUnsignedCharArray.h>

#include <cstring>

void CQlmByteWriter::WriteBytes(const void* bytes, size_t count)
{
  const auto* first = static_cast<const uint8_t*>(bytes);
  this->Buffer.insert(this->Buffer.end(), first, first + count);
}

void CQlmByteWriter::CopyTo(vtkUnsignedCharArray* array) const
{
  array->Initialize();
  array->SetNumberOfComponents(1);
  array->SetNumberOfValues(static_cast<vtkIdType>(this->Buffer.size()));
  if (!this->Buffer.empty()) {
    std::memcpy(array->GetPointer(0), this->Buffer.data(), this->Buffer.size());
  }
}
