#pragma once
// Downloads one file over HTTP on a worker thread and stores it at a local path.
//
// Only a 2xx response replaces the local file, and only once its body is
// complete: the bytes go to a temporary file in the target's folder that is
// renamed over the target. Any failure leaves the earlier file as it was;
// nothing is reported.
//
//   CQlmWebFile* download = CQlmWebFile::New();
//   download->SetInputPathWeb(url);
//   download->SetOutputPathHD(path);
//   download->Download();   // returns at once
//   ...
//   download->Delete();     // stops a running transfer and waits for it
#include "platform/CString.h"

#include <atomic>
#include <thread>

class CQlmWebFile {
public:
  static CQlmWebFile* New();
  // Cancels a running worker, waits for it to end (within about 0.1 s), frees the
  // downloader. Delete(nullptr) does nothing.
  void Delete();
  static void Delete(CQlmWebFile* download);

  // Set both before Download; the worker reads them.
  void SetInputPathWeb(CString url) { this->PathWeb = std::move(url); }
  void SetOutputPathHD(CString path) { this->PathHD = std::move(path); }
  // Longest wait for the server's data in milliseconds; default 60000.
  void SetReceiveTimeOut(unsigned long milliseconds) { this->ReceiveTimeOut = milliseconds; }

  // Starts the worker and returns at once. Ignored while a worker still runs.
  void Download();
  // True from Download until the worker has ended.
  bool IsRunning() const { return this->Running.load(); }

  // Worker entry: `download` is the CQlmWebFile; returns MemberThreadProc's result.
  static unsigned int ThreadProc(void* download);
  // The worker: fetch, keep the body when the status is 2xx, store it; returns 0.
  unsigned int MemberThreadProc();

  CQlmWebFile(const CQlmWebFile&) = delete;
  CQlmWebFile& operator=(const CQlmWebFile&) = delete;

protected:
  CQlmWebFile() = default;
  ~CQlmWebFile();

  void StoreBody(const std::string& body) const;

  std::thread Thread;
  CString PathWeb;
  CString PathHD;
  unsigned long ReceiveTimeOut = 60000;
  std::atomic<bool> Running{false};
  std::atomic<bool> CancelRequested{false};
};
