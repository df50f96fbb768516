#include "ct/CQlmImageCompressor.h"

#include <vtkImageData.h>
#include <vtkUnsignedCharArray.h>

#include <bit>
#include <cstring>

#include "ct/CQlmSliceStreamCodec.h"
#include "ct/CQlmVolumeGeometry.h"

static_assert(std::endian::native == std::endian::little, "the block header is stored raw");

namespace {

// Header fields in block order: scalar type, components, dimensions, spacing, origin.
void WriteHeader(const CQlmVolumeGeometry& geometry, unsigned char* out) {
  std::memcpy(out, &geometry.ScalarType, 4);
  std::memcpy(out + 4, &geometry.ComponentCount, 4);
  std::memcpy(out + 8, geometry.Dimensions, 12);
  std::memcpy(out + 20, geometry.Spacing, 12);
  std::memcpy(out + 32, geometry.Origin, 12);
}

CQlmVolumeGeometry ReadHeader(const unsigned char* in) {
  CQlmVolumeGeometry geometry;
  std::memcpy(&geometry.ScalarType, in, 4);
  std::memcpy(&geometry.ComponentCount, in + 4, 4);
  std::memcpy(geometry.Dimensions, in + 8, 12);
  std::memcpy(geometry.Spacing, in + 20, 12);
  std::memcpy(geometry.Origin, in + 32, 12);
  return geometry;
}

}  // namespace

CQlmImageCompressor* CQlmImageCompressor::New() { return new CQlmImageCompressor; }

void CQlmImageCompressor::Delete() { delete this; }

bool CQlmImageCompressor::Fail(const std::string& reason) {
  this->Error = reason;
  return false;
}

bool CQlmImageCompressor::Compress() {
  this->Error.clear();
  if (!this->ImageData || !this->VolumeBlock) {
    return this->Fail("CQlmImageCompressor::Compress failed: no image or no block");
  }
  this->VolumeBlock->Initialize();
  const CQlmVolumeGeometry geometry = CQlmVolumeGeometry::FromImage(this->ImageData);
  if (const std::string problem = geometry.Check(); !problem.empty()) {
    return this->Fail("CQlmImageCompressor::Compress failed: " + problem);
  }
  WriteHeader(geometry, this->VolumeBlock->WritePointer(0, HeaderSize));
  CQlmSliceStreamCodec slices(this->ProgressObserver, this->ThreadCount);
  if (!slices.Encode(this->ImageData, this->VolumeBlock)) {
    this->VolumeBlock->Initialize();
    return this->Fail("CQlmImageCompressor::Compress failed: " + slices.GetError());
  }
  return true;
}

bool CQlmImageCompressor::Decompress() {
  this->Error.clear();
  if (!this->ImageData || !this->VolumeBlock) {
    return this->Fail("CQlmImageCompressor::Decompress failed: no image or no block");
  }
  this->ImageData->Initialize();
  const auto size = static_cast<size_t>(this->VolumeBlock->GetNumberOfValues());
  if (size < HeaderSize) {
    return this->Fail("CQlmImageCompressor::Decompress failed: the block is shorter than its header");
  }
  const unsigned char* block = this->VolumeBlock->GetPointer(0);
  const CQlmVolumeGeometry geometry = ReadHeader(block);
  if (const std::string problem = geometry.Check(); !problem.empty()) {
    return this->Fail("CQlmImageCompressor::Decompress failed: " + problem);
  }
  CQlmSliceStreamCodec slices(this->ProgressObserver, this->ThreadCount);
  if (!slices.Index(block + HeaderSize, size - HeaderSize, geometry)) {
    return this->Fail("CQlmImageCompressor::Decompress failed: " + slices.GetError());
  }
  geometry.AllocateImage(this->ImageData);
  if (!slices.Decode(this->ImageData)) {
    this->ImageData->Initialize();
    return this->Fail("CQlmImageCompressor::Decompress failed: " + slices.GetError());
  }
  return true;
}
