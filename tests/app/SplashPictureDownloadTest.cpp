#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QImage>
#include <csignal>
#include <cstdio>

#include "ShellFixture.h"
#include "app/CDialogSplashScreen.h"
#include "app/CMainFrame.h"
#include "app/QlmResourceIds.h"

namespace {

// Python's http.server over a folder, on 127.0.0.1 at a free port, for the length of a test.
class FolderServer {
public:
  explicit FolderServer(const std::filesystem::path& folder) {
    int output[2];
    if (::pipe(output) != 0) return;
    this->Server = ::fork();
    if (this->Server == 0) {
      ::dup2(output[1], STDOUT_FILENO);
      ::close(output[0]);
      ::execlp("python3", "python3", "-u", "-m", "http.server", "--bind", "127.0.0.1", "--directory", folder.c_str(),
               "0", static_cast<char*>(nullptr));
      ::_exit(127);
    }
    ::close(output[1]);
    // "Serving HTTP on 127.0.0.1 port 40123 (http://127.0.0.1:40123/) ..."
    FILE* lines = ::fdopen(output[0], "r");
    char line[256] = {};
    if (lines && std::fgets(line, sizeof line, lines)) std::sscanf(line, "Serving HTTP on %*s port %d", &this->Port);
    if (lines) std::fclose(lines);
  }
  ~FolderServer() {
    if (this->Server <= 0) return;
    ::kill(this->Server, SIGTERM);
    ::waitpid(this->Server, nullptr, 0);
  }

  int Port = 0;

private:
  pid_t Server = -1;
};

using SplashDownloadFixture = ShellFixture;

// The picture fetched while the program runs is the splash picture of its next start.
TEST_F(SplashDownloadFixture, TheNextStartShowsThePictureFetchedByThisOne) {
  QlmTempDir site;
  std::filesystem::create_directories(site.Path() / "mktQVT");
  QImage picture(64, 48, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);
  ASSERT_TRUE(picture.save(QString::fromStdString((site.Path() / "mktQVT" / "pic.bmp").string())));
  FolderServer server(site.Path());
  ASSERT_GT(server.Port, 0) << "python3 -m http.server did not start";
  ::setenv("QLM_WEB_SERVER", ("http://127.0.0.1:" + std::to_string(server.Port) + "/").c_str(), 1);

  const std::filesystem::path fetched = DataFolder() / "pic.bmp";
  {
    CMainFrame frame;
    App.m_pMainWnd = &frame;
    ASSERT_TRUE(frame.LoadFrame(IDR_MAINFRAME));
    QElapsedTimer clock;
    clock.start();
    while (!std::filesystem::exists(fetched) && clock.elapsed() < 10000) QlmGuiTestApp::Wait(20);
    frame.DestroyWindow();
    App.m_pMainWnd = nullptr;
  }
  ::unsetenv("QLM_WEB_SERVER");
  ASSERT_TRUE(std::filesystem::exists(fetched));

  CDialogSplashScreen splash;
  splash.DoModal();
  EXPECT_EQ(splash.GetWidth(), 64);
  EXPECT_EQ(splash.GetHeight(), 48);
}

}  // namespace
