#include "toolkit/vtkImagePanoramicNerveFilter.h"

#include "QlmVtkErrorCatcher.h"

#include <gtest/gtest.h>
#include <vtkCellArray.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkPolyLine.h>
#include <vtkSmartPointer.h>

#include <cstdint>
#include <vector>

namespace {

// 41 x 31 x 11 voxels of 0.5 x 0.5 x 1 mm, centre (10, 7.5, 5): each voxel holds
// 1000 + 10 x + 100 y + z (indices), so every sample tells where it was taken.
vtkSmartPointer<vtkImageData> CodedVolume() {
  auto volume = vtkSmartPointer<vtkImageData>::New();
  volume->SetDimensions(41, 31, 11);
  volume->SetSpacing(0.5, 0.5, 1.0);
  volume->AllocateScalars(VTK_SHORT, 1);
  for (int z = 0; z < 11; ++z)
    for (int y = 0; y < 31; ++y)
      for (int x = 0; x < 41; ++x) *static_cast<int16_t*>(volume->GetScalarPointer(x, y, z)) = 10 * x + 100 * y + z;
  return volume;
}

vtkSmartPointer<vtkPolyData> Line(const std::vector<std::array<double, 2>>& points) {
  auto line = vtkSmartPointer<vtkPolyData>::New();
  vtkNew<vtkPoints> xyz;
  vtkNew<vtkCellArray> cells;
  cells->InsertNextCell(static_cast<int>(points.size()));
  for (const auto& p : points) cells->InsertCellPoint(xyz->InsertNextPoint(p[0], p[1], 0.0));
  line->SetPoints(xyz);
  line->SetLines(cells);
  return line;
}

int Pixel(vtkImageData* image, int column, int row) {
  return *static_cast<int16_t*>(image->GetScalarPointer(column, row, 0));
}

TEST(vtkImagePanoramicNerveFilter, UnrollsTheVolumeAlongTheLine) {
  vtkSmartPointer<vtkImageData> volume = CodedVolume();
  // An L: 4 mm along +x from the centre, then 2 mm along +y.
  vtkSmartPointer<vtkPolyData> line = Line({{0, 0}, {4, 0}, {4, 2}});
  vtkNew<vtkImagePanoramicNerveFilter> filter;
  filter->SetInputData(volume);
  filter->SetNerveCurve(line);
  filter->Update();
  vtkImageData* out = filter->GetOutput();

  // 6 mm at 0.5 mm: 13 columns; 11 mm of height at 0.5 mm: 22 rows.
  EXPECT_EQ(out->GetDimensions()[0], 13);
  EXPECT_EQ(out->GetDimensions()[1], 22);
  EXPECT_EQ(out->GetScalarType(), VTK_SHORT);
  EXPECT_DOUBLE_EQ(out->GetSpacing()[0], 0.5);
  EXPECT_DOUBLE_EQ(out->GetSpacing()[1], 0.5);
  // The nerve window's frame: x from the line's middle, y from the centre height.
  EXPECT_DOUBLE_EQ(out->GetOrigin()[0], -3.0);
  EXPECT_DOUBLE_EQ(out->GetOrigin()[1], -5.25);
  // Column 0 is the centre voxel column (20, 15); row 11 lies 0.25 mm above the
  // centre height z = 5, between slices 5 and 6.
  EXPECT_EQ(Pixel(out, 0, 11), 10 * 20 + 100 * 15 + 5);   // 5.25 rounds down
  EXPECT_EQ(Pixel(out, 0, 13), 10 * 20 + 100 * 15 + 6);   // 6.25
  EXPECT_EQ(Pixel(out, 8, 13), 10 * 28 + 100 * 15 + 6);   // the corner (4, 0)
  EXPECT_EQ(Pixel(out, 12, 13), 10 * 28 + 100 * 19 + 6);  // the end (4, 2)

  filter->MirrorYOn();
  filter->Update();
  EXPECT_EQ(Pixel(out, 12, 13), 10 * 28 + 100 * 11 + 6) << "planning y runs against the volume's y";
  filter->MirrorXOn();
  filter->Update();
  EXPECT_EQ(Pixel(out, 0, 13), 10 * 28 + 100 * 11 + 6) << "columns run from the last point";
  EXPECT_EQ(Pixel(out, 12, 13), 10 * 20 + 100 * 15 + 6);
}

TEST(vtkImagePanoramicNerveFilter, FollowsEditsOfTheLine) {
  vtkSmartPointer<vtkPolyData> line = Line({{0, 0}, {2, 0}});
  vtkNew<vtkImagePanoramicNerveFilter> filter;
  filter->SetInputData(CodedVolume());
  filter->SetNerveCurve(line);
  filter->Update();
  EXPECT_EQ(filter->GetOutput()->GetDimensions()[0], 5);
  line->GetPoints()->SetPoint(1, 0.0, 3.0, 0.0);
  line->GetPoints()->Modified();
  line->Modified();
  filter->Update();
  EXPECT_EQ(filter->GetOutput()->GetDimensions()[0], 7);
  EXPECT_EQ(Pixel(filter->GetOutput(), 6, 13), 10 * 20 + 100 * 21 + 6);
}

TEST(vtkImagePanoramicNerveFilter, ShortLineGivesAnEmptyImageAndNoLineIsAnError) {
  vtkNew<vtkImagePanoramicNerveFilter> filter;
  filter->SetInputData(CodedVolume());
  filter->SetNerveCurve(Line({{1, 1}}));
  {
    QlmVtkErrorCatcher errors;
    filter->Update();
    EXPECT_FALSE(errors.SawAny()) << errors.Text();
  }
  EXPECT_EQ(filter->GetOutput()->GetNumberOfPoints(), 0);
  filter->SetNerveCurve(nullptr);
  QlmVtkErrorCatcher errors;
  filter->Update();
  EXPECT_TRUE(errors.Saw("no nerve curve"));
}

}  // namespace
