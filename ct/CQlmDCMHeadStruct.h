#pragma once
// One exam header record of the oldest project files. Only the patient and clinic
// names mean something to the program; every other value is read, kept and written
// back unchanged.
//
// Stored items, in order (int32 and float little-endian, strings in the archive's
// form): integers 1-6, floats 1-12, integers 7-8, float 13, integers 9-10, text 1,
// PatientName, texts 2-3, ClinicName, text 4, float 14, a byte block of which only
// its length is kept (written back as that many '*'), integers 11-32.
#include <array>
#include <cstdint>

#include "platform/CObject.h"
#include "platform/CString.h"

class CQlmDCMHeadStruct : public CObject {
public:
  // Smallest stored record: numbers, block length and six empty strings.
  static constexpr size_t MinimumStoredSize = 32 * 4 + 14 * 4 + 4 + 6;

  static CQlmDCMHeadStruct* CreateObject() { return new CQlmDCMHeadStruct; }

  // Reads or writes the record. Reading raises CArchiveException at the end of the
  // data or for a byte block longer than the data left; writing, for a negative block length.
  void Serialize(CArchive& archive) override;

  std::array<int32_t, 32> ExamIntegers{};
  std::array<float, 14> ExamFloats{};
  std::array<CString, 4> ExamTexts;
  CString PatientName;
  CString ClinicName;
  int32_t ByteBlockLength = 0;
};
