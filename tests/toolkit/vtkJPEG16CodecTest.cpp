// The 16-bit slice codec: exact round trips, the stream's form and refused streams.
#include <charls/charls.h>
#include <gtest/gtest.h>
#include <vtkCommand.h>
#include <vtkExecutive.h>
#include <vtkImageData.h>
#include <vtkJPEGWriter.h>
#include <vtkNew.h>
#include <vtkUnsignedCharArray.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

#include "QlmBytes.h"
#include "toolkit/vtkJPEG16Compressor.h"
#include "toolkit/vtkJPEG16Decompressor.h"

namespace {

// Counts the error events of the objects it observes (and keeps them off stderr).
class ErrorCounter : public vtkCommand {
public:
  static ErrorCounter* New() { return new ErrorCounter; }
  void Execute(vtkObject*, unsigned long, void*) override { ++this->Count; }
  void Watch(vtkAlgorithm* algorithm) {
    algorithm->AddObserver(vtkCommand::ErrorEvent, this);
    algorithm->GetExecutive()->AddObserver(vtkCommand::ErrorEvent, this);
  }
  int Count = 0;
};

using QlmBytes::FromArray;
using QlmBytes::ToArray;

std::vector<uint8_t> EncodeRaw(const std::vector<uint16_t>& voxels, int type, int width, int height) {
  vtkJPEG16Compressor::SliceBuffers buffers;
  std::string error;
  EXPECT_TRUE(vtkJPEG16Compressor::EncodeSlice(voxels.data(), type, width, height, buffers, &error)) << error;
  return {buffers.Stream.begin(), buffers.Stream.begin() + static_cast<long>(buffers.StreamLength)};
}

// A plain JPEG-LS image written by the codec library itself, without our segment.
std::vector<uint8_t> PlainJpegLs(const std::vector<uint16_t>& samples, int width, int height, int bits,
                                 int components = 1) {
  charls::jpegls_encoder encoder;
  encoder.frame_info({static_cast<uint32_t>(width), static_cast<uint32_t>(height), bits, components});
  std::vector<uint8_t> stream(encoder.estimated_destination_size());
  encoder.destination(stream);
  stream.resize(encoder.encode(samples));
  return stream;
}

struct SliceCase {
  const char* Name;
  int Type;
  int Width;
  int Height;
  std::function<int(int, int)> Value;  // voxel value at (i, j)
};

std::vector<uint16_t> MakeSlice(const SliceCase& c) {
  std::vector<uint16_t> voxels(static_cast<size_t>(c.Width) * c.Height);
  for (int j = 0; j < c.Height; ++j) {
    for (int i = 0; i < c.Width; ++i) {
      voxels[static_cast<size_t>(j) * c.Width + i] = static_cast<uint16_t>(c.Value(i, j));
    }
  }
  return voxels;
}

}  // namespace

TEST(vtkJPEG16Codec, SlicesRoundTripExactlyThroughThePipelineClasses) {
  std::mt19937 random(3);
  std::uniform_int_distribution<int> anyValue(0, 65535);
  const SliceCase cases[] = {
      {"signed CT values", VTK_SHORT, 64, 48,
       [](int i, int j) { return -1024 + static_cast<int>(2000 + 1990 * std::sin(0.1 * i * j)); }},
      {"unsigned noise over all 16 bits", VTK_UNSIGNED_SHORT, 96, 80, [&](int, int) { return anyValue(random); }},
      {"signed extremes", VTK_SHORT, 17, 9, [](int i, int j) { return (i + j) % 2 ? 32767 : -32768; }},
      {"constant", VTK_UNSIGNED_SHORT, 40, 40, [](int, int) { return 7; }},
      {"range under 256", VTK_SHORT, 33, 21, [](int i, int j) { return -900 + (i * 7 + j * 3) % 200; }},
      {"one voxel", VTK_SHORT, 1, 1, [](int, int) { return -1; }},
      {"one long row", VTK_UNSIGNED_SHORT, 700, 1, [](int i, int) { return 4000 - i; }},
  };
  for (const SliceCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::vector<uint16_t> slice = MakeSlice(c);
    // The slice sits between two others so that only slice 1 must come back.
    vtkNew<vtkImageData> volume;
    volume->SetDimensions(c.Width, c.Height, 3);
    volume->AllocateScalars(c.Type, 1);
    auto* voxels = static_cast<uint16_t*>(volume->GetScalarPointer());
    std::fill(voxels, voxels + 3 * slice.size(), uint16_t{1234});
    std::copy(slice.begin(), slice.end(), voxels + slice.size());

    vtkNew<vtkJPEG16Compressor> compressor;
    compressor->SetInputData(volume);
    compressor->SetQuality(3);
    compressor->SetZSlice(1);
    compressor->Write();
    ASSERT_GT(compressor->GetResult()->GetNumberOfTuples(), 0);

    vtkNew<vtkUnsignedCharArray> buffer;
    buffer->DeepCopy(compressor->GetResult());
    vtkNew<vtkJPEG16Decompressor> decompressor;
    decompressor->SetBuffer(buffer);
    decompressor->Modified();
    decompressor->Update();
    vtkImageData* output = decompressor->GetOutput();
    int dims[3];
    output->GetDimensions(dims);
    EXPECT_EQ(dims[0], c.Width);
    EXPECT_EQ(dims[1], c.Height);
    EXPECT_EQ(dims[2], 1);
    EXPECT_EQ(output->GetScalarType(), c.Type);
    ASSERT_EQ(output->GetNumberOfPoints(), static_cast<vtkIdType>(slice.size()));
    EXPECT_EQ(std::memcmp(output->GetScalarPointer(), slice.data(), slice.size() * 2), 0);
  }
}

