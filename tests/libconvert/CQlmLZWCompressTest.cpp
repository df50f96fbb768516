#include "libconvert/CQlmLZWCompress.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

// Codes with the coder and copies the stream; fails the test when the coder refuses.
Bytes Compress(const Bytes& input, int width)
{
  CQlmLZWCompress coder;
  unsigned char* stream = nullptr;
  int length = -1;
  EXPECT_EQ(coder.CompressLZW(input.data(), static_cast<int>(input.size()), stream, length, width), 1);
  Bytes copy(stream, stream + length);
  coder.FreePtr(stream);
  return copy;
}

// Decodes from a heap copy of exactly the stream's bytes, so ASan sees any overread.
int Decompress(const Bytes& stream, Bytes& output)
{
  CQlmLZWCompress coder;
  std::vector<unsigned char> exact(stream);
  unsigned char* decoded = nullptr;
  int length = -1;
  const int result = coder.DecompressLZW(exact.data(), static_cast<int>(exact.size()), decoded, length);
  output.assign(decoded, decoded + (decoded ? length : 0));
  if (!result) {
    EXPECT_EQ(decoded, nullptr);
    EXPECT_EQ(length, 0);
  }
  coder.FreePtr(decoded);
  return result;
}

TEST(CQlmLZWCompress, AbababababGivesTheKnownStream)
{
  const Bytes input{'a', 'b', 'a', 'b', 'a', 'b', 'a', 'b'};
  const Bytes expected{0x08, 0x00, 0x00, 0x00, 0x09, 0x61, 0xC4, 0x00, 0x14, 0x28, 0x06};
  const Bytes stream = Compress(input, 9);
  EXPECT_EQ(stream, expected);
  Bytes decoded;
  ASSERT_EQ(Decompress(stream, decoded), 1);
  EXPECT_EQ(decoded, input);
}

struct RoundTripCase {
  const char* Name;
  Bytes Input;
  int Width;
};

// Test names and CTest listings show the case name, not the bytes.
void PrintTo(const RoundTripCase& c, std::ostream* os) { *os << c.Name; }

Bytes FewValues(size_t count, unsigned seed, int distinct)
{
  std::mt19937 random(seed);
  Bytes bytes(count);
  for (auto& b : bytes) {
    b = static_cast<unsigned char>('A' + random() % distinct);
  }
  return bytes;
}

class LZWRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(LZWRoundTrip, DecodesToTheInputWithTheDocumentedLength)
{
  const RoundTripCase& c = GetParam();
  const Bytes stream = Compress(c.Input, c.Width);
  Bytes decoded;
  ASSERT_EQ(Decompress(stream, decoded), 1);
  EXPECT_EQ(decoded, c.Input);
  int32_t storedCount = -1;
  std::memcpy(&storedCount, stream.data(), 4);
  EXPECT_EQ(storedCount, static_cast<int32_t>(c.Input.size()));
  EXPECT_EQ(stream[4], c.Width);
}

INSTANTIATE_TEST_SUITE_P(Cases, LZWRoundTrip,
  testing::Values(
    // Few distinct values fill the 256-string dictionary of width 9 many times over.
    RoundTripCase{"ThreeThousandFewValuesWidth9", FewValues(3000, 1, 3), 9},
    RoundTripCase{"RandomBytesWidth9", FewValues(5000, 2, 256), 9},
    RoundTripCase{"RandomBytesWidth12", FewValues(20000, 3, 256), 12},
    RoundTripCase{"OneRepeatedByteWidth9", Bytes(4000, 'z'), 9},
    RoundTripCase{"FewValuesWidth25", FewValues(3000, 4, 4), 25},
    RoundTripCase{"SingleByte", Bytes{0xFF}, 9},
    RoundTripCase{"Empty", Bytes{}, 9}),
  [](const testing::TestParamInfo<RoundTripCase>& info) { return info.param.Name; });

TEST(CQlmLZWCompress, RefusesWidthsOutsideNineToTwentyFive)
{
  CQlmLZWCompress coder;
  const Bytes input{'a', 'b', 'c'};
  unsigned char sentinel = 0;
  for (int width : {0, 8, 26, 32}) {
    unsigned char* stream = &sentinel;
    int length = -1;
    EXPECT_EQ(coder.CompressLZW(input.data(), 3, stream, length, width), 0) << width;
    EXPECT_EQ(stream, nullptr);
    EXPECT_EQ(length, 0);
  }
}

struct DamagedCase {
  const char* Name;
  Bytes Stream;
};

// Test names and CTest listings show the case name, not the bytes.
void PrintTo(const DamagedCase& c, std::ostream* os) { *os << c.Name; }

Bytes WithCount(Bytes stream, int32_t count)
{
  std::memcpy(stream.data(), &count, 4);
  return stream;
}

const Bytes Known{0x08, 0x00, 0x00, 0x00, 0x09, 0x61, 0xC4, 0x00, 0x14, 0x28, 0x06};

class LZWDamagedStream : public testing::TestWithParam<DamagedCase> {};

TEST_P(LZWDamagedStream, FailsWithoutTouchingMemoryBeyondTheBuffers)
{
  Bytes decoded;
  EXPECT_EQ(Decompress(GetParam().Stream, decoded), 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, LZWDamagedStream,
  testing::Values(
    DamagedCase{"ShorterThanHeader", Bytes{0x08, 0x00, 0x00}},
    DamagedCase{"LastByteCut", Bytes(Known.begin(), Known.end() - 1)},
    DamagedCase{"NoCodesForData", Bytes{0x01, 0x00, 0x00, 0x00, 0x09}},
    DamagedCase{"NegativeCount", WithCount(Known, -1)},
    DamagedCase{"CountBeyondWhatCodesCanGive", WithCount(Known, 16)},
    DamagedCase{"HugeCount", WithCount(Known, INT32_MAX)},
    DamagedCase{"WidthEight", Bytes{0x08, 0x00, 0x00, 0x00, 0x08, 0x61, 0xC4, 0x00, 0x14, 0x28, 0x06}},
    // Codes 97 then 300: 300 lies beyond the one string defined so far.
    DamagedCase{"CodeBeyondDictionary", Bytes{0x03, 0x00, 0x00, 0x00, 0x09, 0x61, 0x58, 0x02}},
    // Codes 97 then 256: "aa" would give three bytes where two are stored.
    DamagedCase{"StringLongerThanCount", Bytes{0x02, 0x00, 0x00, 0x00, 0x09, 0x61, 0x00, 0x02}}),
  [](const testing::TestParamInfo<DamagedCase>& info) { return info.param.Name; });

TEST(CQlmLZWCompress, StringCodeThatFitsTheCountDecodes)
{
  // The stream of the last damaged case with a count of 3: "a" then "aa".
  Bytes decoded;
  ASSERT_EQ(Decompress(Bytes{0x03, 0x00, 0x00, 0x00, 0x09, 0x61, 0x00, 0x02}, decoded), 1);
  EXPECT_EQ(decoded, (Bytes{'a', 'a', 'a'}));
}

TEST(CQlmLZWCompress, ObserverIsKeptAndDeleteAcceptsNull)
{
  CQlmLZWCompress* coder = CQlmLZWCompress::New();
  ASSERT_NE(coder, nullptr);
  EXPECT_EQ(coder->GetObserver(), nullptr);
  coder->Delete();
  CQlmLZWCompress::Delete(nullptr);
}

}  // namespace
