// The sample project with implants clicked onto the maxillary crowns, a
// tooth, a ruler and the single cross-section, saved, closed and opened
// again: the same objects in the same views. With
// QLM_PROJECT_OBJECTS_SCREENSHOT set, the reopened main window is saved there.
#include <vtkCamera.h>
#include <vtkMatrix4x4.h>
#include <vtkRenderer.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "FixtureTeethLibrary.h"
#include "QlmViewMouse.h"
#include "SampleCrowns.h"
#include "SampleProjectFixture.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmGeom3D.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplantRings.h"
#include "objects/CQlmImplants.h"
#include "objects/CQlmRullers.h"
#include "toolkit/vtkRullerSource.h"
#include "views/CAxialWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"

namespace {

using SampleCrowns::Vector;

constexpr UINT MaxillaCommand = 32937;
constexpr UINT InsertImplantCommand = 32856;

// What the views show: positions, layout and the axial and 3D cameras.
struct Views {
  int AxialSlice, FirstSection, Curve, SingleCell;
  std::vector<double> AxialCamera, Camera3D;

  static std::vector<double> Of(vtkCamera& camera) {
    std::vector<double> values(camera.GetPosition(), camera.GetPosition() + 3);
    values.insert(values.end(), camera.GetFocalPoint(), camera.GetFocalPoint() + 3);
    values.push_back(camera.GetParallelScale());
    return values;
  }
  explicit Views(const CQlmQuorvantile& q)
      : AxialSlice(q.CTFilter->GetAxialFilter()->GetCurrentSlice()),
        FirstSection(q.CTFilter->GetCrossFilter()->GetFirstIndex()),
        Curve(q.PanoramicCalc->GetCurrentCurve()),
        SingleCell(q.WindowCross->GetSingleCell()),
        AxialCamera(Of(*q.WindowAxial->Renderer3->GetActiveCamera())),
        Camera3D(Of(*q.Window3D->Renderer3->GetActiveCamera())) {}
};

void ExpectNear(const std::vector<double>& actual, const std::vector<double>& expected, const char* what) {
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (size_t k = 0; k < actual.size(); ++k) EXPECT_NEAR(actual[k], expected[k], 1e-3) << what << " " << k;
}

class ProjectObjectsReopenedTest : public SampleProjectFixture {
protected:
  // Generic implants clicked onto the maxillary crowns at the given shares of the arch.
  void ClickImplants(std::initializer_list<float> shares, double& crownHeight) {
    CQlmQuorvantile& q = *this->Q;
    this->Frame->RunCommand(MaxillaCommand);
    this->Frame->RunCommand(InsertImplantCommand);
    const float arch = q.PanoramicCalc->GetArchLength();
    double enamel = 0.0;
    crownHeight = SampleCrowns::CrownPoint(q, 0.4f * arch, 0.0, HUGE_VAL, enamel)[2];
    for (float share : shares) {
      const Vector crown = SampleCrowns::CrownPoint(q, share * arch, crownHeight, 8.0, enamel);
      const Vector planning = SampleCrowns::ToPlanning(q, crown);
      q.AxialView->SetSlice(SampleCrowns::SliceAt(q, crown[2]));
      QlmViewMouse::Click(*q.AxialView, QlmViewMouse::WindowPoint(*q.StyleAxial, planning[0], planning[1]));
    }
  }
};

}  // namespace

