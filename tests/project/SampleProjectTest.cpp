#include <gtest/gtest.h>
#include <vtkImageData.h>

#include <cstring>
#include <random>

#include "ProjectFixtures.h"
#include "QlmBytes.h"
#include "QlmTempDir.h"
#include "QlmTestData.h"
#include "SampleProject.h"
#include "ct/CQlmImageCompressor.h"

using namespace ProjectFixtures;

namespace {

using QlmBytes::ReadFile;

// Loads the first `size` bytes; false for a refused file (any exception of the archive or the reader).
bool TryLoad(const Bytes& bytes, size_t size, CQlmProjectData& data) {
  try {
    LoadPrefix(bytes, size, data);
    return true;
  } catch (const CException&) {
    return false;
  }
}

bool Decodes(vtkUnsignedCharArray* block, vtkImageData* image) {
  CQlmImageCompressor* codec = CQlmImageCompressor::New();
  codec->ImageData = image;
  codec->VolumeBlock = block;
  const bool done = codec->Decompress();
  codec->Delete();
  return done;
}

class SampleProjectTest : public ::testing::Test {
protected:
  void SetUp() override {
    QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
    this->Volume = SampleProject::LoadHeadCT(QlmTestData::Path(QlmTestData::CraniumMatrix).string());
    ASSERT_TRUE(this->Volume);
    CQlmProjectData data;
    ASSERT_TRUE(SampleProject::Fill(data, this->Volume));
    this->Path = this->Folder.File("Amostra.qlm");
    ASSERT_TRUE(data.Save(this->Path));
    this->File = ReadFile(this->Path);
  }

  QlmTempDir Folder;
  std::string Path;
  vtkSmartPointer<vtkImageData> Volume;
  Bytes File;
};

}  // namespace

TEST_F(SampleProjectTest, WriteReadWriteGivesIdenticalBytesAndTheSameVoxels) {
  CQlmProjectData read;
  ASSERT_TRUE(read.Open(this->Path));
  ASSERT_TRUE(read.Save(this->Folder.File("Copia.qlm")));
  EXPECT_EQ(ReadFile(this->Folder.File("Copia.qlm")), this->File);

  vtkNew<vtkImageData> decoded;
  ASSERT_TRUE(Decodes(read.MainVolumeBlock, decoded));
  ASSERT_EQ(decoded->GetNumberOfPoints(), this->Volume->GetNumberOfPoints());
  EXPECT_EQ(std::memcmp(decoded->GetScalarPointer(), this->Volume->GetScalarPointer(),
                        2 * static_cast<size_t>(decoded->GetNumberOfPoints())),
            0);
  double range[2];
  decoded->GetScalarRange(range);
  EXPECT_EQ(range[0], 0);
  EXPECT_EQ(range[1], 4010);
  EXPECT_EQ(read.Arch.Points.size(), 9u);
}

TEST_F(SampleProjectTest, EveryCutAtA4KiBBoundaryIsRefused) {
  for (size_t size = 0; size < this->File.size(); size += 4096) {
    CQlmProjectData read;
    EXPECT_FALSE(TryLoad(this->File, size, read)) << "cut at " << size;
  }
}

// Half of the mutations hit the sections after the volume block, where every
// count and length of the layout lies; the others anywhere, mostly in the block,
// whose decoding is tried for the first few.
TEST_F(SampleProjectTest, RandomByteMutationsAreReadOrRefusedWithoutHarm) {
  constexpr int DecodedBlocks = 12;
  const size_t blockEnd = 16 + static_cast<size_t>(PeekInt32(this->File, 12));
  const size_t tail = this->File.size() - 4000;
  std::mt19937 random(20210601);
  int decoded = 0;
  for (int mutation = 0; mutation < 200; ++mutation) {
    Bytes bad = this->File;
    const size_t first = mutation % 2 ? tail : 0;
    std::uniform_int_distribution<size_t> where(first, bad.size() - 1);
    bool inBlock = false;
    for (int i = 1 + mutation % 8; i > 0; --i) {
      const size_t at = where(random);
      bad[at] = static_cast<uint8_t>(random());
      inBlock = inBlock || at < blockEnd;
    }
    CQlmProjectData read;
    if (!TryLoad(bad, bad.size(), read) || !inBlock || decoded == DecodedBlocks) continue;
    ++decoded;
    vtkNew<vtkImageData> image;
    Decodes(read.MainVolumeBlock, image);
  }
  EXPECT_EQ(decoded, DecodedBlocks);
}

// The set-up rewrites a sample that is missing or was written by an older tool.
TEST_F(SampleProjectTest, OnlyASampleOfThisRevisionIsCurrent) {
  EXPECT_TRUE(SampleProject::IsCurrent(this->Path));
  CQlmProjectData older;
  ASSERT_TRUE(older.Open(this->Path));
  older.Notes = "Projeto de demonstração: tomografia de crânio com dentes.";  // revision 1
  ASSERT_TRUE(older.Save(this->Path));
  EXPECT_FALSE(SampleProject::IsCurrent(this->Path));
  EXPECT_FALSE(SampleProject::IsCurrent(this->Folder.File("Ausente.qlm")));
}
