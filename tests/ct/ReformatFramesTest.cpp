// Where the reformatted images lie: every pixel, placed by its image's origin
// and spacing in its view's frame, must show the volume at the planning point
// that the frame names, converted by QlmPlanningFrame:
//   axial: planning (x, y) = the image point (x, -y) (the view mirrors it);
//   cross-section cell k: x across the arch (outwards), 0 on it, y the height;
//   panoramic: x the arc length from the current curve's middle, y the height.
// The volumes hold their own voxel index along one axis, a linear field that
// the filters' interpolation reproduces exactly, so every pixel tells where in
// the volume it was sampled.
#include <gtest/gtest.h>
#include <vtkImageData.h>
#include <vtkSmartPointer.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>

#include "CTFilterFixtures.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "toolkit/QlmPlanningFrame.h"

namespace {

using Point = std::array<double, 3>;

// 110 x 90 x 40 mm around the default arch, origin off zero.
constexpr int Dimensions[3] = {220, 180, 40};
constexpr double Spacing[3] = {0.5, 0.5, 1.0};
constexpr double Origin[3] = {-7.5, 3.25, -20.0};
// Voxel value = Base + Step x index along the volume's axis: steps large enough
// for 16-bit samples to tell positions within a few hundredths of a millimetre,
// values within the thick panoramic's linear window (600 .. 2199), so its
// mapped mean can be undone.
constexpr double Base = 700.0;
constexpr double Step[3] = {6.0, 7.0, 35.0};

vtkSmartPointer<vtkImageData> IndexVolume(int axis) {
  auto volume = vtkSmartPointer<vtkImageData>::New();
  volume->SetDimensions(Dimensions[0], Dimensions[1], Dimensions[2]);
  volume->SetSpacing(Spacing[0], Spacing[1], Spacing[2]);
  volume->SetOrigin(Origin[0], Origin[1], Origin[2]);
  volume->AllocateScalars(VTK_UNSIGNED_SHORT, 1);
  auto* voxels = static_cast<uint16_t*>(volume->GetScalarPointer());
  int index[3];
  for (index[2] = 0; index[2] < Dimensions[2]; ++index[2])
    for (index[1] = 0; index[1] < Dimensions[1]; ++index[1])
      for (index[0] = 0; index[0] < Dimensions[0]; ++index[0])
        *voxels++ = static_cast<uint16_t>(Base + Step[axis] * index[axis]);
  return volume;
}

// The default arch and one set of filters per index volume.
class ReformatFrames : public ::testing::Test {
protected:
  void SetUp() override {
    for (int axis = 0; axis < 3; ++axis) {
      this->Volumes[axis] = IndexVolume(axis);
      this->Filters[axis] = std::make_unique<CQlmCTFilter>();
      this->Filters[axis]->SetInput(&this->Arch.Calc, this->Volumes[axis]);
      this->Filters[axis]->GetPanFilter()->SetFlipY(1);
      this->Filters[axis]->GetCrossFilter()->SetFlipY(1);
    }
  }

  // Where in the volume (mm) pixel (column, row) of slice `slice` was sampled.
  Point Sampled(
      const std::function<vtkImageData*(CQlmCTFilter&)>& image, int column, int row, int slice = 0,
      const std::function<double(double)>& unmap = [](double v) { return v; }) {
    Point position;
    for (int axis = 0; axis < 3; ++axis) {
      vtkImageData* picture = image(*this->Filters[axis]);
      const double value = unmap(*static_cast<uint16_t*>(picture->GetScalarPointer(column, row, slice)));
      position[axis] = Origin[axis] + (value - Base) / Step[axis] * Spacing[axis];
    }
    return position;
  }

  // Pixel (column, row) in its image's frame.
  static Point FramePosition(vtkImageData* image, int column, int row) {
    return {image->GetOrigin()[0] + column * image->GetSpacing()[0],
            image->GetOrigin()[1] + row * image->GetSpacing()[1], 0.0};
  }

  Point ToVolume(const Point& planning) const {
    Point volume;
    QlmPlanningFrame(this->Volumes[0]).ToVolume(planning.data(), volume.data());
    return volume;
  }

