#include "views/CDialogHULine.h"

#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkDataArray.h>
#include <vtkImageData.h>
#include <vtkPointData.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>

#include <QAbstractButton>
#include <QTest>
#include <QWidget>
#include <string>

#include "QlmDisplay.h"
#include "QlmGraphicsDriver.h"
#include "QlmOpenDialog.h"
#include "QlmTestApplication.h"
#include "objects/CQlmHUGrid.h"
#include "objects/CQlmHUProfile.h"
#include "toolkit/vtkHUGridSource.h"
#include "toolkit/vtkHUProfileSource.h"
#include "toolkit/vtkRullerWindowHU.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmRullerWindowHU.h"
#include "views/CQlmTitleWindow.h"

namespace {

// A 20 x 20 mm image of one value, and a line across it.
vtkSmartPointer<vtkImageData> FlatImage(double value) {
  auto image = vtkSmartPointer<vtkImageData>::New();
  image->SetDimensions(21, 21, 1);
  image->SetOrigin(-10, -10, 0);
  image->AllocateScalars(VTK_FLOAT, 1);
  image->GetPointData()->GetScalars()->Fill(value);
  return image;
}

void SetLine(CDialogHULine& dialog, vtkImageData* image) {
  vtkHUProfileSource* source = dialog.GetProfileSource();
  source->SetImageData(image);
  source->SetMirrorY(1);
  source->SetPoint1(-8, 3, 0);
  source->SetPoint2(8, -3, 0);
}

class CDialogHULineTest : public ::testing::Test {
protected:
  void SetUp() override {
    QLM_REQUIRE_DISPLAY();
    QlmTestApplication();
    QlmGraphicsDriver::KeepLoaded();
  }
};

}  // namespace

TEST_F(CDialogHULineTest, ShowsTheMeanToOneDecimalAndTheFourBandsWithTheirLabels) {
  CDialogHULine dialog;
  vtkSmartPointer<vtkImageData> image = FlatImage(8.26);
  SetLine(dialog, image);
  struct Band {
    const char* Name;
    int BoneMin, BoneMax, Top;
    double Red, Blue, LabelY;
  };
  const Band bands[] = {{"Tipo IV", 350, 1350, 0, 0, 1, -25.0},
                        {"Tipo III", 1350, 1850, 0, 0.5, 1, -10.0},
                        {"Tipo II", 1850, 2250, 0, 1, 0.5, -1.0},
                        {"Tipo I", 2250, 3350, 1, 1, 0, 14.0}};
  const INT_PTR result = QlmOpenDialog::Run(dialog, [&] {
    EXPECT_EQ(dialog.Mean, CString("8.3"));
    EXPECT_EQ(dialog.GetDlgItemText(1151), CString("8.3"));
    vtkRenderer* layer1 = dialog.Plot.GetWrapper()->GetLayerRenderer(1);
    for (int k = 0; k < CDialogHULine::BandCount; ++k) {
      SCOPED_TRACE(bands[k].Name);
      CQlmHUGrid* band = dialog.GetBand(k);
      vtkHUGridSource* grid = band->GetSource();
      EXPECT_EQ(grid->GetBoneMin(), bands[k].BoneMin);
      EXPECT_EQ(grid->GetBoneMax(), bands[k].BoneMax);
      EXPECT_EQ(grid->GetTop(), bands[k].Top);
      EXPECT_EQ(std::string(band->GetLabelMapper()->GetInput()), bands[k].Name);
      EXPECT_DOUBLE_EQ(band->GetActor()->GetProperty()->GetColor()[0], bands[k].Red);
      EXPECT_DOUBLE_EQ(band->GetActor()->GetProperty()->GetColor()[2], bands[k].Blue);
      EXPECT_DOUBLE_EQ(band->GetLabelActor()->GetPositionCoordinate()->GetValue()[1], bands[k].LabelY);
      EXPECT_TRUE(layer1->GetActors()->IsItemPresent(band->GetActor()));
    }
    EXPECT_TRUE(layer1->GetActors()->IsItemPresent(dialog.GetProfile()->GetActor()));
    EXPECT_EQ(std::string(dialog.Plot.GetTitle()->GetTitleMapper()->GetInput()), "Hounsfield");
    const int* scale = static_cast<vtkRullerWindowHU*>(dialog.Plot.GetScale()->GetSource())->GetSize();
    EXPECT_EQ(scale[0], 100);
    EXPECT_EQ(scale[1], 82);
    EXPECT_EQ(dialog.GetProfile()->GetActor()->GetProperty()->GetColor()[0], 0.75);
    QTest::mouseClick(static_cast<QAbstractButton*>(dialog.GetDlgItem(IDOK)->GetSafeHwnd()), Qt::LeftButton);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.GetProfile(), nullptr) << "released by Fechar";
  EXPECT_EQ(dialog.GetBand(0), nullptr);
}

// Each way out leaves the profile and the bands freed (the sanitized run checks for leaks).
TEST_F(CDialogHULineTest, EveryWayOutReleasesTheProfileAndTheBands) {
  struct Case {
    const char* Name;
    std::function<void(CDialogHULine&)> Close;
    INT_PTR Result;
  };
  const Case cases[] = {
      {"Fechar", [](CDialogHULine& d) { QTest::keyClick(d.GetSafeHwnd(), Qt::Key_Return); }, IDOK},
      {"Escape", [](CDialogHULine& d) { QTest::keyClick(d.GetSafeHwnd(), Qt::Key_Escape); }, IDCANCEL},
      {"close box", [](CDialogHULine& d) { d.GetSafeHwnd()->close(); }, IDCANCEL},
  };
  vtkSmartPointer<vtkImageData> image = FlatImage(1500);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    auto dialog = std::make_unique<CDialogHULine>();
    SetLine(*dialog, image);
    EXPECT_EQ(QlmOpenDialog::Run(*dialog, [&] {
                EXPECT_EQ(dialog->Mean, CString("1500.0"));
                c.Close(*dialog);
              }),
              c.Result);
    dialog.reset();
  }
}

TEST_F(CDialogHULineTest, ThePlotAndTheMeanLieAtTheRectanglesOfTheirDialogUnits) {
  CDialogHULine dialog;
  vtkSmartPointer<vtkImageData> image = FlatImage(0);
  SetLine(dialog, image);
  QlmOpenDialog::Run(dialog, [&] {
    // Position and size each converted on their own, as the dialog manager does.
    struct Control {
      UINT Id;
      int X, Y, Width, Height;
    };
    for (const Control& control : {Control{1153, 7, 7, 231, 136}, Control{1151, 263, 24, 40, 14}}) {
      CRect origin(control.X, control.Y, control.X, control.Y);
      CRect size(0, 0, control.Width, control.Height);
      dialog.MapDialogRect(&origin);
      dialog.MapDialogRect(&size);
      const QRect geometry = dialog.GetDlgItem(control.Id)->GetSafeHwnd()->geometry();
      EXPECT_EQ(geometry, QRect(origin.left, origin.top, size.Width(), size.Height())) << control.Id;
      EXPECT_GT(size.Width(), control.Width) << "dialog units are smaller than pixels";
    }
    dialog.EndDialog(IDCANCEL);
  });
}
