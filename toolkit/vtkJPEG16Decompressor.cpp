#include "toolkit/vtkJPEG16Decompressor.h"

#include <charls/charls.h>
#include <vtkImageData.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkObjectFactory.h>
#include <vtkStreamingDemandDrivenPipeline.h>
#include <vtkUnsignedCharArray.h>

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "toolkit/vtkJPEG16Compressor.h"

vtkStandardNewMacro(vtkJPEG16Decompressor);
vtkCxxSetObjectMacro(vtkJPEG16Decompressor, Buffer, vtkUnsignedCharArray);

namespace {

bool Fail(std::string* error, const std::string& reason) {
  if (error) {
    *error = reason;
  }
  return false;
}

struct ParsedStream {
  charls::frame_info Frame{};
  int32_t Minimum = 0;
  bool IsSigned = false;
};

// A stream must end with its end-of-image marker. The codec library, given a scan that
// stops short of a marker, can spin through billions of zero bits before it fails.
bool EndsWithEndOfImage(const unsigned char* stream, size_t length, std::string* error) {
  if (!stream || length < 2 || stream[length - 2] != 0xFF || stream[length - 1] != 0xD9) {
    return Fail(error, "the stream does not end with an end-of-image marker");
  }
  return true;
}

// Reads the stream's segments up to the scan; the decoder is then ready to decode.
// Throws charls::jpegls_error for a stream that is not JPEG-LS.
void ReadHeaders(charls::jpegls_decoder& decoder, const unsigned char* stream, size_t length, ParsedStream& parsed) {
  decoder.at_application_data([&parsed](int32_t id, const void* data, size_t size) {
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (id != vtkJPEG16Compressor::SegmentId || size != vtkJPEG16Compressor::SegmentSize ||
        std::memcmp(bytes, vtkJPEG16Compressor::SegmentSignature, sizeof vtkJPEG16Compressor::SegmentSignature)) {
      return;
    }
    parsed.IsSigned = bytes[4] != 0;
    std::memcpy(&parsed.Minimum, bytes + 5, sizeof parsed.Minimum);
  });
  decoder.source(stream, length);
  decoder.read_header();
  parsed.Frame = decoder.frame_info();
}

bool IsDecodableSlice(const ParsedStream& parsed, std::string* error) {
  const charls::frame_info& frame = parsed.Frame;
  if (frame.component_count != 1) {
    return Fail(error, "the stream is not a one-component image");
  }
  if (frame.bits_per_sample < 2 || frame.bits_per_sample > 16) {
    return Fail(error, "the stream's sample size is not 2 to 16 bits");
  }
  if (static_cast<size_t>(frame.width) * frame.height > vtkJPEG16Decompressor::MaximumSliceVoxels) {
    return Fail(error, "the stream's slice is too large");
  }
  return true;
}

// Widens 8-bit samples in place (from the end, so no sample is overwritten before it
// is read) and adds the slice minimum back modulo 2^16.
void RestoreVoxels(void* voxels, size_t count, int bits, int32_t minimum) {
  auto* out = static_cast<uint16_t*>(voxels);
  const auto offset = static_cast<uint16_t>(minimum);
  if (bits > 8 && offset == 0) {
    return;
  }
  if (bits <= 8) {
    const auto* in = static_cast<const uint8_t*>(voxels);
    for (size_t i = count; i-- > 0;) {
      out[i] = static_cast<uint16_t>(in[i] + offset);
    }
  } else {
    for (size_t i = 0; i < count; ++i) {
      out[i] = static_cast<uint16_t>(out[i] + offset);
    }
  }
}

}  // namespace

vtkJPEG16Decompressor::vtkJPEG16Decompressor() {
  this->SetNumberOfInputPorts(0);
  this->SetNumberOfOutputPorts(1);
}

vtkJPEG16Decompressor::~vtkJPEG16Decompressor() { this->SetBuffer(nullptr); }

void vtkJPEG16Decompressor::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Buffer: ";
  if (this->Buffer) {
    os << this->Buffer->GetNumberOfValues() << " bytes\n";
  } else {
    os << "(none)\n";
  }
}

vtkMTimeType vtkJPEG16Decompressor::GetMTime() {
  vtkMTimeType time = this->Superclass::GetMTime();
  if (this->Buffer) {
    time = std::max(time, this->Buffer->GetMTime());
  }
  return time;
}

