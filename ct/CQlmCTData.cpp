#include "ct/CQlmCTData.h"

#include <climits>
#include <string>

#include "ct/CQlmSliceStreamCodec.h"
#include "ct/CQlmVolumeGeometry.h"
#include "libconvert/CQlmObserver.h"
#include "platform/CArchive.h"

namespace {

// Markers are written without a terminating zero and skipped unread.
constexpr char OpeningMarker[] = "CQlmCTData_Ini";
constexpr char SlicesOpening[] = "CQlmCTData_Raw_Init";
constexpr char SlicesClosing[] = "CQlmCTData_Raw_End";
constexpr char ClosingMarker[] = "CQlmCTData_End";

template <size_t N>
void WriteMarker(CArchive& archive, const char (&marker)[N]) {
  archive.Write(marker, N - 1);
}

template <size_t N>
void SkipMarker(CArchive& archive, const char (&)[N]) {
  char skipped[N];
  archive.ReadExact(skipped, N - 1);
}

[[noreturn]] void ThrowBadRecord(const std::string& reason) {
  throw CArchiveException(CArchiveException::badIndex, "CT volume record: " + reason);
}

// Dimensions, spacing, origin and scalar type, in record order.
void ReadGeometry(CArchive& archive, CQlmVolumeGeometry& geometry) {
  for (int32_t& dimension : geometry.Dimensions) {
    archive >> dimension;
  }
  for (float& spacing : geometry.Spacing) {
    archive >> spacing;
  }
  for (float& origin : geometry.Origin) {
    archive >> origin;
  }
  archive >> geometry.ScalarType;
}

void WriteGeometry(CArchive& archive, const CQlmVolumeGeometry& geometry) {
  for (int32_t dimension : geometry.Dimensions) {
    archive << dimension;
  }
  for (float spacing : geometry.Spacing) {
    archive << spacing;
  }
  for (float origin : geometry.Origin) {
    archive << origin;
  }
  archive << geometry.ScalarType;
}

}  // namespace

CQlmCTData::CQlmCTData()
    : HeadStruct(std::make_unique<CQlmDCMHeadStruct>()), HeadStructList(std::make_unique<CQlmDCMHeadStructList>()) {}

CQlmCTData::~CQlmCTData() = default;

float* CQlmCTData::GetPhysicalSize() {
  int dimensions[3];
  this->ImageData->GetDimensions(dimensions);
  double spacing[3];
  this->ImageData->GetSpacing(spacing);
  for (int axis = 0; axis < 3; ++axis) {
    this->PhysicalSize[axis] = static_cast<float>(spacing[axis]) * static_cast<float>(dimensions[axis]);
  }
  return this->PhysicalSize;
}

void CQlmCTData::Serialize(CArchive& archive) {
  if (archive.IsStoring()) {
    this->Store(archive, RecordForm::Full);
  } else {
    this->Load(archive, RecordForm::Full);
  }
}

void CQlmCTData::SerializeVolume(CArchive& archive) {
  if (archive.IsStoring()) {
    this->Store(archive, RecordForm::VolumeOnly);
  } else {
    this->Load(archive, RecordForm::VolumeOnly);
  }
}

void CQlmCTData::Load(CArchive& archive, RecordForm form) {
  try {
    if (form == RecordForm::Full) {
      this->HeadStruct->Serialize(archive);
      this->HeadStructList->Serialize(archive);
      this->HasCompressedSlices = 0;
    }
    archive >> this->FormatCode;
    const bool compressed = this->FormatCode == CompressedFormat;
    CQlmVolumeGeometry geometry;
    if (compressed && form == RecordForm::Full) {
      SkipMarker(archive, OpeningMarker);
    }
    if (compressed || form == RecordForm::VolumeOnly) {
      archive >> geometry.ComponentCount;
    } else {
      geometry.ComponentCount = this->FormatCode;
    }
    ReadGeometry(archive, geometry);
    if (const std::string problem = geometry.Check(); !problem.empty()) {
      ThrowBadRecord(problem);
    }
    if (compressed) {
      this->LoadCompressedSlices(archive, geometry);
      if (form == RecordForm::Full) {
        this->HasCompressedSlices = 1;
      }
    } else {
      this->LoadRawVoxels(archive, geometry);
      this->HasCompressedSlices = 0;
    }
  } catch (const CArchiveException&) {
    // A half-read volume must not be shown, nor a block that may not match it be saved.
    this->ImageData->Initialize();
    this->CompressedSlices->Initialize();
    this->HasCompressedSlices = 0;
    throw;
  }
}

