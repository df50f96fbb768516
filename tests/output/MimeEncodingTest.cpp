#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "output/CQlmMimeMessage.h"

namespace {

using Message = CQlmMimeMessage;

std::string Repeat(const std::string& text, size_t count) {
  std::string repeated;
  for (size_t i = 0; i < count; ++i) repeated += text;
  return repeated;
}

struct Choice {
  const char* name;
  std::string data;
  int encoding;
};

void PrintTo(const Choice& c, std::ostream* os) { *os << c.name; }

class ChooseEncoding : public testing::TestWithParam<Choice> {};

TEST_P(ChooseEncoding, PicksTheEncodingTheDataNeeds) {
  EXPECT_EQ(Message::ChooseEncoding(GetParam().data), GetParam().encoding);
}

INSTANTIATE_TEST_SUITE_P(
    Data, ChooseEncoding,
    testing::Values(Choice{"Empty", "", Message::SevenBit},
                    Choice{"PlainText", "Bom dia.\r\nAté logo.", Message::EightBit},
                    Choice{"PrintableAscii", "Bom dia.\r\nTchau.", Message::SevenBit},
                    Choice{"LetterAbove127", "Tchau, at\xE9 logo.", Message::EightBit},
                    Choice{"LineOf77EndedByCrLf", Repeat("a", 77) + "\r\nfim", Message::QuotedPrintable},
                    Choice{"LineOf76", Repeat("a", 76) + "\r\n", Message::SevenBit},
                    // A long last line without a line end would be wrapped as 7bit, changing the text.
                    Choice{"LongLastLine", "curta\r\n" + Repeat("a", 77), Message::QuotedPrintable},
                    Choice{"NinetyPercentPrintable", Repeat("a", 9) + "\x01", Message::EightBit},
                    Choice{"EightyNinePercentPrintable", Repeat("a", 89) + Repeat("\x01", 11), Message::Base64},
                    Choice{"BinaryFile", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), Message::Base64},
                    // 7bit, 8bit and quoted-printable cannot carry these bytes unchanged.
                    Choice{"Nul", std::string("texto\0texto", 11), Message::Base64},
                    Choice{"LoneLf", "linha\nlinha", Message::Base64},
                    Choice{"LoneCr", "linha\rlinha", Message::Base64}),
    [](const testing::TestParamInfo<Choice>& info) { return info.param.name; });

struct Wrap {
  const char* name;
  std::string input;
  std::string output;
};

void PrintTo(const Wrap& c, std::ostream* os) { *os << c.name; }

class WrapLines : public testing::TestWithParam<Wrap> {};

TEST_P(WrapLines, CutsAfterTheLastBreakWithinTheWidth) {
  EXPECT_EQ(Message::WrapLines(GetParam().input).Str(), GetParam().output);
}

const std::string Sentence = Repeat("palavra ", 12) + "fim.";  // 100 characters

INSTANTIATE_TEST_SUITE_P(
    Lines, WrapLines,
    testing::Values(Wrap{"SentenceOf100", Sentence, Repeat("palavra ", 9) + "\r\n" + Repeat("palavra ", 3) + "fim."},
                    Wrap{"RunOf100WithoutBreaks", Repeat("x", 100), Repeat("x", 76) + "\r\n" + Repeat("x", 24)},
                    Wrap{"LineOf76", Repeat("x", 76) + "\r\n", Repeat("x", 76) + "\r\n"},
                    Wrap{"BreakCharacterEndsThePiece", Repeat("x", 70) + "-" + Repeat("y", 10),
                         Repeat("x", 70) + "-\r\n" + Repeat("y", 10)}),
    [](const testing::TestParamInfo<Wrap>& info) { return info.param.name; });

TEST(QuotedPrintable, EscapesWhatIsNotPlainAndKeepsEscapesWholeAtSoftBreaks) {
  EXPECT_EQ(Message::EncodeQuotedPrintable("a=b \xE9\x7F\t\x01").Str(), "a=3Db =E9=7F\t=01");
  // The 75th character starts an escape: the piece ends before it.
  const std::string escapeAt75 = Repeat("a", 74) + "\xE9" + "bc";
  EXPECT_EQ(Message::EncodeQuotedPrintable(escapeAt75).Str(), Repeat("a", 74) + "=\r\n=E9bc");
  // The 74th: its escape would reach the 76th character.
  const std::string escapeAt74 = Repeat("a", 73) + "\xE9" + "bcd";
  EXPECT_EQ(Message::EncodeQuotedPrintable(escapeAt74).Str(), Repeat("a", 73) + "=\r\n=E9bcd");
  EXPECT_EQ(Message::EncodeQuotedPrintable(Repeat("a", 77)).Str(), Repeat("a", 75) + "=\r\naa");
  EXPECT_EQ(Message::EncodeQuotedPrintable(Repeat("a", 76)).Str(), Repeat("a", 76));
}

TEST(QuotedPrintable, BlankOrTabEndingALineIsEscaped) {
  EXPECT_EQ(Message::EncodeQuotedPrintable("fim \r\nfim\t\r\nfim").Str(), "fim=20\r\nfim=09\r\nfim");
  // The escape makes the line too long: it is measured again.
  EXPECT_EQ(Message::EncodeQuotedPrintable(Repeat("a", 75) + " ").Str(), Repeat("a", 75) + "=\r\n=20");
}

TEST(QuotedPrintable, LoneLineEndsAndNulsSurviveAsEscapes) {
  EXPECT_EQ(Message::EncodeQuotedPrintable(std::string("a\nb\rc\0d\r\n", 9)).Str(), "a=0Ab=0Dc=00d\r\n");
}

TEST(EncodePart, NamesTheEncodingAndTreatsTheData) {
  struct Case {
    int encoding;
    bool eightBitAllowed;
    std::string data;
    const char* name;
    std::string encoded;
  };
  const Case cases[] = {
      {Message::SevenBit, true, "n\xE3o\n\xFF", "7bit", "n?o\r\n?"},
      {Message::EightBit, true, "n\xE3o\nsim", "8bit", "n\xE3o\r\nsim"},
      {Message::ChooseFromData, true, "Tchau, n\xE3o.", "8bit", "Tchau, n\xE3o."},
      {Message::ChooseFromData, false, "Tchau, n\xE3o.", "quoted-printable", "Tchau, n=E3o."},
      {Message::EightBit, false, "n\xE3o", "quoted-printable", "n=E3o"},
      {Message::ChooseFromData, true, "", "7bit", ""},
      {Message::Base64, true, Repeat("\xFF", 60), "base64", Repeat("////", 19) + "\r\n" + "////"},
  };
  for (const Case& c : cases) {
    CString name;
    EXPECT_EQ(Message::EncodePart(c.encoding, c.data, c.eightBitAllowed, name).Str(), c.encoded) << c.name;
    EXPECT_EQ(name.Str(), c.name);
  }
}

TEST(NormaliseLineEnds, EveryLoneCrOrLfBecomesCrLf) {
  EXPECT_EQ(Message::NormaliseLineEnds("a\nb\rc\r\nd\n\n"), "a\r\nb\r\nc\r\nd\r\n\r\n");
}

}  // namespace
