// Implants inserted with the mouse on the sample project of the real head
// CT, as a user does it: jaw set to the maxilla, the insert tool chosen, a
// click on a maxillary crown in each 2D view through the real windows and
// styles. With QLM_IMPLANT_SCREENSHOT set, the main window is saved there
// after the three clicks.
#include <vtkActor.h>
#include <vtkAlgorithm.h>
#include <vtkAlgorithmOutput.h>
#include <vtkImageData.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>
#include <vtkRenderer.h>
#include <vtkTransform.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "SampleCrowns.h"
#include "SampleProjectFixture.h"
#include "QlmLibraryFolderFiles.h"
#include "QlmTestData.h"
#include "SampleProjectFixture.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmResliceGeometry.h"
#include "libraries/vtkLibraryItem.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplantAxial.h"
#include "objects/CQlmImplantCross9.h"
#include "objects/CQlmImplantPanoramic.h"
#include "objects/CQlmImplantRing3D.h"
#include "objects/CQlmImplantRings.h"
#include "objects/CQlmImplants.h"
#include "tools/CQlmCoreImplant.h"
#include "toolkit/QlmPlanningFrame.h"
#include "toolkit/vtkImplantAxial.h"
#include "toolkit/vtkImplantCross9.h"
#include "toolkit/vtkImplantPanoramic.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"

namespace {

using Vector = SampleCrowns::Vector;

constexpr UINT MaxillaCommand = 32937;
constexpr UINT InsertImplantCommand = 32856;
constexpr UINT InsertLibraryImplantCommand = 33165;
constexpr int MiddleCell = 4;

double Distance(const Vector& a, const Vector& b) {
  return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}

class ImplantInsertTest : public SampleProjectFixture {
protected:

  vtkImageData* Volume() const { return this->Q->CTData->ImageData; }
  double GreyAt(const Vector& point) const { return SampleCrowns::GreyAt(*this->Q, point); }
  Vector CrownPoint(float arc, double near, double within, double& grey) const {
    return SampleCrowns::CrownPoint(*this->Q, arc, near, within, grey);
  }
  Vector ToPlanning(const Vector& volume) const { return SampleCrowns::ToPlanning(*this->Q, volume); }

  template <class Style>
  static QPoint WindowPoint(Style& style, double x, double y) {
    double display[3];
    style.WorldToDisplay(x, y, 0.0, display);
    int window[2];
    style.DisplayToWindow(int(std::lround(display[0])), int(std::lround(display[1])), window);
    return {window[0], window[1]};
  }