int vtkJPEG16Decompressor::RequestInformation(vtkInformation* /*request*/, vtkInformationVector** /*inputVector*/,
                                              vtkInformationVector* outputVector) {
  if (!this->Buffer) {
    vtkErrorMacro("vtkJPEG16Decompressor::Update failed: no buffer");
    return 0;
  }
  StreamInfo info;
  std::string error;
  if (!ReadStreamInfo(this->Buffer->GetPointer(0), static_cast<size_t>(this->Buffer->GetNumberOfValues()), info,
                      &error)) {
    vtkErrorMacro("vtkJPEG16Decompressor::Update failed: " << error);
    return 0;
  }
  vtkInformation* outInfo = outputVector->GetInformationObject(0);
  const int extent[6] = {0, info.Width - 1, 0, info.Height - 1, 0, 0};
  outInfo->Set(vtkStreamingDemandDrivenPipeline::WHOLE_EXTENT(), extent, 6);
  vtkDataObject::SetPointDataActiveScalarInfo(outInfo, info.ScalarType, 1);
  return 1;
}

int vtkJPEG16Decompressor::RequestData(vtkInformation* /*request*/, vtkInformationVector** /*inputVector*/,
                                       vtkInformationVector* outputVector) {
  vtkInformation* outInfo = outputVector->GetInformationObject(0);
  vtkImageData* output = vtkImageData::GetData(outInfo);
  const unsigned char* stream = this->Buffer ? this->Buffer->GetPointer(0) : nullptr;
  const auto length = static_cast<size_t>(this->Buffer ? this->Buffer->GetNumberOfValues() : 0);
  StreamInfo info;
  std::string error;
  if (!ReadStreamInfo(stream, length, info, &error)) {
    output->Initialize();
    vtkErrorMacro("vtkJPEG16Decompressor::Update failed: " << error);
    return 0;
  }
  output->SetExtent(0, info.Width - 1, 0, info.Height - 1, 0, 0);
  output->AllocateScalars(info.ScalarType, 1);
  if (!DecodeSlice(stream, length, info.Width, info.Height, output->GetScalarPointer(), &error)) {
    output->Initialize();
    vtkErrorMacro("vtkJPEG16Decompressor::Update failed: " << error);
    return 0;
  }
  return 1;
}

bool vtkJPEG16Decompressor::ReadStreamInfo(const unsigned char* stream, size_t length, StreamInfo& info,
                                           std::string* error) {
  if (!EndsWithEndOfImage(stream, length, error)) {
    return false;
  }
  try {
    charls::jpegls_decoder decoder;
    ParsedStream parsed;
    ReadHeaders(decoder, stream, length, parsed);
    if (!IsDecodableSlice(parsed, error)) {
      return false;
    }
    info.Width = static_cast<int>(parsed.Frame.width);
    info.Height = static_cast<int>(parsed.Frame.height);
    info.ScalarType = parsed.IsSigned ? VTK_SHORT : VTK_UNSIGNED_SHORT;
  } catch (const std::exception& e) {
    return Fail(error, std::string("not a JPEG-LS stream: ") + e.what());
  }
  return true;
}

bool vtkJPEG16Decompressor::DecodeSlice(const unsigned char* stream, size_t length, int width, int height, void* voxels,
                                        std::string* error) {
  if (!EndsWithEndOfImage(stream, length, error)) {
    return false;
  }
  try {
    charls::jpegls_decoder decoder;
    ParsedStream parsed;
    ReadHeaders(decoder, stream, length, parsed);
    if (!IsDecodableSlice(parsed, error)) {
      return false;
    }
    if (width < 1 || height < 1 || parsed.Frame.width != static_cast<uint32_t>(width) ||
        parsed.Frame.height != static_cast<uint32_t>(height)) {
      return Fail(error, "the stream's slice is " + std::to_string(parsed.Frame.width) + " x " +
                             std::to_string(parsed.Frame.height) + ", not " + std::to_string(width) + " x " +
                             std::to_string(height));
    }
    const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
    const int bits = parsed.Frame.bits_per_sample;
    const size_t sampleBytes = decoder.destination_size();
    if (sampleBytes != count * (bits > 8 ? 2 : 1)) {
      return Fail(error, "the stream's samples do not fill the slice");
    }
    decoder.decode(voxels, sampleBytes);
    RestoreVoxels(voxels, count, bits, parsed.Minimum);
  } catch (const std::exception& e) {
    return Fail(error, std::string("JPEG-LS decoding failed: ") + e.what());
  }
  return true;
}
