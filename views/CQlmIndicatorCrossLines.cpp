#include "views/CQlmIndicatorCrossLines.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkActor2DCollection.h>
#include <vtkCoordinate.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkProperty2D.h>
#include <vtkRenderer.h>

#include "ct/CQlmPanoramicCalc.h"
#include "platform/QlmNumberFormat.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "toolkit/vtkWin32TextMapperCollection2.h"
#include "views/CQlm3DWindow.h"

namespace {

void SetActorColor(vtkActor* actor, float r, float g, float b) { actor->GetProperty()->SetColor(r, g, b); }

vtkActor2D* NewLabelActor(vtkWin32TextMapper2* mapper) {
  vtkActor2D* actor = vtkActor2D::New();
  actor->SetMapper(mapper);
  actor->GetPositionCoordinate()->SetCoordinateSystemToWorld();
  return actor;
}

}  // namespace

CQlmIndicatorCrossLines::CQlmIndicatorCrossLines(float lineLength, int labelVerticalJustification)
    : LineLength(lineLength) {
  for (int k = 0; k < SectionCount; ++k) {
    this->Labels[k] = vtkWin32TextMapper2::New();
    this->Labels[k]->SetFontSize(9);
    this->Labels[k]->SetJustification(1);
    this->Labels[k]->SetVerticalJustification(labelVerticalJustification);
    this->Labels[k]->SetColorBackground(1, 1, 1);
    this->Labels[k]->SetShadow(k != CentreSection);
    this->LabelActors[k] = NewLabelActor(this->Labels[k]);
    this->LabelActors[k]->VisibilityOff();
    this->LabelInView[k] = true;
  }
  this->CentreMapper->SetInputData(this->CentreLine);
  this->CentreActor->SetMapper(this->CentreMapper);
  this->NeighborMapper->SetInputData(this->NeighborLines);
  this->NeighborActor->SetMapper(this->NeighborMapper);
  this->TicksMapper->SetInputData(this->Ticks);
  this->TicksActor->SetMapper(this->TicksMapper);
  this->TicksActor->VisibilityOff();
  this->SetColor(0, 0, 1);
  this->SetNeighborLinesColor(0.55f, 0.55f, 1);
  this->SetAllSectionsColor(0.55f, 0.55f, 1);
  this->SetLabelColor(0, 0, 1);
  this->SetNeighborLabelsColor(0.55f, 0.55f, 1);
}

CQlmIndicatorCrossLines::~CQlmIndicatorCrossLines() {
  this->ClearTickNumbers();
  for (int k = 0; k < SectionCount; ++k) {
    this->LabelActors[k]->Delete();
    this->Labels[k]->Delete();
  }
}

void CQlmIndicatorCrossLines::AddToWindow() {
  if (!this->Window) return;
  vtkRenderer* renderer = this->Window->Renderer1;
  renderer->AddActor(this->TicksActor);
  renderer->AddActor(this->CentreActor);
  renderer->AddActor(this->NeighborActor);
  for (vtkActor2D* label : this->LabelActors) renderer->AddActor2D(label);
  this->TickNumberActors->InitTraversal();
  while (vtkActor2D* number = this->TickNumberActors->GetNextActor2D()) renderer->AddActor2D(number);
}

void CQlmIndicatorCrossLines::RemoveFromWindow() {
  if (!this->Window) return;
  vtkRenderer* renderer = this->Window->Renderer1;
  renderer->RemoveActor(this->TicksActor);
  renderer->RemoveActor(this->CentreActor);
  renderer->RemoveActor(this->NeighborActor);
  for (vtkActor2D* label : this->LabelActors) renderer->RemoveActor2D(label);
  this->TickNumberActors->InitTraversal();
  while (vtkActor2D* number = this->TickNumberActors->GetNextActor2D()) renderer->RemoveActor2D(number);
}

float CQlmIndicatorCrossLines::ArchLength() const { return this->Calc ? this->Calc->GetArchLength() : -1.0f; }

void CQlmIndicatorCrossLines::SetIndex(int index) {
  if (this->Range.SetIndex(index)) this->Rebuild();
}

void CQlmIndicatorCrossLines::SetSpacing(float spacing) {
  if (this->Range.SetSpacing(spacing, this->ArchLength())) this->Rebuild();
}

void CQlmIndicatorCrossLines::SetShowAllSections(int on) {
  this->AllSections = on;
  this->SetVisibility(this->Visible);
  if (!on) this->ClearTickNumbers();
}

void CQlmIndicatorCrossLines::SetVisibility(int visible) {
  this->CentreActor->SetVisibility(visible);
  this->Visible = visible;
  if (this->AllSections) {
    this->TicksActor->SetVisibility(visible);
    if (visible) {
      if (this->LabelsWanted) this->SetLabelVisibility(visible);
      this->NeighborActor->VisibilityOff();
      this->Rebuild();
    }
  } else {
    this->NeighborActor->SetVisibility(this->SingleSection ? 0 : visible);
    if (visible) {
      if (this->LabelsWanted) this->SetLabelVisibility(visible);
      this->TicksActor->VisibilityOff();
    }
  }
  if (!visible && this->LabelsShown) {
    this->SetLabelVisibility(0);
    this->LabelsWanted = 1;
  }
}

