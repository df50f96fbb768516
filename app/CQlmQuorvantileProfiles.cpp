// The colour profiles of the overlays and indicators, and which of their
// texts stand on a filled box.
#include "app/CQlmQuorvantile.h"
#include "app/QlmViewColours.h"
#include "objects/CQlmImplants.h"
#include "objects/CQlmRullers.h"
#include "toolkit/vtkRullerWindow.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "views/CQlmBorderWindow.h"
#include "views/CQlmBorderWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmIndicatorAxial.h"
#include "views/CQlmIndicatorAxial3D.h"
#include "views/CQlmIndicatorAxialCross.h"
#include "views/CQlmIndicatorAxialPan.h"
#include "views/CQlmIndicatorCross.h"
#include "views/CQlmIndicatorCrossAxial.h"
#include "views/CQlmIndicatorCrossPan.h"
#include "views/CQlmIndicatorPan.h"
#include "views/CQlmIndicatorPan3D.h"
#include "views/CQlmIndicatorPanAxial.h"
#include "views/CQlmIndicatorPanCross.h"
#include "views/CQlmNumberWindow.h"
#include "views/CQlmNumberWindow9.h"
#include "views/CQlmOrientWindow.h"
#include "views/CQlmOrientWindow9.h"
#include "views/CQlmRullerWindow.h"
#include "views/CQlmRullerWindow9.h"
#include "views/CQlmTitleWindow.h"
#include "views/CQlmTitleWindow9.h"
#include "views/CQlmViewOverlays.h"
#include "views/CQlmViewOverlays9.h"

