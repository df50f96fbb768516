#include <gtest/gtest.h>
#include <vtkImageData.h>
#include <vtkNew.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "CTFilterFixtures.h"
#include "ct/CQlmCTCrossFilter9.h"

namespace {

// 0.6 mm voxels around the default arch, sections 16 mm wide.
class CrossSections : public ::testing::Test {
protected:
  void SetUp() override {
    this->Volume = PatternVolume(160, 120, 12, 0.6, 0.6, 0.6, VTK_SHORT);
    this->Filter.SetInput(this->Volume);
    this->Filter.SetCalc(&this->Arch.Calc);
    this->Filter.SetWidth(16.0f);
  }

  // Slice k of the filter's output as it is now.
  std::vector<uint16_t> Slice(int k) {
    int dims[3];
    this->Filter.GetOutput()->GetDimensions(dims);
    const auto* voxels = static_cast<const uint16_t*>(this->Filter.GetOutput()->GetScalarPointer(0, 0, k));
    return std::vector<uint16_t>(voxels, voxels + dims[0] * dims[1]);
  }

  // Changes every voxel, so a section sampled afterwards differs from one sampled before.
  void ChangeVolume() {
    auto* voxels = static_cast<int16_t*>(this->Volume->GetScalarPointer());
    std::transform(voxels, voxels + this->Volume->GetNumberOfPoints(), voxels,
                   [](int16_t v) { return static_cast<int16_t>(4010 - v); });
  }

  // The nine sections as a fresh reference pipeline samples them now.
  vtkSmartPointer<vtkImageData> Reference() {
    return ReferenceSections(this->Volume, this->Arch.Calc, this->Filter.GetFlipY(), 16.0f,
                             this->Filter.GetSectionSpacing(), this->Filter.GetFirstIndex());
  }

  std::vector<uint16_t> ReferenceSlice(vtkImageData* reference, int k) {
    int dims[3];
    reference->GetDimensions(dims);
    const auto* voxels = static_cast<const uint16_t*>(reference->GetScalarPointer()) + k * dims[0] * dims[1];
    return std::vector<uint16_t>(voxels, voxels + dims[0] * dims[1]);
  }

