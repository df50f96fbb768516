#pragma once
// A loopback server that plays a fixed script to one client, for replies a
// real mail server does not give: silence, replies dripped byte by byte or
// ended by a bare LF, malformed replies, a connection closed during DATA.
// It listens on 127.0.0.1 at a free port from construction on and records
// every line the client sends.
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class QlmScriptedSmtpServer {
public:
  struct Step {
    enum class Kind { Send, Drip, Expect, ReadData, ReadBytes, ReadToEnd, Close, Wait } kind;
    std::string text;
    size_t count = 0;
  };
  // Sends the bytes at once.
  static Step Send(std::string bytes) { return {Step::Kind::Send, std::move(bytes)}; }
  // Sends the bytes one at a time, `milliseconds` apart.
  static Step Drip(std::string bytes, size_t milliseconds) {
    return {Step::Kind::Drip, std::move(bytes), milliseconds};
  }
  // Reads one line; the script stops (and Mismatch() tells) when it does not start with `prefix`.
  static Step Expect(std::string prefix) { return {Step::Kind::Expect, std::move(prefix)}; }
  // Reads the DATA stream up to and with its final ".\r\n" line.
  static Step ReadData() { return {Step::Kind::ReadData, {}}; }
  // Reads at least `count` bytes of whatever comes.
  static Step ReadBytes(size_t count) { return {Step::Kind::ReadBytes, {}, count}; }
  // Reads until the client closes the connection; the bytes count as a DATA stream.
  static Step ReadToEnd() { return {Step::Kind::ReadToEnd, {}}; }
  static Step Close() { return {Step::Kind::Close, {}}; }
  static Step Wait(size_t milliseconds) { return {Step::Kind::Wait, {}, milliseconds}; }

  explicit QlmScriptedSmtpServer(std::vector<Step> script);
  ~QlmScriptedSmtpServer();
  QlmScriptedSmtpServer(const QlmScriptedSmtpServer&) = delete;
  QlmScriptedSmtpServer& operator=(const QlmScriptedSmtpServer&) = delete;

  int Port() const { return this->ListenPort; }
  // Waits (at most 20 s) until the script has run to its end or stopped.
  void WaitUntilDone();

  // The lines the client sent (without line ends), the DATA streams read and
  // the first unexpected line ("" when none).
  std::vector<std::string> Lines() const;
  std::vector<std::string> DataStreams() const;
  std::string Mismatch() const;

private:
  void Run(std::vector<Step> script);
  bool RunStep(int client, const Step& step);
  bool ReadUntil(int client, const std::string& terminator, std::string& read);
  bool Receive(int client);

  int Listener = -1;
  int ListenPort = 0;
  std::atomic<bool> Stop{false};
  std::atomic<bool> Done{false};
  mutable std::mutex Lock;
  std::string Buffer;
  std::vector<std::string> ReceivedLines;
  std::vector<std::string> ReceivedData;
  std::string FirstMismatch;
  std::thread Worker;
};