namespace {

using Colour = QlmViewColour;
using namespace QlmViewColours;
constexpr Colour LightYellow{1, 1, 0.7f};
constexpr Colour StrongBox{1, 1, 0.5f};

enum View { Axial, Panoramic, Cross };
constexpr Colour ViewColour[3] = {Red, Green, Blue};
constexpr Colour ViewBox[3] = {{1, 0.8f, 0.8f}, {0.8f, 1, 0.8f}, {0.8f, 0.8f, 1}};

// How the texts of one view's overlay look: text, centre-cell text, box.
struct Look {
  Colour Text, Centre, Box;
};

// A boxed text is black on the view's light colour (light yellow in the
// strong profile); an open one has the view's colour or the strong yellow.
Look LookOf(View view, int profile, int boxed) {
  if (boxed) return {Black, Black, profile == 1 ? StrongBox : ViewBox[view]};
  if (profile == 1) return {StrongBox, StrongBox, White};
  return {ViewColour[view], view == Cross ? PaleBlue : ViewColour[view], White};
}

bool IsProfile(int profile) { return profile == 0 || profile == 1; }

void SetLabelLook(CQlmIndicatorMember& member, const Look& look, int boxed) {
  member.SetLabelBackground(boxed);
  member.SetLabelBackgroundColor(look.Box.R, look.Box.G, look.Box.B);
  member.SetLabelColor(look.Text.R, look.Text.G, look.Text.B);
}

void SetLabelLook(CQlmIndicatorCrossLines& lines, Colour labels, Colour neighbours, Colour box, int boxed) {
  lines.SetLabelBackground(boxed);
  lines.SetLabelBackgroundColor(box.R, box.G, box.B);
  lines.SetLabelColor(labels.R, labels.G, labels.B);
  lines.SetNeighborLabelsColor(neighbours.R, neighbours.G, neighbours.B);
}

// Every overlay of a planar view in one colour.
void Paint(CQlmViewOverlays& overlays, Colour colour) {
  overlays.BorderWindow->SetColor(colour.R, colour.G, colour.B);
  overlays.TitleWindow->SetColor(colour.R, colour.G, colour.B);
  if (overlays.OrientWindow) overlays.OrientWindow->SetColor(colour.R, colour.G, colour.B);
  if (overlays.NumberWindow) overlays.NumberWindow->SetColor(colour.R, colour.G, colour.B);
  if (overlays.RullerWindow) overlays.RullerWindow->SetColor(colour.R, colour.G, colour.B);
}

void Paint(CQlmViewOverlays9& overlays, Colour colour, Colour centre) {
  overlays.BorderWindow->SetColor(colour.R, colour.G, colour.B);
  overlays.BorderWindow->SetCenterColor(centre.R, centre.G, centre.B);
  overlays.TitleWindow->SetColor(colour.R, colour.G, colour.B);
  overlays.TitleWindow->SetCenterColor(centre.R, centre.G, centre.B);
  overlays.OrientWindow->SetColor(colour.R, colour.G, colour.B);
  overlays.OrientWindow->SetCenterColor(centre.R, centre.G, centre.B);
  overlays.NumberWindow->SetColor(colour.R, colour.G, colour.B);
  overlays.NumberWindow->SetCenterColor(centre.R, centre.G, centre.B);
  overlays.RullerWindow->SetColor(colour.R, colour.G, colour.B);
  overlays.RullerWindow->SetCenterColor(centre.R, centre.G, centre.B);
}

// The boxes behind the texts of a planar view: title, letters, number, scale numbers.
struct Boxes {
  int Title, Orientation, Number, Ruller;
};

void SetBoxes(CQlmViewOverlays& overlays, const Boxes& on) {
  overlays.TitleWindow->GetTitleMapper()->SetBackground(on.Title);
  if (overlays.OrientWindow) overlays.OrientWindow->SetBackground(on.Orientation);
  if (overlays.NumberWindow) overlays.NumberWindow->SetBackground(on.Number);
  if (overlays.RullerWindow) overlays.RullerWindow->GetSource()->SetBackground(on.Ruller);
}

void SetBoxes(CQlmViewOverlays9& overlays, const Boxes& on) {
  overlays.TitleWindow->SetBackground(on.Title);
  overlays.OrientWindow->SetBackground(on.Orientation);
  overlays.NumberWindow->SetBackground(on.Number);
  overlays.RullerWindow->GetOuterSource()->SetBackground(on.Ruller);
  overlays.RullerWindow->GetCentreSource()->SetBackground(on.Ruller);
}

void SetTitleLook(CQlmViewOverlays& overlays, const Look& look) {
  overlays.TitleWindow->SetColor(look.Text.R, look.Text.G, look.Text.B);
  overlays.TitleWindow->GetTitleMapper()->SetColorBackground(look.Box.R, look.Box.G, look.Box.B);
}

void SetPlanarLooks(CQlmViewOverlays& overlays, const Look& orientation, const Look& number, const Look& ruller) {
  overlays.OrientWindow->SetColor(orientation.Text.R, orientation.Text.G, orientation.Text.B);
  overlays.OrientWindow->SetBackgroundColor(orientation.Box.R, orientation.Box.G, orientation.Box.B);
  overlays.NumberWindow->SetColor(number.Text.R, number.Text.G, number.Text.B);
  overlays.NumberWindow->SetBackgroundColor(number.Box.R, number.Box.G, number.Box.B);
  overlays.RullerWindow->SetColor(ruller.Text.R, ruller.Text.G, ruller.Text.B);
  overlays.RullerWindow->GetSource()->SetColorBackground(ruller.Box.R, ruller.Box.G, ruller.Box.B);
}

void SetCrossLooks(CQlmViewOverlays9& overlays, const Look& title, const Look& orientation, const Look& number,
                   const Look& ruller) {
  overlays.TitleWindow->SetColor(title.Text.R, title.Text.G, title.Text.B);
  overlays.TitleWindow->SetCenterColor(title.Centre.R, title.Centre.G, title.Centre.B);
  overlays.TitleWindow->SetBackgroundColor(title.Box.R, title.Box.G, title.Box.B);
  overlays.OrientWindow->SetColor(orientation.Text.R, orientation.Text.G, orientation.Text.B);
  overlays.OrientWindow->SetCenterColor(orientation.Centre.R, orientation.Centre.G, orientation.Centre.B);
  overlays.OrientWindow->SetBackgroundColor(orientation.Box.R, orientation.Box.G, orientation.Box.B);
  overlays.NumberWindow->SetColor(number.Text.R, number.Text.G, number.Text.B);
  overlays.NumberWindow->SetCenterColor(number.Centre.R, number.Centre.G, number.Centre.B);
  overlays.NumberWindow->SetBackgroundColor(number.Box.R, number.Box.G, number.Box.B);
  overlays.RullerWindow->SetColor(ruller.Text.R, ruller.Text.G, ruller.Text.B);
  overlays.RullerWindow->SetCenterColor(ruller.Centre.R, ruller.Centre.G, ruller.Centre.B);
  for (vtkRullerWindow* source : {overlays.RullerWindow->GetOuterSource(), overlays.RullerWindow->GetCentreSource()}) {
    source->SetColorBackground(ruller.Box.R, ruller.Box.G, ruller.Box.B);
  }
}

}  // namespace

