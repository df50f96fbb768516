#pragma once
// zlib streams of the compressed buffers: level 9 in, exact length out.
#include <cstddef>
#include <cstdint>
#include <vector>

class CQlmZStream {
public:
  // Streams longer than this are deflated in chunks of this size by DeflateAll.
  static constexpr size_t ChunkSize = 128 * 1024;

  // One stream for DeflateAll: its raw bytes and where its zlib stream goes.
  struct Stream {
    const uint8_t* Raw;
    size_t RawSize;
    std::vector<uint8_t>* Packed;
  };

  // compress2 at level 9 into a buffer of raw × 1.15 + 12 bytes; false when zlib fails.
  static bool Deflate(const uint8_t* raw, size_t rawSize, std::vector<uint8_t>& packed);

  // Deflates every stream at level 9, on QlmParallelFor's threads (on the
  // calling thread alone when they hold one chunk or less in all). A stream of up
  // to ChunkSize bytes gets exactly what Deflate makes. A longer one is deflated
  // in chunks of ChunkSize bytes, each primed with the 32 KiB before it, and the
  // chunks are joined into one zlib stream (one level-9 header, one adler32 of
  // the whole) that uncompress reads as any other; the bytes depend on the
  // chunk size only, never on the number of threads. Each stream must fit in
  // raw × 1.15 + 12 bytes, as with Deflate. False when zlib fails for a stream.
  static bool DeflateAll(const std::vector<Stream>& streams);

  // Inflates one zlib stream that must yield exactly `rawSize` bytes. False for a
  // damaged stream, one that yields more or fewer bytes, or a `rawSize` no zlib
  // stream of `packedSize` bytes can reach (checked before allocating).
  static bool InflateExact(const uint8_t* packed, size_t packedSize, size_t rawSize,
                           std::vector<uint8_t>& raw);
};
