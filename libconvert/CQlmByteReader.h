#pragma once
// Bounds-checked little-endian reads from a byte buffer. Every read fails
// (returns false, position unchanged) rather than run past the end.
#include <cstddef>
#include <cstdint>

class CQlmByteReader {
public:
  CQlmByteReader(const uint8_t* data, size_t size) : Data(data), Size(size) {}

  bool ReadInt32(int32_t& value);
  bool ReadFloat(float& value);
  // Points `bytes` at the next `count` bytes of the buffer and skips them.
  bool ReadBytes(size_t count, const uint8_t*& bytes);

  size_t GetBytesLeft() const { return this->Size - this->Position; }

private:
  bool Copy(void* value, size_t count);

  const uint8_t* Data;
  size_t Size;
  size_t Position = 0;
};