  static void Click(CWnd& view, const QPoint& at) {
    QWidget* widget = view.GetSafeHwnd();
    const QPointF point(at);
    QMouseEvent press(QEvent::MouseButtonPress, point, widget->mapToGlobal(point), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, point, widget->mapToGlobal(point), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
  }

  CQlmImplant3D& Last() const { return *this->Q->ImplantContainer->GetList3D()->GetLast(); }

  static Vector Platform(const CQlmImplant3D& implant) {
    Vector position;
    implant.GetPosition(position.data());
    return position;
  }

  // The new implant: the only selected one, its platform at the crown point
  // on enamel, its body going up into the maxilla.
  void ExpectPlacedOnTheCrown(const Vector& crown, double enamel, int count) const {
    CQlmImplants& implants = *this->Q->ImplantContainer;
    ASSERT_EQ(implants.GetCount(), count);
    EXPECT_EQ(implants.GetList3D()->GetSelectedIndex(), count - 1);
    EXPECT_EQ(implants.GetListAxial()->GetSelectedIndex(), count - 1);
    // The tool adds the implant's guide ring with it.
    ASSERT_EQ(this->Q->RingContainer->GetCount(), count);
    EXPECT_EQ(this->Q->RingContainer->GetList3D()->GetLast()->GetImplant(), &this->Last());
    const Vector platform = Platform(this->Last());
    EXPECT_LT(Distance(platform, crown), 1.5);
    EXPECT_GT(this->GreyAt(platform), 0.7 * enamel) << "the platform lies on enamel";
    const double apexLocal[4] = {0.0, 0.0, -this->Last().GetLength(), 1.0};
    double apex[4];
    this->Last().GetMatrix()->MultiplyPoint(apexLocal, apex);
    EXPECT_GT(apex[2], platform[2] + 0.8 * this->Last().GetLength()) << "upper jaw: the body goes up";
  }

  // The other views moved to the new implant show it: the axial slice through
  // its platform, the sections through it, the panoramic curve through it.
  void ExpectShownWhereItLies() const {
    CQlmQuorvantile& q = *this->Q;
    const int i = q.ImplantContainer->GetCount() - 1;
    const Vector platform = Platform(this->Last());
    const Vector planning = this->ToPlanning(platform);

    const double sliceZ = (platform[2] - this->Volume()->GetOrigin()[2]) / this->Volume()->GetSpacing()[2];
    q.AxialView->SetSlice(int(sliceZ) + 1);
    vtkImplantAxial& axial = *q.ImplantContainer->GetListAxial()->GetListItemAt(i)->GetAxialCutter();
    axial.Update();
    EXPECT_GT(axial.GetOutputScrew()->GetNumberOfCells(), 0) << "axial";
    EXPECT_NEAR(axial.GetFulcrum()[0], planning[0], 0.5);
    EXPECT_NEAR(axial.GetFulcrum()[1], planning[1], 0.5);

    // The picker gives the first index whose middle section lies nearest.
    q.CrossView->SetSlice(q.Indicator->GetCrossIndexAtAxialPoint(planning.data()));
    vtkImplantCross9& cross = *q.ImplantContainer->GetListCross()->GetListItemAt(i)->GetCrossCutter();
    cross.Update();
    const int cell = MiddleCell;
    EXPECT_GT(cross.GetOutputScrew(cell)->GetNumberOfCells() + cross.GetOutputConector(cell)->GetNumberOfCells(), 0)
        << "cross-section cell " << cell;

    q.PanoramicView->SetSlice(q.PanoramicCalc->GetMiddleCurve());
    vtkImplantPanoramic& panoramic = *q.ImplantContainer->GetListPanoramic()->GetListItemAt(i)->GetPanoramicCutter();
    panoramic.Update();
    EXPECT_GT(panoramic.GetOutputScrew()->GetNumberOfCells(), 0) << "panoramic";

    EXPECT_TRUE(q.Window3D->Renderer3->HasViewProp(this->Last().GetScrewActor()));
  }

};

TEST_F(ImplantInsertTest, AClickOnAMaxillaryCrownInEachViewPutsAnImplantOnIt) {
  CQlmQuorvantile& q = *this->Q;
  this->Frame->RunCommand(MaxillaCommand);
  this->Frame->RunCommand(InsertImplantCommand);
  ASSERT_EQ(q.Tool, 7);
  const float arch = q.PanoramicCalc->GetArchLength();

  // Axial: the slice of the crown, a click on the crown.
  // The first crown is searched over the whole column; the others at its height.
  double enamel = 0.0;
  Vector crown = this->CrownPoint(0.4f * arch, 0.0, HUGE_VAL, enamel);
  Vector planning = this->ToPlanning(crown);
  const int slice = SampleCrowns::SliceAt(*this->Q, crown[2]);
  q.AxialView->SetSlice(slice);
  Click(*q.AxialView, WindowPoint(*q.StyleAxial, planning[0], planning[1]));
  this->ExpectPlacedOnTheCrown(crown, enamel, 1);
  vtkImplantAxial& axial = *q.ImplantContainer->GetListAxial()->GetListItemAt(0)->GetAxialCutter();
  EXPECT_NEAR(axial.GetFulcrum()[0], planning[0], 0.5) << "centred on the click";
  EXPECT_NEAR(axial.GetFulcrum()[1], planning[1], 0.5);
  this->ExpectShownWhereItLies();

  // Cross-section: the nine sections around the crown, a click in the middle cell.
  const double crownHeight = crown[2];
  crown = this->CrownPoint(0.6f * arch, crownHeight, 8.0, enamel);
  planning = this->ToPlanning(crown);
  const int first = q.Indicator->GetCrossIndexAtAxialPoint(planning.data());
  q.CrossView->SetSlice(first);
  ASSERT_EQ(q.CTFilter->GetCrossFilter()->GetFirstIndex(), first);
  double sectionMatrix[16];
  const float spacing = q.CTFilter->GetCrossFilter()->GetSectionSpacing();
  q.PanoramicCalc->GetSectionMatrix((first + MiddleCell) * spacing, sectionMatrix);
  vtkNew<vtkMatrix4x4> toSection;
  toSection->DeepCopy(sectionMatrix);
  CQlmResliceGeometry::FlipMatrixY(toSection);
  toSection->Invert();
  const QlmPlanningFrame frame(this->Volume());
  const float* centre = frame.GetCentre();
  const double fromCentre[4] = {crown[0] - centre[0], crown[1] - centre[1], crown[2] - centre[2], 1.0};
  double inCell[4];
  toSection->MultiplyPoint(fromCentre, inCell);
  q.StyleCross->GetRecord()->CurrentCell = MiddleCell;
  Click(*q.CrossView, WindowPoint(*q.StyleCross, inCell[0], inCell[1]));
  this->ExpectPlacedOnTheCrown(crown, enamel, 2);
  vtkImplantCross9& cross = *q.ImplantContainer->GetListCross()->GetListItemAt(1)->GetCrossCutter();
  EXPECT_NEAR(cross.GetFulcrum(MiddleCell)[0], inCell[0], 0.5) << "centred on the click";
  EXPECT_NEAR(cross.GetFulcrum(MiddleCell)[1], inCell[1], 0.5);
  this->ExpectShownWhereItLies();

  // Panoramic: the arch's own curve, a click on the crown.
  crown = this->CrownPoint(0.25f * arch, crownHeight, 8.0, enamel);
  q.PanoramicView->SetSlice(q.PanoramicCalc->GetMiddleCurve());
  const double along = 0.25 * arch - q.PanoramicCalc->GetCurveLength() / 2;
  const double height = crown[2] - QlmPlanningFrame(this->Volume()).GetCentre()[2];
  Click(*q.PanoramicView, WindowPoint(*q.StylePanoramic, along, height));
  this->ExpectPlacedOnTheCrown(crown, enamel, 3);
  vtkImplantPanoramic& panoramic = *q.ImplantContainer->GetListPanoramic()->GetListItemAt(2)->GetPanoramicCutter();
  EXPECT_NEAR(panoramic.GetFulcrum()[0], along, 0.5) << "centred on the click";
  EXPECT_NEAR(panoramic.GetFulcrum()[1], height, 0.5);
  this->ExpectShownWhereItLies();

  if (const char* picture = std::getenv("QLM_IMPLANT_SCREENSHOT")) {
    q.AxialView->SetSlice(slice);
    EXPECT_TRUE(this->SaveWindow(picture)) << picture;
  }
}

// Implants on three maxillary crowns, one guide ring hidden, saved, closed and
// opened again: the same implants, rings and cuts, and a second save gives the
// same file. With QLM_IMPLANTS_REOPENED_SCREENSHOT set, the reopened main
// window is saved there.
TEST_F(ImplantInsertTest, ImplantsOnTheMaxillaAreSavedAndReopenedAsTheyWere) {
  CQlmQuorvantile* q = this->Q;
  this->Frame->RunCommand(MaxillaCommand);
  this->Frame->RunCommand(InsertImplantCommand);
  const float arch = q->PanoramicCalc->GetArchLength();
  double enamel = 0.0;
  const double crownHeight = this->CrownPoint(0.4f * arch, 0.0, HUGE_VAL, enamel)[2];
  for (float arc : {0.3f, 0.4f, 0.5f}) {
    const Vector crown = this->CrownPoint(arc * arch, crownHeight, 8.0, enamel);
    const Vector planning = this->ToPlanning(crown);
    q->AxialView->SetSlice(SampleCrowns::SliceAt(*this->Q, crown[2]));
    Click(*q->AxialView, WindowPoint(*q->StyleAxial, planning[0], planning[1]));
  }
  ASSERT_EQ(q->ImplantContainer->GetCount(), 3);
  q->RingContainer->SetVisibility(1, 0);
  std::vector<std::vector<double>> placements;
  q->ImplantContainer->GetList3D()->ForEach([&placements](const CQlmImplant3D* implant) {
    const double* elements = &implant->GetMatrix()->Element[0][0];
    placements.emplace_back(elements, elements + 16);
  });

  const std::string first = Files.File("Implantes.qlm");
  this->SaveAs(first);
  this->CloseAndOpen(first);
  q = this->Q;
  ASSERT_EQ(q->ProjectOpen, 1);
  EXPECT_TRUE(Prompter.Messages.empty());

  CQlmImplants& implants = *q->ImplantContainer;
  ASSERT_EQ(implants.GetCount(), 3);
  EXPECT_EQ(implants.GetListAxial()->GetCount(), 3);
  EXPECT_EQ(implants.GetListCross()->GetCount(), 3);
  EXPECT_EQ(implants.GetListPanoramic()->GetCount(), 3);
  ASSERT_EQ(q->RingContainer->GetCount(), 3);
  for (int i = 0; i < 3; ++i) {
    CQlmImplant3D& implant = *implants.GetList3D()->GetListItemAt(i);
    const double* elements = &implant.GetMatrix()->Element[0][0];
    EXPECT_EQ(std::vector<double>(elements, elements + 16), placements[i]) << i;
    EXPECT_EQ(implant.GetNumber(), i + 1);
    EXPECT_TRUE(q->Window3D->Renderer3->HasViewProp(implant.GetScrewActor())) << i;
    EXPECT_EQ(q->RingContainer->GetList3D()->GetListItemAt(i)->GetImplant(), &implant);
    EXPECT_EQ(q->RingContainer->GetList3D()->GetListItemAt(i)->GetVisible(), i == 1 ? 0 : 1) << i;
  }
  EXPECT_EQ(implants.GetList3D()->GetSelectedIndex(), 2) << "the last one inserted stays selected";

  this->ExpectSavedAgainAsItWas(first, Files.File("Implantes2.qlm"));
  this->ExpectShownWhereItLies();

  if (const char* picture = std::getenv("QLM_IMPLANTS_REOPENED_SCREENSHOT")) {
    EXPECT_TRUE(this->SaveWindow(picture)) << picture;
  }
}

// A click on an implant selects it and inserts nothing; the status bar
// describes the selected implant.
TEST_F(ImplantInsertTest, AClickOnAnImplantSelectsItInsteadOfInserting) {
  CQlmQuorvantile& q = *this->Q;
  this->Frame->RunCommand(InsertImplantCommand);
  const QPoint middle(q.AxialView->GetSafeHwnd()->width() / 2, q.AxialView->GetSafeHwnd()->height() / 2);
  Click(*q.AxialView, middle);
  Click(*q.AxialView, middle + QPoint(60, 0));
  ASSERT_EQ(q.ImplantContainer->GetCount(), 2);
  EXPECT_EQ(q.ImplantContainer->GetList3D()->GetSelectedIndex(), 1);
  Click(*q.AxialView, middle);
  EXPECT_EQ(q.ImplantContainer->GetCount(), 2);
  EXPECT_EQ(q.ImplantContainer->GetList3D()->GetSelectedIndex(), 0);
  EXPECT_EQ(q.ImplantContainer->GetListPanoramic()->GetListItemAt(1)->GetSelected(), 0);
  CString expected;
  expected.Format("Diam: %.2f  Comp: %.2f  Conect: %.2f  Ângulo: %.1f", this->Last().GetDiameter(),
                  this->Last().GetLength(), this->Last().GetConectorHeight(), 0.0);
  EXPECT_STREQ(this->Frame->StatusBar.GetPaneText(1).c_str(), expected.c_str());
}

}  // namespace

// A change of the reformat reaches the implant cuts through the controller's one routine.
TEST_F(ImplantInsertTest, TheImplantCutsFollowAChangeOfTheReformat) {
  CQlmQuorvantile& q = *this->Q;
  this->Frame->RunCommand(MaxillaCommand);
  this->Frame->RunCommand(InsertImplantCommand);
  double enamel = 0.0;
  const Vector crown = this->CrownPoint(0.4f * q.PanoramicCalc->GetArchLength(), 0.0, HUGE_VAL, enamel);
  const Vector planning = this->ToPlanning(crown);
  q.AxialView->SetSlice(SampleCrowns::SliceAt(*this->Q, crown[2]));
  Click(*q.AxialView, WindowPoint(*q.StyleAxial, planning[0], planning[1]));
  ASSERT_EQ(q.ImplantContainer->GetCount(), 1);
  const CQlmImplantCross9& cross = *q.ImplantContainer->GetListCross()->GetListItemAt(0);
  vtkImplantPanoramic& panoramic = *q.ImplantContainer->GetListPanoramic()->GetListItemAt(0)->GetPanoramicCutter();

  const int thick = q.ThickPanoramic;
  q.ToggleThickPanoramic();
  EXPECT_EQ(panoramic.GetThick(), thick ? 0 : 1);
  q.ToggleSingleCrossSection();
  EXPECT_EQ(cross.GetCrossIndex(), q.CTFilter->GetCrossFilter()->GetFirstIndex());
  q.ToggleThickPanoramic();
  EXPECT_EQ(panoramic.GetThick(), thick);
}

// Two implants with their guide rings; the second one dragged along the
// panoramic view, as the implant tool previews and commits a drag, takes its
// ring with it. With QLM_RINGS_SCREENSHOT set, the main window is saved there.
TEST_F(ImplantInsertTest, ARingGoesWithItsImplantDraggedAlongThePanoramicView) {
  CQlmQuorvantile& q = *this->Q;
  this->Frame->RunCommand(MaxillaCommand);
  this->Frame->RunCommand(InsertImplantCommand);
  const float arch = q.PanoramicCalc->GetArchLength();
  q.PanoramicView->SetSlice(q.PanoramicCalc->GetMiddleCurve());
  double enamel = 0.0;
  const double crownHeight = this->CrownPoint(0.4f * arch, 0.0, HUGE_VAL, enamel)[2];
  for (float share : {0.35f, 0.55f}) {
    const Vector crown = this->CrownPoint(share * arch, crownHeight, 8.0, enamel);
    const double along = share * arch - q.PanoramicCalc->GetCurveLength() / 2;
    const double height = crown[2] - QlmPlanningFrame(this->Volume()).GetCentre()[2];
    Click(*q.PanoramicView, WindowPoint(*q.StylePanoramic, along, height));
  }
  ASSERT_EQ(q.ImplantContainer->GetCount(), 2);
  ASSERT_EQ(q.RingContainer->GetCount(), 2);

  CQlmImplantPanoramic& cut = *q.ImplantContainer->GetListPanoramic()->GetListItemAt(1);
  const Vector before = Platform(this->Last());
  vtkNew<vtkTransform> drag;
  drag->Translate(7.0, 0.0, 0.0);
  cut.SetUserMatrix(drag->GetMatrix());
  cut.ApplyUserMatrix();
  const Vector after = Platform(this->Last());
  EXPECT_GT(Distance(before, after), 5.0) << "the implant slid along the curve";

  // The ring's middle lies on the moved implant's axis.
  vtkAlgorithm* ring = q.RingContainer->GetList3D()->GetListItemAt(1)->GetOutputPort()->GetProducer();
  ring->Update();
  double bounds[6];
  vtkPolyData::SafeDownCast(ring->GetOutputDataObject(0))->GetBounds(bounds);
  const double middle[4] = {(bounds[0] + bounds[1]) / 2, (bounds[2] + bounds[3]) / 2, (bounds[4] + bounds[5]) / 2, 1};
  vtkNew<vtkMatrix4x4> toImplant;
  toImplant->DeepCopy(this->Last().GetMatrix());
  toImplant->Invert();
  double local[4];
  toImplant->MultiplyPoint(middle, local);
  EXPECT_LT(std::hypot(local[0], local[1]), 0.5) << "ring middle off the implant axis";

  if (const char* picture = std::getenv("QLM_RINGS_SCREENSHOT")) {
    const Vector planning = this->ToPlanning(after);
    const double slice = (after[2] - this->Volume()->GetOrigin()[2]) / this->Volume()->GetSpacing()[2];
    q.AxialView->SetSlice(int(std::lround(slice)));
    q.CrossView->SetSlice(q.Indicator->GetCrossIndexAtAxialPoint(planning.data()));
    EXPECT_TRUE(this->SaveWindow(picture)) << picture;
  }
}

namespace {

// The implant library "Genéricos" (identifier " 12") is the only one of the
// library folder, so the one in use; its implants and component fill the
// implant tool bar.
class LibraryImplantInsertTest : public ImplantInsertTest {
protected:
  void WriteSettings() override {
    std::string why;
    ASSERT_TRUE(QlmLibraryFolderFiles::WriteImplantLibrary("Genéricos", ".imp", why)) << why;
    LibrariesFound[CQlmQuorvantile::Implants] = 1;
  }

