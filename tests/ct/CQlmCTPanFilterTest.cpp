#include "ct/CQlmCTPanFilter.h"

#include "CTFilterFixtures.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "libconvert/CQlmObserver.h"

#include <gtest/gtest.h>
#include <vtkImageData.h>
#include <vtkNew.h>

#include <cmath>
#include <limits>
#include <string>
#include <thread>
#include <vector>

namespace {

// Records what the filter reports, and on which thread.
class RecordingObserver : public CQlmObserver {
public:
  void SetText(CString text) override { this->Texts.push_back(text.Str()); }
  std::vector<std::string> Texts;
  std::vector<std::pair<long, unsigned>> Steps;
  bool OnCallingThread = true;

protected:
  void Execute() override {
    this->Steps.emplace_back(*this->Current, *this->Total);
    this->OnCallingThread &= std::this_thread::get_id() == this->Caller;
  }

private:
  std::thread::id Caller = std::this_thread::get_id();
};

struct PanoramicCase {
  const char* Name;
  int Dims[3];
  double Spacing[3];
  int ScalarType;
  int Flip;
  int Thick;
  float Thickness;
  int Mode;
};

void PrintTo(const PanoramicCase& c, std::ostream* os) { *os << c.Name; }

class PanoramicMatchesReference : public ::testing::TestWithParam<PanoramicCase> {};

TEST_P(PanoramicMatchesReference, VoxelForVoxel) {
  const PanoramicCase& c = GetParam();
  vtkSmartPointer<vtkImageData> volume =
      PatternVolume(c.Dims[0], c.Dims[1], c.Dims[2], c.Spacing[0], c.Spacing[1], c.Spacing[2], c.ScalarType);
  DefaultArch arch;
  CQlmCTPanFilter filter;
  filter.SetInput(volume);
  filter.SetCalc(&arch.Calc);
  filter.SetFlipY(c.Flip);
  filter.SetThickness(c.Thickness);
  filter.SetThickMode(c.Mode);
  filter.SetThick(c.Thick);
  filter.Update();

  const ReferencePanoramic reference = c.Thick ? ReferenceThick(volume, arch.Calc, c.Flip, c.Thickness, c.Mode)
                                               : ReferenceThin(volume, arch.Calc, c.Flip);
  EXPECT_EQ(VoxelDifference(filter.GetOutput(), reference.Image), "");
  EXPECT_EQ(filter.GetOutput()->GetScalarType(), c.ScalarType);
  EXPECT_DOUBLE_EQ(filter.GetOutput()->GetSpacing()[1], static_cast<float>(c.Spacing[1]));
  if (c.Thick) {
    int expected[6], actual[6];
    reference.Image->GetExtent(expected);
    filter.GetThickResult()->GetExtent(actual);
    EXPECT_EQ(std::vector<int>(actual, actual + 6), std::vector<int>(expected, expected + 6));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PanoramicMatchesReference,
    ::testing::Values(PanoramicCase{"ThinFlipped", {200, 176, 24}, {0.5, 0.5, 0.6}, VTK_SHORT, 1, 0, 22, 2},
                      PanoramicCase{
                          "ThinUnflippedUnsigned", {200, 176, 24}, {0.5, 0.5, 0.6}, VTK_UNSIGNED_SHORT, 0, 0, 22, 2},
                      PanoramicCase{"ThickMappedMean", {200, 176, 24}, {0.5, 0.5, 0.6}, VTK_SHORT, 1, 1, 22, 0},
                      PanoramicCase{"ThickMaximum", {200, 176, 24}, {0.5, 0.5, 0.6}, VTK_SHORT, 1, 1, 15, 1},
                      PanoramicCase{"ThickBothUnflipped", {200, 176, 24}, {0.5, 0.5, 0.6}, VTK_SHORT, 0, 1, 22, 2},
                      PanoramicCase{"ThickAt03mm", {512, 512, 5}, {0.3, 0.3, 0.3}, VTK_SHORT, 1, 1, 22, 2}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(CQlmCTPanFilter, ThinStripsAndSlabOfTheDefaultArchAt03mm) {
  vtkSmartPointer<vtkImageData> volume = PatternVolume(512, 512, 4, 0.3, 0.3, 0.3, VTK_SHORT);
  DefaultArch arch;
  CQlmCTPanFilter filter;
  filter.SetInput(volume);
  filter.SetCalc(&arch.Calc);
  filter.SetFlipY(1);
  const ReferencePanoramic thin = ReferenceThin(volume, arch.Calc, true);
  EXPECT_EQ(thin.StripWidths, (std::vector<int>{76, 59, 43, 32, 32, 43, 59, 77}));
  EXPECT_EQ(filter.GetOutput()->GetDimensions()[0], 421);
  EXPECT_EQ(VoxelDifference(filter.GetOutput(), thin.Image), "");
  const ReferencePanoramic thick = ReferenceThick(volume, arch.Calc, true, 22.0f, 2);
  EXPECT_EQ(thick.SlabFirst, 219);
  EXPECT_EQ(thick.SlabLast, 293);
}

struct ReduceCase {
  uint64_t Sum;
  int Count;
  uint16_t Maximum;
  int Mode;
  uint16_t Stored;
};

TEST(CQlmCTPanFilter, SlabRowsReduceThroughTheMappedMean) {
  for (const ReduceCase& c : {
           ReduceCase{600 * 75, 75, 900, 0, 0},     // mean 600: bottom of the window
           ReduceCase{601 * 75, 75, 900, 0, 2},     // 2.56
           ReduceCase{2799, 2, 900, 0, 2047},       // mean 1399.5: 4095 / 2
           ReduceCase{2199 * 3, 3, 900, 0, 4095},   // top of the window
           ReduceCase{30000 * 3, 3, 900, 0, 4095},  // far above
           ReduceCase{1981, 2, 3000, 2, 2000},      // mapped 1000.06 and maximum 3000
           ReduceCase{10, 1, 60000, 1, 60000},      // the maximum is stored raw
           ReduceCase{0, 75, 0, 2, 0},
       }) {
    EXPECT_EQ(CQlmCTPanFilter::ReduceRow(c.Sum, c.Count, c.Maximum, c.Mode), c.Stored)
        << "sum " << c.Sum << " of " << c.Count << ", mode " << c.Mode;
  }
}

TEST(CQlmCTPanFilter, KeptThickResultIsReusedUntilMarkedDirty) {
  vtkSmartPointer<vtkImageData> volume = PatternVolume(160, 120, 10, 0.6, 0.6, 0.6, VTK_SHORT);
  DefaultArch arch;
  RecordingObserver observer;
  CQlmCTPanFilter filter;
  filter.SetProgressObserver(&observer);
  filter.SetInput(volume);
  filter.SetCalc(&arch.Calc);
  EXPECT_TRUE(observer.Steps.empty()) << "the thin panoramic reports nothing";

  filter.SetThick(1);
  filter.Update();
  EXPECT_EQ(filter.GetDirty(), 0);
  ASSERT_EQ(observer.Texts, (std::vector<std::string>{"Calculando Espessura Panorâmica", "Pronto"}));
  EXPECT_TRUE(observer.OnCallingThread);
  const int slabs = filter.GetThickResult()->GetDimensions()[0];
  const int rows = filter.GetThickResult()->GetDimensions()[1];
  ASSERT_EQ(observer.Steps.size(), static_cast<size_t>(slabs + rows + 1));
  EXPECT_EQ(observer.Steps.front(), (std::pair<long, unsigned>{0, 125}));
  EXPECT_EQ(observer.Steps[slabs - 1], (std::pair<long, unsigned>{124, 125}));
  EXPECT_EQ(observer.Steps[slabs + rows - 1], (std::pair<long, unsigned>{rows - 1, rows - 1}));
  EXPECT_EQ(observer.Steps.back(), (std::pair<long, unsigned>{-1, 1})) << "the bar goes back to 0";

  // Neither an update nor a flip recomputes a kept result: the changed voxels stay unseen.
  const std::string before = VoxelDifference(filter.GetOutput(), filter.GetThickResult());
  EXPECT_EQ(before, "");
  std::fill_n(static_cast<int16_t*>(volume->GetScalarPointer()), volume->GetNumberOfPoints(), int16_t{4000});
  observer.Steps.clear();
  filter.Update();
  filter.SetFlipY(1);
  EXPECT_TRUE(observer.Steps.empty());
  auto centre = [&] {
    return static_cast<uint16_t*>(filter.GetOutput()->GetScalarPointer())[(rows / 2) * slabs + slabs / 2];
  };
  EXPECT_NE(centre(), 4000);

  filter.SetDirty(1);
  filter.Update();
  EXPECT_EQ(centre(), 4047) << "mapped 4095 and maximum 4000";
}

TEST(CQlmCTPanFilter, SamplesTheVoxelsAsTheyAreAtEachUpdate) {
  vtkSmartPointer<vtkImageData> volume = PatternVolume(160, 120, 10, 0.6, 0.6, 0.6, VTK_SHORT);
  DefaultArch arch;
  CQlmCTPanFilter filter;
  filter.SetInput(volume);
  filter.SetCalc(&arch.Calc);
  volume->AllocateScalars(VTK_SHORT, 1);  // a reader filling the volume anew
  std::fill_n(static_cast<int16_t*>(volume->GetScalarPointer()), volume->GetNumberOfPoints(), int16_t{1234});
  filter.Update();
  const int* dims = filter.GetOutput()->GetDimensions();
  EXPECT_EQ(static_cast<int16_t*>(filter.GetOutput()->GetScalarPointer())[dims[1] / 2 * dims[0] + dims[0] / 2], 1234);
}

TEST(CQlmCTPanFilter, SlabSettingsFromFilesAreKeptInTheDialogRange) {
  CQlmCTPanFilter filter;
  const float nan = std::numeric_limits<float>::quiet_NaN();
  struct Case {
    float Given, Kept;
    int Dirty;
  };
  for (const Case& c : {Case{0, 1, 1}, Case{-5, 1, 0}, Case{nan, 1, 0}, Case{80, 50, 1}, Case{7.5f, 7.5f, 1}}) {
    filter.SetDirty(0);
    filter.SetThickness(c.Given);
    EXPECT_EQ(filter.GetThickness(), c.Kept) << c.Given;
    EXPECT_EQ(filter.GetDirty(), c.Dirty) << c.Given;
  }
  for (const auto& [given, kept] : std::vector<std::pair<int, int>>{{-1, 0}, {7, 2}, {1, 1}}) {
    filter.SetThickMode(given);
    EXPECT_EQ(filter.GetThickMode(), kept) << given;
  }
  filter.SetDirty(0);
  filter.SetThickMode(1);
  EXPECT_EQ(filter.GetDirty(), 0) << "an unchanged mode keeps the result";
}

TEST(CQlmCTPanFilter, CurveOffsetIsTheSignedDistanceFromTheArch) {
  DefaultArch arch;
  CQlmCTPanFilter filter;
  EXPECT_EQ(filter.GetCurveOffset(), 0.0f);
  filter.SetCalc(&arch.Calc);
  arch.Calc.SetCurveSpacing(0.5f);
  arch.Calc.SetNumberOfCurves(17);
  arch.Calc.SetCurrentCurve(10);
  ASSERT_EQ(arch.Calc.GetMiddleCurve(), 8);
  EXPECT_FLOAT_EQ(filter.GetCurveOffset(), 1.0f);
}

TEST(CQlmCTFilter, HandsVolumeAndGeometryToTheThreeFilters) {
  vtkSmartPointer<vtkImageData> volume = PatternVolume(160, 120, 10, 0.6, 0.6, 0.6, VTK_SHORT);
  DefaultArch arch;
  CQlmCTFilter owner;
  owner.SetInput(&arch.Calc, volume);
  EXPECT_EQ(owner.GetAxialFilter()->GetOutput()->GetDimensions()[1], 120);
  EXPECT_EQ(owner.GetCrossFilter()->GetMaxIndex(), 54);
  vtkNew<vtkImageData> archPanoramic;
  archPanoramic->DeepCopy(owner.GetPanFilter()->GetOutput());
  EXPECT_GT(archPanoramic->GetDimensions()[0], 200);

  owner.SetParameters(20.0f, 4.0f, 2.0f, 9);
  EXPECT_EQ(owner.GetCrossFilter()->GetSectionWidth(), 20.0f);
  EXPECT_EQ(owner.GetCrossFilter()->GetSectionSpacing(), 4.0f);
  EXPECT_EQ(arch.Calc.GetCurveSpacing(), 2.0f);
  EXPECT_EQ(arch.Calc.GetCurveCount(), 8);

  owner.SetCurrentCurve(8);
  EXPECT_FLOAT_EQ(owner.GetPanFilter()->GetCurveOffset(), 8.0f);
  EXPECT_NE(VoxelDifference(owner.GetPanFilter()->GetOutput(), archPanoramic), "") << "the curve 8 mm outside";
}

}  // namespace
