#include "libconvert/CQlmZStream.h"

#include <zlib.h>

namespace {
// Deflate never expands more than about 1032 times; a little slack for the header.
constexpr size_t MaximumInflateRatio = 1040;
constexpr size_t InflateSlack = 1024;
}  // namespace

bool CQlmZStream::Deflate(const uint8_t* raw, size_t rawSize, std::vector<uint8_t>& packed)
{
  const auto capacity = static_cast<uLongf>(static_cast<double>(rawSize) * 1.15 + 12.0);
  packed.assign(capacity, 0);
  uLongf packedSize = capacity;
  const uint8_t empty = 0;
  if (compress2(packed.data(), &packedSize, rawSize ? raw : &empty, static_cast<uLong>(rawSize), 9) != Z_OK) {
    packed.clear();
    return false;
  }
  packed.resize(packedSize);
  return true;
}

bool CQlmZStream::InflateExact(const uint8_t* packed, size_t packedSize, size_t rawSize,
                               std::vector<uint8_t>& raw)
{
  if (rawSize > packedSize * MaximumInflateRatio + InflateSlack) {
    return false;
  }
  raw.assign(rawSize, 0);
  // An empty target gets one spare byte, so that a stream with content does not pass as empty.
  uint8_t spare = 0;
  uLongf inflated = rawSize ? static_cast<uLongf>(rawSize) : 1;
  uLong consumed = static_cast<uLong>(packedSize);
  const int result = uncompress2(rawSize ? raw.data() : &spare, &inflated, packed, &consumed);
  if (result != Z_OK || inflated != rawSize) {
    raw.clear();
    return false;
  }
  return true;
}
