// The CT volume block: layout, round trips, progress, parallel coding and bad blocks.
#include <gtest/gtest.h>
#include <vtkPointData.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <random>

#include "CTVolumeFixtures.h"
#include "QlmTestData.h"
#include "ct/CQlmImageCompressor.h"
#include "toolkit/vtkJPEG16Compressor.h"

using namespace CTVolumeFixtures;

namespace {

struct CodecDeleter {
  void operator()(CQlmImageCompressor* codec) const { codec->Delete(); }
};
using Codec = std::unique_ptr<CQlmImageCompressor, CodecDeleter>;

Codec MakeCodec(vtkImageData* image, vtkUnsignedCharArray* block, CQlmObserver* observer = nullptr, int threads = 0) {
  Codec codec(CQlmImageCompressor::New());
  codec->ImageData = image;
  codec->VolumeBlock = block;
  codec->ProgressObserver = observer;
  codec->SetThreadCount(threads);
  return codec;
}

std::vector<uint8_t> CompressToBytes(vtkImageData* image, int threads = 0) {
  vtkNew<vtkUnsignedCharArray> block;
  const Codec codec = MakeCodec(image, block, nullptr, threads);
  EXPECT_TRUE(codec->Compress()) << codec->GetError();
  return FromArray(block);
}

// Decompresses `bytes` into a fresh image; returns the codec's error, empty on success.
std::string DecompressBytes(const std::vector<uint8_t>& bytes, vtkImageData* image) {
  const auto block = ToArray(bytes);
  const Codec codec = MakeCodec(image, block);
  return codec->Decompress() ? std::string() : codec->GetError();
}

}  // namespace

TEST(CQlmImageCompressor, BlockIsHeaderThenOneStandaloneStreamPerSlice) {
  const auto image = MakeVolume(33, 17, 5);
  const std::vector<uint8_t> block = CompressToBytes(image);

  ASSERT_GE(block.size(), 44u);
  EXPECT_EQ(PeekInt32(block, 0), VTK_SHORT);
  EXPECT_EQ(PeekInt32(block, 4), 1);
  EXPECT_EQ(PeekInt32(block, 8), 33);
  EXPECT_EQ(PeekInt32(block, 12), 17);
  EXPECT_EQ(PeekInt32(block, 16), 5);
  float floats[6];
  std::memcpy(floats, block.data() + 20, sizeof floats);
  EXPECT_EQ(floats[0], 0.25f);
  EXPECT_EQ(floats[1], 0.5f);
  EXPECT_EQ(floats[2], 0.75f);
  EXPECT_EQ(floats[3], -12.5f);
  EXPECT_EQ(floats[4], 3.25f);
  EXPECT_EQ(floats[5], 100.0f);

  // Every stream is what the slice compressor writes for that slice alone, and
  // nothing follows the last one.
  vtkNew<vtkJPEG16Compressor> compressor;
  compressor->SetInputData(image);
  compressor->SetQuality(3);
  size_t offset = 44;
  for (int z = 0; z < 5; ++z) {
    compressor->SetZSlice(z);
    compressor->Write();
    const std::vector<uint8_t> stream = FromArray(compressor->GetResult());
    ASSERT_LE(offset + 4 + stream.size(), block.size());
    EXPECT_EQ(PeekInt32(block, offset), static_cast<int32_t>(stream.size())) << "slice " << z;
    EXPECT_TRUE(std::equal(stream.begin(), stream.end(), block.begin() + static_cast<long>(offset) + 4))
        << "slice " << z;
    offset += 4 + stream.size();
  }
  EXPECT_EQ(offset, block.size());
}

