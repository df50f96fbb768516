#include "toolkit/QlmImageSampler.h"

#include <gtest/gtest.h>
#include <vtkImageData.h>
#include <vtkImageReslice.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPointData.h>
#include <vtkDataArray.h>
#include <vtkSmartPointer.h>
#include <vtkTransform.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

// A small volume of noisy values with a smooth ramp, so rounding ties and
// clamped cubic overshoot both occur.
vtkSmartPointer<vtkImageData> MakeVolume(int scalarType, unsigned seed) {
  auto volume = vtkSmartPointer<vtkImageData>::New();
  volume->SetExtent(2, 37, -3, 30, 1, 24);
  volume->SetSpacing(0.5, 0.45, 0.8);
  volume->SetOrigin(-3.0, 1.25, 7.5);
  volume->AllocateScalars(scalarType, 1);
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> noise(0, 600);
  const vtkIdType count = volume->GetNumberOfPoints();
  for (vtkIdType i = 0; i < count; ++i) {
    int value = static_cast<int>(i % 4000) + noise(random) - (scalarType == VTK_SHORT ? 300 : 0);
    if (i % 97 == 0) value = scalarType == VTK_SHORT ? 32767 : 65535;
    volume->GetPointData()->GetScalars()->SetTuple1(i, value);
  }
  return volume;
}

struct ResliceCase {
  const char* Name;
  int ScalarType;
  QlmImageSampler::Interpolation Mode;
  double Angles[3];  // degrees about x, y, z after translating to the centre
  double Shift[3];
};

void PrintTo(const ResliceCase& c, std::ostream* os) { *os << c.Name; }

class QlmImageSamplerMatchesReslice : public ::testing::TestWithParam<ResliceCase> {};

TEST_P(QlmImageSamplerMatchesReslice, VoxelForVoxel) {
  const ResliceCase& c = GetParam();
  vtkSmartPointer<vtkImageData> volume = MakeVolume(c.ScalarType, 7);

  vtkNew<vtkTransform> transform;
  transform->Translate(5.0 + c.Shift[0], 8.5 + c.Shift[1], 17.0 + c.Shift[2]);
  transform->RotateY(c.Angles[1]);
  transform->RotateZ(c.Angles[2]);
  transform->RotateX(c.Angles[0]);
  const double spacing[3] = {0.5, 0.45, 0.8};
  const double origin[3] = {-9.0, -7.25, 0.0};
  const int extent[6] = {-4, 40, 3, 45, 0, 0};

  vtkNew<vtkImageReslice> reslice;
  reslice->SetInputData(volume);
  reslice->SetResliceTransform(transform);
  reslice->SetOutputSpacing(spacing);
  reslice->SetOutputOrigin(origin);
  reslice->SetOutputExtent(extent);
  reslice->SetBackgroundLevel(0);
  if (c.Mode == QlmImageSampler::Interpolation::Linear) {
    reslice->SetInterpolationModeToLinear();
  } else {
    reslice->SetInterpolationModeToCubic();
  }
  reslice->Update();

  QlmImageSampler sampler(volume, c.Mode);
  ASSERT_TRUE(sampler.IsValid());
  const QlmImageSampler::Plane plane = sampler.MakePlane(transform->GetMatrix(), spacing, origin);
  int mismatches = 0;
  int inside = 0;
  std::vector<uint16_t> row(extent[1] - extent[0] + 1);
  for (int y = extent[2]; y <= extent[3]; ++y) {
    sampler.SampleRow(plane, y, extent[0], extent[1], row.data());
    for (int x = extent[0]; x <= extent[1]; ++x) {
      const auto expected =
          static_cast<uint16_t>(*static_cast<int16_t*>(reslice->GetOutput()->GetScalarPointer(x, y, 0)));
      const uint16_t actual = row[x - extent[0]];
      inside += expected != 0;
      if (actual != expected && ++mismatches <= 5) {
        ADD_FAILURE() << "(" << x << ", " << y << "): " << actual << " instead of " << expected;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(inside, 200) << "the plane should cut through the volume";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QlmImageSamplerMatchesReslice,
    ::testing::Values(
        ResliceCase{"LinearOblique", VTK_SHORT, QlmImageSampler::Interpolation::Linear, {90, 0, -57.3}, {0, 0, 0}},
        ResliceCase{"LinearTilted", VTK_SHORT, QlmImageSampler::Interpolation::Linear, {31, 12, 200}, {1, -2, 0.3}},
        ResliceCase{
            "LinearUnsigned", VTK_UNSIGNED_SHORT, QlmImageSampler::Interpolation::Linear, {90, 0, 33}, {0, 0, 0}},
        ResliceCase{"LinearAxisAligned", VTK_SHORT, QlmImageSampler::Interpolation::Linear, {90, 0, 90}, {0.25, 0, 0}},
        ResliceCase{"LinearHalfVoxel", VTK_SHORT, QlmImageSampler::Interpolation::Linear, {0, 0, 0}, {0.25, 0, 0}},
        ResliceCase{"CubicOblique", VTK_SHORT, QlmImageSampler::Interpolation::Cubic, {90, 0, -57.3}, {0, 0, 0}},
        ResliceCase{"CubicUnsignedTilted",
                    VTK_UNSIGNED_SHORT,
                    QlmImageSampler::Interpolation::Cubic,
                    {31, 12, 200},
                    {1, -2, 0.3}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(QlmImageSampler, RejectsWhatItCannotSample) {
  EXPECT_FALSE(QlmImageSampler(nullptr, QlmImageSampler::Interpolation::Linear).IsValid());
  vtkNew<vtkImageData> floats;
  floats->SetDimensions(4, 4, 4);
  floats->AllocateScalars(VTK_FLOAT, 1);
  EXPECT_FALSE(QlmImageSampler(floats, QlmImageSampler::Interpolation::Linear).IsValid());
  vtkNew<vtkImageData> rgb;
  rgb->SetDimensions(4, 4, 4);
  rgb->AllocateScalars(VTK_UNSIGNED_SHORT, 3);
  EXPECT_FALSE(QlmImageSampler(rgb, QlmImageSampler::Interpolation::Linear).IsValid());
  vtkNew<vtkImageData> empty;
  EXPECT_FALSE(QlmImageSampler(empty, QlmImageSampler::Interpolation::Linear).IsValid());
}

}  // namespace
