// The view, reformat and indicator commands on the sample project of a real
// head CT (160 x 131 x 108 voxels of 0.957 x 0.957 x 1.5 mm), run through
// the frames' command tables as the menus run them.
#include <vtkActor2D.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkTextMapper.h>

#include <QScrollBar>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "ProjectFrameFixture.h"
#include "QlmTestData.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmCTViewer2.h"
#include "ct/CQlmCTViewer92.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "platform/gui/CStatusBar.h"
#include "toolkit/vtkImage16bitsMonocromeTo8BitsRGBFilter.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "views/C3DFrame.h"
#include "views/CCrossWnd.h"
#include "views/CDialogIndicators.h"
#include "views/CDialogReformat.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmArchListener.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmIndicatorCross.h"
#include "views/CQlmIndicatorCrossAxial.h"
#include "views/CQlmIndicatorCrossPan.h"
#include "views/CQlmNumberWindow.h"
#include "views/CQlmOrientWindow9.h"
#include "views/CQlmTitleWindow.h"
#include "views/CQlmTitleWindow9.h"
#include "views/CQlmViewOverlays.h"
#include "views/CQlmViewOverlays9.h"
#include "views/QlmView.h"

namespace {

constexpr UINT SagittalCoronalCommand = 33284;
constexpr UINT ReformatCommand = 32784;
constexpr UINT View3DCommand = 32782;
constexpr UINT CrossInAxialCommand = 32884;
constexpr int IndicatorDefaults[18] = {0, 0, 5, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 0, 0, 1, 1};

// What the reformat commands change and restore.
struct Reformat {
  std::vector<std::array<float, 3>> Arch;
  int Curves, CurrentCurve, FirstSection, AxialSlice, SingleCell, Thick;
  float CurveSpacing, SectionSpacing, SectionWidth;

  bool operator==(const Reformat&) const = default;
};

Reformat ReformatOf(const CQlmQuorvantile& q) {
  Reformat state{};
  vtkPoints* points = q.PolyLine->GetLinePolyData()->GetPoints();
  for (vtkIdType i = 0; i < points->GetNumberOfPoints(); ++i) {
    double point[3];
    points->GetPoint(i, point);
    state.Arch.push_back({static_cast<float>(point[0]), static_cast<float>(point[1]), static_cast<float>(point[2])});
  }
  const CQlmCTCrossFilter9& cross = *q.CTFilter->GetCrossFilter();
  state.Curves = q.PanoramicCalc->GetCurveCount() + 1;
  state.CurrentCurve = q.PanoramicCalc->GetCurrentCurve();
  state.FirstSection = cross.GetFirstIndex();
  state.AxialSlice = q.CTFilter->GetAxialFilter()->GetCurrentSlice();
  state.SingleCell = q.WindowCross->GetSingleCell();
  state.Thick = q.ThickPanoramic;
  state.CurveSpacing = q.PanoramicCalc->GetCurveSpacing();
  state.SectionSpacing = cross.GetSectionSpacing();
  state.SectionWidth = cross.GetSectionWidth();
  return state;
}

std::string CrossTitle(const CQlmQuorvantile& q) { return q.OverlaysCross->TitleWindow->GetTextMapper(4)->GetInput(); }

std::string PanoramicTitle(const CQlmQuorvantile& q) {
  return q.OverlaysPanoramic->TitleWindow->GetTitleMapper()->GetInput();
}

std::string CrossRightLetter(const CQlmQuorvantile& q) {
  vtkActor2D* letter = q.OverlaysCross->OrientWindow->GetLetterActor(4, CQlmOrientWindow::Right);
  return vtkTextMapper::SafeDownCast(letter->GetMapper())->GetInput();
}

// The last reformat a follower was handed.
class ReformatFollower : public CQlmArchListener {
public:
  void FollowReformat(int thick, int single, float spacing, int axialSlice, int firstSection, int curve) override {
    this->Calls.push_back({thick, single, axialSlice, firstSection, curve});
    this->Spacing = spacing;
  }
  std::vector<std::array<int, 5>> Calls;
  float Spacing = 0;
};

class ViewCommandsTest : public ProjectFrameFixture {
protected:
  void SetUp() override {
    ProjectFrameFixture::SetUp();
    if (IsSkipped()) return;
    QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
    this->Sample = SampleFile("Amostra.qlm");
  }

