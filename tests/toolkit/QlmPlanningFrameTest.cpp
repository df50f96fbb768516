#include <gtest/gtest.h>
#include <vtkImageData.h>
#include <vtkNew.h>

#include <array>

#include "toolkit/QlmPlanningFrame.h"

namespace {

using Point = std::array<double, 3>;

struct FrameCase {
  const char* Name;
  int Dimensions[3];
  double Spacing[3];
  double Origin[3];
  Point Centre;
};

// Centre = origin + (dimensions - 1) x spacing / 2 on each axis.
const FrameCase Volumes[] = {
    {"OddDimensionsAtTheOrigin", {201, 201, 101}, {1, 1, 1}, {0, 0, 0}, {100, 100, 50}},
    {"EvenDimensionsShiftedOrigin", {160, 131, 108}, {0.5, 0.25, 1.5}, {-7.5, 3.25, -20}, {32.25, 19.5, 60.25}},
    {"OneVoxel", {1, 1, 1}, {0.3, 0.3, 0.3}, {4, 5, 6}, {4, 5, 6}},
};

class PlanningFrameOfVolumes : public testing::TestWithParam<FrameCase> {};

TEST_P(PlanningFrameOfVolumes, PlanningPointsAreMillimetresFromTheCentreWithYReversed) {
  const FrameCase& c = GetParam();
  vtkNew<vtkImageData> volume;
  volume->SetDimensions(c.Dimensions);
  volume->SetSpacing(c.Spacing);
  volume->SetOrigin(c.Origin);
  const QlmPlanningFrame frame(volume);
  for (int axis = 0; axis < 3; ++axis) EXPECT_FLOAT_EQ(frame.GetCentre()[axis], c.Centre[axis]) << axis;

  const Point planning = {1, 2, 3};
  Point inVolume;
  frame.ToVolume(planning.data(), inVolume.data());
  EXPECT_NEAR(inVolume[0], c.Centre[0] + 1, 1e-5);
  EXPECT_NEAR(inVolume[1], c.Centre[1] - 2, 1e-5);
  EXPECT_NEAR(inVolume[2], c.Centre[2] + 3, 1e-5);
  Point back;
  frame.ToPlanning(inVolume.data(), back.data());
  for (int axis = 0; axis < 3; ++axis) EXPECT_NEAR(back[axis], planning[axis], 1e-9) << axis;
}

INSTANTIATE_TEST_SUITE_P(QlmPlanningFrame, PlanningFrameOfVolumes, testing::ValuesIn(Volumes),
                         [](const testing::TestParamInfo<FrameCase>& info) { return info.param.Name; });

TEST(QlmPlanningFrame, WithoutAVolumeTheCentreIsTheOrigin) {
  const QlmPlanningFrame frame;
  const Point planning = {-4, 7, 2};
  Point inVolume;
  frame.ToVolume(planning.data(), inVolume.data());
  EXPECT_EQ(inVolume, (Point{-4, -7, 2}));
}

}  // namespace
