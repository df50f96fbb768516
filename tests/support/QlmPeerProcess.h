#pragma once
// A server process for the length of a test: started with its arguments, it
// prints the loopback port it listens on as its first line of output; it is
// stopped (SIGTERM, then SIGKILL) when the object dies.
#include <sys/types.h>

#include <string>
#include <vector>

class QlmPeerProcess {
public:
  // arguments[0] is the program, looked up in PATH when it has no '/'.
  explicit QlmPeerProcess(const std::vector<std::string>& arguments);
  ~QlmPeerProcess();
  QlmPeerProcess(const QlmPeerProcess&) = delete;
  QlmPeerProcess& operator=(const QlmPeerProcess&) = delete;

  // 0 when the server did not start; Why() then says what happened.
  int Port() const { return this->ServerPort; }
  const std::string& Why() const { return this->Failure; }

  // A loopback port that was free a moment ago and has no listener.
  static int ClosedPort();

private:
  pid_t Server = -1;
  int ServerPort = 0;
  std::string Failure;
};
