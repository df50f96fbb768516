#include "platform/CAtomicFile.h"

#include "platform/QlmPath.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Mode for the new file: the target's when it exists, else 0666 less the umask.
mode_t ModeFor(const std::string& target) {
  struct stat info {};
  if (::stat(target.c_str(), &info) == 0) return info.st_mode & 07777;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

CAtomicFile::~CAtomicFile() { this->Discard(); }

bool CAtomicFile::Open(const std::string& targetPath, unsigned, CFileException* error) {
  this->Discard();
  const std::string target = QlmPath::ToNative(targetPath);
  const std::string folder = QlmPath::Directory(target);
  std::string temp = (folder.empty() ? std::string() : folder + "/") + "." + QlmPath::FileName(target) + ".XXXXXX";
  const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
  if (fd < 0) {
    if (error) *error = CFileException(CFileException::CauseFromErrno(errno), errno, targetPath);
    return false;
  }
  ::fchmod(fd, ModeFor(target));
  this->Descriptor = fd;
  this->FilePath = temp;
  this->TargetPath = target;
  return true;
}

void CAtomicFile::Commit() {
  try {
    this->Flush();
    this->Close();
    CFile::Rename(this->FilePath, this->TargetPath);
  } catch (const CFileException&) {
    this->Discard();
    throw;
  }
  SyncFolder(QlmPath::Directory(this->TargetPath));
  this->FilePath.clear();
}

void CAtomicFile::Discard() {
  this->Abort();
  if (!this->FilePath.empty()) ::unlink(this->FilePath.c_str());
  this->FilePath.clear();
}
