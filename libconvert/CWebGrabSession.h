#pragma once
// One HTTP session of the web download, on libcurl: binary GET of a URL with
// redirects, a connect time-out, a receive time-out (longest wait for data) and
// cooperative cancellation, plus the status texts of the transfer's stages.
#include "platform/CString.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>

class CWebGrabSession {
public:
  // Transfer stages, numbered as the status texts know them.
  enum Status : unsigned long {
    ResolvingName = 10,
    NameResolved = 11,
    ConnectingToServer = 20,
    ConnectedToServer = 21,
    SendingRequest = 30,
    RequestSent = 31,
    ReceivingResponse = 40,
    ResponseReceived = 41,
    ClosingConnection = 50,
    ConnectionClosed = 51,
    HandleCreated = 60,
    HandleClosing = 70,
    RequestComplete = 100,
  };

  // Receives each piece of the body as it arrives (at most 4095 bytes).
  using PieceHandler = std::function<void(const char* bytes, size_t count)>;

  explicit CWebGrabSession(const char* agent = nullptr);
  ~CWebGrabSession();
  CWebGrabSession(const CWebGrabSession&) = delete;
  CWebGrabSession& operator=(const CWebGrabSession&) = delete;

  // False when libcurl could not make its handles.
  bool IsOpen() const { return this->Easy && this->Multi; }

  // Longest wait for the server (after the connection) in milliseconds; 0 = 60000.
  void SetReceiveTimeOut(unsigned long milliseconds) { this->ReceiveTimeOut = milliseconds; }
  // Polled while waiting: once true the transfer stops and fails.
  void SetCancelFlag(const std::atomic<bool>* cancel) { this->Cancel = cancel; }

  // GETs the URL and hands over the body piece by piece. True when the response
  // arrived whole, whatever its HTTP status; false with GetErrorText() otherwise.
  bool Get(const CString& url, const PieceHandler& onPiece);

  long GetHttpStatus() const { return this->HttpStatus; }
  // The raw header lines of the last response (after any redirect).
  const CString& GetResponseHeaders() const { return this->ResponseHeaders; }
  const CString& GetErrorText() const { return this->ErrorText; }

  // Formats a status text (at most 511 characters) and keeps it.
  void ShowStatus(const char* format, ...) __attribute__((format(printf, 2, 3)));
  const CString& GetStatusText() const { return this->StatusText; }

  // Turns a transfer stage into its status text; `information` is the host or
  // address for 10 and 11, two 32-bit words (result, error) for 100.
  void OnStatusCallback(unsigned long context, unsigned long status, const void* information,
                        unsigned long informationLength);

private:
  // The libcurl callbacks, defined next to the transfer.
  friend struct CWebGrabSessionCallbacks;

  bool RunTransfer();
  bool ReceiveTimedOut() const;

  void* Easy = nullptr;
  void* Multi = nullptr;
  unsigned long ReceiveTimeOut = 0;
  const std::atomic<bool>* Cancel = nullptr;
  const PieceHandler* OnPiece = nullptr;
  std::chrono::steady_clock::time_point LastActivity;
  bool Connected = false;
  long HttpStatus = 0;
  CString ResponseHeaders;
  CString ErrorText;
  CString StatusText;
  char CurlError[256] = {};
};