  // Selects the entry of `list` whose item is `name`; "Standard" is the entry without item.
  static void Choose(CQlmFlatComboBox& entries, const std::string& name) {
    for (int i = 0; i < entries.GetCount(); ++i) {
      const vtkLibraryItem* item = entries.GetItem(i);
      if (item ? item->Name.Str() == name : name == "Standard") {
        entries.SetCurSel(i);
        return;
      }
    }
    ADD_FAILURE() << "no entry " << name;
  }

  CImplantToolBar& Bar() const { return this->Frame->ImplantToolBar; }

  // The last implant is the library implant `name` of "Genéricos" and its
  // three cuts are never drawn filled; its guide ring has the item's values.
  void ExpectLibraryImplant(const char* name, float diameter, float length) const {
    const CQlmImplant3D& implant = this->Last();
    EXPECT_EQ(implant.LibraryImplant, 1);
    EXPECT_EQ(implant.ImplantName.Str(), name);
    EXPECT_EQ(implant.LibraryIdentifier.Str(), " 12");
    EXPECT_EQ(implant.Platform.Str(), "Genéricos");
    EXPECT_FLOAT_EQ(implant.GetDiameter(), diameter);
    EXPECT_FLOAT_EQ(implant.GetLength(), length);
    const int i = this->Q->ImplantContainer->GetCount() - 1;
    EXPECT_EQ(this->Q->ImplantContainer->GetListAxial()->GetListItemAt(i)->GetLibraryImplant(), 1);
    EXPECT_EQ(this->Q->ImplantContainer->GetListCross()->GetListItemAt(i)->GetLibraryImplant(), 1);
    EXPECT_EQ(this->Q->ImplantContainer->GetListPanoramic()->GetListItemAt(i)->GetLibraryImplant(), 1);
    const float ring[7] = {1.0f, 6.0f, diameter + 1.5f, diameter + 0.2f, 0.0f, 0.8f, 0.0f};
    for (int k = 0; k < 7; ++k) EXPECT_FLOAT_EQ(implant.RingValues[k], ring[k]) << "ring value " << k;
  }
};

}  // namespace

// The custom-implant tool places the implant and component chosen on the
// implant tool bar where the user clicks; "Standard" is the generic
// connector of 2.5 mm; without a chosen implant a click inserts nothing.
TEST_F(LibraryImplantInsertTest, ClicksPlaceTheImplantChosenOnTheImplantToolBar) {
  CQlmQuorvantile& q = *this->Q;
  this->Frame->RunCommand(MaxillaCommand);
  this->Frame->RunCommand(InsertLibraryImplantCommand);
  ASSERT_EQ(q.Tool, 74);
  const float arch = q.PanoramicCalc->GetArchLength();

  // Axial: "Reto" with the component "Pilar".
  Choose(this->Bar().ItemList, "Reto");
  Choose(this->Bar().ProsthesisList, "Pilar");
  double enamel = 0.0;
  Vector crown = this->CrownPoint(0.4f * arch, 0.0, HUGE_VAL, enamel);
  const Vector planning = this->ToPlanning(crown);
  const int slice = SampleCrowns::SliceAt(*this->Q, crown[2]);
  q.AxialView->SetSlice(slice);
  Click(*q.AxialView, WindowPoint(*q.StyleAxial, planning[0], planning[1]));
  this->ExpectPlacedOnTheCrown(crown, enamel, 1);
  this->ExpectLibraryImplant("Reto", 3.75f, 13.0f);
  EXPECT_EQ(this->Last().ComponentName.Str(), "Pilar");
  EXPECT_EQ(this->Last().GenericComponent, 0);
  EXPECT_FLOAT_EQ(this->Last().GetConectorHeight(), 2.0f);
  EXPECT_STREQ(this->Frame->StatusBar.GetPaneText(1).c_str(), "Imp.: Reto    Conect.: Pilar");

  // Panoramic: "Cônico" with the generic connector.
  Choose(this->Bar().ItemList, "Cônico");
  Choose(this->Bar().ProsthesisList, "Standard");
  const double crownHeight = crown[2];
  crown = this->CrownPoint(0.25f * arch, crownHeight, 8.0, enamel);
  q.PanoramicView->SetSlice(q.PanoramicCalc->GetMiddleCurve());
  const double along = 0.25 * arch - q.PanoramicCalc->GetCurveLength() / 2;
  const double height = crown[2] - QlmPlanningFrame(this->Volume()).GetCentre()[2];
  Click(*q.PanoramicView, WindowPoint(*q.StylePanoramic, along, height));
  this->ExpectPlacedOnTheCrown(crown, enamel, 2);
  this->ExpectLibraryImplant("Cônico", 4.0f, 10.0f);
  EXPECT_EQ(this->Last().ComponentName.Str(), "Standard");
  EXPECT_EQ(this->Last().GenericComponent, 1);
  EXPECT_FLOAT_EQ(this->Last().GetConectorHeight(), 2.5f);
  EXPECT_STREQ(this->Frame->StatusBar.GetPaneText(1).c_str(), "Imp.: Cônico Conect.: 2.50 Ângulo: 0.0");

  // No implant chosen: a click on empty space adds nothing and records nothing.
  const auto& snapshots = q.CoreImplant->GetRecords().GetUndoList();
  EXPECT_TRUE(snapshots[1].Valid && !snapshots[2].Valid) << "one snapshot per insert";
  this->Bar().ItemList.SetCurSel(-1);
  Click(*q.AxialView, QPoint(5, 5));
  EXPECT_EQ(q.ImplantContainer->GetCount(), 2);
  EXPECT_EQ(q.RingContainer->GetCount(), 2);
  EXPECT_FALSE(snapshots[2].Valid);
}
