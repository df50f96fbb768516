#pragma once
// A record carried with a CT volume in project files: read, kept and written
// back unchanged, never interpreted.
//
// In a file a list of records stores every fixed part first (StoreHead) and
// then every byte block (StoreData), in list order.
#include <vtkNew.h>
#include <vtkUnsignedCharArray.h>

#include <cstddef>
#include <cstdint>

#include "platform/CString.h"

class CArchive;

class CQlmVolumeAttachment {
public:
  // Smallest fixed part: lead, code, values and an empty text.
  static constexpr size_t MinimumHeadSize = 1 + 16 + 16 * 4 + 1;

  // Text empty, Data an empty array; the other fields are filled by a reader.
  CQlmVolumeAttachment() = default;
  ~CQlmVolumeAttachment() = default;
  CQlmVolumeAttachment(const CQlmVolumeAttachment&) = delete;
  CQlmVolumeAttachment& operator=(const CQlmVolumeAttachment&) = delete;

  // Lead, Code, Values, Text.
  void StoreHead(CArchive& archive) const;
  void LoadHead(CArchive& archive);
  // int32 DataSize, then the bytes of Data. Loading refuses a negative size or
  // one beyond the bytes left (CArchiveException) before it allocates.
  void StoreData(CArchive& archive) const;
  void LoadData(CArchive& archive);

  uint8_t Lead = 0;
  uint8_t Code[16] = {};
  int32_t Values[16] = {};
  CString Text;
  int32_t DataSize = 0;
  vtkNew<vtkUnsignedCharArray> Data;
};
