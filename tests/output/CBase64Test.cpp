#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "output/CBase64.h"

namespace {

struct Vector {
  std::string bytes;
  std::string text;
};

void PrintTo(const Vector& v, std::ostream* os) { *os << '"' << v.bytes << '"'; }

// RFC 4648's test vectors: a last group of one byte ends with "==", of two with "=".
class CBase64Vectors : public testing::TestWithParam<Vector> {};

TEST_P(CBase64Vectors, EncodesAndDecodesTheStandardForm) {
  CBase64 codec;
  codec.Encode(GetParam().bytes);
  EXPECT_EQ(codec.GetEncoded(), GetParam().text);
  codec.Decode(GetParam().text);
  EXPECT_EQ(codec.GetDecoded(), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Rfc4648, CBase64Vectors,
                         testing::Values(Vector{"", ""}, Vector{"f", "Zg=="}, Vector{"fo", "Zm8="},
                                         Vector{"foo", "Zm9v"}, Vector{"foob", "Zm9vYg=="}, Vector{"fooba", "Zm9vYmE="},
                                         Vector{"foobar", "Zm9vYmFy"}));

TEST(CBase64, EveryByteValueRoundTrips) {
  std::string bytes;
  for (int i = 0; i < 256 * 3 + 1; ++i) bytes += static_cast<char>(i * 37 % 256);
  CBase64 codec;
  codec.Encode(bytes);
  codec.Decode(codec.GetEncoded());
  EXPECT_EQ(codec.GetDecoded(), bytes);
}

struct Lenient {
  const char* name;
  std::string text;
  std::string bytes;
};

void PrintTo(const Lenient& c, std::ostream* os) { *os << c.name; }

class CBase64Lenient : public testing::TestWithParam<Lenient> {};

TEST_P(CBase64Lenient, DecodesWhatMailCarries) {
  CBase64 codec;
  codec.Decode(GetParam().text);
  EXPECT_EQ(codec.GetDecoded(), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(Inputs, CBase64Lenient,
                         testing::Values(Lenient{"BlanksAndLineBreaks", "Zm9v\r\nYm\t Fy\n", "foobar"},
                                         Lenient{"ControlBytes7To13", std::string("Zm\a\b9v\v\f"), "foo"},
                                         Lenient{"TopBitIgnored", std::string("\xDAm9v"), "foo"},
                                         Lenient{"IncompleteLastGroup", "Zm9vYmE", "fooba"},
                                         Lenient{"OneCharacterLeft", "Zm9vY", "foo"},
                                         Lenient{"OutsideTheAlphabetIsZeroBits", "Zm9v*A==", std::string("foo\0", 4)},
                                         Lenient{"AiosmtpdPrompt", "VXNlciBOYW1lAA==", std::string("User Name\0", 10)}),
                         [](const testing::TestParamInfo<Lenient>& info) { return info.param.name; });

TEST(CBase64, NullStringsGiveEmptyResultsAndResultsAreReplaced) {
  CBase64 codec;
  codec.EncodeString("abc");
  codec.EncodeString(nullptr);
  EXPECT_EQ(codec.GetEncoded(), "");
  codec.DecodeString("YWJj");
  EXPECT_EQ(codec.GetDecoded(), "abc");
  codec.DecodeString(nullptr);
  EXPECT_EQ(codec.GetDecoded(), "");
}

TEST(CBase64, ArbitraryBytesDecodeWithinBounds) {
  std::string noise;
  for (int i = 0; i < 100000; ++i) noise += static_cast<char>((i * 7919 + i / 13) % 256);
  CBase64 codec;
  for (size_t length = 0; length < 64; ++length) {
    codec.Decode(noise.data(), length);
    EXPECT_LE(codec.GetDecoded().size(), length * 3 / 4 + 3);
  }
  codec.Decode(noise);
  EXPECT_LE(codec.GetDecoded().size(), noise.size() * 3 / 4 + 3);
}

}  // namespace