void CQlmIndicatorCrossLines::SetLabelVisibility(int visible) {
  this->LabelsWanted = visible;
  if (!this->Visible && visible) return;
  this->LabelsShown = visible;
  this->ApplyLabelVisibility();
  const int numbersShown = this->AllSections ? visible : 0;
  this->TickNumberActors->InitTraversal();
  while (vtkActor2D* number = this->TickNumberActors->GetNextActor2D()) number->SetVisibility(numbersShown);
  if (this->AllSections && visible) this->Rebuild();
}

// In the all-sections mode the tick numbers take the nine numbers' place.
void CQlmIndicatorCrossLines::ApplyLabelVisibility() {
  for (int k = 0; k < SectionCount; ++k)
    this->LabelActors[k]->SetVisibility(this->LabelsShown && !this->AllSections && this->LabelInView[k]);
}

void CQlmIndicatorCrossLines::PlaceLabel(int section, double x, double y, double z, bool inView) {
  this->LabelInView[section] = inView;
  if (inView) {
    this->Labels[section]->SetInput(QlmNumberFormat::Format("%.0f", this->Range.SectionPosition(section)).c_str());
    this->LabelActors[section]->GetPositionCoordinate()->SetValue(x, y, z);
  }
}

void CQlmIndicatorCrossLines::SetColor(float r, float g, float b) { SetActorColor(this->CentreActor, r, g, b); }

void CQlmIndicatorCrossLines::SetNeighborLinesColor(float r, float g, float b) {
  SetActorColor(this->NeighborActor, r, g, b);
}

void CQlmIndicatorCrossLines::SetAllSectionsColor(float r, float g, float b) {
  SetActorColor(this->TicksActor, r, g, b);
}

void CQlmIndicatorCrossLines::SetLabelColor(float r, float g, float b) {
  this->Labels[CentreSection]->SetColor(r, g, b);
}

void CQlmIndicatorCrossLines::SetNeighborLabelsColor(float r, float g, float b) {
  for (int k = 0; k < SectionCount; ++k)
    if (k != CentreSection) this->Labels[k]->SetColor(r, g, b);
}

void CQlmIndicatorCrossLines::SetAllSectionsLabelColor(float r, float g, float b) {
  this->TickNumberColor[0] = r;
  this->TickNumberColor[1] = g;
  this->TickNumberColor[2] = b;
  this->TickNumbers->InitTraversal();
  while (vtkWin32TextMapper2* number = this->TickNumbers->GetNextItem()) number->SetColor(r, g, b);
}

void CQlmIndicatorCrossLines::SetLabelBackground(int on) {
  this->LabelBackground = on;
  if (!this->AllSections) {
    for (vtkWin32TextMapper2* label : this->Labels) label->SetBackground(on);
    return;
  }
  this->TickNumbers->InitTraversal();
  while (vtkWin32TextMapper2* number = this->TickNumbers->GetNextItem()) number->SetBackground(on);
}

void CQlmIndicatorCrossLines::SetLabelBackgroundColor(float r, float g, float b) {
  this->LabelBackgroundColor[0] = r;
  this->LabelBackgroundColor[1] = g;
  this->LabelBackgroundColor[2] = b;
  if (!this->AllSections) {
    for (vtkWin32TextMapper2* label : this->Labels) label->SetColorBackground(r, g, b);
    return;
  }
  this->TickNumbers->InitTraversal();
  while (vtkWin32TextMapper2* number = this->TickNumbers->GetNextItem()) number->SetColorBackground(r, g, b);
}

bool CQlmIndicatorCrossLines::KeepTickNumbers(const std::array<double, 6>& key) {
  if (this->TickKeyValid && this->TickKey == key) return true;
  this->ClearTickNumbers();
  this->TickKey = key;
  this->TickKeyValid = true;
  return false;
}

void CQlmIndicatorCrossLines::ClearTickNumbers() {
  this->TickKeyValid = false;
  if (this->Window) {
    this->TickNumberActors->InitTraversal();
    while (vtkActor2D* number = this->TickNumberActors->GetNextActor2D())
      this->Window->Renderer1->RemoveActor2D(number);
  }
  this->TickNumberActors->RemoveAllItems();
  this->TickNumbers->RemoveAllItems();
}

void CQlmIndicatorCrossLines::AddTickNumber(float position, double x, double y, double z) {
  vtkWin32TextMapper2* number = vtkWin32TextMapper2::New();
  number->SetFontSize(9);
  number->SetJustification(1);
  number->SetVerticalJustification(1);
  number->ShadowOn();
  number->SetInput(QlmNumberFormat::Format("%.0f", position).c_str());
  number->SetBackground(this->LabelBackground);
  number->SetColorBackground(this->LabelBackgroundColor[0], this->LabelBackgroundColor[1],
                             this->LabelBackgroundColor[2]);
  number->SetColor(this->TickNumberColor[0], this->TickNumberColor[1], this->TickNumberColor[2]);
  vtkActor2D* actor = NewLabelActor(number);
  actor->SetVisibility(this->LabelsShown);
  actor->GetPositionCoordinate()->SetValue(x, y, z);
  this->TickNumbers->AddItem(number);
  this->TickNumberActors->AddItem(actor);
  if (this->Window) this->Window->Renderer1->AddActor2D(actor);
  number->Delete();
  actor->Delete();
}