  void Open() {
    this->Frame.reset();
    this->Frame = Start(this->Sample);
    this->Q = this->Frame->GetController();
    ASSERT_EQ(this->Q->ProjectOpen, 1);
  }

  // Runs `command` with `fill` acting on the dialog it opens, answered `answer`.
  template <class Dialog>
  void RunDialog(UINT command, const std::function<void(Dialog&)>& fill, INT_PTR answer = IDOK) {
    CDialog::ModalHook previous = CDialog::SetModalHook([&](CDialog& dialog) {
      fill(static_cast<Dialog&>(dialog));
      return answer;
    });
    this->Frame->RunCommand(command);
    CDialog::SetModalHook(previous);
  }

  std::string Sample;
  std::unique_ptr<CMainFrame> Frame;
  CQlmQuorvantile* Q = nullptr;
};

TEST_F(ViewCommandsTest, SagittalCoronalModeCutsTheWholeVolumeAndLeavingRestoresTheArchAndItsReformat) {
  Open();
  CQlmQuorvantile& q = *this->Q;
  if (q.ThickPanoramic) q.ToggleThickPanoramic();
  const Reformat before = ReformatOf(q);
  ASSERT_EQ(before.Arch.size(), 9u);

  this->Frame->RunCommand(SagittalCoronalCommand);
  EXPECT_EQ(q.SagittalCoronal, 1);
  EXPECT_EQ(q.Modified, 1);
  const Reformat sagittal = ReformatOf(q);
  ASSERT_EQ(sagittal.Arch.size(), 2u);
  EXPECT_NEAR(sagittal.Arch[0][0], -76.56f, 5e-3);
  EXPECT_NEAR(sagittal.Arch[1][0], 76.56f, 5e-3);
  EXPECT_EQ(sagittal.Arch[0][1], 0.0f);
  EXPECT_EQ(sagittal.Curves, 131);
  EXPECT_EQ(sagittal.CurrentCurve, 65);
  EXPECT_NEAR(sagittal.CurveSpacing, 0.957f, 1e-4);
  EXPECT_NEAR(sagittal.SectionSpacing, 0.957f, 1e-4);
  // Not cut to the dialog's 100 mm.
  EXPECT_NEAR(sagittal.SectionWidth, 125.37f, 1e-2);
  EXPECT_EQ(sagittal.FirstSection, 76);
  EXPECT_EQ(sagittal.SingleCell, 1);
  EXPECT_EQ(q.CTFilter->GetCrossFilter()->GetMaxIndex(), this->Frame->CrossView->GetVerticalScrollBar()->maximum());
  EXPECT_EQ(CrossTitle(q), "Sagital");
  EXPECT_EQ(PanoramicTitle(q), "Coronal");
  EXPECT_EQ(CrossRightLetter(q), "F");

  // The mode and what it keeps survive saving and reopening.
  ASSERT_EQ(q.SaveProject(q.ProjectPath, q.ProjectFileName), 1);
  Open();
  EXPECT_EQ(this->Q->SagittalCoronal, 1);
  EXPECT_EQ(ReformatOf(*this->Q).SectionWidth, sagittal.SectionWidth);
  EXPECT_EQ(ReformatOf(*this->Q).Curves, 131);
  EXPECT_EQ(CrossTitle(*this->Q), "Sagital");
  EXPECT_EQ(PanoramicTitle(*this->Q), "Coronal");

  this->Frame->RunCommand(SagittalCoronalCommand);
  EXPECT_EQ(this->Q->SagittalCoronal, 0);
  EXPECT_EQ(ReformatOf(*this->Q), before);
  EXPECT_EQ(CrossTitle(*this->Q), "Trans");
  EXPECT_EQ(PanoramicTitle(*this->Q), "Panorâmica");
  EXPECT_EQ(CrossRightLetter(*this->Q), "V");
}

// The reformat kept in a file for leaving the mode was used as read: a huge curve count, a NaN point.
TEST_F(ViewCommandsTest, LeavingTheModeOfADamagedFileRestoresANewProjectsReformat) {
  Open();
  this->Frame->RunCommand(SagittalCoronalCommand);
  this->Q->SavedReformat.CurveCount = std::numeric_limits<int32_t>::max();
  this->Q->SavedReformat.SectionWidth = std::numeric_limits<float>::quiet_NaN();
  this->Q->SavedReformat.ArchPoints[1][0] = std::numeric_limits<float>::quiet_NaN();
  ASSERT_EQ(this->Q->SaveProject(this->Q->ProjectPath, this->Q->ProjectFileName), 1);
  Open();
  this->Frame->RunCommand(SagittalCoronalCommand);
  const Reformat left = ReformatOf(*this->Q);
  EXPECT_EQ(left.Curves, 17);
  EXPECT_EQ(left.SectionWidth, 50.0f);
  EXPECT_EQ(left.Arch.size(), 9u);
  for (const auto& point : left.Arch) EXPECT_TRUE(std::isfinite(point[0]));
}

TEST_F(ViewCommandsTest, SagittalCoronalModeGivesBackTheThickPanoramicAndTheNineSections) {
  Open();
  CQlmQuorvantile& q = *this->Q;
  if (!q.ThickPanoramic) q.ToggleThickPanoramic();
  q.SetSingleCrossSection(0);
  const Reformat before = ReformatOf(q);
  this->Frame->RunCommand(SagittalCoronalCommand);
  EXPECT_EQ(q.ThickPanoramic, 0);
  EXPECT_EQ(q.WindowCross->GetSingleCell(), 1);
  this->Frame->RunCommand(SagittalCoronalCommand);
  EXPECT_EQ(ReformatOf(q), before);
  EXPECT_EQ(q.CTFilter->GetPanFilter()->GetThick(), 1);
}

TEST_F(ViewCommandsTest, ObjectFollowersLearnOfEveryReformatChange) {
  Open();
  CQlmQuorvantile& q = *this->Q;
  if (q.ThickPanoramic) q.ToggleThickPanoramic();
  ReformatFollower nerves;
  q.ArchListeners[CQlmArchListener::Nerves] = &nerves;
  const int single = q.WindowCross->GetSingleCell();
  this->Frame->RunCommand(32808);  // "Transversal 9:1 / 1:1 Layout"
  ASSERT_EQ(nerves.Calls.size(), 1u);
  EXPECT_EQ(nerves.Calls.back()[1], !single);
  this->Frame->RunCommand(33140);  // thick panoramic
  ASSERT_EQ(nerves.Calls.size(), 2u);
  EXPECT_EQ(nerves.Calls.back()[0], 1);
  EXPECT_EQ(nerves.Calls.back()[4], q.PanoramicCalc->GetMiddleCurve());
  RunDialog<CDialogReformat>(ReformatCommand, [](CDialogReformat& dialog) { dialog.SectionSpacing = 2.5f; });
  ASSERT_EQ(nerves.Calls.size(), 3u);
  EXPECT_EQ(nerves.Spacing, 2.5f);
  EXPECT_EQ(nerves.Calls.back()[3], q.CTFilter->GetCrossFilter()->GetFirstIndex());
  q.ArchListeners[CQlmArchListener::Nerves] = nullptr;
}

TEST_F(ViewCommandsTest, TheReformatDialogClampsWhatItAppliesAndTheScrollRangeFollows) {
  Open();
  CQlmQuorvantile& q = *this->Q;
  q.Modified = 0;
  RunDialog<CDialogReformat>(ReformatCommand, [](CDialogReformat& dialog) {
    dialog.Curves = 60;
    dialog.CurveSpacing = 12.0f;
    dialog.SectionSpacing = 0.05f;
    dialog.SectionWidth = 120.0f;
    dialog.Thickness = 0.5f;
    dialog.ThickImage = 0;
  });
  Reformat applied = ReformatOf(q);
  EXPECT_EQ(applied.Curves, 50);
  EXPECT_EQ(applied.CurveSpacing, 10.0f);
  EXPECT_EQ(applied.SectionSpacing, 0.1f);
  EXPECT_EQ(applied.SectionWidth, 100.0f);
  EXPECT_EQ(q.CTFilter->GetPanFilter()->GetThickness(), 1.0f);
  EXPECT_EQ(q.ThickPanoramic, 0);
  EXPECT_EQ(q.Modified, 1);
  EXPECT_EQ(this->Frame->CrossView->GetVerticalScrollBar()->maximum(), q.CTFilter->GetCrossFilter()->GetMaxIndex());
  EXPECT_EQ(q.PolyLine->GetSectionWidth(), 100.0f);

  // A width of 0 (the dialog takes any number) becomes 1 mm.
  RunDialog<CDialogReformat>(ReformatCommand, [](CDialogReformat& dialog) { dialog.SectionWidth = 0.0f; });
  EXPECT_EQ(q.CTFilter->GetCrossFilter()->GetSectionWidth(), 1.0f);

  // Cancel changes nothing.
  applied = ReformatOf(q);
  RunDialog<CDialogReformat>(
      ReformatCommand, [](CDialogReformat& dialog) { dialog.Curves = 3; }, IDCANCEL);
  EXPECT_EQ(ReformatOf(q), applied);
}

TEST_F(ViewCommandsTest, AViewSwitchedOffStaysOffWhenTheProjectIsOpenedAgain) {
  Open();
  this->Frame->RunCommand(View3DCommand);
  EXPECT_EQ(this->Q->Window3D->Enabled, 0);
  int stored[21];
  ASSERT_EQ(ReadConfigWindowsAdvanced(stored), 1);
  for (int k = 0; k < 21; ++k) EXPECT_EQ(stored[k], k == 3 ? 0 : 1) << k;
  Open();
  CQlmQuorvantile& q = *this->Q;
  EXPECT_EQ(q.Window3D->Enabled, 0);
  EXPECT_EQ(q.WindowAxial->Enabled, 1);
  EXPECT_EQ(q.WindowCross->Enabled, 1);
  EXPECT_EQ(q.WindowPanoramic->Enabled, 1);
  for (const CQlmViewOverlays* overlays : {q.OverlaysAxial, q.OverlaysPanoramic}) {
    EXPECT_EQ(overlays->TitleWindow->GetVisibility(), 1);
    EXPECT_EQ(overlays->NumberWindow->GetVisibility(), 1);
  }
  EXPECT_EQ(q.OverlaysCross->TitleWindow->GetVisibility(), 1);

  this->Frame->RunCommand(32783);  // "Redefinir Visualizações"
  EXPECT_EQ(q.Window3D->Enabled, 1);
}

TEST_F(ViewCommandsTest, OnlyTheTopViewLeavesTheProjectUnmodified) {
  Open();
  for (UINT command = 32837; command <= 32844; ++command) {
    this->Q->Modified = 0;
    this->Frame->Frame3D->OnCmdMsg(command, QlmCmdCode::Command, nullptr);
    EXPECT_EQ(this->Q->Modified, command == 32837 ? 0 : 1) << command;
  }
}

TEST_F(ViewCommandsTest, AnIndicatorToggleStoresTheDefaultsWithTheOneValueChanged) {
  Open();
  EXPECT_EQ(this->Q->Indicator->IsIndicatorVisible(QlmView::Cross, QlmView::Axial), 1);
  this->Frame->RunCommand(CrossInAxialCommand);
  EXPECT_EQ(this->Q->Indicator->IsIndicatorVisible(QlmView::Cross, QlmView::Axial), 0);
  int stored[18];
  ASSERT_EQ(ReadConfigIndicatorsAdvanced(stored), 1);
  for (int k = 0; k < 18; ++k) EXPECT_EQ(stored[k], k == 3 ? 0 : IndicatorDefaults[k]) << k;
}

// A step of 0 divided the section numbers; it numbers every section now.
TEST_F(ViewCommandsTest, ASkipOfZeroInTheSettingsFileNumbersEverySection) {
  EnsureConfigFile();
  int values[18];
  std::copy(std::begin(IndicatorDefaults), std::end(IndicatorDefaults), values);
  values[2] = 0;
  WriteConfigIndicatorsAdvanced(values);
  Open();
  EXPECT_EQ(this->Q->Indicator->Cross->CrossAxial->NumberStep, 1);
  EXPECT_EQ(this->Q->Indicator->Cross->CrossPan->NumberStep, 1);
}

// Value 16 switches the text boxes: without it values 11 to 15, 17 and 18 are stored only.
TEST_F(ViewCommandsTest, TextBoxesApplyOnlyWithTheirSwitch) {
  EnsureConfigFile();
  for (int switched : {0, 1}) {
    SCOPED_TRACE(switched);
    int values[18];
    std::copy(std::begin(IndicatorDefaults), std::end(IndicatorDefaults), values);
    values[15] = switched;
    WriteConfigIndicatorsAdvanced(values);
    Open();
    EXPECT_EQ(this->Q->OverlaysAxial->TitleWindow->GetTitleMapper()->GetBackground(), switched);
    EXPECT_EQ(this->Q->OverlaysAxial->NumberWindow->GetNumberMapper()->GetBackground(), switched);
  }
}

TEST_F(ViewCommandsTest, TheStrongProfileFromTheOptionsDialogPaintsTheViewsAndIsStored) {
  Open();
  RunDialog<CDialogIndicators>(32882, [](CDialogIndicators& dialog) {
    EXPECT_EQ(dialog.Profile, 0);
    EXPECT_EQ(dialog.Step, 5);
    dialog.Profile = 1;
  });
  CQlmQuorvantile& q = *this->Q;
  EXPECT_EQ(q.ColourProfile, 1);
  for (const float* colour : {q.OverlaysAxial->TitleWindow->GetColor(), q.OverlaysPanoramic->TitleWindow->GetColor(),
                              q.OverlaysCross->TitleWindow->GetColor()}) {
    EXPECT_EQ(std::vector<float>(colour, colour + 3), (std::vector<float>{1, 1, 0.7f}));
  }
  int stored[18];
  ASSERT_EQ(ReadConfigIndicatorsAdvanced(stored), 1);
  EXPECT_EQ(stored[9], 1);
  Open();
  EXPECT_EQ(this->Q->ColourProfile, 1);
}

TEST_F(ViewCommandsTest, TheNotesOpenAfterALoadOnlyWithTheAlertFlag) {
  Open();
  this->Q->Notes = "Paciente alérgico.";
  this->Q->NotesFlag = 0;
  ASSERT_EQ(this->Q->SaveProject(this->Q->ProjectPath, this->Q->ProjectFileName), 1);
  this->ModalDialogs.clear();
  Open();
  EXPECT_EQ(std::count(ModalDialogs.begin(), ModalDialogs.end(), 268u), 0);

  this->Q->NotesFlag = 1;
  ASSERT_EQ(this->Q->SaveProject(this->Q->ProjectPath, this->Q->ProjectFileName), 1);
  this->ModalDialogs.clear();
  Open();
  EXPECT_EQ(std::count(ModalDialogs.begin(), ModalDialogs.end(), 268u), 1);
  // The fixture answers Cancel.
  EXPECT_EQ(this->Q->Modified, 0);
}

// The grey window was saved but the views showed 0 .. 4095 after opening.
TEST_F(ViewCommandsTest, TheGreyWindowOfTheFileIsShownAfterALoad) {
  Open();
  this->Q->ViewerAxial->SetMinimum(500.0f);
  this->Q->ViewerAxial->SetMaximum(2000.0f);
  ASSERT_EQ(this->Q->SaveProject(this->Q->ProjectPath, this->Q->ProjectFileName), 1);
  Open();
  CQlmQuorvantile& q = *this->Q;
  for (vtkImage16bitsMonocromeTo8BitsRGBFilter* grey :
       {q.ViewerAxial->GetWindowLevelFilter(), q.ViewerPanoramic->GetWindowLevelFilter()}) {
    EXPECT_EQ(grey->GetColorLevel() - grey->GetColorWindow() / 2, 500.0f);
    EXPECT_EQ(grey->GetColorLevel() + grey->GetColorWindow() / 2, 2000.0f);
  }
  EXPECT_EQ(this->Frame->StatusBar.GetPaneText(2), "min: 500  max: 2000");
}

}  // namespace
