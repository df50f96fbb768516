#include "ct/CQlmDCMHeadStruct.h"

#include <string>

#include "platform/CArchive.h"

namespace {

template <typename T>
void Exchange(CArchive& archive, T& value) {
  if (archive.IsStoring()) {
    archive << value;
  } else {
    archive >> value;
  }
}

template <typename T, size_t N>
void ExchangeRange(CArchive& archive, std::array<T, N>& values, size_t first, size_t count) {
  for (size_t i = first; i < first + count; ++i) {
    Exchange(archive, values[i]);
  }
}

void ExchangeByteBlockLength(CArchive& archive, int32_t& length) {
  if (archive.IsStoring()) {
    const std::string stars(static_cast<size_t>(length > 0 ? length : 0), '*');
    archive.WriteByteBlock(stars.data(), length);
  } else {
    length = static_cast<int32_t>(archive.ReadByteBlock().size());
  }
}

}  // namespace

void CQlmDCMHeadStruct::Serialize(CArchive& archive) {
  ExchangeRange(archive, this->ExamIntegers, 0, 6);
  ExchangeRange(archive, this->ExamFloats, 0, 12);
  ExchangeRange(archive, this->ExamIntegers, 6, 2);
  Exchange(archive, this->ExamFloats[12]);
  ExchangeRange(archive, this->ExamIntegers, 8, 2);
  Exchange(archive, this->ExamTexts[0]);
  Exchange(archive, this->PatientName);
  Exchange(archive, this->ExamTexts[1]);
  Exchange(archive, this->ExamTexts[2]);
  Exchange(archive, this->ClinicName);
  Exchange(archive, this->ExamTexts[3]);
  Exchange(archive, this->ExamFloats[13]);
  ExchangeByteBlockLength(archive, this->ByteBlockLength);
  ExchangeRange(archive, this->ExamIntegers, 10, 22);
}
