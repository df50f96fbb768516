#include <gtest/gtest.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkSphereSource.h>
#include <vtkTransform.h>

#include <string>

#include "toolkit/vtkEndoImpAxial.h"
#include "toolkit/vtkEndoImpCross9.h"
#include "toolkit/vtkEndoImpPanoramic.h"
#include "toolkit/vtkOrtoImpAxial.h"
#include "toolkit/vtkOrtoImpCross9.h"
#include "toolkit/vtkOrtoImpPanoramic.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {

template <class Filter>
std::string LabelText(Filter* filter) {
  const char* text = filter->GetTextMapper()->GetInput();
  return text ? text : "";
}

TEST(vtkPartCutter, number_label_names_the_part_after_the_object) {
  struct Case {
    int part;
    int mode;
    const char* text;
    int fontSize;
  } cases[] = {{-1, 0, "5", 16}, {0, 0, "5-1", 16}, {49, 0, "5-50", 16}, {2, 1, "Lima", 12}, {-1, 1, "Lima", 12},
               {3, 2, "", 12}};
  for (const Case& c : cases) {
    vtkNew<vtkEndoImpAxial> filter;
    filter->SetName("Lima");
    filter->SetLabelNumber(5);
    filter->SetPartIndex(c.part);
    filter->SetLabelMode(c.mode);
    EXPECT_EQ(LabelText(filter.GetPointer()), c.text) << "part " << c.part << " mode " << c.mode;
    if (c.mode != 2) {
      EXPECT_EQ(filter->GetTextMapper()->GetFontSize(), c.fontSize) << "part " << c.part;
    }
  }
}

TEST(vtkPartCutter, part_index_after_number_rebuilds_the_text) {
  vtkNew<vtkOrtoImpCross9> filter;
  EXPECT_EQ(filter->GetPartIndex(), -1);
  EXPECT_EQ(LabelText(filter.GetPointer()), "0");
  filter->SetLabelNumber(3);
  EXPECT_EQ(LabelText(filter.GetPointer()), "3");
  filter->SetPartIndex(0);
  EXPECT_EQ(LabelText(filter.GetPointer()), "3-1");
  vtkNew<vtkEndoImpPanoramic> panoramic;
  panoramic->SetLabelNumber(7);
  panoramic->SetPartIndex(1);
  EXPECT_EQ(LabelText(panoramic.GetPointer()), "7-2");
}

TEST(vtkPartCutter, families_keep_their_class_names) {
  EXPECT_STREQ(vtkNew<vtkEndoImpAxial>()->GetClassName(), "vtkEndoImpAxial");
  EXPECT_STREQ(vtkNew<vtkOrtoImpAxial>()->GetClassName(), "vtkOrtoImpAxial");
  EXPECT_STREQ(vtkNew<vtkEndoImpCross9>()->GetClassName(), "vtkEndoImpCross9");
  EXPECT_STREQ(vtkNew<vtkOrtoImpPanoramic>()->GetClassName(), "vtkOrtoImpPanoramic");
  EXPECT_TRUE(vtkNew<vtkOrtoImpAxial>()->IsA("vtkGeomAxial"));
}

template <class Filter>
vtkSmartPointer<vtkPolyData> AxialCut(vtkPolyData* mesh) {
  vtkNew<Filter> filter;
  filter->SetInputData(mesh);
  filter->SetPartIndex(1);
  filter->GetTransform()->Translate(0.5, -0.25, 1.5);
  filter->GetTransform()->RotateX(180.0);
  filter->Update();
  auto copy = vtkSmartPointer<vtkPolyData>::New();
  copy->DeepCopy(filter->GetOutput());
  return copy;
}

TEST(vtkPartCutter, endodontic_and_orthodontic_filters_cut_alike) {
  vtkNew<vtkSphereSource> ball;
  ball->SetRadius(4.0);
  ball->SetThetaResolution(20);
  ball->SetPhiResolution(12);
  ball->Update();
  auto endo = AxialCut<vtkEndoImpAxial>(ball->GetOutput());
  auto orto = AxialCut<vtkOrtoImpAxial>(ball->GetOutput());
  ASSERT_GT(endo->GetNumberOfLines(), 0);
  ASSERT_EQ(endo->GetNumberOfPoints(), orto->GetNumberOfPoints());
  ASSERT_EQ(endo->GetNumberOfLines(), orto->GetNumberOfLines());
  for (vtkIdType i = 0; i < endo->GetNumberOfPoints(); ++i) {
    double a[3], b[3];
    endo->GetPoint(i, a);
    orto->GetPoint(i, b);
    for (int c = 0; c < 3; ++c) EXPECT_DOUBLE_EQ(a[c], b[c]) << "point " << i;
  }
}

}  // namespace