void CQlmQuorvantile::HideTextBoxes() {
  const Boxes none{0, 0, 0, 0};
  SetBoxes(*this->OverlaysAxial, none);
  SetBoxes(*this->OverlaysPanoramic, none);
  SetBoxes(*this->Overlays3D, none);
  SetBoxes(*this->OverlaysCross, none);
  CQlmIndicator& indicator = *this->Indicator;
  for (CQlmIndicatorMember* member : std::initializer_list<CQlmIndicatorMember*>{
           indicator.Axial->AxialPan, indicator.Axial->AxialCross, indicator.Axial->Axial3D, indicator.Pan->PanAxial,
           indicator.Pan->PanCross, indicator.Pan->Pan3D}) {
    member->SetLabelBackground(0);
  }
  indicator.Cross->CrossAxial->SetLabelBackground(0);
  indicator.Cross->CrossPan->SetLabelBackground(0);
}

void CQlmQuorvantile::SetStandardProfile() {
  this->HideTextBoxes();
  Paint(*this->OverlaysAxial, Red);
  Paint(*this->OverlaysPanoramic, Green);
  Paint(*this->Overlays3D, White);
  Paint(*this->OverlaysCross, Blue, PaleBlue);
  CQlmIndicator& indicator = *this->Indicator;
  for (CQlmIndicatorMember* member : std::initializer_list<CQlmIndicatorMember*>{
           indicator.Axial->AxialPan, indicator.Axial->AxialCross, indicator.Axial->Axial3D}) {
    member->SetColor(Red.R, Red.G, Red.B);
    member->SetLabelColor(Red.R, Red.G, Red.B);
  }
  for (CQlmIndicatorMember* member : std::initializer_list<CQlmIndicatorMember*>{
           indicator.Pan->PanAxial, indicator.Pan->PanCross, indicator.Pan->Pan3D}) {
    member->SetColor(Green.R, Green.G, Green.B);
    member->SetLabelColor(Green.R, Green.G, Green.B);
  }
  indicator.Cross->SetColor(PaleBlue.R, PaleBlue.G, PaleBlue.B);
  for (CQlmIndicatorCrossLines* lines : {static_cast<CQlmIndicatorCrossLines*>(indicator.Cross->CrossAxial),
                                         static_cast<CQlmIndicatorCrossLines*>(indicator.Cross->CrossPan)}) {
    lines->SetNeighborLinesColor(Blue.R, Blue.G, Blue.B);
    lines->SetNeighborLabelsColor(Blue.R, Blue.G, Blue.B);
    lines->SetLabelColor(PaleBlue.R, PaleBlue.G, PaleBlue.B);
    lines->SetAllSectionsColor(Blue.R, Blue.G, Blue.B);
    lines->SetAllSectionsLabelColor(0.85f, 0.85f, 1);
  }
  indicator.Cross->CrossAxial->Rebuild();
  this->SetMeasureAndImplantLook(0);
  this->ColourProfile = 0;
}

void CQlmQuorvantile::SetStrongProfile() {
  this->HideTextBoxes();
  CQlmIndicator& indicator = *this->Indicator;
  indicator.SetColor(LightYellow.R, LightYellow.G, LightYellow.B);
  indicator.SetLabelColor(LightYellow.R, LightYellow.G, LightYellow.B);
  indicator.Cross->CrossAxial->Rebuild();
  Paint(*this->OverlaysAxial, LightYellow);
  Paint(*this->OverlaysPanoramic, LightYellow);
  Paint(*this->Overlays3D, LightYellow);
  Paint(*this->OverlaysCross, LightYellow, LightYellow);
  this->SetMeasureAndImplantLook(1);
  this->ColourProfile = 1;
}

// The strong profile draws rulers and implants in one light yellow; neither profile boxes their labels.
void CQlmQuorvantile::SetMeasureAndImplantLook(int uniformColour) {
  this->Rullers->SetLabelBackground(0);
  this->Rullers->SetUniformColor(uniformColour);
  this->ImplantContainer->SetLabelBackground(0);
  this->ImplantContainer->SetUniformColor(uniformColour);
}

