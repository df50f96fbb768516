// Profiles along lines over a ramp volume, in the images the views show: the
// axial slice (mirrored in y), a cell of the nine sections, the thin and the
// thick panoramic. They must equal the ramp at the sampled points.
#include "toolkit/vtkHUProfileSource.h"

#include <gtest/gtest.h>
#include <vtkDataArray.h>
#include <vtkImageData.h>
#include <vtkPointData.h>
#include <vtkPolyData.h>

#include <cmath>
#include <functional>
#include <numeric>
#include <vector>

#include "../ct/CTFilterFixtures.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "toolkit/QlmPlanningFrame.h"
#include "toolkit/vtkRullerWindowHU.h"

namespace {

constexpr int Slice = 12;

// A 1 mm volume of 120 x 100 x 40 voxels whose value rises along x, y and z.
double Ramp(double i, double j, double k) { return 1000.0 + 10.0 * i + 4.0 * j + 25.0 * k; }
// A volume whose value rises with z only: the panoramic and cross-section
// views show it as a function of height alone.
double HeightRamp(double, double, double k) { return 1000.0 + 25.0 * k; }

vtkSmartPointer<vtkImageData> RampVolume(double (*ramp)(double, double, double)) {
  auto volume = vtkSmartPointer<vtkImageData>::New();
  volume->SetDimensions(120, 100, 40);
  volume->AllocateScalars(VTK_UNSIGNED_SHORT, 1);
  auto* voxels = static_cast<unsigned short*>(volume->GetScalarPointer());
  for (int k = 0; k < 40; ++k)
    for (int j = 0; j < 100; ++j)
      for (int i = 0; i < 120; ++i) *voxels++ = static_cast<unsigned short>(ramp(i, j, k));
  return volume;
}

struct Line {
  double P1[2];
  double P2[2];
};

// The value expected at world point (x, y) of the view, or none outside its image.
using Expected = std::function<bool(double x, double y, double& value)>;

// Runs the source and compares each sample and the mean with `expected` along
// the line, sampled every millimetre (the image spacing) from its first point.
void ExpectProfile(vtkImageData* image, int zSlice, int mirrorY, const Line& line, const Expected& expected) {
  vtkNew<vtkHUProfileSource> source;
  source->SetImageData(image);
  source->SetZSlice(zSlice);
  source->SetMirrorY(mirrorY);
  source->SetPoint1(line.P1[0], line.P1[1], 0);
  source->SetPoint2(line.P2[0], line.P2[1], 0);
  source->Update();

  const double length = std::hypot(line.P2[0] - line.P1[0], line.P2[1] - line.P1[1]);
  std::vector<double> values;
  std::vector<double> fractions;
  for (int k = 0; k <= static_cast<int>(std::floor(length)); ++k) {
    const double t = k / length;
    double value = 0.0;
    if (expected(line.P1[0] + (line.P2[0] - line.P1[0]) * t, line.P1[1] + (line.P2[1] - line.P1[1]) * t, value)) {
      values.push_back(value);
      fractions.push_back(t);
    }
  }
  ASSERT_FALSE(values.empty());
  const std::vector<double>& profile = source->GetValues();
  ASSERT_EQ(profile.size(), values.size());
  vtkPolyData* curve = source->GetOutput();
  ASSERT_EQ(curve->GetNumberOfPoints(), static_cast<vtkIdType>(values.size()));
  ASSERT_EQ(curve->GetNumberOfCells(), 1);
  for (size_t k = 0; k < values.size(); ++k) {
    EXPECT_NEAR(profile[k], values[k], 0.51) << "sample " << k;
    double point[3];
    curve->GetPoint(static_cast<vtkIdType>(k), point);
    EXPECT_NEAR(point[0], 100 * (fractions[k] - 0.5), 1e-4) << "sample " << k;
    EXPECT_NEAR(point[1], vtkRullerWindowHU::HeightOf(profile[k]), 1e-4) << "sample " << k;
  }
  const double mean = std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
  EXPECT_NEAR(source->GetAverage(), mean, 0.51);
}

// The image's x and y bounds hold (x, y).
bool Inside(vtkImageData* image, double x, double y) {
  double bounds[6];
  image->GetBounds(bounds);
  return x >= bounds[0] - 1e-9 && x <= bounds[1] + 1e-9 && y >= bounds[2] - 1e-9 && y <= bounds[3] + 1e-9;
}

class vtkHUProfileSourceTest : public ::testing::Test {
protected:
  void Open(double (*ramp)(double, double, double)) {
    this->Volume = RampVolume(ramp);
    this->Filters->SetInput(&this->Arch.Calc, this->Volume);
    this->Filters->GetCrossFilter()->SetFlipY(1);
    this->Filters->GetPanFilter()->SetFlipY(1);
    this->Filters->GetAxialFilter()->SetSlice(Slice);
  }
  // The height ramp at height h above the volume centre.
  Expected HeightExpected(vtkImageData* image) const {
    const double centre = QlmPlanningFrame(this->Volume).GetCentre()[2];
    return [image, centre](double x, double y, double& value) {
      if (!Inside(image, x, y)) return false;
      value = HeightRamp(0, 0, y + centre);
      return true;
    };
  }

