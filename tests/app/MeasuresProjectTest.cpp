// Rulers in the four views of the sample project, saved and reopened; ruler
// sections that a file cannot hold; and what the views draw of rulers and HU
// lines; the profile of a line across a crown. With QLM_MEASURES_SCREENSHOT
// and QLM_PROFILE_SCREENSHOT set, the main window and the profile dialog are saved there.
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkCamera.h>
#include <vtkImageData.h>
#include <vtkMath.h>
#include <vtkNew.h>
#include <vtkRenderer.h>

#include <QImage>
#include <QMainWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "ProjectFrameFixture.h"
#include "QlmBytes.h"
#include "QlmTestData.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmHULine.h"
#include "objects/CQlmHULines.h"
#include "objects/CQlmRullers.h"
#include "platform/CMemFile.h"
#include "platform/QlmNumberFormat.h"
#include "platform/CQlmScriptedPrompter.h"
#include "toolkit/vtkHULineSource.h"
#include "toolkit/vtkRullerSource.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/CDialogHULine.h"
#include "toolkit/vtkHUProfileSource.h"
#include "QlmOpenDialog.h"

namespace {

using Bytes = std::vector<uint8_t>;
using QlmBytes::ReadFile;

struct RulerValues {
  float Point1[3], Point2[3], Color[3];
  int Selected, Own, Visible;
  bool operator==(const RulerValues& other) const { return std::memcmp(this, &other, sizeof other) == 0; }
};

RulerValues ValuesOf(CQlmRullerBase& ruller) {
  RulerValues values{};
  std::copy_n(ruller.GetSource()->GetPoint1(), 3, values.Point1);
  std::copy_n(ruller.GetSource()->GetPoint2(), 3, values.Point2);
  std::copy_n(ruller.GetColor(), 3, values.Color);
  values.Selected = ruller.GetSelected();
  values.Own = ruller.GetOwnSlice();
  values.Visible = ruller.GetLineActor()->GetVisibility();
  return values;
}

std::vector<RulerValues> AllValues(CQlmRullers& rullers) {
  std::vector<RulerValues> all;
  auto add = [&all](CQlmRullerBase* ruller) { all.push_back(ValuesOf(*ruller)); };
  rullers.GetListAxial()->ForEach(add);
  rullers.GetListPanoramic()->ForEach(add);
  rullers.GetListCross()->ForEach(add);
  rullers.GetList3D()->ForEach(add);
  return all;
}

// The window pixel of world point (x, y, z) of a view.
QRgb PixelAt(CQlmInteractorBase& style, const QImage& picture, double x, double y, double z) {
  double display[3];
  style.WorldToDisplay(x, y, z, display);
  int window[2];
  style.DisplayToWindow(static_cast<int>(std::lround(display[0])), static_cast<int>(std::lround(display[1])), window);
  return picture.pixel(std::clamp(window[0], 0, picture.width() - 1), std::clamp(window[1], 0, picture.height() - 1));
}

// The first palette colour (1, 0.5, 0) as drawn.
bool IsOrange(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) > 90 && qGreen(pixel) < 170 && qBlue(pixel) < 60; }
// The HU lines' colour (0.75, 0, 0) as drawn.
bool IsDarkRed(QRgb pixel) { return qRed(pixel) > 140 && qGreen(pixel) < 60 && qBlue(pixel) < 60; }

// Pixels of `colour` in the picture's column through world point (x, y, z).
int ColumnRun(CQlmInteractorBase& style, const QImage& picture, double x, double y, double z, bool (*colour)(QRgb)) {
  double display[3];
  style.WorldToDisplay(x, y, z, display);
  int window[2];
  style.DisplayToWindow(static_cast<int>(std::lround(display[0])), static_cast<int>(std::lround(display[1])), window);
  int run = 0;
  for (int row = std::max(0, window[1] - 15); row <= std::min(picture.height() - 1, window[1] + 15); ++row) {
    run += colour(picture.pixel(window[0], row)) ? 1 : 0;
  }
  return run;
}

class MeasuresProjectTest : public ProjectFrameFixture {
protected:
  void SetUp() override {
    ProjectFrameFixture::SetUp();
    if (IsSkipped()) return;
    QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
    this->Sample = SampleFile("Amostra.qlm");
    this->Frame = Start(this->Sample);
    ASSERT_EQ(this->Q()->ProjectOpen, 1);
  }
  CQlmQuorvantile* Q() const { return this->Frame->GetController(); }

