#pragma once
// A CFile over a growable memory buffer: archives into and out of memory.
#include "platform/CFile.h"

#include <cstdint>
#include <vector>

class CMemFile : public CFile {
public:
  CMemFile() = default;
  // A file holding a copy of these bytes, positioned at the start.
  CMemFile(const void* data, size_t size);
  explicit CMemFile(std::vector<uint8_t> bytes) : Bytes(std::move(bytes)) {}

  bool Open(const std::string& path, unsigned flags, CFileException* error = nullptr) override;
  size_t Read(void* buffer, size_t count) override;
  void Write(const void* buffer, size_t count) override;
  uint64_t Seek(int64_t offset, SeekPosition from) override;
  uint64_t GetPosition() const override { return this->Position; }
  uint64_t GetLength() const override { return this->Bytes.size(); }
  void Flush() override {}
  void Close() override {}
  void Abort() override {}
  bool IsOpen() const override { return true; }

  const std::vector<uint8_t>& Data() const { return this->Bytes; }

private:
  std::vector<uint8_t> Bytes;
  size_t Position = 0;
};