  DefaultArch Arch;
  vtkSmartPointer<vtkImageData> Volume;
  std::unique_ptr<CQlmCTFilter> Filters{CQlmCTFilter::New()};
};

}  // namespace

TEST_F(vtkHUProfileSourceTest, AxialProfilesAreTheRampUnderTheLineMirroredInY) {
  this->Open(Ramp);
  vtkImageData* slice = this->Filters->GetAxialFilter()->GetOutput();
  const QlmPlanningFrame frame(this->Volume);
  const double z = Slice - frame.GetCentre()[2];
  const Expected expected = [&](double x, double y, double& value) {
    if (!Inside(slice, x, -y)) return false;
    const double planning[3] = {x, y, z};
    double voxel[3];
    frame.ToVolume(planning, voxel);
    value = Ramp(voxel[0], voxel[1], voxel[2]);
    return true;
  };
  const Line lines[] = {{{-30, -20}, {25, 15}}, {{10, 30}, {10, -35.5}}, {{-75, 5}, {-40, 5}}, {{0, 0}, {0.4, 0}}};
  for (const Line& line : lines) {
    SCOPED_TRACE(std::to_string(line.P1[0]) + ", " + std::to_string(line.P1[1]));
    // The slice image has one slice: the axial index given with it does not move off it.
    ExpectProfile(slice, Slice, 1, line, expected);
  }
}

TEST_F(vtkHUProfileSourceTest, CrossSectionProfilesAreTakenFromTheCellsSlice) {
  this->Open(HeightRamp);
  vtkImageData* sections = this->Filters->GetCrossFilter()->GetOutput();
  const Expected expected = this->HeightExpected(sections);
  for (int cell : {0, 4, 8}) {
    SCOPED_TRACE("cell " + std::to_string(cell));
    ExpectProfile(sections, cell, 0, {{0, -12}, {3, 14}}, expected);
  }
}

TEST_F(vtkHUProfileSourceTest, ThinAndThickPanoramicProfilesAreTheRampOfTheirHeights) {
  this->Open(HeightRamp);
  CQlmCTPanFilter& panoramic = *this->Filters->GetPanFilter();
  for (int thick : {0, 1}) {
    SCOPED_TRACE(thick ? "thick" : "thin");
    panoramic.SetThick(thick);
    panoramic.SetThickMode(1);  // the slab rows' maximum, raw
    panoramic.Update();
    vtkImageData* image = panoramic.GetOutput();
    const Expected expected = this->HeightExpected(image);
    for (const Line& line : {Line{{-20, -15}, {-20, 16}}, Line{{-40, 10}, {35, -8}}, Line{{5, -30}, {5, 0}}}) {
      ExpectProfile(image, 0, 0, line, expected);
    }
  }
}

TEST(vtkHUProfileSource, WithoutAnImageOrInsideIsTheProfileEmptyWithMeanZero) {
  vtkNew<vtkHUProfileSource> source;
  source->SetPoint2(10, 0, 0);
  source->Update();
  EXPECT_EQ(source->GetOutput()->GetNumberOfPoints(), 0);
  EXPECT_EQ(source->GetAverage(), 0.0);

  vtkNew<vtkImageData> image;
  image->SetDimensions(5, 5, 1);
  image->AllocateScalars(VTK_SHORT, 1);
  image->GetPointData()->GetScalars()->Fill(700);
  source->SetImageData(image);
  source->SetPoint1(20, 20, 0);
  source->SetPoint2(30, 20, 0);
  source->Update();
  EXPECT_TRUE(source->GetValues().empty());
  EXPECT_EQ(source->GetAverage(), 0.0);

  // A changed image is sampled again.
  source->SetPoint1(0, 0, 0);
  source->SetPoint2(4, 0, 0);
  source->Update();
  EXPECT_DOUBLE_EQ(source->GetAverage(), 700.0);
  image->GetPointData()->GetScalars()->Fill(-300);
  image->Modified();
  source->Update();
  EXPECT_DOUBLE_EQ(source->GetAverage(), -300.0);
}
