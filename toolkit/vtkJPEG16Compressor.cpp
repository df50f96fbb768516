#include "toolkit/vtkJPEG16Compressor.h"

#include <charls/charls.h>
#include <vtkImageData.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkPointData.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

vtkStandardNewMacro(vtkJPEG16Compressor);

namespace {

static_assert(std::endian::native == std::endian::little, "the segment's minimum is stored raw");

bool Fail(std::string* error, const std::string& reason) {
  if (error) {
    *error = reason;
  }
  return false;
}

template <typename T>
std::pair<int32_t, int32_t> ValueRange(const T* voxels, size_t count) {
  const auto [low, high] = std::minmax_element(voxels, voxels + count);
  return {*low, *high};
}

// The samples the codec reads: the voxels themselves when no shift or narrowing is
// needed, else the voxels minus `minimum` in the sample width that `bits` asks for.
template <typename T>
const unsigned char* Samples(const T* voxels, size_t count, int32_t minimum, int bits,
                             std::vector<unsigned char>& work) {
  if (bits > 8 && minimum == 0) {
    return reinterpret_cast<const unsigned char*>(voxels);
  }
  if (bits > 8) {
    work.resize(count * sizeof(uint16_t));
    auto* out = reinterpret_cast<uint16_t*>(work.data());
    for (size_t i = 0; i < count; ++i) {
      out[i] = static_cast<uint16_t>(voxels[i] - minimum);
    }
  } else {
    work.resize(count);
    for (size_t i = 0; i < count; ++i) {
      work[i] = static_cast<unsigned char>(voxels[i] - minimum);
    }
  }
  return work.data();
}

size_t EncodeSamples(const unsigned char* samples, size_t sampleBytes, const charls::frame_info& frame,
                     const unsigned char* segment, std::vector<unsigned char>& stream, size_t capacity) {
  charls::jpegls_encoder encoder;
  encoder.frame_info(frame).encoding_options(charls::encoding_options::none);
  const size_t estimate = encoder.estimated_destination_size() + vtkJPEG16Compressor::SegmentSize + 16;
  const size_t needed = std::max(capacity, estimate);
  if (stream.size() < needed) {
    stream.resize(needed);
  }
  encoder.destination(stream.data(), stream.size());
  encoder.write_application_data(vtkJPEG16Compressor::SegmentId, segment, vtkJPEG16Compressor::SegmentSize);
  return encoder.encode(samples, sampleBytes);
}

}  // namespace

vtkJPEG16Compressor::vtkJPEG16Compressor() {
  this->SetNumberOfInputPorts(1);
  this->SetNumberOfOutputPorts(0);
}

void vtkJPEG16Compressor::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Quality: " << this->Quality << "\n";
  os << indent << "ZSlice: " << this->ZSlice << "\n";
  os << indent << "Result: " << this->Result->GetNumberOfTuples() << " bytes\n";
}

int vtkJPEG16Compressor::FillInputPortInformation(int /*port*/, vtkInformation* info) {
  info->Set(vtkAlgorithm::INPUT_REQUIRED_DATA_TYPE(), "vtkImageData");
  return 1;
}

void vtkJPEG16Compressor::Write() {
  this->Result->Initialize();
  if (this->GetNumberOfInputConnections(0) < 1) {
    vtkErrorMacro("vtkJPEG16Compressor::Write failed: no input");
    return;
  }
  // A writer always writes, even when nothing changed.
  this->Modified();
  this->Update();
}

int vtkJPEG16Compressor::RequestData(vtkInformation* /*request*/, vtkInformationVector** inputVector,
                                     vtkInformationVector* /*outputVector*/) {
  this->Result->Initialize();
  vtkImageData* input = vtkImageData::GetData(inputVector[0]);
  if (!input || !input->GetPointData()->GetScalars()) {
    vtkErrorMacro("vtkJPEG16Compressor::Write failed: the input has no voxels");
    return 0;
  }
  if (input->GetNumberOfScalarComponents() != 1) {
    vtkErrorMacro("vtkJPEG16Compressor::Write failed: the input has more than one component");
    return 0;
  }
  int extent[6];
  input->GetExtent(extent);
  if (this->ZSlice < 0 || this->ZSlice > extent[5] - extent[4]) {
    vtkErrorMacro("vtkJPEG16Compressor::Write failed: slice " << this->ZSlice << " outside the input");
    return 0;
  }
  const int width = extent[1] - extent[0] + 1;
  const int height = extent[3] - extent[2] + 1;
  const void* voxels = input->GetScalarPointer(extent[0], extent[2], extent[4] + this->ZSlice);
  SliceBuffers buffers;
  std::string error;
  if (!EncodeSlice(voxels, input->GetScalarType(), width, height, buffers, &error)) {
    vtkErrorMacro("vtkJPEG16Compressor::Write failed: " << error);
    return 0;
  }
  this->Result->SetNumberOfValues(static_cast<vtkIdType>(buffers.StreamLength));
  std::memcpy(this->Result->GetPointer(0), buffers.Stream.data(), buffers.StreamLength);
  return 1;
}

bool vtkJPEG16Compressor::EncodeSlice(const void* voxels, int scalarType, int width, int height, SliceBuffers& buffers,
                                      std::string* error) {
  buffers.StreamLength = 0;
  if (scalarType != VTK_SHORT && scalarType != VTK_UNSIGNED_SHORT) {
    return Fail(error, "the voxels are not 16-bit integers");
  }
  if (width < 1 || height < 1 || width > 65535 || height > 65535) {
    return Fail(error, "the slice size is outside 1..65535");
  }
  const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
  const bool isSigned = scalarType == VTK_SHORT;
  const auto [minimum, maximum] = isSigned ? ValueRange(static_cast<const int16_t*>(voxels), count)
                                           : ValueRange(static_cast<const uint16_t*>(voxels), count);
  // JPEG-LS needs at least 2 bits per sample.
  const int bits = std::max(2, static_cast<int>(std::bit_width(static_cast<uint32_t>(maximum - minimum))));
  const unsigned char* samples =
      isSigned ? Samples(static_cast<const int16_t*>(voxels), count, minimum, bits, buffers.Samples)
               : Samples(static_cast<const uint16_t*>(voxels), count, minimum, bits, buffers.Samples);
  const size_t sampleBytes = count * (bits > 8 ? 2 : 1);

  unsigned char segment[SegmentSize];
  std::memcpy(segment, SegmentSignature, sizeof SegmentSignature);
  segment[4] = isSigned ? 1 : 0;
  std::memcpy(segment + 5, &minimum, sizeof minimum);

  const charls::frame_info frame{static_cast<uint32_t>(width), static_cast<uint32_t>(height), bits, 1};
  try {
    try {
      buffers.StreamLength = EncodeSamples(samples, sampleBytes, frame, segment, buffers.Stream, 0);
    } catch (const charls::jpegls_error& e) {
      // Noise can code longer than the codec's estimate; retry with the longest code per sample.
      if (e.code() != charls::jpegls_errc::destination_buffer_too_small) {
        throw;
      }
      buffers.StreamLength = EncodeSamples(samples, sampleBytes, frame, segment, buffers.Stream, count * 8 + 1024);
    }
  } catch (const std::exception& e) {
    buffers.StreamLength = 0;
    return Fail(error, std::string("JPEG-LS encoding failed: ") + e.what());
  }
  return true;
}
