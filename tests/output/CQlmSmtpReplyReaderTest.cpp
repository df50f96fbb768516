#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "output/CQlmSmtpReplyReader.h"

namespace {

using State = CQlmSmtpReplyReader::State;

struct Reply {
  const char* name;
  std::string bytes;
  State state;
  int code;
  std::string text;
};

void PrintTo(const Reply& c, std::ostream* os) { *os << c.name; }

class ReplyReader : public testing::TestWithParam<Reply> {};

TEST_P(ReplyReader, ReadsWholeRepliesInOnePiece) {
  CQlmSmtpReplyReader reader;
  EXPECT_EQ(reader.Feed(GetParam().bytes), GetParam().state);
  EXPECT_EQ(reader.GetCode(), GetParam().code);
  if (GetParam().state == State::Complete) {
    EXPECT_EQ(reader.GetText().Str(), GetParam().text);
  }
}

TEST_P(ReplyReader, ReadsTheSameRepliesByteByByte) {
  CQlmSmtpReplyReader reader;
  for (const char c : GetParam().bytes) reader.Feed(std::string_view(&c, 1));
  EXPECT_EQ(reader.GetState(), GetParam().state);
  EXPECT_EQ(reader.GetCode(), GetParam().code);
  if (GetParam().state == State::Complete) {
    EXPECT_EQ(reader.GetText().Str(), GetParam().text);
  }
}

std::string Lines(const std::string& line, size_t count) {
  std::string lines;
  for (size_t i = 0; i < count; ++i) lines += line;
  return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReplyReader,
    testing::Values(Reply{"OneLine", "250 OK\r\n", State::Complete, 250, "250 OK"},
                    Reply{"MultiLine", "250-peer\r\n250-8BITMIME\r\n250 HELP\r\n", State::Complete, 250,
                          "250-peer\r\n250-8BITMIME\r\n250 HELP"},
                    Reply{"BareLf", "220 pronto\n", State::Complete, 220, "220 pronto"},
                    Reply{"CodeAlone", "221\r\n", State::Complete, 221, "221"},
                    Reply{"NulInside", std::string("250 a\0b\r\n", 9), State::Complete, 250,
                          std::string("250 a\0b", 7)},
                    Reply{"WithoutLineEnd", "250 OK", State::Incomplete, -1, ""},
                    Reply{"ContinuationOnly", "250-peer\r\n", State::Incomplete, -1, ""},
                    Reply{"EmptyLine", "\r\n", State::Malformed, -1, ""},
                    Reply{"ShortCode", "22\r\n", State::Malformed, -1, ""},
                    Reply{"NotACode", "abc def\r\n", State::Malformed, -1, ""},
                    Reply{"FourDigits", "2500 x\r\n", State::Malformed, -1, ""},
                    Reply{"CodeOutOfRange", "650 x\r\n", State::Malformed, -1, ""},
                    Reply{"BadSeparator", "250x\r\n", State::Malformed, -1, ""},
                    Reply{"BadContinuation", "250-a\r\nxyz\r\n", State::Malformed, -1, ""},
                    Reply{"EndlessLine", "250 " + std::string(5000, 'a') + "\r\n", State::Malformed, -1, ""},
                    Reply{"EndlessReply", Lines("250-linha\r\n", 7000) + "250 fim\r\n", State::Malformed, -1, ""}),
    [](const testing::TestParamInfo<Reply>& info) { return info.param.name; });

TEST(ReplyReader, BytesAfterTheReplyAreNotPartOfIt) {
  CQlmSmtpReplyReader reader;
  EXPECT_EQ(reader.Feed("250 OK\r\n250 late\r\n"), State::Complete);
  EXPECT_EQ(reader.Feed("more"), State::Complete);
  EXPECT_EQ(reader.GetText().Str(), "250 OK");
  EXPECT_EQ(reader.GetExcess(), 14u);
  reader.Reset();
  EXPECT_EQ(reader.Feed("354 go\r\n"), State::Complete);
  EXPECT_EQ(reader.GetCode(), 354);
  EXPECT_EQ(reader.GetExcess(), 0u);
}

}  // namespace