  // A ruler in every view on the positions they show, one more axial ruler
  // on another slice; the last one added (3D) is the selected one.
  void DrawRulers() {
    CQlmQuorvantile& q = *this->Q();
    CQlmRullers& rullers = *q.Rullers;
    const int slice = q.CTFilter->GetAxialFilter()->GetCurrentSlice();
    const int first = q.CTFilter->GetCrossFilter()->GetFirstIndex();
    const int curve = q.PanoramicCalc->GetCurrentCurve();
    auto place = [](CQlmRullerBase* ruller, float x1, float y1, float z1, float x2, float y2, float z2) {
      ruller->GetSource()->SetPoint1(x1, y1, z1);
      ruller->GetSource()->SetPoint2(x2, y2, z2);
      ruller->GetSource()->CalcSize();
    };
    place(rullers.AddRuller(q.WindowAxial, slice, slice), -20, 5, 0, 20, 5, 0);
    place(rullers.AddRuller(q.WindowAxial, slice - 1, slice), -10, -20, 0, 5, 25, 0);
    place(rullers.AddRuller(q.WindowPanoramic, curve, curve), -30, -5, 0, 10, 15, 0);
    place(rullers.AddCrossRuller(first + 2, first), -5, -10, 0, 6, 12, 0);
    // Across the 3D view, through its focal point.
    vtkCamera* camera = q.Window3D->Renderer3->GetActiveCamera();
    double focal[3], up[3], direction[3], right[3];
    camera->GetFocalPoint(focal);
    camera->GetViewUp(up);
    camera->GetDirectionOfProjection(direction);
    vtkMath::Cross(direction, up, right);
    vtkMath::Normalize(right);
    place(rullers.AddRuller(q.Window3D, -1, -1), focal[0] - 25 * right[0], focal[1] - 25 * right[1],
          focal[2] - 25 * right[2], focal[0] + 25 * right[0], focal[1] + 25 * right[1], focal[2] + 25 * right[2]);
    rullers.GetListPanoramic()->GetFirst()->SetColor(0.2f, 0.6f, 1.0f);
    q.Modified = 1;
  }

  void SaveAs(const std::string& path) {
    Prompter.QueueFile(CString(path));
    this->Frame->OnFileSaveAs();
  }

  std::unique_ptr<CMainFrame> Frame;
  std::string Sample;
};

}  // namespace

TEST_F(MeasuresProjectTest, RulersOfEveryViewComeBackOnTheirSlicesAndASecondSaveIsTheSame) {
  this->DrawRulers();
  const std::vector<RulerValues> drawn = AllValues(*this->Q()->Rullers);
  ASSERT_EQ(drawn.size(), 5u);
  EXPECT_EQ(drawn[1].Visible, 0) << "drawn on another slice";
  const std::string first = Files.File("Reguas.qlm");
  this->SaveAs(first);
  ASSERT_EQ(this->Q()->Modified, 0);

  this->Frame->OnFileClose();
  Prompter.QueueFile(CString(first));
  this->Frame->OnFileOpen();
  CQlmQuorvantile& q = *this->Q();
  ASSERT_EQ(q.ProjectOpen, 1);
  std::vector<RulerValues> expected = drawn;
  expected[4].Selected = 0;  // 3D rulers come back unselected
  EXPECT_TRUE(AllValues(*q.Rullers) == expected);
  CQlmRuller9* cross = q.Rullers->GetListCross()->GetFirst();
  EXPECT_EQ(cross->GetCell(), 6);
  EXPECT_TRUE(q.WindowCross->Renderer1[6]->GetActors()->IsItemPresent(cross->GetLineActor()));
  CQlmRuller* ruller3D = q.Rullers->GetList3D()->GetFirst();
  EXPECT_TRUE(q.Window3D->Renderer3->GetActors()->IsItemPresent(ruller3D->GetLineActor()));
  EXPECT_EQ(ruller3D->Get3D(), 1);
  EXPECT_NEAR(ruller3D->GetSource()->GetSize(), 50.0f, 1e-3);
  EXPECT_EQ(std::string(ruller3D->GetSource()->GetTextMapper()->GetInput()), "50.00 mm");
  // The 2D rulers follow the views again.
  const int slice = q.CTFilter->GetAxialFilter()->GetCurrentSlice();
  q.Rullers->SetAxialIndex(slice - 1);
  EXPECT_EQ(q.Rullers->GetListAxial()->GetListItemAt(0)->GetLineActor()->GetVisibility(), 0);
  EXPECT_EQ(q.Rullers->GetListAxial()->GetListItemAt(1)->GetLineActor()->GetVisibility(), 1);
  q.Rullers->SetAxialIndex(slice);

  const std::string second = Files.File("Reguas2.qlm");
  this->SaveAs(second);
  const Bytes saved = ReadFile(first);
  ASSERT_FALSE(saved.empty());
  EXPECT_TRUE(ReadFile(second) == saved);
  EXPECT_TRUE(Prompter.Messages.empty());
}

