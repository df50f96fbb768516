// The indicator commands: which view shows which indicator, the indicator
// options and the arch's section marks.
#include <algorithm>

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "ct/CQlmPolyLine.h"
#include "views/CDialogIndicators.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmIndicatorCross.h"
#include "views/CQlmIndicatorCrossAxial.h"
#include "views/CQlmIndicatorCrossPan.h"
#include "views/CQlmIndicatorPan.h"
#include "views/CQlmIndicatorPan3D.h"
#include "views/QlmView.h"

namespace {

using Mark = CQlmIndicatorHook::Mark;

// Values 4 to 9 of "Indicators Advanced: ": the indicator of one view's position shown in another.
struct Indicator2D {
  Mark Which;
  int Position;
  int ShownIn;
};
constexpr Indicator2D Indicators2D[6] = {
    {Mark::CrossAxial, QlmView::Cross, QlmView::Axial},   {Mark::PanAxial, QlmView::Panoramic, QlmView::Axial},
    {Mark::AxialCross, QlmView::Axial, QlmView::Cross},   {Mark::PanCross, QlmView::Panoramic, QlmView::Cross},
    {Mark::AxialPan, QlmView::Axial, QlmView::Panoramic}, {Mark::CrossPan, QlmView::Cross, QlmView::Panoramic}};

// The dialog's fields in the order of "Indicators Advanced: ".
constexpr int CDialogIndicators::*IndicatorValueFields[18] = {&CDialogIndicators::ShowNumbers,
                                                              &CDialogIndicators::AllSections,
                                                              &CDialogIndicators::Step,
                                                              &CDialogIndicators::CrossAxial,
                                                              &CDialogIndicators::PanAxial,
                                                              &CDialogIndicators::AxialCross,
                                                              &CDialogIndicators::PanCross,
                                                              &CDialogIndicators::AxialPan,
                                                              &CDialogIndicators::CrossPan,
                                                              &CDialogIndicators::Profile,
                                                              &CDialogIndicators::NumbersBackground,
                                                              &CDialogIndicators::TitleBackground,
                                                              &CDialogIndicators::OrientationBackground,
                                                              &CDialogIndicators::CoordinatesBackground,
                                                              &CDialogIndicators::RulerNumbersBackground,
                                                              &CDialogIndicators::Backgrounds,
                                                              &CDialogIndicators::RulerMeasuresBackground,
                                                              &CDialogIndicators::ImplantLabelsBackground};

// "Indicators Advanced: " as stored, the defaults when the line is missing.
void ReadIndicatorValues(int (&values)[18]) {
  const int defaults[18] = {0, 0, 5, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 0, 0, 1, 1};
  std::copy(std::begin(defaults), std::end(defaults), values);
  ReadConfigIndicatorsAdvanced(values);
}

}  // namespace

void CQlmQuorvantile::ApplyIndicatorSettings() {
  int values[18];
  ReadIndicatorValues(values);
  this->ApplyIndicatorValues(values);
}

void CQlmQuorvantile::ApplyIndicatorValues(const int (&values)[18]) {
  CQlmIndicator& indicator = *this->Indicator;
  for (int k = 0; k < 6; ++k) indicator.SetVisibility(Indicators2D[k].Which, values[3 + k]);
  indicator.SetLabelVisibility(values[0]);
  CQlmIndicatorCrossAxial& crossAxial = *indicator.Cross->CrossAxial;
  CQlmIndicatorCrossPan& crossPan = *indicator.Cross->CrossPan;
  crossAxial.SetShowAllSections(values[1]);
  crossPan.SetShowAllSections(values[1]);
  // The step divides the section numbers: 0 from the settings file numbers every section.
  crossAxial.NumberStep = crossPan.NumberStep = std::max(values[2], 1);
  if (values[9] == 0) this->SetStandardProfile();
  if (values[9] == 1) this->SetStrongProfile();
  if (values[15]) {
    this->ApplyTextBackgrounds(values[10], values[11], values[12], values[13], values[14], values[9], values[16],
                               values[17]);
  }
  indicator.Update();
}

