#include "libconvert/CQlmZStream.h"
#include "platform/QlmParallelFor.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;
constexpr size_t Chunk = CQlmZStream::ChunkSize;

// `size` bytes: small 12-bit-like deltas (compressible) or uniform noise.
Bytes Data(size_t size, bool noise, unsigned seed = 7)
{
  std::mt19937 random(seed);
  Bytes data(size);
  for (size_t i = 0; i < size; ++i) {
    data[i] = noise ? static_cast<uint8_t>(random()) : static_cast<uint8_t>(i % 3 == 0 ? 0x80 : random() % 16);
  }
  return data;
}

// What plain zlib uncompress makes of a stream that should hold `rawSize` bytes.
Bytes Uncompressed(const Bytes& packed, size_t rawSize)
{
  Bytes raw(rawSize + 1);
  uLongf size = raw.size();
  EXPECT_EQ(uncompress(raw.data(), &size, packed.data(), packed.size()), Z_OK);
  raw.resize(size);
  return raw;
}

Bytes DeflatedAlone(const Bytes& raw)
{
  Bytes packed;
  EXPECT_TRUE(CQlmZStream::DeflateAll({{raw.data(), raw.size(), &packed}}));
  return packed;
}

struct DeflateCase {
  const char* Name;
  size_t Size;
  bool Noise;
};

TEST(CQlmZStream, EveryStreamIsOneLevelNineZlibStreamThatUncompressReads)
{
  const DeflateCase cases[] = {
    {"empty", 0, false},
    {"one byte", 1, false},
    {"one chunk", Chunk, false},
    {"a chunk and a byte", Chunk + 1, false},
    {"several chunks", 5 * Chunk + 17, false},
    {"several chunks of noise", 3 * Chunk, true},
  };
  for (const DeflateCase& c : cases) {
    const Bytes raw = Data(c.Size, c.Noise);
    const Bytes packed = DeflatedAlone(raw);
    ASSERT_GE(packed.size(), 6u) << c.Name;
    EXPECT_EQ(packed[0], 0x78) << c.Name;
    EXPECT_EQ(packed[1], 0xDA) << c.Name;
    EXPECT_LE(packed.size(), size_t(double(c.Size) * 1.15 + 12.0)) << c.Name;
    EXPECT_EQ(Uncompressed(packed, c.Size), raw) << c.Name;
    if (c.Size <= Chunk) {
      Bytes whole;
      ASSERT_TRUE(CQlmZStream::Deflate(raw.data(), raw.size(), whole));
      EXPECT_EQ(packed, whole) << c.Name << ": a stream of one chunk is compress2's";
    }
  }
}

// A block repeated across the chunk boundaries is found in the window each chunk is primed with.
TEST(CQlmZStream, ChunksMatchAcrossTheirBoundaries)
{
  const Bytes block = Data(1000, true);
  Bytes raw;
  while (raw.size() < 4 * Chunk) raw.insert(raw.end(), block.begin(), block.end());
  Bytes whole;
  ASSERT_TRUE(CQlmZStream::Deflate(raw.data(), raw.size(), whole));
  const Bytes chunked = DeflatedAlone(raw);
  EXPECT_EQ(Uncompressed(chunked, raw.size()), raw);
  EXPECT_LE(chunked.size(), whole.size() + 16 * (raw.size() / Chunk + 1));
}

TEST(CQlmZStream, StreamsDeflatedTogetherEachGetTheirOwn)
{
  const Bytes first = Data(3 * Chunk + 5, false, 1);
  const Bytes second = Data(100, true, 2);
  const Bytes third = Data(Chunk + 9, true, 3);
  Bytes packed[3];
  ASSERT_TRUE(CQlmZStream::DeflateAll({{first.data(), first.size(), &packed[0]},
                                       {second.data(), second.size(), &packed[1]},
                                       {third.data(), third.size(), &packed[2]}}));
  EXPECT_EQ(Uncompressed(packed[0], first.size()), first);
  EXPECT_EQ(Uncompressed(packed[1], second.size()), second);
  EXPECT_EQ(Uncompressed(packed[2], third.size()), third);
  EXPECT_EQ(packed[0], DeflatedAlone(first)) << "the bytes do not depend on the other streams or the threads";
}

TEST(CQlmZStream, TheBytesDoNotDependOnTheNumberOfThreads)
{
  const Bytes raw = Data(6 * Chunk + 3, false);
  Bytes packed[2];
  const int threads[2] = {1, 4};
  for (int i = 0; i < 2; ++i) {
    QlmParallelFor::SetMaxThreads(threads[i]);
    packed[i] = DeflatedAlone(raw);
  }
  QlmParallelFor::SetMaxThreads(0);
  EXPECT_EQ(packed[0], packed[1]);
  EXPECT_EQ(Uncompressed(packed[1], raw.size()), raw);
}

}  // namespace