TEST_F(ProjectObjectsReopenedTest, ImplantsAToothAndARulerComeBackInTheSameViews) {
  if (!this->Opened()) return;
  QLM_REQUIRE_TEST_DATA(FixtureTeethLibrary::ToothMesh);
  CQlmQuorvantile* q = this->Q;
  ASSERT_TRUE(FixtureTeethLibrary::Put(*q));
  double crownHeight = 0.0;
  this->ClickImplants({0.3f, 0.4f, 0.6f, 0.7f}, crownHeight);
  ASSERT_EQ(q->ImplantContainer->GetCount(), 4);
  const float arch = q->PanoramicCalc->GetArchLength();
  double enamel = 0.0;
  const Vector crown = SampleCrowns::CrownPoint(*q, 0.5f * arch, crownHeight, 8.0, enamel);
  q->AxialView->SetSlice(SampleCrowns::SliceAt(*q, crown[2]));
  ASSERT_EQ(q->DentesContainer->AddTooth(q->WindowAxial, SampleCrowns::ToPlanning(*q, crown).data(),
                                         FixtureTeethLibrary::Name, FixtureTeethLibrary::Identifier, "Incisivo", 0, -1),
            1);
  // A ruler across the arch from the first implant to the last, on the crowns' slice.
  const int slice = q->CTFilter->GetAxialFilter()->GetCurrentSlice();
  CQlmRuller& ruler = *q->Rullers->AddRuller(q->WindowAxial, slice, slice);
  const Vector from = SampleCrowns::ToPlanning(*q, SampleCrowns::CrownPoint(*q, 0.3f * arch, crownHeight, 8.0, enamel));
  const Vector to = SampleCrowns::ToPlanning(*q, SampleCrowns::CrownPoint(*q, 0.7f * arch, crownHeight, 8.0, enamel));
  ruler.GetSource()->SetPoint1(float(from[0]), float(from[1]), 0.0f);
  ruler.GetSource()->SetPoint2(float(to[0]), float(to[1]), 0.0f);
  ruler.GetSource()->CalcSize();
  const float length = ruler.GetSource()->GetSize();
  q->SetSingleCrossSection(1);
  const Views before(*q);
  std::vector<std::vector<double>> placements;
  q->ImplantContainer->GetList3D()->ForEach([&placements](const CQlmImplant3D* implant) {
    const double* elements = &implant->GetMatrix()->Element[0][0];
    placements.emplace_back(elements, elements + 16);
  });

  const std::string first = this->Files.File("Objetos.qlm");
  this->SaveAs(first);
  // The controller that the close makes has the teeth library in use too.
  ControllerReady = [](CQlmQuorvantile& controller) { FixtureTeethLibrary::Put(controller); };
  this->CloseAndOpen(first);
  q = this->Q;
  ASSERT_EQ(q->ProjectOpen, 1) << (this->Prompter.Messages.empty() ? "" : this->Prompter.Messages[0].Text.Str());
  EXPECT_TRUE(this->Prompter.Messages.empty());

  const Views after(*q);
  EXPECT_EQ(after.AxialSlice, before.AxialSlice);
  EXPECT_EQ(after.FirstSection, before.FirstSection);
  EXPECT_EQ(after.Curve, before.Curve);
  EXPECT_EQ(after.SingleCell, 1);
  ExpectNear(after.AxialCamera, before.AxialCamera, "axial camera");
  ExpectNear(after.Camera3D, before.Camera3D, "3D camera");

  CQlmImplants& implants = *q->ImplantContainer;
  ASSERT_EQ(implants.GetCount(), 4);
  ASSERT_EQ(q->RingContainer->GetCount(), 4);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    const double* elements = &implants.GetList3D()->GetListItemAt(i)->GetMatrix()->Element[0][0];
    EXPECT_EQ(std::vector<double>(elements, elements + 16), placements[i]);
    EXPECT_EQ(implants.GetList3D()->GetListItemAt(i)->GetNumber(), i + 1);
    // The single cross-section reaches every collection's cuts.
    EXPECT_EQ(implants.GetListCross()->GetListItemAt(i)->GetSingleCrossSection(), 1);
    EXPECT_EQ(q->RingContainer->GetListCross()->GetListItemAt(i)->GetSingleCrossSection(), 1);
  }
  ASSERT_EQ(q->DentesContainer->GetCount(), 1);
  const CQlmGeom3D& tooth = *q->DentesContainer->GetList3D()->GetListItemAt(0);
  EXPECT_EQ(tooth.GetName(), "Incisivo");
  EXPECT_EQ(tooth.GetNumber(), 1);
  EXPECT_TRUE(q->Window3D->Renderer3->HasViewProp(tooth.GetActor()));
  EXPECT_EQ(q->DentesContainer->GetListCross()->GetListItemAt(0)->GetSingleCrossSection(), 1);
  ASSERT_EQ(q->Rullers->GetListAxial()->GetCount(), 1);
  const CQlmRuller& reopened = *q->Rullers->GetListAxial()->GetListItemAt(0);
  EXPECT_FLOAT_EQ(reopened.GetSource()->GetSize(), length);
  EXPECT_EQ(reopened.GetOwnSlice(), slice);

  this->ExpectSavedAgainAsItWas(first, this->Files.File("Objetos2.qlm"));

  if (const char* picture = std::getenv("QLM_PROJECT_OBJECTS_SCREENSHOT")) {
    EXPECT_TRUE(this->SaveWindow(picture)) << picture;
  }
}