TEST_F(MeasuresProjectTest, TruncatedAndInflatedRulerSectionsAreRefusedAndTheFileIsUntouched) {
  this->DrawRulers();
  const std::string path = Files.File("Reguas.qlm");
  this->SaveAs(path);
  const Bytes good = ReadFile(path);
  CQlmProjectData data;
  ASSERT_TRUE(data.Open(path));
  ASSERT_EQ(data.RulersCross.size(), 1u);
  // The cross-section list: its count, then its one record.
  const Bytes record = [&data] {
    CMemFile file;
    CArchive archive(&file, CArchive::store);
    data.RulersCross[0].Store(archive);
    archive.Close();
    return file.Data();
  }();
  const auto found = std::search(good.begin(), good.end(), record.begin(), record.end());
  ASSERT_NE(found, good.end());
  const size_t crossCount = static_cast<size_t>(found - good.begin()) - 4;
  const int32_t beyond = static_cast<int32_t>((good.size() - crossCount) / CQlmRullerRecord::Size + 1);

  struct Case {
    const char* Name;
    Bytes File;
  };
  std::vector<Case> cases;
  cases.push_back({"cut inside the cross-section rulers", Bytes(good.begin(), good.begin() + crossCount + 24)});
  for (int32_t count : {beyond, -1, 0x7FFFFFFF}) {
    Bytes inflated = good;
    std::memcpy(inflated.data() + crossCount, &count, 4);
    cases.push_back({count < 0 ? "negative count" : "count past the end", inflated});
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string bad = RawFile("Danificado.qlm", c.File);
    Prompter.Messages.clear();
    Prompter.QueueFile(CString(bad));
    this->Frame->OnFileOpen();
    ASSERT_EQ(Prompter.Messages.size(), 1u);
    EXPECT_EQ(Prompter.Messages[0].Text, CString("Erro ao abrir projeto\nDanificado"));
    EXPECT_EQ(this->Q()->ProjectOpen, 0);
    EXPECT_TRUE(ReadFile(bad) == c.File) << "the refused file is left as it was";
  }
  EXPECT_TRUE(ReadFile(path) == good);
}

// What the views draw: HU lines in dashes, 3D rulers wider than 2D ones.
TEST_F(MeasuresProjectTest, HULinesAreDashedAnd3DRulersAreWiderThan2DOnes) {
  this->DrawRulers();
  CQlmQuorvantile& q = *this->Q();
  CQlmHULine* line = q.HULines->GetAxialLine();
  line->GetSource()->SetPoint1(-25, -15, 0);
  line->GetSource()->SetPoint2(25, -15, 0);
  line->GetActor()->VisibilityOn();
  q.WindowAxial->Render();
  q.Window3D->Render();
  const QImage axial = q.WindowAxial->GetImage();
  int runs = 0;
  bool lit = false;
  for (double x = -25; x <= 25; x += 0.05) {
    const bool now = IsDarkRed(PixelAt(*q.StyleAxial, axial, x, -15, 0));
    if (now && !lit) ++runs;
    lit = now;
  }
  EXPECT_GE(runs, 10) << "lit runs along a 50 mm line of 1 mm dashes";

  // A quarter along each ruler, away from its label.
  const int width2D = ColumnRun(*q.StyleAxial, axial, -10, 5, 0, IsOrange);
  CQlmRuller* ruller3D = q.Rullers->GetList3D()->GetFirst();
  const float* a = ruller3D->GetSource()->GetPoint1();
  const float* b = ruller3D->GetSource()->GetPoint2();
  const int width3D = ColumnRun(*q.Style3D, q.Window3D->GetImage(), (3 * a[0] + b[0]) / 4, (3 * a[1] + b[1]) / 4,
                                (3 * a[2] + b[2]) / 4, IsOrange);
  EXPECT_GE(width2D, 2);
  EXPECT_GT(width3D, width2D);
  RecordProperty("RulerWidths2D3D", std::to_string(width2D) + " " + std::to_string(width3D));

  if (const char* picture = std::getenv("QLM_MEASURES_SCREENSHOT")) {
    q.WindowCross->Render();
    q.WindowPanoramic->Render();
    this->Frame->GetMainWindow()->grab().save(picture);
  }
}