void CQlmQuorvantile::ApplyTextBackgrounds(int numbers, int titles, int orientation, int positions, int rullerNumbers,
                                           int profile, int rullerMeasures, int objectLabels) {
  const Boxes planar{titles, orientation, positions, rullerNumbers};
  SetBoxes(*this->OverlaysAxial, planar);
  SetBoxes(*this->OverlaysPanoramic, planar);
  SetBoxes(*this->OverlaysCross, planar);
  this->Overlays3D->TitleWindow->GetTitleMapper()->SetBackground(titles);
  CQlmIndicator& indicator = *this->Indicator;
  if (IsProfile(profile)) {
    for (View view : {Axial, Panoramic}) {
      CQlmViewOverlays& overlays = view == Axial ? *this->OverlaysAxial : *this->OverlaysPanoramic;
      SetTitleLook(overlays, LookOf(view, profile, titles));
      SetPlanarLooks(overlays, LookOf(view, profile, orientation), LookOf(view, profile, positions),
                     LookOf(view, profile, rullerNumbers));
    }
    SetCrossLooks(*this->OverlaysCross, LookOf(Cross, profile, titles), LookOf(Cross, profile, orientation),
                  LookOf(Cross, profile, positions), LookOf(Cross, profile, rullerNumbers));
    const Colour box3D = profile == 1 ? StrongBox : Colour{0.9f, 0.9f, 0.9f};
    this->Overlays3D->TitleWindow->GetTitleMapper()->SetColorBackground(box3D.R, box3D.G, box3D.B);
    if (titles) {
      this->Overlays3D->TitleWindow->SetColor(Black.R, Black.G, Black.B);
    } else if (profile == 0) {
      this->Overlays3D->TitleWindow->SetColor(White.R, White.G, White.B);
    }

    const Colour labelOpen = profile == 1 ? LightYellow : Red;
    const Look axialLabels =
        numbers ? Look{Black, Black, profile == 1 ? StrongBox : ViewBox[Axial]} : Look{labelOpen, labelOpen, White};
    for (CQlmIndicatorMember* member : std::initializer_list<CQlmIndicatorMember*>{
             indicator.Axial->AxialPan, indicator.Axial->AxialCross, indicator.Axial->Axial3D}) {
      SetLabelLook(*member, axialLabels, numbers);
    }
    const Colour curveText{0, 0.3f, 0};
    const Colour curveOpen = profile == 1 ? LightYellow : Green;
    const Look panLabels = numbers ? Look{curveText, curveText, profile == 1 ? StrongBox : ViewBox[Panoramic]}
                                   : Look{curveOpen, curveOpen, White};
    for (CQlmIndicatorMember* member : std::initializer_list<CQlmIndicatorMember*>{
             indicator.Pan->PanAxial, indicator.Pan->PanCross, indicator.Pan->Pan3D}) {
      SetLabelLook(*member, panLabels, numbers);
    }
    const Colour crossBox = profile == 1 ? StrongBox : ViewBox[Cross];
    const Colour strongCross{0.7f, 0.7f, 1};
    const Colour labels = numbers ? Black : profile == 1 ? strongCross : Blue;
    const Colour neighbours = numbers ? Black : profile == 1 ? strongCross : PaleBlue;
    SetLabelLook(*indicator.Cross->CrossAxial, labels, neighbours, crossBox, numbers);
    SetLabelLook(*indicator.Cross->CrossPan, labels, neighbours, crossBox, numbers);
  } else {
    for (CQlmIndicatorMember* member : std::initializer_list<CQlmIndicatorMember*>{
             indicator.Axial->AxialPan, indicator.Axial->AxialCross, indicator.Axial->Axial3D, indicator.Pan->PanAxial,
             indicator.Pan->PanCross, indicator.Pan->Pan3D}) {
      member->SetLabelBackground(numbers);
    }
    indicator.Cross->CrossAxial->SetLabelBackground(numbers);
    indicator.Cross->CrossPan->SetLabelBackground(numbers);
  }
  indicator.Cross->CrossAxial->Rebuild();
  if (IsProfile(profile)) this->Rullers->SetUniformColor(profile == 1);
  this->Rullers->SetLabelBackground(rullerMeasures);
  for (CQlmLabelOptions* labels : this->LabelOptions)
    if (labels) labels->SetLabelBackground(objectLabels);
}
