#include "libconvert/CQlmWebFile.h"

#include "libconvert/CWebGrab.h"
#include "platform/CAtomicFile.h"

#include <new>
#include <string>
#include <system_error>

CQlmWebFile* CQlmWebFile::New()
{
  return new (std::nothrow) CQlmWebFile;
}

void CQlmWebFile::Delete()
{
  delete this;
}

void CQlmWebFile::Delete(CQlmWebFile* download)
{
  delete download;
}

CQlmWebFile::~CQlmWebFile()
{
  this->CancelRequested = true;
  if (this->Thread.joinable()) {
    this->Thread.join();
  }
}

void CQlmWebFile::Download()
{
  if (this->Running) {
    return;
  }
  if (this->Thread.joinable()) {
    this->Thread.join();
  }
  this->CancelRequested = false;
  this->Running = true;
  try {
    this->Thread = std::thread(&CQlmWebFile::ThreadProc, this);
  } catch (const std::system_error&) {
    this->Running = false;
  }
}

unsigned int CQlmWebFile::ThreadProc(void* download)
{
  return static_cast<CQlmWebFile*>(download)->MemberThreadProc();
}

unsigned int CQlmWebFile::MemberThreadProc()
{
  try {
    CWebGrab grab;
    grab.SetReceiveTimeOut(this->ReceiveTimeOut);
    grab.SetCancelFlag(&this->CancelRequested);
    std::string body;
    const bool fetched = grab.FetchToString(this->PathWeb, body) != 0;
    // An error page must not replace a good file.
    if (fetched && grab.GetHttpStatus() / 100 == 2 && !this->CancelRequested) {
      this->StoreBody(body);
    }
  } catch (const std::exception&) {
    // Nothing is reported: the earlier file stays in use.
  }
  this->Running = false;
  return 0;
}

void CQlmWebFile::StoreBody(const std::string& body) const
{
  CAtomicFile file;
  if (!file.Open(this->PathHD.Str())) {
    return;
  }
  file.Write(body.data(), body.size());
  if (!this->CancelRequested) {
    file.Commit();
  }
}
