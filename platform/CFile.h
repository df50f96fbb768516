#pragma once
// A binary file over a POSIX descriptor. Paths may use '\' or '/'.
// Errors raise CFileException; Open reports them through its return value.
#include "platform/CFileException.h"

#include <cstddef>
#include <cstdint>
#include <string>

class CFile {
public:
  enum OpenFlags : unsigned {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoTruncate = 0x00100,
    modeCreate = 0x01000,
    typeBinary = 0x08000,
  };
  enum SeekPosition { begin = 0, current = 1, end = 2 };

  CFile() = default;
  CFile(const std::string& path, unsigned flags);  // throws CFileException
  virtual ~CFile();
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // Returns false (and fills `error` when given) when the file cannot be opened.
  virtual bool Open(const std::string& path, unsigned flags, CFileException* error = nullptr);
  // Bytes read: fewer than asked only at the end of the file.
  virtual size_t Read(void* buffer, size_t count);
  virtual void Write(const void* buffer, size_t count);
  virtual uint64_t Seek(int64_t offset, SeekPosition from);
  void SeekToBegin() { this->Seek(0, begin); }
  uint64_t SeekToEnd() { return this->Seek(0, end); }
  virtual uint64_t GetPosition() const;
  virtual uint64_t GetLength() const;
  // Pushes the written bytes to the disk (fsync).
  virtual void Flush();
  virtual void Close();
  // Closes without raising anything.
  virtual void Abort();
  virtual bool IsOpen() const { return this->Descriptor >= 0; }

  const std::string& GetFilePath() const { return this->FilePath; }
  std::string GetFileName() const;
  std::string GetFileTitle() const;

  static void Rename(const std::string& from, const std::string& to);
  static void Remove(const std::string& path);

protected:
  [[noreturn]] void ThrowErrno(int error) const;

  int Descriptor = -1;
  std::string FilePath;
};
