#include "libconvert/CWebGrabSession.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct StatusCase {
  unsigned long Status;
  const char* Information;
  const char* Text;
};

class CWebGrabSessionStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(CWebGrabSessionStatus, ShowsTheTextOfEachStage)
{
  CWebGrabSession session;
  session.ShowStatus("previous");
  const StatusCase& c = GetParam();
  const unsigned long length = c.Information ? std::strlen(c.Information) + 1 : 0;
  session.OnStatusCallback(1, c.Status, c.Information, length);
  EXPECT_EQ(session.GetStatusText(), c.Text);
}

INSTANTIATE_TEST_SUITE_P(Cases, CWebGrabSessionStatus,
  testing::Values(StatusCase{10, "example.invalid", "Resolving name for example.invalid"},
                  StatusCase{11, "127.0.0.1", "Resolved name for 127.0.0.1"},
                  StatusCase{20, nullptr, "Connecting to socket address "},
                  StatusCase{21, nullptr, "Connected to socket address"},
                  StatusCase{30, nullptr, "Sending request..."},
                  StatusCase{31, nullptr, "Request sent"},
                  StatusCase{40, nullptr, "previous"},
                  StatusCase{41, nullptr, "Response received"},
                  StatusCase{50, nullptr, "Closing the connection to the server"},
                  StatusCase{51, nullptr, "Connection to the server closed"},
                  StatusCase{60, nullptr, ""},
                  StatusCase{70, nullptr, "previous"},
                  StatusCase{100, nullptr, "Request complete"},
                  StatusCase{7, nullptr, "Unknown status: 7"}));

TEST(CWebGrabSession, RequestCompleteShowsBothWordsInHex)
{
  CWebGrabSession session;
  const unsigned int words[2] = {1, 0x2EFD};
  session.OnStatusCallback(1, CWebGrabSession::RequestComplete, words, sizeof words);
  EXPECT_EQ(session.GetStatusText(), "Request complete, dwResult = 00000001, dwError = 00002EFD");
}

TEST(CWebGrabSession, StatusTextIsCutAt511Characters)
{
  CWebGrabSession session;
  const std::string host(600, 'h');
  session.OnStatusCallback(1, CWebGrabSession::ResolvingName, host.c_str(), host.size() + 1);
  EXPECT_EQ(session.GetStatusText().GetLength(), 511);
}

}  // namespace
