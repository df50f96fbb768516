#include "libconvert/CWebGrab.h"

#include "libconvert/CWebGrabSession.h"

#include <chrono>
#include <cmath>

CWebGrab::CWebGrab() = default;

CWebGrab::~CWebGrab() = default;

bool CWebGrab::OpenSession(const char* agent)
{
  this->Session.reset();
  this->HttpStatus = 0;
  auto session = std::make_unique<CWebGrabSession>(agent);
  if (!session->IsOpen()) {
    return false;
  }
  session->SetReceiveTimeOut(this->ReceiveTimeOut);
  session->SetCancelFlag(this->Cancel);
  this->Session = std::move(session);
  return true;
}

int CWebGrab::FetchToString(const CString& url, std::string& content, const char* agent)
{
  this->ResponseHeaders.Empty();
  this->ErrorText.Empty();
  content.clear();
  this->HttpStatus = 0;
  if (!this->Session && !this->OpenSession(agent)) {
    return 0;
  }
  const auto start = std::chrono::steady_clock::now();
  const bool received = this->Session->Get(url, [&](const char* bytes, size_t count) {
    content.append(bytes, count);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    this->ShowProgress(content.size(), elapsed.count());
  });
  if (!received) {
    this->ErrorText = this->Session->GetErrorText().Left(255);
    this->Session->ShowStatus("%s", this->ErrorText.c_str());
    content.clear();
    return 0;
  }
  this->HttpStatus = static_cast<unsigned long>(this->Session->GetHttpStatus());
  this->ResponseHeaders = this->Session->GetResponseHeaders();
  this->Session->ShowStatus("%s", "");
  return 1;
}

void CWebGrab::ShowProgress(size_t bytesRead, double seconds)
{
  const double wholeSeconds = std::round(seconds);
  if (wholeSeconds > 0) {
    this->TransferRate = static_cast<double>(bytesRead) / 1024.0 / wholeSeconds;
    this->Session->ShowStatus("Read %d bytes (%0.1f Kb/s)", static_cast<int>(bytesRead), this->TransferRate);
  } else {
    this->Session->ShowStatus("Read %d bytes", static_cast<int>(bytesRead));
  }
}
