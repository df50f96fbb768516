#include "ct/CQlmCTViewer2.h"
#include "ct/CQlmCTViewer92.h"

#include "../toolkit/QlmVtkErrorCatcher.h"
#include "CTFilterFixtures.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmCTPanoramicNerveFilter.h"
#include "ct/CQlmLayeredWindow.h"
#include "ct/CQlmLayeredWindow9.h"

#include <gtest/gtest.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkRenderer.h>

#include <functional>
#include <memory>

namespace {

class TestWindow : public CQlmLayeredWindow {
public:
  vtkRenderer* GetLayerRenderer(int layer) const override {
    return layer >= 0 && layer < 4 ? static_cast<vtkRenderer*>(this->Layers[layer]) : nullptr;
  }
  int PropCount(int layer) const { return this->Layers[layer]->GetViewProps()->GetNumberOfItems(); }
  vtkNew<vtkRenderer> Layers[4];
};

class TestWindow9 : public CQlmLayeredWindow9 {
public:
  vtkRenderer* GetCellLayerRenderer(int cell, int layer) const override {
    return cell >= 0 && cell < 9 && layer >= 0 && layer < 4 ? this->Cells[cell].GetLayerRenderer(layer) : nullptr;
  }
  TestWindow Cells[9];
};

struct GreyWindowCase {
  const char* Name;
  std::function<vtkImage16bitsMonocromeTo8BitsRGBFilter*()> Filter;
  std::function<void(float)> SetMinimum, SetMaximum;
};

TEST(CQlmCTViewers, MovingOneEndOfTheGreyWindowKeepsTheOther) {
  CQlmCTViewer2 single;
  CQlmCTViewer92 nine;
  for (const GreyWindowCase& c :
       {GreyWindowCase{"single", [&] { return single.GetWindowLevelFilter(); }, [&](float v) { single.SetMinimum(v); },
                       [&](float v) { single.SetMaximum(v); }},
        GreyWindowCase{"nine panes", [&] { return nine.GetWindowLevelFilter(); }, [&](float v) { nine.SetMinimum(v); },
                       [&](float v) { nine.SetMaximum(v); }}}) {
    vtkImage16bitsMonocromeTo8BitsRGBFilter* filter = c.Filter();
    EXPECT_EQ(filter->GetColorWindow(), 4095.0f) << c.Name;
    EXPECT_EQ(filter->GetColorLevel(), 2047.5f) << c.Name;
    c.SetMaximum(3000);
    EXPECT_EQ(filter->GetColorWindow(), 3000.0f) << c.Name;
    EXPECT_EQ(filter->GetColorLevel(), 1500.0f) << c.Name;
    c.SetMinimum(1000);
    EXPECT_EQ(filter->GetColorWindow(), 2000.0f) << c.Name;
    EXPECT_EQ(filter->GetColorLevel(), 2000.0f) << c.Name;
    c.SetMaximum(500);
    EXPECT_EQ(filter->GetColorWindow(), -500.0f) << c.Name << ": passed on as it is";
  }
}

TEST(CQlmCTViewers, NinePanesShareOneGreyWindowAndShowTheirOwnSlice) {
  CQlmCTViewer92 viewer;
  viewer.SetInterpolation(1);
  for (int cell = 0; cell < CQlmCTViewer92::CellCount; ++cell) {
    EXPECT_EQ(viewer.GetMapper(cell)->GetInputAlgorithm(), viewer.GetWindowLevelFilter()) << cell;
    EXPECT_EQ(viewer.GetMapper(cell)->GetZSlice(), cell);
    EXPECT_EQ(viewer.GetMapper(cell)->GetInterpolation(), 1);
    EXPECT_FALSE(viewer.GetActor(cell)->GetPickable());
  }
}

TEST(CQlmCTViewers, ActorsGoIntoTheImageLayerAndLeaveWithTheViewer) {
  TestWindow window;
  auto viewer = std::make_unique<CQlmCTViewer2>();
  viewer->RemoveFromRenderer();
  viewer->AddToRenderer();
  EXPECT_EQ(window.PropCount(3), 0) << "nothing without a window";
  viewer->SetWindow(&window);
  viewer->AddToRenderer();
  EXPECT_EQ(window.PropCount(3), 1);
  EXPECT_EQ(window.PropCount(1), 0);
  viewer.reset();
  EXPECT_EQ(window.PropCount(3), 0);

  TestWindow9 window9;
  auto nine = std::make_unique<CQlmCTViewer92>();
  nine->SetWindow(&window9);
  nine->AddToRenderers();
  for (int cell = 0; cell < 9; ++cell) {
    ASSERT_EQ(window9.Cells[cell].PropCount(3), 1);
    EXPECT_TRUE(window9.Cells[cell].Layers[3]->GetViewProps()->IsItemPresent(nine->GetActor(cell)));
  }
  nine.reset();
  for (int cell = 0; cell < 9; ++cell) EXPECT_EQ(window9.Cells[cell].PropCount(3), 0);
}

TEST(CQlmCTViewers, FollowTheirImageWhenItChangesShape) {
  vtkSmartPointer<vtkImageData> volume = PatternVolume(160, 120, 10, 0.6, 0.6, 0.6, VTK_SHORT);
  DefaultArch arch;
  CQlmCTPanFilter panoramic;
  panoramic.SetInput(volume);
  panoramic.SetCalc(&arch.Calc);
  CQlmCTViewer2 viewer;
  viewer.SetInput(panoramic.GetOutput());
  QlmVtkErrorCatcher errors;
  viewer.GetMapper()->GetInputAlgorithm()->Update();
  EXPECT_EQ(viewer.GetWindowLevelFilter()->GetOutput()->GetDimensions()[0], 212) << "thin";
  panoramic.SetThick(1);
  panoramic.Update();
  viewer.GetMapper()->GetInputAlgorithm()->Update();
  EXPECT_EQ(viewer.GetWindowLevelFilter()->GetOutput()->GetDimensions()[0], 209) << "thick";

  // A nerve reformat stays connected to its filter: an edit of the line shows.
  CQlmCTPanoramicNerveFilter nerve;
  CQlmPolyLine line;
  nerve.SetInput(volume);
  nerve.SetNerveCurve(line.GetLinePolyData());
  viewer.SetInputConnection(nerve.GetOutputPort());
  EXPECT_EQ(viewer.GetInput(), nerve.GetOutput());
  viewer.GetMapper()->GetInputAlgorithm()->Update();
  const int before = viewer.GetWindowLevelFilter()->GetOutput()->GetDimensions()[0];
  line.SetStraightLine(-10, 0, 10, 0);
  viewer.GetMapper()->GetInputAlgorithm()->Update();
  EXPECT_NE(viewer.GetWindowLevelFilter()->GetOutput()->GetDimensions()[0], before);
  EXPECT_EQ(viewer.GetWindowLevelFilter()->GetOutput()->GetDimensions()[0], 34);
  EXPECT_FALSE(errors.SawAny()) << errors.Text();
}

}  // namespace
