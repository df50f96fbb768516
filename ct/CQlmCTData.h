#pragma once
// The CT volume of a project: a one-component 16-bit vtkImageData with its exam header
// records, and the record form in which the oldest project files store it.
//
// Record (Serialize): the header record, the header list, int32 FormatCode, then
// - FormatCode 12: "CQlmCTData_Ini", int32 components, int32 dimensions x y z, float
//   spacing x y z, float origin x y z, int32 scalar type, "CQlmCTData_Raw_Init", the
//   slice block (int32 byte count N, then N bytes of CQlmSliceStreamCodec streams),
//   "CQlmCTData_Raw_End", "CQlmCTData_End";
// - any other code, the component count: dimensions, spacing, origin, scalar type,
//   then the raw int16 voxels, x fastest, slice 0 first.
// SerializeVolume is the same record without the header records and without the
// opening marker, with the component count always stored after the code.
//
// Reading checks everything before it allocates: a geometry other than one 16-bit
// component within CQlmVolumeGeometry's bounds, a block or voxel data longer than the
// archive holds, or a stream that is not a slice of the stored size raises
// CArchiveException (endOfFile when the data is too short, else badIndex); the image
// is then left empty.
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkUnsignedCharArray.h>

#include <memory>

#include "ct/CQlmDCMHeadStruct.h"
#include "ct/CQlmDCMHeadStructList.h"
#include "platform/CObject.h"

class CQlmObserver;
class CQlmVolumeGeometry;

class CQlmCTData : public CObject {
public:
  // FormatCode of a record whose slices are compressed.
  static constexpr int CompressedFormat = 12;

  static CQlmCTData* CreateObject() { return new CQlmCTData; }

  CQlmCTData();
  ~CQlmCTData() override;

  // Spacing x dimension per axis, in millimetres (single precision).
  float* GetPhysicalSize();

  // The full record. After reading code 12 the block read stays in CompressedSlices
  // and HasCompressedSlices is 1, so writing the record again writes the same bytes;
  // otherwise writing compresses the image anew (code 12) or writes the raw voxels.
  void Serialize(CArchive& archive) override;
  // The record without header records and opening marker. Reading keeps
  // HasCompressedSlices, except that raw voxels clear it (the kept block no longer
  // matches the image).
  void SerializeVolume(CArchive& archive);

  void SetFormatCode(int formatCode) { this->FormatCode = formatCode; }

  std::unique_ptr<CQlmDCMHeadStruct> HeadStruct;
  std::unique_ptr<CQlmDCMHeadStructList> HeadStructList;
  vtkNew<vtkUnsignedCharArray> CompressedSlices;
  vtkNew<vtkImageData> ImageData;
  CQlmObserver* ProgressObserver = nullptr;  // not owned
  float PhysicalSize[3] = {0, 0, 0};
  int HasCompressedSlices = 0;
  // 12 for compressed slices; a new volume is written compressed.
  int FormatCode = CompressedFormat;

private:
  enum class RecordForm { Full, VolumeOnly };

  void Load(CArchive& archive, RecordForm form);
  void LoadCompressedSlices(CArchive& archive, const CQlmVolumeGeometry& geometry);
  void LoadRawVoxels(CArchive& archive, const CQlmVolumeGeometry& geometry);
  void Store(CArchive& archive, RecordForm form);
  void StoreCompressedSlices(CArchive& archive);
  void StoreRawVoxels(CArchive& archive, const CQlmVolumeGeometry& geometry);
};