TEST(vtkJPEG16Codec, DecompressorDecodesEachRefilledStream) {
  const SliceCase first{"first", VTK_SHORT, 20, 10, [](int i, int j) { return i * 10 - j * 50; }};
  const SliceCase second{"second", VTK_SHORT, 20, 10, [](int i, int j) { return 3000 - i * j; }};
  vtkNew<vtkUnsignedCharArray> buffer;
  vtkNew<vtkJPEG16Decompressor> decompressor;
  decompressor->SetBuffer(buffer);
  for (const SliceCase* c : {&first, &second}) {
    const std::vector<uint16_t> slice = MakeSlice(*c);
    const std::vector<uint8_t> stream = EncodeRaw(slice, VTK_SHORT, 20, 10);
    buffer->SetNumberOfValues(static_cast<vtkIdType>(stream.size()));
    std::copy(stream.begin(), stream.end(), buffer->GetPointer(0));
    decompressor->Modified();
    decompressor->Update();
    EXPECT_EQ(std::memcmp(decompressor->GetOutput()->GetScalarPointer(), slice.data(), slice.size() * 2), 0) << c->Name;
  }
}

TEST(vtkJPEG16Codec, StreamIsStandardJpegLsWithTheMinimumInItsSegment) {
  const std::vector<uint16_t> slice(12, static_cast<uint16_t>(int16_t{-1024}));
  const std::vector<uint8_t> stream = EncodeRaw(slice, VTK_SHORT, 4, 3);
  ASSERT_GE(stream.size(), 19u);
  const std::vector<uint8_t> opening = {0xFF, 0xD8, 0xFF, 0xE7, 0x00, 0x0B, 'Q', 'V', '1', '6', 1};
  EXPECT_TRUE(std::equal(opening.begin(), opening.end(), stream.begin()));
  int32_t minimum = 0;
  std::memcpy(&minimum, stream.data() + 11, 4);
  EXPECT_EQ(minimum, -1024);
  EXPECT_EQ(stream[15], 0xFF);
  EXPECT_EQ(stream[16], 0xF7) << "a JPEG-LS frame follows the segment";

  // Any JPEG-LS decoder reads the frame: here the codec library alone.
  std::vector<uint8_t> samples;
  charls::jpegls_decoder::decode(stream, samples);
  EXPECT_EQ(samples, std::vector<uint8_t>(12, 0));
}

TEST(vtkJPEG16Codec, PlainJpegLsStreamDecodesAsUnsignedVoxels) {
  const SliceCase c{"plain", VTK_UNSIGNED_SHORT, 30, 20, [](int i, int j) { return 4000 - 100 * i + j; }};
  const std::vector<uint16_t> slice = MakeSlice(c);
  const std::vector<uint8_t> stream = PlainJpegLs(slice, 30, 20, 12);
  vtkJPEG16Decompressor::StreamInfo info;
  ASSERT_TRUE(vtkJPEG16Decompressor::ReadStreamInfo(stream.data(), stream.size(), info));
  EXPECT_EQ(info.ScalarType, VTK_UNSIGNED_SHORT);
  std::vector<uint16_t> decoded(slice.size());
  ASSERT_TRUE(vtkJPEG16Decompressor::DecodeSlice(stream.data(), stream.size(), 30, 20, decoded.data()));
  EXPECT_EQ(decoded, slice);
}