  vtkSmartPointer<vtkImageData> Volume;
  DefaultArch Arch;
  CQlmCTCrossFilter9 Filter;
};

TEST_F(CrossSections, NineSectionsMatchTheReferenceWithAndWithoutFlip) {
  EXPECT_EQ(this->Filter.GetMaxIndex(), 54);
  this->Filter.SetPosition(20);
  EXPECT_EQ(VoxelDifference(this->Filter.GetOutput(), this->Reference()), "");
  this->Filter.SetFlipY(1);
  EXPECT_EQ(VoxelDifference(this->Filter.GetOutput(), this->Reference()), "");
  const float* positions = this->Filter.GetSectionPositions();
  EXPECT_FLOAT_EQ(positions[0], 40.0f);
  EXPECT_FLOAT_EQ(positions[8], 56.0f);
  EXPECT_FLOAT_EQ(this->Filter.GetCentreArc(), 48.0f);
}

TEST_F(CrossSections, ScrollingByOneMovesEightSlicesAndSamplesOne) {
  this->Filter.SetPosition(10);
  const std::vector<uint16_t> before[9] = {this->Slice(0), this->Slice(1), this->Slice(2),
                                           this->Slice(3), this->Slice(4), this->Slice(5),
                                           this->Slice(6), this->Slice(7), this->Slice(8)};
  this->ChangeVolume();
  this->Filter.SetPosition(11);
  EXPECT_EQ(this->Filter.GetStep(), 1);
  for (int k = 0; k < 8; ++k) EXPECT_EQ(this->Slice(k), before[k + 1]) << "slice " << k << " moved, not sampled";
  vtkSmartPointer<vtkImageData> reference = this->Reference();
  EXPECT_EQ(this->Slice(8), this->ReferenceSlice(reference, 8)) << "section 8 sampled at arc length 38";

  this->Filter.SetPosition(9);
  EXPECT_EQ(this->Slice(0), this->ReferenceSlice(this->Reference(), 0)) << "scrolling back samples section 0";

  this->Filter.SetPosition(20);
  EXPECT_EQ(VoxelDifference(this->Filter.GetOutput(), this->Reference()), "") << "a jump samples all nine";
}

TEST_F(CrossSections, AfterTheFlipTheNextPositionChangeSamplesAllNine) {
  this->Filter.SetPosition(10);
  this->Filter.SetFlipY(1);
  this->ChangeVolume();
  this->Filter.SetPosition(11);
  EXPECT_EQ(this->Filter.GetStep(), 0);
  EXPECT_EQ(VoxelDifference(this->Filter.GetOutput(), this->Reference()), "");
  this->ChangeVolume();
  this->Filter.SetPosition(12);
  EXPECT_EQ(this->Filter.GetStep(), 1) << "the stale mark was cleared";
}

TEST_F(CrossSections, PositionsOutsideTheArchAreIgnored) {
  this->Filter.SetPosition(30);
  for (int i : {55, -1, 30}) {
    this->Filter.SetPosition(i);
    EXPECT_EQ(this->Filter.GetFirstIndex(), 30) << i;
  }
  this->Filter.SetPosition(54);
  EXPECT_EQ(this->Filter.GetFirstIndex(), 54);
}

TEST_F(CrossSections, SingleSectionSamplesOnlyTheCentre) {
  this->Filter.SetPosition(10);
  const std::vector<uint16_t> corner = this->Slice(0);
  this->Filter.SetSingleSection(1);
  this->ChangeVolume();
  this->Filter.SetPosition(11);
  EXPECT_EQ(this->Slice(0), corner) << "only the centre is sampled";
  EXPECT_EQ(this->Slice(4), this->ReferenceSlice(this->Reference(), 4));
  this->Filter.SetSingleSection(0);
  EXPECT_EQ(VoxelDifference(this->Filter.GetOutput(), this->Reference()), "");
}

TEST_F(CrossSections, ASpacingChangeKeepsTheRelativePosition) {
  this->Filter.SetPosition(27);
  this->Filter.SetSpacing(4.0f);
  EXPECT_EQ(this->Filter.GetMaxIndex(), 23);
  EXPECT_EQ(this->Filter.GetFirstIndex(), 11);
  EXPECT_FLOAT_EQ(this->Filter.GetCentreArc(), 60.0f);
  EXPECT_EQ(VoxelDifference(this->Filter.GetOutput(), this->Reference()), "");
}

TEST_F(CrossSections, AHoldSamplesNothingUntilTheUpdateWhichSamplesTheLastGeometry) {
  this->Filter.SetPosition(10);
  std::vector<std::vector<uint16_t>> before;
  for (int k = 0; k < 9; ++k) before.push_back(this->Slice(k));
  this->Filter.HoldSampling();
  this->ChangeVolume();
  this->Filter.SetSpacing(3.0f);
  this->Filter.SetPosition(12);
  this->Filter.SetFlipY(1);
  this->Filter.SetSingleSection(0);
  for (int k = 0; k < 9; ++k) EXPECT_EQ(this->Slice(k), before[k]) << "slice " << k << " sampled while held";
  EXPECT_EQ(this->Filter.GetFirstIndex(), 12);

  this->Filter.Update();
  EXPECT_EQ(VoxelDifference(this->Filter.GetOutput(), this->Reference()), "");
  this->ChangeVolume();
  this->Filter.SetPosition(13);
  EXPECT_EQ(this->Slice(8), this->ReferenceSlice(this->Reference(), 8)) << "the update ended the hold";
}

// MaxIndex 0 or below used to be a divisor; and spacings and widths from files may be anything.
TEST(CQlmCTCrossFilter9, ShortArchesAndBadSettingsKeepTheIndexInRange) {
  vtkSmartPointer<vtkImageData> volume = PatternVolume(60, 60, 6, 0.5, 0.5, 0.5, VTK_SHORT);
  struct Case {
    float ArchLength, Spacing;
    int MaxIndex;
  };
  for (const Case& c : {Case{17.0f, 2.0f, 0}, Case{10.0f, 2.0f, -3}, Case{10.0f, 0.0f, 92},
                        Case{10.0f, std::numeric_limits<float>::quiet_NaN(), 92}, Case{10.0f, 9.0f, -6}}) {
    CQlmPolyLine line;
    line.SetStraightLine(-c.ArchLength / 2, 0.0f, c.ArchLength / 2, 0.0f);
    CQlmPanoramicCalc calc;
    calc.SetPolyLine(&line);
    CQlmCTCrossFilter9 filter;
    filter.SetInput(volume);
    filter.SetCalc(&calc);
    filter.SetSpacing(c.Spacing);
    EXPECT_EQ(filter.GetMaxIndex(), c.MaxIndex) << c.ArchLength << " / " << c.Spacing;
    EXPECT_EQ(filter.GetFirstIndex(), 0) << c.ArchLength << " / " << c.Spacing;
  }
  CQlmCTCrossFilter9 filter;
  filter.SetInput(volume);
  for (const auto& [given, kept] : std::vector<std::pair<float, float>>{
           {-4.0f, 0.0f}, {std::numeric_limits<float>::quiet_NaN(), 0.0f}, {250.0f, 100.0f}, {12.0f, 12.0f}}) {
    filter.SetWidth(given);
    EXPECT_EQ(filter.GetSectionWidth(), kept) << given;
  }
}

// A section across a whole volume wider than 100 mm is not cut to 100 mm.
TEST(CQlmCTCrossFilter9, WidthsUpToTheVolumesLargestExtent) {
  vtkSmartPointer<vtkImageData> volume = PatternVolume(160, 120, 12, 1.0, 1.0, 1.0, VTK_SHORT);
  CQlmCTCrossFilter9 filter;
  filter.SetInput(volume);
  EXPECT_FLOAT_EQ(filter.GetLargestWidth(), 160.0f);
  for (const auto& [given, kept] :
       std::vector<std::pair<float, float>>{{125.37f, 125.37f}, {160.0f, 160.0f}, {200.0f, 160.0f}}) {
    filter.SetWidth(given);
    EXPECT_FLOAT_EQ(filter.GetSectionWidth(), kept) << given;
  }
  int extent[6];
  filter.GetOutput()->GetExtent(extent);
  EXPECT_EQ(extent[1] + 1, 160);
}

TEST(CQlmCTCrossFilter9, SectionImageOfA512VoxelVolume) {
  CQlmCTCrossFilter9 filter;
  filter.SetInput(ShapeOnlyVolume(512, 512, 300, 0.3));
  int extent[6];
  filter.GetOutput()->GetExtent(extent);
  EXPECT_EQ(std::vector<int>(extent, extent + 6), (std::vector<int>{0, 108, 0, 299, 0, 8}));
  EXPECT_DOUBLE_EQ(filter.GetOutput()->GetSpacing()[0], 0.30000001192092896);
}

}  // namespace
