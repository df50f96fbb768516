#include "QlmScriptedSmtpServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace {

constexpr int IoTimeOutMs = 20000;
constexpr int PollStepMs = 20;

bool SendAll(int client, const char* bytes, size_t count) {
  while (count > 0) {
    const ssize_t sent = send(client, bytes, count, MSG_NOSIGNAL);
    if (sent <= 0) return false;
    bytes += sent;
    count -= static_cast<size_t>(sent);
  }
  return true;
}

}  // namespace

QlmScriptedSmtpServer::QlmScriptedSmtpServer(std::vector<Step> script) {
  this->Listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (this->Listener >= 0 && bind(this->Listener, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      listen(this->Listener, 1) == 0 &&
      getsockname(this->Listener, reinterpret_cast<sockaddr*>(&address), &length) == 0) {
    this->ListenPort = ntohs(address.sin_port);
  }
  this->Worker = std::thread(&QlmScriptedSmtpServer::Run, this, std::move(script));
}

QlmScriptedSmtpServer::~QlmScriptedSmtpServer() {
  this->Stop = true;
  this->Worker.join();
  if (this->Listener >= 0) close(this->Listener);
}

void QlmScriptedSmtpServer::WaitUntilDone() {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(IoTimeOutMs);
  while (!this->Done && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(PollStepMs));
  }
}

std::vector<std::string> QlmScriptedSmtpServer::Lines() const {
  std::lock_guard<std::mutex> guard(this->Lock);
  return this->ReceivedLines;
}

std::vector<std::string> QlmScriptedSmtpServer::DataStreams() const {
  std::lock_guard<std::mutex> guard(this->Lock);
  return this->ReceivedData;
}

std::string QlmScriptedSmtpServer::Mismatch() const {
  std::lock_guard<std::mutex> guard(this->Lock);
  return this->FirstMismatch;
}

void QlmScriptedSmtpServer::Run(std::vector<Step> script) {
  int client = -1;
  for (int waited = 0; client < 0 && waited < IoTimeOutMs && !this->Stop; waited += PollStepMs) {
    pollfd wait{this->Listener, POLLIN, 0};
    if (poll(&wait, 1, PollStepMs) > 0) client = accept4(this->Listener, nullptr, nullptr, SOCK_CLOEXEC);
  }
  for (const Step& step : script) {
    if (client < 0 || this->Stop || !this->RunStep(client, step)) break;
    if (step.kind == Step::Kind::Close) client = -1;
  }
  this->Done = true;
  // Keep the connection open (and silent) until the test is over.
  while (client >= 0 && !this->Stop) std::this_thread::sleep_for(std::chrono::milliseconds(PollStepMs));
  if (client >= 0) close(client);
}

bool QlmScriptedSmtpServer::RunStep(int client, const Step& step) {
  switch (step.kind) {
    case Step::Kind::Send:
      return SendAll(client, step.text.data(), step.text.size());
    case Step::Kind::Drip:
      for (const char c : step.text) {
        if (!SendAll(client, &c, 1)) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(step.count));
      }
      return true;
    case Step::Kind::Expect: {
      std::string line;
      const bool read = this->ReadUntil(client, "\r\n", line);
      std::lock_guard<std::mutex> guard(this->Lock);
      if (read) this->ReceivedLines.push_back(line.substr(0, line.size() - 2));
      if (read && line.compare(0, step.text.size(), step.text) == 0) return true;
      this->FirstMismatch = read ? line : "nothing instead of " + step.text;
      return false;
    }
    case Step::Kind::ReadData: {
      std::string data;
      if (!this->ReadUntil(client, "\r\n.\r\n", data)) return false;
      std::lock_guard<std::mutex> guard(this->Lock);
      this->ReceivedData.push_back(data);
      return true;
    }
    case Step::Kind::ReadBytes:
      while (this->Buffer.size() < step.count) {
        if (!this->Receive(client)) return false;
      }
      return true;
    case Step::Kind::ReadToEnd: {
      while (this->Receive(client)) {
      }
      std::lock_guard<std::mutex> guard(this->Lock);
      this->ReceivedData.push_back(this->Buffer);
      this->Buffer.clear();
      return true;
    }
    case Step::Kind::Close:
      close(client);
      return true;
    case Step::Kind::Wait:
      std::this_thread::sleep_for(std::chrono::milliseconds(step.count));
      return true;
  }
  return false;
}

// Reads until the buffer holds `terminator`, then moves everything up to and
// with it into `read`.
bool QlmScriptedSmtpServer::ReadUntil(int client, const std::string& terminator, std::string& read) {
  for (;;) {
    const size_t end = this->Buffer.find(terminator);
    if (end != std::string::npos) {
      read = this->Buffer.substr(0, end + terminator.size());
      this->Buffer.erase(0, end + terminator.size());
      return true;
    }
    if (!this->Receive(client)) return false;
  }
}

// Appends what the client sends next; false when it closed, failed or stayed silent too long.
bool QlmScriptedSmtpServer::Receive(int client) {
  for (int waited = 0; waited < IoTimeOutMs && !this->Stop; waited += PollStepMs) {
    pollfd wait{client, POLLIN, 0};
    if (poll(&wait, 1, PollStepMs) == 0) continue;
    char bytes[65536];
    const ssize_t received = recv(client, bytes, sizeof bytes, 0);
    if (received <= 0) return false;
    this->Buffer.append(bytes, static_cast<size_t>(received));
    return true;
  }
  return false;
}