TEST(vtkJPEG16Codec, StreamsThatAreNotOneSliceOfJpegLsAreRefused) {
  const SliceCase c{"slice", VTK_SHORT, 16, 16, [](int i, int j) { return i * j - 100; }};
  const std::vector<uint16_t> slice = MakeSlice(c);
  const std::vector<uint8_t> good = EncodeRaw(slice, VTK_SHORT, 16, 16);

  // A baseline JPEG of the same size, as an unknown older codec might have written.
  vtkNew<vtkImageData> grey;
  grey->SetDimensions(16, 16, 1);
  grey->AllocateScalars(VTK_UNSIGNED_CHAR, 1);
  std::fill_n(static_cast<uint8_t*>(grey->GetScalarPointer()), 256, uint8_t{90});
  vtkNew<vtkJPEGWriter> jpeg;
  jpeg->SetInputData(grey);
  jpeg->WriteToMemoryOn();
  jpeg->Write();

  std::mt19937 random(5);
  std::vector<uint8_t> noise(300);
  std::generate(noise.begin(), noise.end(), [&] { return static_cast<uint8_t>(random()); });

  struct Case {
    const char* name;
    std::vector<uint8_t> stream;
  };
  const Case cases[] = {
      {"empty", {}},
      {"random bytes", noise},
      {"baseline JPEG", FromArray(jpeg->GetResult())},
      {"three-component JPEG-LS", PlainJpegLs(std::vector<uint16_t>(16 * 16 * 3, 9), 16, 16, 12, 3)},
      {"truncated in the scan", std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(good.size()) / 2)},
      {"truncated in the header", std::vector<uint8_t>(good.begin(), good.begin() + 20)},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    // Exactly one slice of room, so that any write past it shows under the sanitizers.
    std::vector<uint16_t> voxels(slice.size());
    std::string error;
    EXPECT_FALSE(vtkJPEG16Decompressor::DecodeSlice(k.stream.data(), k.stream.size(), 16, 16, voxels.data(), &error));
    EXPECT_FALSE(error.empty());

    vtkNew<vtkJPEG16Decompressor> decompressor;
    vtkNew<ErrorCounter> errors;
    errors->Watch(decompressor);
    decompressor->SetBuffer(ToArray(k.stream));
    decompressor->Update();
    EXPECT_GT(errors->Count, 0);
    EXPECT_EQ(decompressor->GetOutput()->GetNumberOfPoints(), 0);
  }

  std::vector<uint16_t> voxels(16 * 15);
  EXPECT_FALSE(vtkJPEG16Decompressor::DecodeSlice(good.data(), good.size(), 16, 15, voxels.data()))
      << "a stream of another slice size";
}

TEST(vtkJPEG16Codec, CompressorReportsInputsItCannotCode) {
  auto volume = [](int type, int components) {
    auto image = vtkSmartPointer<vtkImageData>::New();
    image->SetDimensions(4, 4, 2);
    image->AllocateScalars(type, components);
    return image;
  };
  struct Case {
    const char* name;
    vtkSmartPointer<vtkImageData> input;
    int slice;
  };
  const Case cases[] = {
      {"no input", nullptr, 0},
      {"float voxels", volume(VTK_FLOAT, 1), 0},
      {"three components", volume(VTK_SHORT, 3), 0},
      {"slice past the last", volume(VTK_SHORT, 1), 2},
      {"negative slice", volume(VTK_SHORT, 1), -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    vtkNew<vtkJPEG16Compressor> compressor;
    vtkNew<ErrorCounter> errors;
    errors->Watch(compressor);
    if (c.input) {
      compressor->SetInputData(c.input);
    }
    compressor->GetResult()->InsertNextValue(1);
    compressor->SetZSlice(c.slice);
    compressor->Write();
    EXPECT_GT(errors->Count, 0);
    EXPECT_EQ(compressor->GetResult()->GetNumberOfTuples(), 0);
  }
}
