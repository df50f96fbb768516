#include "QlmHttpPeer.h"
#include "QlmTempDir.h"
#include "libconvert/CQlmWebFile.h"
#include "libconvert/CWebGrab.h"
#include "libconvert/CWebGrabSession.h"

#include <gtest/gtest.h>

#include <ostream>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

namespace {

using Bytes = std::vector<unsigned char>;
using namespace std::chrono_literals;

const Bytes OldPicture{'B', 'M', 0, 1, 2, 0, 'o', 'l', 'd'};

class CQlmWebFileTest : public testing::Test {
protected:
  void SetUp() override
  {
    if (this->Peer.Port() == 0) {
      GTEST_SKIP() << this->Peer.Why();
    }
    std::ofstream(this->Target, std::ios::binary).write(reinterpret_cast<const char*>(OldPicture.data()), OldPicture.size());
  }

  // Starts a download of `path` into the target, named the Windows way.
  CQlmWebFile* Start(const std::string& url, unsigned long receiveTimeOut = 60000)
  {
    CQlmWebFile* download = CQlmWebFile::New();
    download->SetInputPathWeb(url.c_str());
    download->SetOutputPathHD((this->Folder.Path().string() + "\\pic.bmp").c_str());
    download->SetReceiveTimeOut(receiveTimeOut);
    download->Download();
    return download;
  }

  // Waits for the worker, at most `limit`.
  static bool Finishes(CQlmWebFile* download, std::chrono::milliseconds limit)
  {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (download->IsRunning() && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(10ms);
    }
    return !download->IsRunning();
  }

  Bytes Stored() const
  {
    std::ifstream in(this->Target, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  // Names in the folder: a left-over temporary file shows up here.
  std::vector<std::string> Names() const
  {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(this->Folder.Path())) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  QlmHttpPeer Peer;
  QlmTempDir Folder;
  std::string Target = Folder.File("pic.bmp");
};

class CQlmWebFileBody : public CQlmWebFileTest, public testing::WithParamInterface<size_t> {};

TEST_P(CQlmWebFileBody, SuccessfulResponseReplacesTheFileByteForByte)
{
  CQlmWebFile* download = this->Start(this->Peer.Url("/bytes/" + std::to_string(GetParam())));
  ASSERT_TRUE(Finishes(download, 20s));
  download->Delete();
  EXPECT_EQ(this->Stored(), QlmHttpPeer::Pattern(GetParam()));
  EXPECT_EQ(this->Names(), std::vector<std::string>{"pic.bmp"});
}

// Pieces are at most 4095 bytes: one piece, one piece and a byte, many pieces.
INSTANTIATE_TEST_SUITE_P(Sizes, CQlmWebFileBody, testing::Values(0, 300, 4095, 4096, 70000));

struct FailedDownload {
  const char* Name;
  std::string (*Url)(const QlmHttpPeer&);
  unsigned long ReceiveTimeOut;
};

// Test names and CTest listings show the case name, not the bytes.
void PrintTo(const FailedDownload& c, std::ostream* os) { *os << c.Name; }

class CQlmWebFileFailure : public CQlmWebFileTest, public testing::WithParamInterface<FailedDownload> {};

TEST_P(CQlmWebFileFailure, LeavesTheOldFileAndNoTemporaryFile)
{
  CQlmWebFile* download = this->Start(GetParam().Url(this->Peer), GetParam().ReceiveTimeOut);
  ASSERT_TRUE(Finishes(download, 20s));
  download->Delete();
  EXPECT_EQ(this->Stored(), OldPicture);
  EXPECT_EQ(this->Names(), std::vector<std::string>{"pic.bmp"});
}

INSTANTIATE_TEST_SUITE_P(Cases, CQlmWebFileFailure,
  testing::Values(
    FailedDownload{"ErrorPage", [](const QlmHttpPeer& p) { return p.Url("/missing"); }, 60000},
    FailedDownload{"ClosedPort",
                   [](const QlmHttpPeer&) { return "http://127.0.0.1:" + std::to_string(QlmPeerProcess::ClosedPort()) + "/pic.bmp"; },
                   60000},
    FailedDownload{"ReceiveTimeOut", [](const QlmHttpPeer& p) { return p.Url("/silent"); }, 500},
    FailedDownload{"NotHttp", [](const QlmHttpPeer&) { return std::string("file:///etc/hostname"); }, 60000}),
  [](const testing::TestParamInfo<FailedDownload>& info) { return info.param.Name; });

TEST_F(CQlmWebFileTest, DeleteStopsASlowTransferAndKeepsTheOldFile)
{
  CQlmWebFile* download = this->Start(this->Peer.Url("/trickle"));
  std::this_thread::sleep_for(300ms);
  ASSERT_TRUE(download->IsRunning());
  const auto before = std::chrono::steady_clock::now();
  download->Delete();
  EXPECT_LT(std::chrono::steady_clock::now() - before, 5s) << "the trickle lasts 30 s";
  EXPECT_EQ(this->Stored(), OldPicture);
  EXPECT_EQ(this->Names(), std::vector<std::string>{"pic.bmp"});
}

TEST_F(CQlmWebFileTest, DeleteWithoutDownloadAndNullAreHarmless)
{
  CQlmWebFile* idle = CQlmWebFile::New();
  EXPECT_FALSE(idle->IsRunning());
  idle->Delete();
  CQlmWebFile::Delete(nullptr);
  EXPECT_EQ(this->Stored(), OldPicture);
}

TEST_F(CQlmWebFileTest, FetchKeepsStatusHeadersAndBodyOfAnyResponse)
{
  CWebGrab grab;
  std::string content;
  ASSERT_EQ(grab.FetchToString(this->Peer.Url("/missing").c_str(), content), 1);
  EXPECT_EQ(grab.GetHttpStatus(), 404u);
  EXPECT_EQ(content, "<html><body><h1>404 Not Found</h1></body></html>");
  EXPECT_EQ(grab.GetResponseHeaders().Find("HTTP/1."), 0);
  EXPECT_EQ(grab.GetSession()->GetStatusText(), "");

  ASSERT_EQ(grab.FetchToString(this->Peer.Url("/moved").c_str(), content), 1);
  EXPECT_EQ(grab.GetHttpStatus(), 200u) << "redirects are followed";
  EXPECT_EQ(Bytes(content.begin(), content.end()), QlmHttpPeer::Pattern(300));
  EXPECT_EQ(grab.GetResponseHeaders().Find("HTTP/1.1 200"), 0) << "only the last response's headers";

  CWebGrab refused;
  const std::string closed = "http://127.0.0.1:" + std::to_string(QlmPeerProcess::ClosedPort()) + "/";
  EXPECT_EQ(refused.FetchToString(closed.c_str(), content), 0);
  EXPECT_FALSE(refused.GetErrorText().IsEmpty());
  EXPECT_EQ(refused.GetSession()->GetStatusText(), refused.GetErrorText());
  EXPECT_TRUE(content.empty());
}

}  // namespace