  DefaultArch Arch;
  vtkSmartPointer<vtkImageData> Volumes[3];
  std::unique_ptr<CQlmCTFilter> Filters[3];
};

double DistanceXY(const Point& a, const Point& b) { return std::hypot(a[0] - b[0], a[1] - b[1]); }

TEST_F(ReformatFrames, TheAxialSliceMirroredInYShowsTheVolumeAtEachPlanningPoint) {
  for (auto& filters : this->Filters) filters->GetAxialFilter()->SetSlice(13);
  vtkImageData* slice = this->Filters[0]->GetAxialFilter()->GetOutput();
  for (int column : {0, 57, 219})
    for (int row : {0, 90, 179}) {
      const Point image = FramePosition(slice, column, row);
      const Point planning = {image[0], -image[1], 13 * Spacing[2] - 19.5 * Spacing[2]};
      const Point expected = this->ToVolume(planning);
      const Point sampled = this->Sampled([](CQlmCTFilter& f) { return f.GetAxialFilter()->GetOutput(); }, column, row);
      for (int axis = 0; axis < 3; ++axis)
        EXPECT_NEAR(sampled[axis], expected[axis], 1e-4) << "pixel " << column << ", " << row << " axis " << axis;
    }
}

// x across the arch grows outwards: to the left of the arch's drawing direction.
TEST_F(ReformatFrames, ACrossSectionPixelShowsTheVolumeAcrossTheArchAtItsHeight) {
  for (auto& filters : this->Filters) filters->GetCrossFilter()->SetPosition(20);
  vtkImageData* sections = this->Filters[0]->GetCrossFilter()->GetOutput();
  const int* dims = sections->GetDimensions();
  for (int k : {0, 4, 8}) {
    const float arc = (20 + k) * this->Filters[0]->GetCrossFilter()->GetSectionSpacing();
    float onArch[3];
    this->Arch.Calc.GetArchPoint(arc, onArch);
    double section[16];
    this->Arch.Calc.GetSectionMatrix(arc, section);
    const double outwards[2] = {-section[0], -section[4]};  // minus the section's local x
    for (int column : {2, dims[0] / 2, dims[0] - 3})
      for (int row : {4, dims[1] / 2, dims[1] - 5}) {
        const Point frame = FramePosition(sections, column, row);
        const Point planning = {onArch[0] + frame[0] * outwards[0], onArch[1] + frame[0] * outwards[1],
                                onArch[2] + frame[1]};
        const Point expected = this->ToVolume(planning);
        const Point sampled =
            this->Sampled([](CQlmCTFilter& f) { return f.GetCrossFilter()->GetOutput(); }, column, row, k);
        for (int axis = 0; axis < 3; ++axis)
          EXPECT_NEAR(sampled[axis], expected[axis], 0.05)
              << "cell " << k << " pixel " << column << ", " << row << " axis " << axis;
      }
  }
}

// Each strip of the thin panoramic is a whole number of pixels, up to one more
// than its segment, and centred on the segment's middle only to a pixel, so the
// strips can lie only near their places along the curve: the image is placed
// where the largest misplacement is smallest, as far ahead as behind. Heights
// are exact.
TEST_F(ReformatFrames, APanoramicPixelShowsTheCurveAtItsArcLengthFromTheMiddle) {
  for (int curve : {this->Arch.Calc.GetMiddleCurve(), this->Arch.Calc.GetMiddleCurve() + 3}) {
    for (auto& filters : this->Filters) filters->SetCurrentCurve(curve);
    vtkImageData* panoramic = this->Filters[0]->GetPanFilter()->GetOutput();
    const int* dims = panoramic->GetDimensions();
    const float halfLength = this->Arch.Calc.GetCurveLength() / 2;
    double ahead = 0.0;
    double behind = 0.0;
    for (int column = 0; column < dims[0]; ++column)
      for (int row : {1, dims[1] / 2, dims[1] - 2}) {
        const Point frame = FramePosition(panoramic, column, row);
        const float arc = static_cast<float>(frame[0]) + halfLength;
        float onCurve[3];
        this->Arch.Calc.GetCurvePoint(arc, onCurve);
        const Point expected = this->ToVolume({onCurve[0], onCurve[1], onCurve[2] + frame[1]});
        const Point sampled = this->Sampled([](CQlmCTFilter& f) { return f.GetPanFilter()->GetOutput(); }, column, row);
        EXPECT_NEAR(sampled[2], expected[2], 0.05) << "curve " << curve << " pixel " << column << ", " << row;
        // The misplacement along the curve's direction in the volume (planning y reversed).
        double section[16];
        this->Arch.Calc.GetCurveSectionMatrix(arc, section);
        const double along = -(sampled[0] - expected[0]) * section[2] + (sampled[1] - expected[1]) * section[6];
        EXPECT_LT(DistanceXY(sampled, expected) - std::abs(along), 0.2 * Spacing[0]) << "off the curve at " << column;
        ahead = std::max(ahead, along / Spacing[0]);
        behind = std::min(behind, along / Spacing[0]);
      }
    EXPECT_LT(ahead, 2.5) << "curve " << curve;
    EXPECT_NEAR(ahead, -behind, 0.25) << "curve " << curve;
    RecordProperty("PixelsAheadOnCurve" + std::to_string(curve), std::to_string(ahead));
  }
}

// The thick panoramic follows the arch, slab j at arc length j x spacing x;
// its mapped mean of a linear field is the field at the slab's middle.
TEST_F(ReformatFrames, AThickPanoramicPixelShowsTheSlabAcrossTheArchAtItsArcLength) {
  for (auto& filters : this->Filters) {
    CQlmCTPanFilter& panoramic = *filters->GetPanFilter();
    panoramic.SetThickMode(0);
    panoramic.SetThick(1);
    panoramic.Update();
  }
  vtkImageData* panoramic = this->Filters[0]->GetPanFilter()->GetOutput();
  int extent[6];
  panoramic->GetExtent(extent);
  // The stored pixel is the mapped mean truncated: take the middle of its unit.
  const auto unmapped = [](double stored) { return ((stored + 0.5) / 4095.0 - 0.5) * 1599.0 + 1399.5; };
  const float halfLength = this->Arch.Calc.GetArchLength() / 2;
  for (int column : {extent[0] + 20, (extent[0] + extent[1]) / 2, extent[1] - 20})
    for (int row : {extent[2] + 1, (extent[2] + extent[3]) / 2, extent[3] - 1}) {
      const Point frame = FramePosition(panoramic, column, row);
      float onArch[3];
      this->Arch.Calc.GetArchPoint(static_cast<float>(frame[0]) + halfLength, onArch);
      const Point expected = this->ToVolume({onArch[0], onArch[1], onArch[2] + frame[1]});
      const Point sampled =
          this->Sampled([](CQlmCTFilter& f) { return f.GetPanFilter()->GetOutput(); }, column, row, 0, unmapped);
      for (int axis = 0; axis < 3; ++axis)
        EXPECT_NEAR(sampled[axis], expected[axis], 0.1) << "pixel " << column << ", " << row << " axis " << axis;
    }
}

}  // namespace
