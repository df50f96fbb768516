#pragma once
// Serialisation archive over a CFile: raw little-endian values one after the
// other, no tags or padding. Strings use the classic length prefix (a byte
// below 255; else 0xFF + uint16 below 0xFFFE; else 0xFF, 0xFFFF + uint32)
// followed by Windows-1252 bytes; in memory they are UTF-8. Loading also
// accepts the wide form (0xFF 0xFFFE, a length, UTF-16LE characters).
//
// A read past the end raises CArchiveException::endOfFile; a length read
// from the data that exceeds the bytes left raises it too, before allocating.
#include "platform/CArchiveException.h"
#include "platform/CFile.h"
#include "platform/CString.h"

#include <cstdint>
#include <memory>
#include <vector>

class CArchive {
public:
  enum Mode { store = 0, load = 1 };
  static constexpr size_t DefaultBufferSize = 4096000;

  CArchive(CFile* file, Mode mode, size_t bufferSize = DefaultBufferSize);
  // A storing archive not closed writes its buffer out here (errors are lost:
  // call Close to see them).
  ~CArchive();
  CArchive(const CArchive&) = delete;
  CArchive& operator=(const CArchive&) = delete;

  bool IsLoading() const { return this->ArchiveMode == load; }
  bool IsStoring() const { return this->ArchiveMode == store; }
  CFile* GetFile() const { return this->File; }

  // Storing: writes the buffer to the file. The file stays open.
  void Flush();
  void Close();
  // Detaches without writing anything more.
  void Abort();

  // Bytes that remain to be read (loading).
  uint64_t GetBytesLeft() const;

  // Reads up to `count` bytes; fewer only at the end of the data.
  size_t Read(void* buffer, size_t count);
  // Reads exactly `count` bytes or raises endOfFile.
  void ReadExact(void* buffer, size_t count);
  void Write(const void* buffer, size_t count);

  // Byte block: int32 count, then the bytes. Reading refuses a negative count
  // or one beyond the bytes left.
  void WriteByteBlock(const void* data, int32_t count);
  std::vector<uint8_t> ReadByteBlock();
  // Reads an int32 count of records and checks it is not negative and that
  // `count * minimumRecordSize` bytes remain (raises endOfFile otherwise).
  int32_t ReadCount(size_t minimumRecordSize);

  CArchive& operator<<(int8_t v) { return this->Put(v); }
  CArchive& operator<<(uint8_t v) { return this->Put(v); }
  CArchive& operator<<(char v) { return this->Put(v); }
  CArchive& operator<<(int16_t v) { return this->Put(v); }
  CArchive& operator<<(uint16_t v) { return this->Put(v); }
  CArchive& operator<<(int32_t v) { return this->Put(v); }
  CArchive& operator<<(uint32_t v) { return this->Put(v); }
  CArchive& operator<<(int64_t v) { return this->Put(v); }
  CArchive& operator<<(uint64_t v) { return this->Put(v); }
  CArchive& operator<<(float v) { return this->Put(v); }
  CArchive& operator<<(double v) { return this->Put(v); }
  CArchive& operator<<(const CString& text);

  CArchive& operator>>(int8_t& v) { return this->Get(v); }
  CArchive& operator>>(uint8_t& v) { return this->Get(v); }
  CArchive& operator>>(char& v) { return this->Get(v); }
  CArchive& operator>>(int16_t& v) { return this->Get(v); }
  CArchive& operator>>(uint16_t& v) { return this->Get(v); }
  CArchive& operator>>(int32_t& v) { return this->Get(v); }
  CArchive& operator>>(uint32_t& v) { return this->Get(v); }
  CArchive& operator>>(int64_t& v) { return this->Get(v); }
  CArchive& operator>>(uint64_t& v) { return this->Get(v); }
  CArchive& operator>>(float& v) { return this->Get(v); }
  CArchive& operator>>(double& v) { return this->Get(v); }
  CArchive& operator>>(CString& text);

private:
  // x86-64 and every target we build for are little-endian: values go raw.
  template <typename T>
  CArchive& Put(T value) { this->Write(&value, sizeof value); return *this; }
  template <typename T>
  CArchive& Get(T& value) { this->ReadExact(&value, sizeof value); return *this; }

  void RequireLoading() const;
  void RequireStoring() const;
  void WriteStringLength(uint32_t length);
  // Returns the character count; sets `wide` for the UTF-16 form.
  uint32_t ReadStringLength(bool& wide);
  void FillBuffer();

  CFile* File;
  Mode ArchiveMode;
  size_t BufferSize;
  std::unique_ptr<uint8_t[]> Buffer;
  size_t BufferStart = 0;  // next byte to read (loading)
  size_t BufferEnd = 0;    // end of valid bytes (loading) or of pending bytes (storing)
  bool Detached = false;
};

static_assert(sizeof(float) == 4 && sizeof(double) == 8, "archive layout needs IEEE 754 float and double");