void CQlmQuorvantile::ToggleIndicator2D(int value) {
  const Indicator2D& toggled = Indicators2D[value - 4];
  const int visible = !this->Indicator->IsIndicatorVisible(toggled.Position, toggled.ShownIn);
  this->Indicator->SetVisibility(toggled.Which, visible);
  switch (toggled.ShownIn) {
    case QlmView::Axial:
      this->WindowAxial->Render();
      break;
    case QlmView::Cross:
      this->WindowCross->Render();
      break;
    default:
      this->WindowPanoramic->Render();
  }
  this->Modified = 1;
  int values[18];
  ReadIndicatorValues(values);
  values[value - 1] = visible;
  WriteConfigIndicatorsAdvanced(values);
}

void CQlmQuorvantile::ToggleCrossInAxial() { this->ToggleIndicator2D(4); }
void CQlmQuorvantile::TogglePanoramicInAxial() { this->ToggleIndicator2D(5); }
void CQlmQuorvantile::ToggleAxialInCross() { this->ToggleIndicator2D(6); }
void CQlmQuorvantile::TogglePanoramicInCross() { this->ToggleIndicator2D(7); }
void CQlmQuorvantile::ToggleAxialInPanoramic() { this->ToggleIndicator2D(8); }
void CQlmQuorvantile::ToggleCrossInPanoramic() { this->ToggleIndicator2D(9); }

void CQlmQuorvantile::Toggle3DAxialIndicator() { this->ToggleIndicator3D(3, Mark::Axial3D); }
void CQlmQuorvantile::Toggle3DPanoramicIndicator() { this->ToggleIndicator3D(5, Mark::Pan3D); }

void CQlmQuorvantile::ToggleIndicator3D(int switchIndex, CQlmIndicatorHook::Mark mark) {
  int& shown = this->IndicatorSwitches[switchIndex];
  shown = !shown;
  this->Indicator->SetVisibility(mark, shown);
  this->Window3D->Render();
  this->Modified = 1;
}

// The band's transparency stands for all three surfaces.
void CQlmQuorvantile::Toggle3DIndicatorTransparency() {
  this->Indicator->SetTransparent(!this->Indicator->Pan->Pan3D->GetTransparent());
  this->Window3D->Render();
  this->Modified = 1;
}

void CQlmQuorvantile::ShowIndicatorOptions() {
  CDialogIndicators dialog(this->MainFrame);
  int values[18];
  if (ReadConfigIndicatorsAdvanced(values)) {
    for (int k = 0; k < 18; ++k) dialog.*IndicatorValueFields[k] = values[k];
  } else {
    dialog.SetDefaults();
  }
  CQlmIndicator& indicator = *this->Indicator;
  dialog.Axial3D = indicator.IsIndicatorVisible(QlmView::Axial, QlmView::View3D);
  dialog.Cross3D = indicator.IsIndicatorVisible(QlmView::Cross, QlmView::View3D);
  dialog.Pan3D = indicator.IsIndicatorVisible(QlmView::Panoramic, QlmView::View3D);
  if (dialog.DoModal() != IDOK) return;
  for (int k = 0; k < 18; ++k) values[k] = dialog.*IndicatorValueFields[k];
  const int shown3D[3] = {dialog.Axial3D, dialog.Cross3D, dialog.Pan3D};
  const Mark marks3D[3] = {Mark::Axial3D, Mark::Cross3D, Mark::Pan3D};
  for (int k = 0; k < 3; ++k) {
    this->IndicatorSwitches[3 + k] = shown3D[k];
    indicator.SetVisibility(marks3D[k], shown3D[k]);
  }
  this->ApplyIndicatorValues(values);
  WriteConfigIndicatorsAdvanced(values);
  this->WindowAxial->Render();
  this->WindowPanoramic->Render();
  this->WindowCross->Render();
  this->Window3D->Render();
}

void CQlmQuorvantile::ToggleCrossSectionMarks() {
  this->PolyLine->SetSectionMarksVisibility(!this->PolyLine->GetMarksEnabled());
  if (this->CurveEditing) this->WindowAxial->Render();
  this->Modified = 1;
}
