#include "libconvert/CQlmByteReader.h"

#include <cstring>

bool CQlmByteReader::ReadInt32(int32_t& value)
{
  return this->Copy(&value, sizeof value);
}

bool CQlmByteReader::ReadFloat(float& value)
{
  return this->Copy(&value, sizeof value);
}

bool CQlmByteReader::ReadBytes(size_t count, const uint8_t*& bytes)
{
  if (count > this->GetBytesLeft()) {
    return false;
  }
  bytes = this->Data + this->Position;
  this->Position += count;
  return true;
}

bool CQlmByteReader::Copy(void* value, size_t count)
{
  const uint8_t* bytes = nullptr;
  if (!this->ReadBytes(count, bytes)) {
    return false;
  }
  std::memcpy(value, bytes, count);
  return true;
}
