#include "platform/CMemFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

CMemFile::CMemFile(const void* data, size_t size)
  : Bytes(static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size) {}

bool CMemFile::Open(const std::string& path, unsigned, CFileException* error) {
  if (error) *error = CFileException(CFileException::genericException, EINVAL, path);
  return false;
}

size_t CMemFile::Read(void* buffer, size_t count) {
  const size_t left = this->Position < this->Bytes.size() ? this->Bytes.size() - this->Position : 0;
  const size_t n = std::min(count, left);
  if (n) std::memcpy(buffer, this->Bytes.data() + this->Position, n);
  this->Position += n;
  return n;
}

void CMemFile::Write(const void* buffer, size_t count) {
  if (this->Position + count > this->Bytes.size()) this->Bytes.resize(this->Position + count);
  if (count) std::memcpy(this->Bytes.data() + this->Position, buffer, count);
  this->Position += count;
}

uint64_t CMemFile::Seek(int64_t offset, SeekPosition from) {
  const int64_t base = from == begin ? 0 : from == current ? static_cast<int64_t>(this->Position)
                                                           : static_cast<int64_t>(this->Bytes.size());
  if (base + offset < 0) throw CFileException(CFileException::badSeek, EINVAL, "memory");
  this->Position = static_cast<size_t>(base + offset);
  return this->Position;
}
