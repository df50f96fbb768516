#pragma once
// zlib streams of the compressed buffers: level 9 in, exact length out.
#include <cstddef>
#include <cstdint>
#include <vector>

class CQlmZStream {
public:
  // compress2 at level 9 into a buffer of raw × 1.15 + 12 bytes; false when zlib fails.
  static bool Deflate(const uint8_t* raw, size_t rawSize, std::vector<uint8_t>& packed);

  // Inflates one zlib stream that must yield exactly `rawSize` bytes. False for a
  // damaged stream, one that yields more or fewer bytes, or a `rawSize` no zlib
  // stream of `packedSize` bytes can reach (checked before allocating).
  static bool InflateExact(const uint8_t* packed, size_t packedSize, size_t rawSize,
                           std::vector<uint8_t>& raw);
};
