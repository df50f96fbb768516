#include "platform/CArchive.h"
#include "platform/CMemFile.h"
#include "platform/QlmCodePage1252.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

std::vector<uint8_t> Store(const std::function<void(CArchive&)>& write) {
  CMemFile file;
  CArchive archive(&file, CArchive::store);
  write(archive);
  archive.Close();
  return file.Data();
}

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<uint8_t> bytes;
  for (int v : values) bytes.push_back(static_cast<uint8_t>(v));
  return bytes;
}

CString ReadString(const std::vector<uint8_t>& bytes) {
  CMemFile file(bytes);
  CArchive archive(&file, CArchive::load);
  CString text;
  archive >> text;
  EXPECT_EQ(archive.GetBytesLeft(), 0u);
  return text;
}

}  // namespace

TEST(CArchive, ValuesAreRawLittleEndianInOrder) {
  const auto bytes = Store([](CArchive& ar) {
    ar << int32_t(800901) << uint8_t(0xAB) << int16_t(-2) << float(1.5f) << double(-0.25) << uint32_t(0xDEADBEEF);
  });
  std::vector<uint8_t> expected = Bytes({0x85, 0x38, 0x0C, 0x00, 0xAB, 0xFE, 0xFF, 0x00, 0x00, 0xC0, 0x3F});
  const auto d = Bytes({0, 0, 0, 0, 0, 0, 0xD0, 0xBF, 0xEF, 0xBE, 0xAD, 0xDE});
  expected.insert(expected.end(), d.begin(), d.end());
  EXPECT_EQ(bytes, expected);

  CMemFile file(bytes);
  CArchive ar(&file, CArchive::load);
  int32_t code; uint8_t b; int16_t s; float f; double dv; uint32_t u;
  ar >> code >> b >> s >> f >> dv >> u;
  EXPECT_EQ(code, 800901);
  EXPECT_EQ(b, 0xAB);
  EXPECT_EQ(s, -2);
  EXPECT_EQ(f, 1.5f);
  EXPECT_EQ(dv, -0.25);
  EXPECT_EQ(u, 0xDEADBEEFu);
}

