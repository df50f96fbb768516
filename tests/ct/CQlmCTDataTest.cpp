// The CT volume record of the oldest project files, its exam header and the volume itself.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "CTVolumeFixtures.h"
#include "QlmTestData.h"
#include "ct/CQlmCTData.h"
#include "platform/CArchive.h"
#include "platform/CMemFile.h"
#include "toolkit/vtkJPEG16Compressor.h"

using namespace CTVolumeFixtures;

namespace {

// Small archive buffers keep the many truncated reads cheap; the layout does not depend on them.
constexpr size_t ArchiveBuffer = 4096;

std::vector<uint8_t> Store(const std::function<void(CArchive&)>& serialize) {
  CMemFile file;
  CArchive archive(&file, CArchive::store, ArchiveBuffer);
  serialize(archive);
  archive.Close();
  return file.Data();
}

void Load(const std::vector<uint8_t>& bytes, const std::function<void(CArchive&)>& serialize) {
  CMemFile file(bytes);
  CArchive archive(&file, CArchive::load, ArchiveBuffer);
  serialize(archive);
}

std::vector<uint8_t> StoreRecord(CQlmCTData& data) {
  return Store([&](CArchive& archive) { data.Serialize(archive); });
}

void Append(std::vector<uint8_t>& bytes, const std::string& text) {
  bytes.insert(bytes.end(), text.begin(), text.end());
}

void AppendGeometry(std::vector<uint8_t>& bytes, vtkImageData* image) {
  int dims[3];
  image->GetDimensions(dims);
  for (int d : dims) {
    PutInt32(bytes, d);
  }
  for (int axis = 0; axis < 3; ++axis) {
    PutFloat(bytes, static_cast<float>(image->GetSpacing()[axis]));
  }
  for (int axis = 0; axis < 3; ++axis) {
    PutFloat(bytes, static_cast<float>(image->GetOrigin()[axis]));
  }
  PutInt32(bytes, image->GetScalarType());
}

// The slice block: for each slice, the stream length and the slice compressor's stream.
std::vector<uint8_t> SliceBlock(vtkImageData* image) {
  std::vector<uint8_t> block;
  vtkNew<vtkJPEG16Compressor> compressor;
  compressor->SetInputData(image);
  compressor->SetQuality(3);
  for (int z = 0; z < image->GetDimensions()[2]; ++z) {
    compressor->SetZSlice(z);
    compressor->Write();
    const std::vector<uint8_t> stream = FromArray(compressor->GetResult());
    PutInt32(block, static_cast<int32_t>(stream.size()));
    block.insert(block.end(), stream.begin(), stream.end());
  }
  return block;
}

// An empty header record (all numbers 0, empty strings, block length 0) and an empty list.
std::vector<uint8_t> EmptyHeaders() {
  std::vector<uint8_t> bytes(CQlmDCMHeadStruct::MinimumStoredSize, 0);
  PutInt32(bytes, 0);
  return bytes;
}

std::vector<uint8_t> CompressedRecord(vtkImageData* image, bool withHeaders) {
  std::vector<uint8_t> bytes = withHeaders ? EmptyHeaders() : std::vector<uint8_t>{};
  PutInt32(bytes, 12);
  if (withHeaders) {
    Append(bytes, "CQlmCTData_Ini");
  }
  PutInt32(bytes, 1);
  AppendGeometry(bytes, image);
  Append(bytes, "CQlmCTData_Raw_Init");
  const std::vector<uint8_t> block = SliceBlock(image);
  PutInt32(bytes, static_cast<int32_t>(block.size()));
  bytes.insert(bytes.end(), block.begin(), block.end());
  Append(bytes, "CQlmCTData_Raw_End");
  Append(bytes, "CQlmCTData_End");
  return bytes;
}

std::vector<uint8_t> RawRecord(vtkImageData* image, bool withHeaders) {
  std::vector<uint8_t> bytes = withHeaders ? EmptyHeaders() : std::vector<uint8_t>{};
  PutInt32(bytes, 1);
  if (!withHeaders) {
    PutInt32(bytes, 1);
  }
  AppendGeometry(bytes, image);
  const auto* voxels = static_cast<const uint8_t*>(image->GetScalarPointer());
  bytes.insert(bytes.end(), voxels, voxels + image->GetNumberOfPoints() * 2);
  return bytes;
}

void ExpectSameGeometry(vtkImageData* expected, vtkImageData* actual) {
  EXPECT_TRUE(SameVoxels(expected, actual));
  for (int axis = 0; axis < 3; ++axis) {
    EXPECT_EQ(static_cast<float>(actual->GetSpacing()[axis]), static_cast<float>(expected->GetSpacing()[axis]));
    EXPECT_EQ(static_cast<float>(actual->GetOrigin()[axis]), static_cast<float>(expected->GetOrigin()[axis]));
  }
}

}  // namespace

