#include "app/CQlmQuorvantile.h"
#include "app/QlmViewColours.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "toolkit/vtkOrientWindow.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmViewOverlays.h"
#include "views/CQlmViewOverlays9.h"

namespace {

using Colour = QlmViewColour;
using namespace QlmViewColours;

// The cross-section window's titles and numbers are those of cells.
constexpr int CellMode = 1;

// Colours, title and letters of the overlays of the axial or panoramic view.
void SetUpPlanarView(CQlmViewOverlays& overlays, Colour colour, const char* title, const char* top, const char* right) {
  overlays.BorderWindow->SetColor(colour.R, colour.G, colour.B);
  overlays.RullerWindow->SetColor(colour.R, colour.G, colour.B);
  overlays.TitleWindow->SetColor(colour.R, colour.G, colour.B);
  overlays.TitleWindow->GetTitleMapper()->SetInput(title);
  // The letters are red in both views.
  overlays.OrientWindow->SetColor(Red.R, Red.G, Red.B);
  overlays.OrientWindow->GetSource()->GetTopMapper()->SetInput(top);
  overlays.OrientWindow->GetSource()->GetRightMapper()->SetInput(right);
  overlays.OrientWindow->SetShowTop(1);
  overlays.OrientWindow->SetShowRight(1);
  overlays.OrientWindow->SetShowBottom(0);
  overlays.OrientWindow->SetShowLeft(0);
  overlays.NumberWindow->SetColor(colour.R, colour.G, colour.B);
}

void SetUpCrossView(CQlmViewOverlays9& overlays) {
  overlays.BorderWindow->SetColor(Blue.R, Blue.G, Blue.B);
  overlays.BorderWindow->SetCenterColor(PaleBlue.R, PaleBlue.G, PaleBlue.B);
  overlays.RullerWindow->SetColor(Blue.R, Blue.G, Blue.B);
  overlays.RullerWindow->SetCenterColor(PaleBlue.R, PaleBlue.G, PaleBlue.B);
  overlays.TitleWindow->SetColor(Blue.R, Blue.G, Blue.B);
  overlays.TitleWindow->SetCenterColor(PaleBlue.R, PaleBlue.G, PaleBlue.B);
  overlays.TitleWindow->SetTitle("Trans");
  overlays.TitleWindow->SetMode(CellMode);
  overlays.OrientWindow->SetColor(Blue.R, Blue.G, Blue.B);
  overlays.OrientWindow->SetCenterColor(PaleBlue.R, PaleBlue.G, PaleBlue.B);
  overlays.OrientWindow->SetTopText("T");
  overlays.OrientWindow->SetRightText("V");
  overlays.OrientWindow->SetShowTop(1);
  overlays.OrientWindow->SetShowRight(1);
  overlays.OrientWindow->SetShowBottom(0);
  overlays.OrientWindow->SetShowLeft(0);
  overlays.NumberWindow->SetColor(Blue.R, Blue.G, Blue.B);
  overlays.NumberWindow->SetCenterColor(PaleBlue.R, PaleBlue.G, PaleBlue.B);
  overlays.NumberWindow->SetMode(CellMode);
}

}  // namespace

void CQlmQuorvantile::CreateOverlays() {
  this->OverlaysAxial = CQlmViewOverlays::New(1);
  this->OverlaysPanoramic = CQlmViewOverlays::New(1);
  this->Overlays3D = CQlmViewOverlays::New(0);
  this->OverlaysCross = CQlmViewOverlays9::New();
}

// Each view's overlays in its window with their colours and texts; the number overlays follow the views.
void CQlmQuorvantile::AttachOverlays() {
  this->OverlaysAxial->Attach(this->WindowAxial);
  this->OverlaysPanoramic->Attach(this->WindowPanoramic);
  this->Overlays3D->Attach(this->Window3D);
  this->OverlaysCross->Attach(this->WindowCross);
  SetUpPlanarView(*this->OverlaysAxial, Red, "Axial", "F", "E");
  SetUpPlanarView(*this->OverlaysPanoramic, Green, "Panorâmica", "T", "E");
  this->Overlays3D->BorderWindow->SetColor(White.R, White.G, White.B);
  this->Overlays3D->TitleWindow->SetColor(White.R, White.G, White.B);
  this->Overlays3D->TitleWindow->GetTitleMapper()->SetInput("Janela 3D");
  SetUpCrossView(*this->OverlaysCross);
  this->PositionListeners[CQlmPositionListener::AxialNumber] = this->OverlaysAxial->NumberWindow.get();
  this->PositionListeners[CQlmPositionListener::CrossNumbers] = this->OverlaysCross->NumberWindow.get();
  this->PositionListeners[CQlmPositionListener::PanoramicNumber] = this->OverlaysPanoramic->NumberWindow.get();
}

void CQlmQuorvantile::ReleaseOverlays() {
  for (CQlmPositionListener::Stage stage :
       {CQlmPositionListener::AxialNumber, CQlmPositionListener::CrossNumbers, CQlmPositionListener::PanoramicNumber}) {
    this->PositionListeners[stage] = nullptr;
  }
  for (CQlmViewOverlays** overlays : {&this->OverlaysAxial, &this->OverlaysPanoramic, &this->Overlays3D}) {
    delete *overlays;
    *overlays = nullptr;
  }
  delete this->OverlaysCross;
  this->OverlaysCross = nullptr;
}

// Axial: the slice's height; panoramic: the curve's distance from the arch; cross-section: the sections' arc positions.
void CQlmQuorvantile::ShowOverlayMeasures() {
  const CQlmCTFilter& filters = *this->CTFilter;
  const CQlmCTAxialFilter& axial = *filters.GetAxialFilter();
  this->OverlaysAxial->RullerWindow->SetImageData(axial.GetOutput());
  this->OverlaysPanoramic->RullerWindow->SetImageData(filters.GetPanFilter()->GetOutput());
  this->OverlaysCross->RullerWindow->SetImageData(filters.GetCrossFilter()->GetOutput());
  this->OverlaysAxial->NumberWindow->SetNumber(static_cast<float>(axial.GetCurrentSlice()) * axial.GetSpacing()[2] +
                                               axial.GetOrigin()[2]);
  this->OverlaysPanoramic->NumberWindow->SetNumber(filters.GetPanFilter()->GetCurveOffset());
  this->OverlaysCross->NumberWindow->SetNumbers(filters.GetCrossFilter()->GetSectionPositions());
}