TEST(CArchive, StringLengthPrefixFollowsTheThreeForms) {
  struct Case { size_t length; std::vector<uint8_t> prefix; };
  const Case cases[] = {
    {0, Bytes({0})},
    {254, Bytes({254})},
    {255, Bytes({0xFF, 0xFF, 0x00})},
    {300, Bytes({0xFF, 0x2C, 0x01})},
    {65533, Bytes({0xFF, 0xFD, 0xFF})},
    {65534, Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
    {65535, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
    {70000, Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    std::string text(c.length, 'x');
    for (size_t i = 0; i < c.length; ++i) text[i] = static_cast<char>('a' + i % 26);
    const auto bytes = Store([&](CArchive& ar) { ar << CString(text); });
    ASSERT_EQ(bytes.size(), c.prefix.size() + c.length);
    EXPECT_TRUE(std::equal(c.prefix.begin(), c.prefix.end(), bytes.begin()));
    EXPECT_EQ(ReadString(bytes).Str(), text);
  }
}

TEST(CArchive, StringsAreWindows1252OnDisk) {
  const auto bytes = Store([](CArchive& ar) { ar << CString("Panorâmica €"); });
  EXPECT_EQ(bytes, Bytes({12, 'P', 'a', 'n', 'o', 'r', 0xE2, 'm', 'i', 'c', 'a', ' ', 0x80}));
  EXPECT_EQ(ReadString(bytes), CString("Panorâmica €"));
}

TEST(CArchive, CharacterWithout1252FormIsReplacedAndTheRestKept) {
  const auto bytes = Store([](CArchive& ar) { ar << CString("a✓ção"); });
  EXPECT_EQ(ReadString(bytes), CString("a?ção"));
  // Writers that must not lose a character ask first.
  EXPECT_TRUE(QlmCodePage1252::CanEncode("Panorâmica € Œ ™"));
  EXPECT_FALSE(QlmCodePage1252::CanEncode("a✓ção"));
  EXPECT_FALSE(QlmCodePage1252::CanEncode("\xC3"));  // broken sequence
}

TEST(CArchive, ReadsTheWideForm) {
  // 0xFF 0xFFFE, length 3, UTF-16LE "Açã".
  EXPECT_EQ(ReadString(Bytes({0xFF, 0xFE, 0xFF, 3, 'A', 0, 0xE7, 0, 0xE3, 0})), CString("Açã"));
  // Wide form with a 16-bit length, and a character outside 1252.
  std::vector<uint8_t> longWide = Bytes({0xFF, 0xFE, 0xFF, 0xFF, 0x2C, 0x01});
  for (int i = 0; i < 300; ++i) {
    const bool odd = i == 299;
    longWide.push_back(odd ? 0x13 : 'w');
    longWide.push_back(odd ? 0x27 : 0);
  }
  EXPECT_EQ(ReadString(longWide), CString(std::string(299, 'w') + "?"));
}

TEST(CArchive, ShortReadRaisesEndOfFile) {
  const auto full = Store([](CArchive& ar) { ar << int32_t(7) << CString("abcdef") << double(3.0); });
  for (size_t cut = 0; cut < full.size(); ++cut) {
    SCOPED_TRACE(cut);
    CMemFile file(full.data(), cut);
    CArchive ar(&file, CArchive::load);
    int32_t i; CString s; double d;
    try {
      ar >> i >> s >> d;
      FAIL() << "no exception";
    } catch (const CArchiveException& e) {
      EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
  }
}

TEST(CArchive, LengthsFromTheDataAreCheckedBeforeAllocating) {
  const auto expectEndOfFile = [](const std::vector<uint8_t>& bytes, const std::function<void(CArchive&)>& read) {
    CMemFile file(bytes);
    CArchive ar(&file, CArchive::load);
    try {
      read(ar);
      FAIL() << "no exception";
    } catch (const CArchiveException& e) {
      EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
  };
  // A string that claims 4 GiB and a block that claims 2 GiB, in tiny files.
  expectEndOfFile(Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 'a'}), [](CArchive& ar) { CString s; ar >> s; });
  expectEndOfFile(Bytes({0xFF, 0xFF, 0xFF, 0x7F, 'a', 'b'}), [](CArchive& ar) { ar.ReadByteBlock(); });
  expectEndOfFile(Bytes({0x00, 0x00, 0x00, 0x10}), [](CArchive& ar) { ar.ReadCount(1); });

  CMemFile negative(Bytes({0xFF, 0xFF, 0xFF, 0xFF}));
  CArchive ar(&negative, CArchive::load);
  EXPECT_THROW(ar.ReadCount(1), CArchiveException);
}

TEST(CArchive, ByteBlocksAndCountsRoundTrip) {
  const std::vector<uint8_t> payload = {1, 2, 3, 250};
  const auto bytes = Store([&](CArchive& ar) {
    ar.WriteByteBlock(payload.data(), 4);
    ar << int32_t(2) << int32_t(10) << int32_t(20);
  });
  EXPECT_EQ(bytes.size(), 4u + 4u + 12u);
  CMemFile file(bytes);
  CArchive ar(&file, CArchive::load);
  EXPECT_EQ(ar.ReadByteBlock(), payload);
  EXPECT_EQ(ar.ReadCount(4), 2);
  EXPECT_THROW(ar.ReadCount(8), CArchiveException);  // 10 claims more than is left
}

TEST(CArchive, SmallBufferGivesTheSameBytesAsTheDefault) {
  std::vector<uint8_t> big(10000);
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i * 7);
  auto write = [&](CArchive& ar) {
    for (int i = 0; i < 100; ++i) ar << int32_t(i) << CString("ponto");
    ar.WriteByteBlock(big.data(), static_cast<int32_t>(big.size()));
    ar << double(1.25);
  };
  CMemFile small;
  {
    CArchive ar(&small, CArchive::store, 64);
    write(ar);
    ar.Close();
  }
  EXPECT_EQ(small.Data(), Store(write));

  small.SeekToBegin();
  CArchive ar(&small, CArchive::load, 64);
  for (int i = 0; i < 100; ++i) {
    int32_t v; CString s;
    ar >> v >> s;
    ASSERT_EQ(v, i);
    ASSERT_EQ(s, CString("ponto"));
  }
  EXPECT_EQ(ar.ReadByteBlock(), big);
  double d;
  ar >> d;
  EXPECT_EQ(d, 1.25);
}

TEST(CArchive, WrongDirectionIsRefused) {
  CMemFile file;
  CArchive storing(&file, CArchive::store);
  int32_t v;
  EXPECT_THROW(storing >> v, CArchiveException);
  CArchive loading(&file, CArchive::load);
  EXPECT_THROW(loading << int32_t(1), CArchiveException);
}
