#include "platform/CFile.h"

#include "platform/QlmPath.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

CFile::CFile(const std::string& path, unsigned flags) {
  CFileException error(CFileException::none, 0, path);
  if (!this->Open(path, flags, &error)) throw error;
}

CFile::~CFile() { this->Abort(); }

bool CFile::Open(const std::string& path, unsigned flags, CFileException* error) {
  this->Abort();
  int mode = O_RDONLY;
  if (flags & modeReadWrite) mode = O_RDWR;
  else if (flags & modeWrite) mode = O_WRONLY;
  if (flags & modeCreate) mode |= O_CREAT | ((flags & modeNoTruncate) ? 0 : O_TRUNC);
  const std::string native = QlmPath::ToNative(path);
  const int fd = ::open(native.c_str(), mode | O_CLOEXEC, 0666);
  if (fd < 0) {
    if (error) *error = CFileException(CFileException::CauseFromErrno(errno), errno, path);
    return false;
  }
  struct stat info {};
  if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
    ::close(fd);
    if (error) *error = CFileException(CFileException::accessDenied, EISDIR, path);
    return false;
  }
  this->Descriptor = fd;
  this->FilePath = native;
  return true;
}

size_t CFile::Read(void* buffer, size_t count) {
  auto* out = static_cast<char*>(buffer);
  size_t done = 0;
  while (done < count) {
    const ssize_t n = ::read(this->Descriptor, out + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) this->ThrowErrno(errno);
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return done;
}

void CFile::Write(const void* buffer, size_t count) {
  const auto* in = static_cast<const char*>(buffer);
  size_t done = 0;
  while (done < count) {
    const ssize_t n = ::write(this->Descriptor, in + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) this->ThrowErrno(errno);
    done += static_cast<size_t>(n);
  }
}

uint64_t CFile::Seek(int64_t offset, SeekPosition from) {
  const int whence = from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END;
  const off_t at = ::lseek(this->Descriptor, offset, whence);
  if (at < 0) this->ThrowErrno(errno);
  return static_cast<uint64_t>(at);
}

uint64_t CFile::GetPosition() const {
  const off_t at = ::lseek(this->Descriptor, 0, SEEK_CUR);
  if (at < 0) this->ThrowErrno(errno);
  return static_cast<uint64_t>(at);
}

uint64_t CFile::GetLength() const {
  struct stat info {};
  if (::fstat(this->Descriptor, &info) != 0) this->ThrowErrno(errno);
  return static_cast<uint64_t>(info.st_size);
}

void CFile::Flush() {
  if (this->Descriptor >= 0 && ::fsync(this->Descriptor) != 0 && errno != EINVAL) this->ThrowErrno(errno);
}

void CFile::Close() {
  if (this->Descriptor < 0) return;
  const int fd = this->Descriptor;
  this->Descriptor = -1;
  if (::close(fd) != 0 && errno != EINTR) this->ThrowErrno(errno);
}

void CFile::Abort() {
  if (this->Descriptor >= 0) ::close(this->Descriptor);
  this->Descriptor = -1;
}

std::string CFile::GetFileName() const { return QlmPath::FileName(this->FilePath); }
std::string CFile::GetFileTitle() const { return QlmPath::FileTitle(this->FilePath); }

void CFile::Rename(const std::string& from, const std::string& to) {
  if (std::rename(QlmPath::ToNative(from).c_str(), QlmPath::ToNative(to).c_str()) != 0)
    throw CFileException(CFileException::CauseFromErrno(errno), errno, from);
}

void CFile::Remove(const std::string& path) {
  if (std::remove(QlmPath::ToNative(path).c_str()) != 0)
    throw CFileException(CFileException::CauseFromErrno(errno), errno, path);
}

void CFile::ThrowErrno(int error) const {
  throw CFileException(CFileException::CauseFromErrno(error), error, this->FilePath);
}