// A line across the arch over the brightest crown it passes in the slice the
// sample opens on: the enamel rises above the "Tipo II" band.
TEST_F(MeasuresProjectTest, TheProfileAcrossACrownRisesAboveTheTypeIIBand) {
  CQlmQuorvantile& q = *this->Q();
  vtkImageData* slice = q.CTFilter->GetAxialFilter()->GetOutput();
  // The line 6 mm to each side of the arch at arc length s.
  auto across = [&q](float s, float from[3], float to[3]) {
    float centre[3], before[3], after[3];
    q.PanoramicCalc->GetArchPoint(s, centre);
    q.PanoramicCalc->GetArchPoint(s - 1, before);
    q.PanoramicCalc->GetArchPoint(s + 1, after);
    const float normal[2] = {-(after[1] - before[1]), after[0] - before[0]};
    const float norm = std::hypot(normal[0], normal[1]);
    for (int i = 0; i < 2; ++i) {
      from[i] = centre[i] - 6 * normal[i] / norm;
      to[i] = centre[i] + 6 * normal[i] / norm;
    }
    from[2] = to[2] = 0;
  };
  vtkNew<vtkHUProfileSource> probe;
  probe->SetImageData(slice);
  probe->SetMirrorY(1);
  float crown = 0, brightest = 0;
  for (float s = 5; s < q.PanoramicCalc->GetCurveLength() - 5; s += 1) {
    float from[3], to[3];
    across(s, from, to);
    probe->SetPoint1(from);
    probe->SetPoint2(to);
    probe->Update();
    for (double value : probe->GetValues()) {
      if (value > brightest) {
        brightest = static_cast<float>(value);
        crown = s;
      }
    }
  }
  CQlmHULine* line = q.HULines->GetAxialLine();
  float from[3], to[3];
  across(crown, from, to);
  line->GetSource()->SetPoint1(from);
  line->GetSource()->SetPoint2(to);
  line->GetActor()->VisibilityOn();
  q.WindowAxial->Render();

  CDialogHULine dialog;
  vtkHUProfileSource* source = dialog.GetProfileSource();
  source->SetImageData(q.CTFilter->GetAxialFilter()->GetOutput());
  source->SetZSlice(q.CTFilter->GetAxialFilter()->GetCurrentSlice());
  source->SetMirrorY(1);
  source->SetPoint1(line->GetSource()->GetPoint1());
  source->SetPoint2(line->GetSource()->GetPoint2());
  QlmOpenDialog::Run(dialog, [&] {
    const std::vector<double>& values = source->GetValues();
    ASSERT_GT(values.size(), 10u);
    const auto [lowest, highest] = std::minmax_element(values.begin(), values.end());
    EXPECT_GT(*highest, 2250.0) << "enamel above the Tipo II band";
    const double mean = source->GetAverage();
    EXPECT_GT(mean, *lowest);
    EXPECT_LT(mean, *highest);
    EXPECT_EQ(dialog.Mean, CString(QlmNumberFormat::Format("%.1f", mean).c_str()));
    if (const char* picture = std::getenv("QLM_PROFILE_SCREENSHOT")) dialog.GetSafeHwnd()->grab().save(picture);
    RecordProperty("ProfileMinMeanMax", std::to_string(*lowest) + " " + std::to_string(mean) + " " +
                                            std::to_string(*highest));
    dialog.EndDialog(IDOK);
  });
}
