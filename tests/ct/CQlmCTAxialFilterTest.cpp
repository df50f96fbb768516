#include "ct/CQlmCTAxialFilter.h"

#include "CTFilterFixtures.h"

#include <gtest/gtest.h>
#include <vtkImageData.h>

#include <cstdint>
#include <cstring>

namespace {

bool ShowsSlice(vtkImageData* output, vtkImageData* volume, int z) {
  const size_t bytes = static_cast<size_t>(output->GetNumberOfPoints()) * 2;
  return std::memcmp(output->GetScalarPointer(), volume->GetScalarPointer(0, 0, z), bytes) == 0;
}

// The slice keeps the volume's spacing; its x and y origin centre it on (0, 0).
TEST(CQlmCTAxialFilter, CopiesTheCurrentSliceCentredOnTheVolume) {
  vtkSmartPointer<vtkImageData> volume = PatternVolume(30, 20, 7, 0.4, 0.5, 1.25, VTK_SHORT);
  CQlmCTAxialFilter filter;
  filter.SetInput(volume);
  vtkImageData* output = filter.GetOutput();
  EXPECT_EQ(filter.GetMaxSlice(), 6);
  int dims[3];
  output->GetDimensions(dims);
  EXPECT_EQ(dims[0], 30);
  EXPECT_EQ(dims[1], 20);
  EXPECT_EQ(dims[2], 1);
  EXPECT_DOUBLE_EQ(output->GetSpacing()[2], 1.25);
  EXPECT_FLOAT_EQ(output->GetOrigin()[0], -29 * 0.4 / 2);
  EXPECT_FLOAT_EQ(output->GetOrigin()[1], -19 * 0.5 / 2);
  EXPECT_DOUBLE_EQ(output->GetOrigin()[2], -20.0);
  EXPECT_EQ(output->GetScalarType(), VTK_SHORT);
  EXPECT_TRUE(ShowsSlice(output, volume, 0));

  filter.SetSlice(4);
  EXPECT_EQ(filter.GetCurrentSlice(), 4);
  EXPECT_TRUE(ShowsSlice(output, volume, 4));
}

TEST(CQlmCTAxialFilter, IgnoresTheCurrentSliceAndSlicesOutsideTheVolume) {
  vtkSmartPointer<vtkImageData> volume = PatternVolume(30, 20, 7, 0.4, 0.5, 1.25, VTK_SHORT);
  CQlmCTAxialFilter filter;
  filter.SetInput(volume);
  filter.SetSlice(2);
  const vtkMTimeType time = filter.GetOutput()->GetMTime();
  for (int z : {2, 7, -1}) {
    filter.SetSlice(z);
    EXPECT_EQ(filter.GetCurrentSlice(), 2) << z;
    EXPECT_EQ(filter.GetOutput()->GetMTime(), time) << z;
  }
}

TEST(CQlmCTAxialFilter, AVolumeFilledAnewIsReshapedBeforeTheCopy) {
  vtkSmartPointer<vtkImageData> volume = PatternVolume(30, 20, 7, 0.4, 0.5, 1.25, VTK_SHORT);
  CQlmCTAxialFilter filter;
  filter.SetInput(volume);
  filter.SetSlice(5);
  volume->SetDimensions(8, 6, 4);  // a reader refilling the same image
  volume->AllocateScalars(VTK_UNSIGNED_SHORT, 1);
  filter.Update();
  EXPECT_EQ(filter.GetMaxSlice(), 3);
  EXPECT_EQ(filter.GetOutput()->GetDimensions()[0], 8);
  EXPECT_TRUE(ShowsSlice(filter.GetOutput(), volume, 3));
}

TEST(CQlmCTAxialFilter, ANewVolumeKeepsTheSliceWithinItsSlices) {
  vtkSmartPointer<vtkImageData> volume = PatternVolume(30, 20, 7, 0.4, 0.5, 1.25, VTK_SHORT);
  CQlmCTAxialFilter filter;
  filter.SetInput(volume);
  filter.SetSlice(6);
  vtkSmartPointer<vtkImageData> shorter = PatternVolume(30, 20, 3, 0.4, 0.5, 1.25, VTK_UNSIGNED_SHORT);
  filter.SetInput(shorter);
  EXPECT_EQ(filter.GetCurrentSlice(), 2);
  EXPECT_TRUE(ShowsSlice(filter.GetOutput(), shorter, 2));
  filter.SetInput(nullptr);
  EXPECT_EQ(filter.GetOutput()->GetNumberOfPoints(), 0);
  EXPECT_EQ(filter.GetMaxSlice(), -1);
}

}  // namespace