TEST(CQlmImageCompressor, EachStreamIsTakenAtTheLengthBeforeIt) {
  // Three slices whose streams are padded with comment segments to 1000, 1200 and 900 bytes.
  const auto image = MakeVolume(10, 10, 3);
  std::vector<uint8_t> block = CompressToBytes(MakeVolume(10, 10, 0));  // the header alone
  PokeInt32(block, 16, 3);
  vtkNew<vtkJPEG16Compressor> compressor;
  compressor->SetInputData(image);
  int z = 0;
  for (int32_t length : {1000, 1200, 900}) {
    compressor->SetZSlice(z++);
    compressor->Write();
    std::vector<uint8_t> stream = FromArray(compressor->GetResult());
    const size_t comment = static_cast<size_t>(length) - stream.size() - 4;
    std::vector<uint8_t> segment = {0xFF, 0xFE, static_cast<uint8_t>((comment + 2) >> 8),
                                    static_cast<uint8_t>(comment + 2)};
    segment.resize(4 + comment, 'x');
    stream.insert(stream.begin() + 2, segment.begin(), segment.end());
    ASSERT_EQ(stream.size(), static_cast<size_t>(length));
    PutInt32(block, length);
    block.insert(block.end(), stream.begin(), stream.end());
  }
  ASSERT_EQ(block.size(), 3156u);

  vtkNew<vtkImageData> decoded;
  ASSERT_EQ(DecompressBytes(block, decoded), "");
  EXPECT_TRUE(SameVoxels(image, decoded));
}

