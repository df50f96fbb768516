#pragma once
// Fetches the body of a URL into memory through a CWebGrabSession, keeping the
// HTTP status, the raw response headers, the transfer rate and the error text.
#include "platform/CObject.h"
#include "platform/CString.h"

#include <atomic>
#include <memory>
#include <string>

class CWebGrabSession;

class CWebGrab : public CObject {
public:
  CWebGrab();
  ~CWebGrab() override;

  // Longest wait for data in milliseconds, given to the next session; 0 = 60000.
  void SetReceiveTimeOut(unsigned long milliseconds) { this->ReceiveTimeOut = milliseconds; }
  // Polled during a fetch; once true the fetch stops and fails.
  void SetCancelFlag(const std::atomic<bool>* cancel) { this->Cancel = cancel; }

  // Replaces the session by a new one; false when it could not be made.
  bool OpenSession(const char* agent = nullptr);

  // Reads the whole body of `url` into `content` (binary, in pieces of at most
  // 4095 bytes). Returns 1 when a complete response arrived, whatever its HTTP
  // status (see GetHttpStatus); 0 when the session, connection or transfer failed.
  int FetchToString(const CString& url, std::string& content, const char* agent = nullptr);

  unsigned long GetHttpStatus() const { return this->HttpStatus; }
  const CString& GetResponseHeaders() const { return this->ResponseHeaders; }
  const CString& GetErrorText() const { return this->ErrorText; }
  // KB/s of the last piece once a whole second has passed; 0 before.
  double GetTransferRate() const { return this->TransferRate; }
  // Null before the first fetch.
  CWebGrabSession* GetSession() const { return this->Session.get(); }

private:
  void ShowProgress(size_t bytesRead, double seconds);

  std::unique_ptr<CWebGrabSession> Session;
  unsigned long ReceiveTimeOut = 0;
  double TransferRate = 0.0;
  unsigned long HttpStatus = 0;
  CString ErrorText;
  CString ResponseHeaders;
  const std::atomic<bool>* Cancel = nullptr;
};
