#pragma once
// Appends little-endian values to a growing byte buffer.
#include <cstddef>
#include <cstdint>
#include <vector>

class vtkUnsignedCharArray;

class CQlmByteWriter {
public:
  void WriteInt32(int32_t value) { this->WriteBytes(&value, sizeof value); }
  void WriteFloat(float value) { this->WriteBytes(&value, sizeof value); }
  void WriteBytes(const void* bytes, size_t count);

  const std::vector<uint8_t>& Bytes() const { return this->Buffer; }
  // Replaces the array's content with the bytes written; its size is then exactly theirs.
  void CopyTo(vtkUnsignedCharArray* array) const;

private:
  std::vector<uint8_t> Buffer;
};