TEST(CQlmImageCompressor, RoundTripKeepsGeometryAndVoxels) {
  struct Case {
    const char* name;
    int x, y, z, low, high;
  };
  const Case cases[] = {
      {"signed CT range", 40, 30, 6, -1024, 2986},
      {"unsigned CT range", 40, 30, 6, 0, 4010},
      {"full unsigned range", 31, 7, 3, 0, 65535},
      {"full signed range", 7, 31, 3, -32768, 32767},
      {"constant", 16, 16, 2, 500, 500},
      {"narrow range", 9, 5, 4, 100, 140},
      {"one voxel", 1, 1, 1, -5, -5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto image = MakeVolume(c.x, c.y, c.z, c.low, c.high);
    vtkNew<vtkImageData> decoded;
    ASSERT_EQ(DecompressBytes(CompressToBytes(image), decoded), "");
    EXPECT_TRUE(SameVoxels(image, decoded));
    double spacing[3], origin[3];
    decoded->GetSpacing(spacing);
    decoded->GetOrigin(origin);
    EXPECT_EQ(spacing[0], 0.25);
    EXPECT_EQ(spacing[1], 0.5);
    EXPECT_EQ(spacing[2], 0.75);
    EXPECT_EQ(origin[0], -12.5);
    EXPECT_EQ(origin[1], 3.25);
    EXPECT_EQ(origin[2], 100.0);
    EXPECT_EQ(decoded->GetNumberOfScalarComponents(), 1);
  }
}

TEST(CQlmImageCompressor, VolumeWithoutSlicesIsTheHeaderAlone) {
  const auto image = MakeVolume(64, 48, 0);
  const std::vector<uint8_t> block = CompressToBytes(image);
  ASSERT_EQ(block.size(), 44u);
  EXPECT_EQ(PeekInt32(block, 16), 0);

  vtkNew<vtkImageData> decoded;
  ASSERT_EQ(DecompressBytes(block, decoded), "");
  int dims[3];
  decoded->GetDimensions(dims);
  EXPECT_EQ(dims[0], 64);
  EXPECT_EQ(dims[1], 48);
  EXPECT_EQ(dims[2], 0);
  EXPECT_EQ(decoded->GetNumberOfPoints(), 0);
  EXPECT_EQ(decoded->GetScalarType(), VTK_SHORT);
}

TEST(CQlmImageCompressor, CompressingTwiceReplacesTheBlock) {
  const auto image = MakeVolume(20, 20, 4);
  vtkNew<vtkUnsignedCharArray> block;
  const Codec codec = MakeCodec(image, block);
  ASSERT_TRUE(codec->Compress());
  const std::vector<uint8_t> first = FromArray(block);
  ASSERT_TRUE(codec->Compress());
  EXPECT_EQ(FromArray(block), first);
}

TEST(CQlmImageCompressor, ThreadCountDoesNotChangeTheBytes) {
  // Slices of very different cost, so that workers finish out of order.
  const auto image = MakeVolume(64, 64, 23, -1024, 2986);
  auto* voxels = static_cast<int16_t*>(image->GetScalarPointer());
  std::fill(voxels, voxels + 64 * 64 * 5, int16_t{-1024});
  const std::vector<uint8_t> sequential = CompressToBytes(image, 1);
  for (int threads : {2, 3, 8, 64}) {
    EXPECT_EQ(CompressToBytes(image, threads), sequential) << threads << " threads";
  }
}

TEST(CQlmImageCompressor, ProgressComesOncePerSliceInOrderOnTheCallingThread) {
  const auto image = MakeVolume(8, 8, 300);
  vtkNew<vtkUnsignedCharArray> block;
  for (bool compress : {true, false}) {
    SCOPED_TRACE(compress ? "Compress" : "Decompress");
    ProgressRecorder recorder;
    vtkNew<vtkImageData> decoded;
    const Codec codec = MakeCodec(compress ? image.Get() : decoded.Get(), block, &recorder, 4);
    ASSERT_TRUE(compress ? codec->Compress() : codec->Decompress()) << codec->GetError();
    ASSERT_EQ(recorder.Calls.size(), 300u);
    for (long z = 0; z < 300; ++z) {
      const ProgressCall& call = recorder.Calls[static_cast<size_t>(z)];
      EXPECT_EQ(call.Current, z);
      EXPECT_EQ(call.Total, 300u);
      EXPECT_EQ(call.Param, 0);
      EXPECT_EQ(call.Thread, std::this_thread::get_id());
    }
  }
}

TEST(CQlmImageCompressor, RealCtRoundTripsBitExactly) {
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
  for (bool shifted : {false, true}) {
    SCOPED_TRACE(shifted ? "shifted into 0..4010" : "signed -1024..2986");
    const auto image = LoadCranium(shifted);
    const std::vector<uint8_t> block = CompressToBytes(image);
    vtkNew<vtkImageData> decoded;
    ASSERT_EQ(DecompressBytes(block, decoded), "");
    EXPECT_TRUE(SameVoxels(image, decoded));
    double range[2];
    decoded->GetPointData()->GetScalars()->GetRange(range);
    EXPECT_EQ(range[0], shifted ? 0 : -1024);
    EXPECT_EQ(range[1], shifted ? 4010 : 2986);
  }
}

TEST(CQlmImageCompressor, CompressRefusesVolumesItCannotStore) {
  vtkNew<vtkImageData> floats;
  floats->SetDimensions(4, 4, 2);
  floats->AllocateScalars(VTK_FLOAT, 1);
  vtkNew<vtkImageData> rgb;
  rgb->SetDimensions(4, 4, 2);
  rgb->AllocateScalars(VTK_UNSIGNED_SHORT, 3);
  vtkNew<vtkImageData> empty;
  for (vtkImageData* image : {floats.Get(), rgb.Get(), empty.Get()}) {
    vtkNew<vtkUnsignedCharArray> block;
    block->InsertNextValue(42);
    const Codec codec = MakeCodec(image, block);
    EXPECT_FALSE(codec->Compress());
    EXPECT_FALSE(codec->GetError().empty());
    EXPECT_EQ(block->GetNumberOfValues(), 0);
  }
}

TEST(CQlmImageCompressor, DecompressRefusesBadBlocksAndLeavesAnEmptyImage) {
  const auto image = MakeVolume(12, 10, 3);
  const std::vector<uint8_t> good = CompressToBytes(image);
  const int32_t firstLength = PeekInt32(good, 44);
  const size_t secondAt = 44 + 4 + static_cast<size_t>(firstLength);

  // A stream of an 11 x 10 slice in place of the first.
  const std::vector<uint8_t> narrow = CompressToBytes(MakeVolume(11, 10, 1));
  std::vector<uint8_t> wrongSize(good.begin(), good.begin() + 44);
  wrongSize.insert(wrongSize.end(), narrow.begin() + 44, narrow.end());
  wrongSize.insert(wrongSize.end(), good.begin() + static_cast<long>(secondAt), good.end());

  // Bytes between the scan and the end marker of slice 1: the header is sound, the
  // decoding fails (on a worker thread when there are several).
  std::vector<uint8_t> overlong = good;
  const int32_t secondLength = PeekInt32(good, secondAt);
  const size_t secondEnd = secondAt + 4 + static_cast<size_t>(secondLength);
  overlong.insert(overlong.begin() + static_cast<long>(secondEnd) - 2, 16, uint8_t{0});
  PokeInt32(overlong, secondAt, secondLength + 16);

  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  };
  auto patched = [&](size_t offset, int32_t value) {
    std::vector<uint8_t> bytes = good;
    PokeInt32(bytes, offset, value);
    return bytes;
  };
  auto patchedFloat = [&](size_t offset, float value) {
    std::vector<uint8_t> bytes = good;
    std::memcpy(bytes.data() + offset, &value, sizeof value);
    return bytes;
  };
  auto garbled = [&](size_t offset) {
    std::vector<uint8_t> bytes = good;
    std::fill(bytes.begin() + static_cast<long>(offset), bytes.begin() + static_cast<long>(offset) + 16, 0x5A);
    return bytes;
  };
  const std::vector<Case> cases = {
      {"shorter than the header", std::vector<uint8_t>(good.begin(), good.begin() + 43)},
      {"float voxels", patched(0, VTK_FLOAT)},
      {"two components", patched(4, 2)},
      {"negative dimension", patched(8, -12)},
      {"zero-width slices", patched(8, 0)},
      {"slice wider than 65535", patched(8, 70000)},
      {"more voxels than the bound", patched(16, 1 << 30)},
      {"one slice more than the streams", patched(16, 4)},
      {"one slice fewer than the streams", patched(16, 2)},
      {"one slice of three streams", patched(16, 1)},
      {"x spacing 0", patchedFloat(20, 0.0f)},
      {"y spacing negative", patchedFloat(24, -0.5f)},
      {"z spacing NaN", patchedFloat(28, std::nanf(""))},
      {"z spacing infinite", patchedFloat(28, INFINITY)},
      {"x spacing of a kilometre", patchedFloat(20, 1.0e6f)},
      {"infinite x origin", patchedFloat(32, INFINITY)},
      {"NaN z origin", patchedFloat(40, std::nanf(""))},
      {"y origin far away", patchedFloat(36, -1.0e30f)},
      {"negative stream length", patched(44, -1)},
      {"stream length past the block", patched(44, static_cast<int32_t>(good.size()))},
      {"stream that is not JPEG-LS", garbled(48)},
      {"stream of another slice size", wrongSize},
      {"truncated in the last stream", std::vector<uint8_t>(good.begin(), good.end() - 10)},
      {"undecodable scan in slice 1", overlong},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    vtkNew<vtkImageData> decoded;
    decoded->DeepCopy(image);
    EXPECT_NE(DecompressBytes(c.bytes, decoded), "");
    EXPECT_EQ(decoded->GetNumberOfPoints(), 0);
  }
}

TEST(CQlmImageCompressor, MutatedBlocksFailCleanlyOrDecode) {
  const auto image = MakeVolume(16, 12, 3);
  const std::vector<uint8_t> good = CompressToBytes(image);
  for (size_t length = 0; length < good.size(); ++length) {
    vtkNew<vtkImageData> decoded;
    EXPECT_NE(DecompressBytes(std::vector<uint8_t>(good.begin(), good.begin() + static_cast<long>(length)), decoded),
              "")
        << "truncated to " << length;
  }
  std::mt19937 random(11);
  std::uniform_int_distribution<size_t> position(0, good.size() - 1);
  std::uniform_int_distribution<int> value(0, 255);
  for (int trial = 0; trial < 400; ++trial) {
    std::vector<uint8_t> bytes = good;
    for (int flips = 0; flips < 1 + trial % 4; ++flips) {
      bytes[position(random)] = static_cast<uint8_t>(value(random));
    }
    vtkNew<vtkImageData> decoded;
    if (DecompressBytes(bytes, decoded).empty()) {
      EXPECT_EQ(decoded->GetNumberOfScalarComponents(), 1);
    } else {
      EXPECT_EQ(decoded->GetNumberOfPoints(), 0);
    }
  }
}