TEST(CQlmCTData, PhysicalSizeIsSpacingTimesDimensions) {
  CQlmCTData data;
  data.ImageData->SetDimensions(512, 512, 300);
  data.ImageData->SetSpacing(0.25, 0.25, 0.3);
  const float* size = data.GetPhysicalSize();
  EXPECT_EQ(size, data.PhysicalSize);
  EXPECT_FLOAT_EQ(size[0], 128.0f);
  EXPECT_FLOAT_EQ(size[1], 128.0f);
  EXPECT_FLOAT_EQ(size[2], 90.0f);
}

TEST(CQlmCTData, CompressedRecordHasItsMarkersAndReadsBackToTheSameBytes) {
  for (bool full : {true, false}) {
    SCOPED_TRACE(full ? "Serialize" : "SerializeVolume");
    const auto image = MakeVolume(9, 7, 3);
    CQlmCTData written;
    written.ImageData->DeepCopy(image);
    auto serialize = [full](CQlmCTData& data) {
      return [full, &data](CArchive& archive) { full ? data.Serialize(archive) : data.SerializeVolume(archive); };
    };
    const std::vector<uint8_t> bytes = Store(serialize(written));
    ASSERT_EQ(bytes, CompressedRecord(image, full));

    CQlmCTData read;
    Load(bytes, serialize(read));
    EXPECT_EQ(read.FormatCode, 12);
    EXPECT_EQ(read.HasCompressedSlices, full ? 1 : 0);
    ExpectSameGeometry(image, read.ImageData);
    EXPECT_EQ(FromArray(read.CompressedSlices), SliceBlock(image));
    EXPECT_EQ(Store(serialize(read)), bytes);
  }
}

TEST(CQlmCTData, BlockReadWithTheRecordIsWrittenBackUnchanged) {
  const auto image = MakeVolume(9, 7, 3);
  const std::vector<uint8_t> bytes = CompressedRecord(image, true);
  CQlmCTData data;
  Load(bytes, [&](CArchive& archive) { data.Serialize(archive); });
  static_cast<int16_t*>(data.ImageData->GetScalarPointer())[0] ^= 0x55;
  EXPECT_EQ(StoreRecord(data), bytes);
}

TEST(CQlmCTData, RawRecordsReadAndWriteTheVoxelsWithProgress) {
  const auto image = MakeVolume(3, 2, 4, 0, 4010);
  for (bool full : {true, false}) {
    SCOPED_TRACE(full ? "Serialize" : "SerializeVolume");
    auto serialize = [full](CQlmCTData& data) {
      return [full, &data](CArchive& archive) { full ? data.Serialize(archive) : data.SerializeVolume(archive); };
    };
    const std::vector<uint8_t> bytes = RawRecord(image, full);
    CQlmCTData data;
    ProgressRecorder recorder;
    data.ProgressObserver = &recorder;
    Load(bytes, serialize(data));
    EXPECT_EQ(data.FormatCode, 1);
    EXPECT_EQ(data.HasCompressedSlices, 0);
    ExpectSameGeometry(image, data.ImageData);
    ASSERT_EQ(recorder.Calls.size(), 4u);
    for (long z = 0; z < 4; ++z) {
      EXPECT_EQ(recorder.Calls[static_cast<size_t>(z)].Current, z);
      EXPECT_EQ(recorder.Calls[static_cast<size_t>(z)].Total, 4u);
    }
    EXPECT_EQ(Store(serialize(data)), bytes) << "a raw record is written back in its raw form";
  }
}

TEST(CQlmCTData, VolumeWithoutSlicesKeepsAllMarkersAndAnEmptyBlock) {
  const auto image = MakeVolume(4, 4, 0);
  CQlmCTData data;
  data.ImageData->DeepCopy(image);
  const std::vector<uint8_t> bytes = StoreRecord(data);
  ASSERT_EQ(bytes, CompressedRecord(image, true));
  EXPECT_EQ(PeekInt32(bytes, bytes.size() - 32 - 4), 0) << "block size N = 0";

  CQlmCTData read;
  Load(bytes, [&](CArchive& archive) { read.Serialize(archive); });
  EXPECT_EQ(read.ImageData->GetDimensions()[2], 0);
  EXPECT_EQ(StoreRecord(read), bytes);
}

TEST(CQlmCTData, RealCtRoundTripsThroughTheCompressedRecord) {
  QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
  const auto image = LoadCranium(false);
  CQlmCTData written;
  written.ImageData->DeepCopy(image);
  const std::vector<uint8_t> bytes = StoreRecord(written);

  CQlmCTData read;
  Load(bytes, [&](CArchive& archive) { read.Serialize(archive); });
  EXPECT_TRUE(SameVoxels(image, read.ImageData));
  EXPECT_EQ(StoreRecord(read), bytes);
}

