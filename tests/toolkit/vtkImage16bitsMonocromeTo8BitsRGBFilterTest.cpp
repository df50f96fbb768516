#include "toolkit/vtkImage16bitsMonocromeTo8BitsRGBFilter.h"

#include "QlmVtkErrorCatcher.h"

#include <gtest/gtest.h>
#include <vtkDataArray.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkPointData.h>
#include <vtkSmartPointer.h>

#include <vector>

namespace {

vtkSmartPointer<vtkImageData> Row(int scalarType, const std::vector<int>& values) {
  auto image = vtkSmartPointer<vtkImageData>::New();
  image->SetExtent(3, 3 + static_cast<int>(values.size()) - 1, -1, -1, 0, 0);
  image->SetSpacing(0.3, 0.4, 1.0);
  image->SetOrigin(5.0, 6.0, 7.0);
  image->AllocateScalars(scalarType, 1);
  for (size_t i = 0; i < values.size(); ++i) image->GetPointData()->GetScalars()->SetTuple1(i, values[i]);
  return image;
}

std::vector<int> Greys(vtkImageData* rgb) {
  std::vector<int> greys;
  auto* bytes = static_cast<unsigned char*>(rgb->GetScalarPointer());
  for (vtkIdType i = 0; i < rgb->GetNumberOfPoints(); ++i) {
    EXPECT_EQ(bytes[3 * i], bytes[3 * i + 1]);
    EXPECT_EQ(bytes[3 * i], bytes[3 * i + 2]);
    greys.push_back(bytes[3 * i]);
  }
  return greys;
}

struct WindowCase {
  const char* Name;
  int ScalarType;
  float Window, Level;
  std::vector<int> Values, Greys;
};

void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.Name; }

class GreyWindow : public ::testing::TestWithParam<WindowCase> {};

TEST_P(GreyWindow, MapsValuesThroughTheWindow) {
  const WindowCase& c = GetParam();
  vtkNew<vtkImage16bitsMonocromeTo8BitsRGBFilter> filter;
  filter->SetInputData(Row(c.ScalarType, c.Values));
  filter->SetColorWindow(c.Window);
  filter->SetColorLevel(c.Level);
  filter->Update();
  vtkImageData* out = filter->GetOutput();
  EXPECT_EQ(out->GetScalarType(), VTK_UNSIGNED_CHAR);
  EXPECT_EQ(out->GetNumberOfScalarComponents(), 3);
  EXPECT_EQ(out->GetExtent()[0], 3);
  EXPECT_DOUBLE_EQ(out->GetSpacing()[1], 0.4);
  EXPECT_DOUBLE_EQ(out->GetOrigin()[2], 7.0);
  EXPECT_EQ(Greys(out), c.Greys);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GreyWindow,
    ::testing::Values(
        WindowCase{"DefaultWindow",
                   VTK_SHORT,
                   4095,
                   2047.5f,
                   {-1000, 0, 1, 2047, 2048, 4094, 4095, 30000},
                   {0, 0, 0, 127, 128, 255, 255, 255}},
        WindowCase{
            "NarrowWindow", VTK_SHORT, 1000, 1500, {999, 1000, 1250, 1500, 1750, 2000}, {0, 0, 64, 128, 191, 255}},
        WindowCase{"UnsignedAboveSignedRange",
                   VTK_UNSIGNED_SHORT,
                   2000,
                   50000,
                   {48999, 49000, 50000, 51000, 65535},
                   {0, 0, 128, 255, 255}},
        WindowCase{"ZeroWidthIsOneWide", VTK_SHORT, 0, 100, {99, 100, 101}, {0, 128, 255}},
        WindowCase{"NegativeWidthIsOneWide", VTK_SHORT, -500, 100, {99, 100, 101}, {0, 128, 255}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(vtkImage16bitsMonocromeTo8BitsRGBFilter, FollowsTheWindowAndTheInput) {
  vtkSmartPointer<vtkImageData> image = Row(VTK_SHORT, {1000, 3000});
  vtkNew<vtkImage16bitsMonocromeTo8BitsRGBFilter> filter;
  filter->SetInputData(image);
  filter->Update();
  EXPECT_EQ(Greys(filter->GetOutput()), (std::vector<int>{62, 187}));
  filter->SetColorWindow(2000);
  filter->SetColorLevel(2000);
  filter->Update();
  EXPECT_EQ(Greys(filter->GetOutput()), (std::vector<int>{0, 255}));
  image->GetPointData()->GetScalars()->SetTuple1(0, 2000);
  image->Modified();
  filter->Update();
  EXPECT_EQ(Greys(filter->GetOutput()), (std::vector<int>{128, 255}));
}

TEST(vtkImage16bitsMonocromeTo8BitsRGBFilter, RefusesOtherScalarsAndPassesEmptyImages) {
  vtkNew<vtkImage16bitsMonocromeTo8BitsRGBFilter> filter;
  vtkNew<vtkImageData> floats;
  floats->SetDimensions(2, 2, 1);
  floats->AllocateScalars(VTK_FLOAT, 1);
  filter->SetInputData(floats);
  {
    QlmVtkErrorCatcher errors;
    filter->Update();
    EXPECT_TRUE(errors.Saw("not one 16-bit component"));
  }
  vtkNew<vtkImageData> empty;
  vtkNew<vtkImage16bitsMonocromeTo8BitsRGBFilter> fresh;
  fresh->SetInputData(empty);
  QlmVtkErrorCatcher errors;
  fresh->Update();
  EXPECT_EQ(fresh->GetOutput()->GetNumberOfPoints(), 0);
  EXPECT_FALSE(errors.SawAny()) << errors.Text();
}

}  // namespace
