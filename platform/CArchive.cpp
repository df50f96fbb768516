#include "platform/CArchive.h"

#include "platform/QlmCodePage1252.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <exception>

static_assert(std::endian::native == std::endian::little, "archive values are written raw: little-endian only");

CArchive::CArchive(CFile* file, Mode mode, size_t bufferSize)
  : File(file), ArchiveMode(mode), BufferSize(std::max<size_t>(bufferSize, 64)),
    // Not value-initialised: a large buffer costs only the pages it touches.
    Buffer(new uint8_t[BufferSize]) {}

CArchive::~CArchive() {
  if (this->Detached || this->IsLoading()) return;
  try {
    this->Flush();
  } catch (const std::exception&) {
    // Destructors must not throw; Close reports the failure.
  }
}

void CArchive::RequireLoading() const {
  if (this->Detached || !this->IsLoading()) throw CArchiveException(CArchiveException::writeOnly);
}

void CArchive::RequireStoring() const {
  if (this->Detached || !this->IsStoring()) throw CArchiveException(CArchiveException::readOnly);
}

void CArchive::Flush() {
  if (this->Detached || !this->IsStoring() || this->BufferEnd == 0) return;
  const size_t pending = this->BufferEnd;
  this->BufferEnd = 0;
  this->File->Write(this->Buffer.get(), pending);
}

void CArchive::Close() {
  if (this->Detached) return;
  if (this->IsStoring()) this->Flush();
  this->Detached = true;
}

void CArchive::Abort() { this->Detached = true; }

uint64_t CArchive::GetBytesLeft() const {
  this->RequireLoading();
  const uint64_t length = this->File->GetLength();
  const uint64_t position = this->File->GetPosition();
  return (this->BufferEnd - this->BufferStart) + (length > position ? length - position : 0);
}

void CArchive::FillBuffer() {
  const size_t kept = this->BufferEnd - this->BufferStart;
  if (kept && this->BufferStart) std::memmove(this->Buffer.get(), this->Buffer.get() + this->BufferStart, kept);
  this->BufferStart = 0;
  this->BufferEnd = kept;
  this->BufferEnd += this->File->Read(this->Buffer.get() + kept, this->BufferSize - kept);
}

size_t CArchive::Read(void* buffer, size_t count) {
  this->RequireLoading();
  auto* out = static_cast<uint8_t*>(buffer);
  size_t done = 0;
  while (done < count) {
    if (this->BufferStart == this->BufferEnd) {
      // Large reads bypass the buffer once it is drained.
      if (count - done >= this->BufferSize) {
        done += this->File->Read(out + done, count - done);
        break;
      }
      this->FillBuffer();
      if (this->BufferStart == this->BufferEnd) break;
    }
    const size_t n = std::min(count - done, this->BufferEnd - this->BufferStart);
    std::memcpy(out + done, this->Buffer.get() + this->BufferStart, n);
    this->BufferStart += n;
    done += n;
  }
  return done;
}

void CArchive::ReadExact(void* buffer, size_t count) {
  if (this->Read(buffer, count) != count) throw CArchiveException(CArchiveException::endOfFile);
}

void CArchive::Write(const void* buffer, size_t count) {
  this->RequireStoring();
  if (count == 0) return;  // `buffer` may then be null
  const auto* in = static_cast<const uint8_t*>(buffer);
  if (this->BufferEnd + count > this->BufferSize) {
    this->Flush();
    if (count >= this->BufferSize) {
      this->File->Write(in, count);
      return;
    }
  }
  std::memcpy(this->Buffer.get() + this->BufferEnd, in, count);
  this->BufferEnd += count;
}

void CArchive::WriteByteBlock(const void* data, int32_t count) {
  if (count < 0) throw CArchiveException(CArchiveException::badIndex, "negative block size");
  *this << count;
  this->Write(data, static_cast<size_t>(count));
}

std::vector<uint8_t> CArchive::ReadByteBlock() {
  int32_t count = 0;
  *this >> count;
  if (count < 0) throw CArchiveException(CArchiveException::badIndex, "negative block size");
  if (static_cast<uint64_t>(count) > this->GetBytesLeft())
    throw CArchiveException(CArchiveException::endOfFile, "block longer than the data left");
  std::vector<uint8_t> bytes(static_cast<size_t>(count));
  this->ReadExact(bytes.data(), bytes.size());
  return bytes;
}

int32_t CArchive::ReadCount(size_t minimumRecordSize) {
  int32_t count = 0;
  *this >> count;
  if (count < 0) throw CArchiveException(CArchiveException::badIndex, "negative count");
  if (static_cast<uint64_t>(count) * minimumRecordSize > this->GetBytesLeft())
    throw CArchiveException(CArchiveException::endOfFile, "count larger than the data left");
  return count;
}

void CArchive::WriteStringLength(uint32_t length) {
  if (length < 0xFF) {
    *this << static_cast<uint8_t>(length);
  } else if (length < 0xFFFE) {
    *this << static_cast<uint8_t>(0xFF) << static_cast<uint16_t>(length);
  } else {
    *this << static_cast<uint8_t>(0xFF) << static_cast<uint16_t>(0xFFFF) << length;
  }
}

uint32_t CArchive::ReadStringLength(bool& wide) {
  wide = false;
  uint8_t byteLength = 0;
  *this >> byteLength;
  if (byteLength < 0xFF) return byteLength;
  uint16_t wordLength = 0;
  *this >> wordLength;
  if (wordLength == 0xFFFE) {
    wide = true;
    *this >> byteLength;
    if (byteLength < 0xFF) return byteLength;
    *this >> wordLength;
  }
  if (wordLength < 0xFFFF) return wordLength;
  uint32_t length = 0;
  *this >> length;
  return length;
}

CArchive& CArchive::operator<<(const CString& text) {
  const std::string bytes = QlmCodePage1252::FromUtf8(text.Str());
  if (bytes.size() >= 0xFFFFFFFFu) throw CArchiveException(CArchiveException::badIndex, "string too long");
  this->WriteStringLength(static_cast<uint32_t>(bytes.size()));
  this->Write(bytes.data(), bytes.size());
  return *this;
}

CArchive& CArchive::operator>>(CString& text) {
  bool wide = false;
  const uint32_t length = this->ReadStringLength(wide);
  const uint64_t byteCount = static_cast<uint64_t>(length) * (wide ? 2 : 1);
  if (byteCount > this->GetBytesLeft())
    throw CArchiveException(CArchiveException::endOfFile, "string longer than the data left");
  std::string bytes(static_cast<size_t>(byteCount), '\0');
  this->ReadExact(bytes.data(), bytes.size());
  if (wide) {
    std::string narrow(length, '\0');
    for (uint32_t i = 0; i < length; ++i) {
      const auto unit = static_cast<char16_t>(static_cast<uint8_t>(bytes[2 * i]) |
                                              (static_cast<uint8_t>(bytes[2 * i + 1]) << 8));
      narrow[i] = QlmCodePage1252::FromUtf16(unit);
    }
    bytes.swap(narrow);
  }
  text = CString(QlmCodePage1252::ToUtf8(bytes));
  return *this;
}