void CQlmCTData::LoadCompressedSlices(CArchive& archive, const CQlmVolumeGeometry& geometry) {
  SkipMarker(archive, SlicesOpening);
  int32_t size = 0;
  archive >> size;
  if (size < 0) {
    ThrowBadRecord("negative slice block size");
  }
  if (static_cast<uint64_t>(size) > archive.GetBytesLeft()) {
    throw CArchiveException(CArchiveException::endOfFile, "CT volume record: slice block beyond the data");
  }
  this->CompressedSlices->Initialize();
  this->CompressedSlices->SetNumberOfValues(size);
  const unsigned char* block = this->CompressedSlices->GetPointer(0);
  archive.ReadExact(this->CompressedSlices->GetPointer(0), static_cast<size_t>(size));

  CQlmSliceStreamCodec slices(this->ProgressObserver, 0);
  if (!slices.Index(block, static_cast<size_t>(size), geometry)) {
    ThrowBadRecord(slices.GetError());
  }
  geometry.AllocateImage(this->ImageData);
  if (!slices.Decode(this->ImageData)) {
    ThrowBadRecord(slices.GetError());
  }
  SkipMarker(archive, SlicesClosing);
  SkipMarker(archive, ClosingMarker);
}

void CQlmCTData::LoadRawVoxels(CArchive& archive, const CQlmVolumeGeometry& geometry) {
  const auto sliceBytes = static_cast<size_t>(geometry.GetSliceVoxelCount()) * 2;
  const long sliceCount = geometry.Dimensions[2];
  if (static_cast<uint64_t>(sliceBytes) * static_cast<uint64_t>(sliceCount) > archive.GetBytesLeft()) {
    throw CArchiveException(CArchiveException::endOfFile, "CT volume record: voxels beyond the data");
  }
  geometry.AllocateImage(this->ImageData);
  auto* voxels = static_cast<unsigned char*>(this->ImageData->GetScalarPointer());
  for (long z = 0; z < sliceCount; ++z) {
    if (this->ProgressObserver) {
      long current = z;
      auto total = static_cast<unsigned int>(sliceCount);
      this->ProgressObserver->SendMessageA(&current, &total, 0);
    }
    archive.ReadExact(voxels + static_cast<size_t>(z) * sliceBytes, sliceBytes);
  }
}

void CQlmCTData::Store(CArchive& archive, RecordForm form) {
  const CQlmVolumeGeometry geometry = CQlmVolumeGeometry::FromImage(this->ImageData);
  if (const std::string problem = geometry.Check(); !problem.empty()) {
    throw CArchiveException(CArchiveException::genericException, "CT volume record: " + problem);
  }
  const bool compressed = this->FormatCode == CompressedFormat;
  // Compress before the first byte is written, so that a failure leaves no half record.
  if (compressed && !this->HasCompressedSlices) {
    this->CompressedSlices->Initialize();
    CQlmSliceStreamCodec slices(this->ProgressObserver, 0);
    if (!slices.Encode(this->ImageData, this->CompressedSlices)) {
      throw CArchiveException(CArchiveException::genericException, "CT volume record: " + slices.GetError());
    }
  }
  if (form == RecordForm::Full) {
    this->HeadStruct->Serialize(archive);
    this->HeadStructList->Serialize(archive);
  }
  if (compressed) {
    archive << static_cast<int32_t>(CompressedFormat);
    if (form == RecordForm::Full) {
      WriteMarker(archive, OpeningMarker);
    }
    archive << geometry.ComponentCount;
  } else {
    // The code of a raw record is its component count.
    archive << geometry.ComponentCount;
    if (form == RecordForm::VolumeOnly) {
      archive << geometry.ComponentCount;
    }
  }
  WriteGeometry(archive, geometry);
  if (compressed) {
    WriteMarker(archive, SlicesOpening);
    this->StoreCompressedSlices(archive);
    WriteMarker(archive, SlicesClosing);
    WriteMarker(archive, ClosingMarker);
  } else {
    this->StoreRawVoxels(archive, geometry);
  }
}

void CQlmCTData::StoreCompressedSlices(CArchive& archive) {
  const vtkIdType size = this->CompressedSlices->GetNumberOfValues();
  if (size > INT32_MAX) {
    throw CArchiveException(CArchiveException::genericException, "CT volume record: slice block too large");
  }
  static const unsigned char none = 0;
  const unsigned char* block = size > 0 ? this->CompressedSlices->GetPointer(0) : &none;
  archive.WriteByteBlock(block, static_cast<int32_t>(size));
}

void CQlmCTData::StoreRawVoxels(CArchive& archive, const CQlmVolumeGeometry& geometry) {
  if (geometry.GetVoxelCount() > 0) {
    archive.Write(this->ImageData->GetScalarPointer(), static_cast<size_t>(geometry.GetVoxelCount()) * 2);
  }
}