TEST(CQlmCTData, BadRecordsRaiseAndLeaveAnEmptyVolume) {
  const auto image = MakeVolume(6, 5, 2);
  const std::vector<uint8_t> good = CompressedRecord(image, true);
  const size_t codeAt = CQlmDCMHeadStruct::MinimumStoredSize + 4;
  const size_t componentsAt = codeAt + 4 + 14;
  const size_t dimsAt = componentsAt + 4;
  const size_t typeAt = dimsAt + 36;
  const size_t blockSizeAt = typeAt + 4 + 19;
  const size_t firstStreamAt = blockSizeAt + 8;

  auto patched = [](std::vector<uint8_t> bytes, size_t offset, int32_t value) {
    PokeInt32(bytes, offset, value);
    return bytes;
  };
  std::vector<uint8_t> garbled = good;
  std::fill_n(garbled.begin() + static_cast<long>(firstStreamAt), 12, uint8_t{0x33});
  const std::vector<uint8_t> raw = RawRecord(image, true);

  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    CArchiveException::Cause cause;
  };
  const Case cases[] = {
      {"float voxels", patched(good, typeAt, VTK_FLOAT), CArchiveException::badIndex},
      {"three components", patched(good, componentsAt, 3), CArchiveException::badIndex},
      {"negative dimension", patched(good, dimsAt + 4, -5), CArchiveException::badIndex},
      {"negative block size", patched(good, blockSizeAt, -1), CArchiveException::badIndex},
      {"block past the data", patched(good, blockSizeAt, static_cast<int32_t>(good.size())),
       CArchiveException::endOfFile},
      {"stream length past the block", patched(good, blockSizeAt + 4, 100000), CArchiveException::badIndex},
      {"stream that is not JPEG-LS", garbled, CArchiveException::badIndex},
      {"raw record of two components", patched(raw, codeAt, 2), CArchiveException::badIndex},
      {"raw voxels cut short", std::vector<uint8_t>(raw.begin(), raw.end() - 1), CArchiveException::endOfFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CQlmCTData data;
    data.ImageData->DeepCopy(image);
    try {
      Load(c.bytes, [&](CArchive& archive) { data.Serialize(archive); });
      ADD_FAILURE() << "no exception";
    } catch (const CArchiveException& e) {
      EXPECT_EQ(e.m_cause, c.cause) << e.what();
    }
    EXPECT_EQ(data.ImageData->GetNumberOfPoints(), 0);
    EXPECT_EQ(data.HasCompressedSlices, 0);
  }
}

TEST(CQlmCTData, TruncatedRecordsRaise) {
  const auto image = MakeVolume(6, 5, 2);
  for (const std::vector<uint8_t>& record : {CompressedRecord(image, true), RawRecord(image, true)}) {
    for (size_t length = 0; length < record.size(); ++length) {
      CQlmCTData data;
      try {
        Load(std::vector<uint8_t>(record.begin(), record.begin() + static_cast<long>(length)),
             [&](CArchive& archive) { data.Serialize(archive); });
        ADD_FAILURE() << "truncated to " << length << " of " << record.size() << " was read";
      } catch (const CArchiveException& e) {
        // Cutting inside the slice block makes a block that its own size overruns, or a short stream.
        EXPECT_TRUE(e.m_cause == CArchiveException::endOfFile || e.m_cause == CArchiveException::badIndex) << e.what();
      }
    }
  }
}

TEST(CQlmCTData, RawVolumeReadAfterACompressedOneIsNotSavedAsTheOldBlock) {
  const auto first = MakeVolume(6, 5, 2, -1024, 2000);
  const auto second = MakeVolume(6, 5, 2, 0, 300);
  CQlmCTData data;
  Load(CompressedRecord(first, true), [&](CArchive& archive) { data.Serialize(archive); });
  ASSERT_EQ(data.HasCompressedSlices, 1);
  Load(RawRecord(second, false), [&](CArchive& archive) { data.SerializeVolume(archive); });
  EXPECT_EQ(data.HasCompressedSlices, 0);

  data.SetFormatCode(CQlmCTData::CompressedFormat);
  const std::vector<uint8_t> bytes = StoreRecord(data);
  CQlmCTData read;
  Load(bytes, [&](CArchive& archive) { read.Serialize(archive); });
  EXPECT_TRUE(SameVoxels(second, read.ImageData));
}

