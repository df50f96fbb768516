#include "QlmPeerProcess.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

extern char** environ;

namespace {

constexpr int StartTimeOutMs = 20000;

// Reads the first line the server prints, waiting at most StartTimeOutMs.
std::string ReadLine(int descriptor) {
  std::string line;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(StartTimeOutMs);
  while (std::chrono::steady_clock::now() < deadline) {
    pollfd wait{descriptor, POLLIN, 0};
    if (poll(&wait, 1, 100) <= 0) {
      continue;
    }
    char c = 0;
    if (read(descriptor, &c, 1) != 1 || c == '\n') {
      break;
    }
    line += c;
  }
  return line;
}

}  // namespace

QlmPeerProcess::QlmPeerProcess(const std::vector<std::string>& arguments) {
  int output[2];
  if (pipe2(output, O_CLOEXEC) != 0) {
    this->Failure = "pipe failed";
    return;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  std::vector<std::string> copies(arguments);
  std::vector<char*> argv;
  for (std::string& argument : copies) argv.push_back(argument.data());
  argv.push_back(nullptr);
  const int spawned = posix_spawnp(&this->Server, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(output[1]);
  if (spawned != 0) {
    this->Server = -1;
    this->Failure = arguments.front() + " could not be started";
    close(output[0]);
    return;
  }
  const std::string line = ReadLine(output[0]);
  close(output[0]);
  this->ServerPort = line.empty() ? 0 : std::atoi(line.c_str());
  if (this->ServerPort <= 0) {
    this->Failure = "the server printed no port: " + line;
  }
}

QlmPeerProcess::~QlmPeerProcess() {
  if (this->Server <= 0) {
    return;
  }
  kill(this->Server, SIGTERM);
  for (int i = 0; i < 100; ++i) {
    if (waitpid(this->Server, nullptr, WNOHANG) == this->Server) {
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  kill(this->Server, SIGKILL);
  waitpid(this->Server, nullptr, 0);
}

int QlmPeerProcess::ClosedPort() {
  const int probe = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  int port = 0;
  if (probe >= 0 && bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    port = ntohs(address.sin_port);
  }
  if (probe >= 0) {
    close(probe);
  }
  return port;
}
