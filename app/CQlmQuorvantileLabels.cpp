// The label and font options of each object kind, and the implant options.
#include <algorithm>

#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "app/QlmLibraryKind.h"
#include "project/CQlmProjectCreator202106.h"
#include "views/CDialogImplantAdv.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

namespace {

// Font sizes in points of the dialog's radio buttons small, medium and large.
constexpr int RadioFontSizes[3] = {7, 12, 18};

int FontRadio(int size) {
  for (int radio = 0; radio < 3; ++radio) {
    if (RadioFontSizes[radio] == size) return radio;
  }
  return 1;
}

void CopyColor(const float (&from)[3], float (&to)[3]) { std::copy(from, from + 3, to); }

}  // namespace

void CQlmQuorvantile::SetLabelMode(LibraryKind kind, int mode) {
  if (CQlmLabelOptions* labels = this->LabelOptions[kind]) {
    labels->SetVisibilityNumber(1);
    labels->SetLabelMode(mode);
  }
  this->LabelsShown[kind] = 1;
  this->LabelModes[kind] = mode;
  this->EndLabelOption(kind);
}

void CQlmQuorvantile::HideLabels(LibraryKind kind) {
  if (CQlmLabelOptions* labels = this->LabelOptions[kind]) labels->SetVisibilityNumber(0);
  this->LabelsShown[kind] = 0;
  this->RenderFourViews();
}

void CQlmQuorvantile::SetFontSize(LibraryKind kind, int size) {
  if (CQlmLabelOptions* labels = this->LabelOptions[kind]) labels->SetFontSize(size);
  this->FontSizes[kind] = size;
  this->EndLabelOption(kind);
}

void CQlmQuorvantile::EndLabelOption(LibraryKind kind) {
  this->WriteLabelSettings(kind);
  this->RenderFourViews();
  this->Modified = 1;
}

void CQlmQuorvantile::WriteLabelSettings(LibraryKind kind) {
  const QlmLibraryKind& row = QlmLibraryKind::Of(kind);
  if (row.WriteLabels) {
    row.WriteLabels(this->LabelModes[kind], this->FontSizes[kind]);
    return;
  }
  WriteConfigImplantsAdvanced(this->ScrewColor(), this->ConnectorColor(), this->LabelModes[Implants], this->ImplantFill,
                              this->ImplantNumbers, this->ImplantAxisLines, this->FontSizes[Implants]);
}

CQlmImplantOptions* CQlmQuorvantile::ImplantOptions() const {
  return dynamic_cast<CQlmImplantOptions*>(this->LabelOptions[Implants]);
}

float (&CQlmQuorvantile::ScrewColor())[3] { return this->Creator202106->ImplantDefaults.Colors[0]; }

float (&CQlmQuorvantile::ConnectorColor())[3] { return this->Creator202106->ImplantDefaults.Colors[1]; }

void CQlmQuorvantile::SetImplantFill(int fill) {
  if (CQlmImplantOptions* implants = this->ImplantOptions()) implants->SetFill(fill);
  this->ImplantFill = fill;
  this->EndLabelOption(Implants);
}

// The numbers are shown or hidden by the options dialog only.
void CQlmQuorvantile::SetImplantLabel(int mode) {
  if (CQlmImplantOptions* implants = this->ImplantOptions()) implants->SetLabelMode(mode);
  this->LabelModes[Implants] = mode;
  this->EndLabelOption(Implants);
}

void CQlmQuorvantile::EditImplantOptions() {
  ReadConfigImplantsAdvanced(this->ScrewColor(), this->ConnectorColor(), this->LabelModes[Implants],
                             this->ImplantFill, this->ImplantNumbers, this->ImplantAxisLines,
                             this->FontSizes[Implants]);
  CDialogImplantAdv dialog;
  CopyColor(this->ScrewColor(), dialog.ImplantColor);
  CopyColor(this->ConnectorColor(), dialog.ConnectorColor);
  dialog.Fill = this->ImplantFill;
  dialog.Description = this->LabelModes[Implants];
  dialog.ShowDescription = this->ImplantNumbers;
  dialog.ShowAxis = this->ImplantAxisLines;
  dialog.FontSize = FontRadio(this->FontSizes[Implants]);
  if (dialog.DoModal() != IDOK) return;
  CopyColor(dialog.ImplantColor, this->ScrewColor());
  CopyColor(dialog.ConnectorColor, this->ConnectorColor());
  this->LabelModes[Implants] = dialog.Description;
  this->ImplantNumbers = dialog.ShowDescription;
  this->ImplantAxisLines = dialog.ShowAxis;
  this->ImplantFill = dialog.Fill;
  this->FontSizes[Implants] = RadioFontSizes[std::clamp(dialog.FontSize, 0, 2)];
  if (CQlmImplantOptions* implants = this->ImplantOptions()) {
    const float* screw = this->ScrewColor();
    const float* connector = this->ConnectorColor();
    implants->SetFill(this->ImplantFill);
    implants->SetLabelMode(this->LabelModes[Implants]);
    implants->SetVisibilityNumber(this->ImplantNumbers);
    implants->SetVisibilityAxisLines(this->ImplantAxisLines);
    implants->SetScrewColor(screw[0], screw[1], screw[2]);
    implants->SetConectorColor(connector[0], connector[1], connector[2]);
    implants->SetLabelMode(this->LabelModes[Implants]);
    implants->SetFontSize(this->FontSizes[Implants]);
  }
  this->EndLabelOption(Implants);
}

// The colours keep what the project carries unless the line has its own.
void CQlmQuorvantile::ApplyImplantSettings() {
  this->LabelModes[Implants] = 0;
  this->ImplantFill = 1;
  this->ImplantNumbers = 1;
  this->ImplantAxisLines = 1;
  this->FontSizes[Implants] = 12;
  ReadConfigImplantsAdvanced(this->ScrewColor(), this->ConnectorColor(), this->LabelModes[Implants],
                             this->ImplantFill, this->ImplantNumbers, this->ImplantAxisLines,
                             this->FontSizes[Implants]);
  CQlmImplantOptions* implants = this->ImplantOptions();
  if (!implants) return;
  const float* screw = this->ScrewColor();
  const float* connector = this->ConnectorColor();
  implants->SetFill(this->ImplantFill);
  implants->SetLabelMode(this->LabelModes[Implants]);
  implants->SetFontSize(this->FontSizes[Implants]);
  implants->SetVisibilityNumber(this->ImplantNumbers);
  implants->SetVisibilityAxisLines(this->ImplantAxisLines);
  implants->SetScrewColor(screw[0], screw[1], screw[2]);
  implants->SetConectorColor(connector[0], connector[1], connector[2]);
}

// Every kind starts at index labels of 12 points before its line is read.
void CQlmQuorvantile::ApplyLabelSettings() {
  this->ApplyImplantSettings();
  for (LibraryKind kind : QlmLibraryKind::StartUpOrder) {
    const QlmLibraryKind& row = QlmLibraryKind::Of(kind);
    if (!row.ReadLabels) continue;
    this->LabelModes[kind] = 0;
    this->FontSizes[kind] = 12;
    row.ReadLabels(this->LabelModes[kind], this->FontSizes[kind]);
    if (CQlmLabelOptions* labels = this->LabelOptions[kind]) {
      labels->SetLabelMode(this->LabelModes[kind]);
      labels->SetFontSize(this->FontSizes[kind]);
    }
  }
}

void CQlmQuorvantile::RenderFourViews() {
  this->WindowAxial->Render();
  this->WindowPanoramic->Render();
  this->WindowCross->Render();
  this->Window3D->Render();
}