TEST(CQlmDCMHeadStruct, StoresItsFiftyThreeItemsInOrder) {
  CQlmDCMHeadStruct record;
  for (int i = 0; i < 32; ++i) {
    record.ExamIntegers[static_cast<size_t>(i)] = 100 + i;
  }
  for (int i = 0; i < 14; ++i) {
    record.ExamFloats[static_cast<size_t>(i)] = 0.5f + static_cast<float>(i);
  }
  record.ExamTexts = {"t1", "t2", "t3", "t4"};
  record.PatientName = "José";
  record.ClinicName = "Clínica";
  record.ByteBlockLength = 5;

  std::vector<uint8_t> expected;
  auto ints = [&](int first, int count) {
    for (int i = first; i < first + count; ++i) PutInt32(expected, 100 + i);
  };
  auto floats = [&](int first, int count) {
    for (int i = first; i < first + count; ++i) PutFloat(expected, 0.5f + static_cast<float>(i));
  };
  auto text = [&](const std::string& windows1252) {
    expected.push_back(static_cast<uint8_t>(windows1252.size()));
    Append(expected, windows1252);
  };
  ints(0, 6);
  floats(0, 12);
  ints(6, 2);
  floats(12, 1);
  ints(8, 2);
  text("t1");
  text("Jos\xE9");
  text("t2");
  text("t3");
  text("Cl\xEDnica");
  text("t4");
  floats(13, 1);
  PutInt32(expected, 5);
  Append(expected, "*****");
  ints(10, 22);
  const std::vector<uint8_t> bytes = Store([&](CArchive& archive) { record.Serialize(archive); });
  ASSERT_EQ(bytes, expected);

  // Whatever bytes the file holds in the block are skipped.
  std::vector<uint8_t> foreign = expected;
  const size_t blockAt = expected.size() - 22 * 4 - 5;
  std::memcpy(foreign.data() + blockAt, "abcde", 5);
  CQlmDCMHeadStruct read;
  Load(foreign, [&](CArchive& archive) { read.Serialize(archive); });
  EXPECT_EQ(read.ExamIntegers, record.ExamIntegers);
  EXPECT_EQ(read.ExamFloats, record.ExamFloats);
  EXPECT_EQ(read.ExamTexts, record.ExamTexts);
  EXPECT_EQ(read.PatientName, record.PatientName);
  EXPECT_EQ(read.ClinicName, record.ClinicName);
  EXPECT_EQ(read.ByteBlockLength, 5);
}

TEST(CQlmDCMHeadStruct, ByteBlockLongerThanTheDataRaises) {
  std::vector<uint8_t> bytes(CQlmDCMHeadStruct::MinimumStoredSize, 0);
  PokeInt32(bytes, 92 + 6 + 4, 1 << 30);
  CQlmDCMHeadStruct record;
  EXPECT_THROW(Load(bytes, [&](CArchive& archive) { record.Serialize(archive); }), CArchiveException);
}

TEST(CQlmDCMHeadStructList, StoresCountThenRecordsAndReadsThemBack) {
  CQlmDCMHeadStructList empty;
  EXPECT_EQ(Store([&](CArchive& archive) { empty.Serialize(archive); }), std::vector<uint8_t>({0, 0, 0, 0}));

  CQlmDCMHeadStructList list;
  for (const char* name : {"Ana", "Rui"}) {
    auto* record = CQlmDCMHeadStruct::CreateObject();
    record->PatientName = name;
    list.Records.AddTail(record);
  }
  list.Count = 2;
  const std::vector<uint8_t> bytes = Store([&](CArchive& archive) { list.Serialize(archive); });
  EXPECT_EQ(PeekInt32(bytes, 0), 2);

  CQlmDCMHeadStructList read;
  Load(bytes, [&](CArchive& archive) { read.Serialize(archive); });
  EXPECT_EQ(read.Count, 2);
  ASSERT_EQ(read.Records.GetCount(), 2);
  EXPECT_EQ(read.GetRecord(0)->PatientName, "Ana");
  EXPECT_EQ(read.GetRecord(1)->PatientName, "Rui");
  EXPECT_EQ(read.GetRecord(2), nullptr);
}

TEST(CQlmDCMHeadStructList, CountAboveTheListWritesOnlyTheRecordsThere) {
  CQlmDCMHeadStructList list;
  list.Records.AddTail(CQlmDCMHeadStruct::CreateObject());
  list.Count = 3;
  const std::vector<uint8_t> bytes = Store([&](CArchive& archive) { list.Serialize(archive); });
  EXPECT_EQ(PeekInt32(bytes, 0), 1);
  EXPECT_EQ(bytes.size(), 4 + CQlmDCMHeadStruct::MinimumStoredSize);
}

TEST(CQlmDCMHeadStructList, CountBeyondTheDataRaisesBeforeMakingRecords) {
  std::vector<uint8_t> bytes;
  PutInt32(bytes, 1000000);
  bytes.resize(4 + CQlmDCMHeadStruct::MinimumStoredSize, 0);
  CQlmDCMHeadStructList list;
  EXPECT_THROW(Load(bytes, [&](CArchive& archive) { list.Serialize(archive); }), CArchiveException);
  EXPECT_EQ(list.Records.GetCount(), 0);
}
