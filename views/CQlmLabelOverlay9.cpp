#include "views/CQlmLabelOverlay9.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkPolyDataMapper.h>
#include <vtkRenderer.h>

#include "ct/CQlmLayeredWindow9.h"
#include "toolkit/vtkLabelWindowSource.h"
#include "toolkit/vtkWin32TextMapper2.h"

CQlmLabelOverlay9::CQlmLabelOverlay9(const std::vector<vtkSmartPointer<vtkLabelWindowSource>>& sources,
                                     std::vector<vtkActor2D*> (*texts)(vtkLabelWindowSource*),
                                     std::vector<vtkWin32TextMapper2*> (*mappers)(vtkLabelWindowSource*)) {
  for (int cell = 0; cell < CellCount; ++cell) {
    this->Source[cell] = sources.at(cell);
    this->Mapper[cell] = vtkSmartPointer<vtkPolyDataMapper>::New();
    this->Mapper[cell]->SetInputConnection(this->Source[cell]->GetOutputPort());
    this->FrameActor[cell] = vtkSmartPointer<vtkActor>::New();
    this->FrameActor[cell]->SetMapper(this->Mapper[cell]);
    this->FrameActor[cell]->PickableOff();
    this->Texts[cell] = texts(this->Source[cell]);
    this->Mappers[cell] = mappers(this->Source[cell]);
    for (vtkActor2D* text : this->Texts[cell]) text->PickableOff();
  }
}

CQlmLabelOverlay9::~CQlmLabelOverlay9() {
  if (!this->Window) return;
  for (int cell = 0; cell < CellCount; ++cell) {
    this->Window->GetCellLayerRenderer(cell, 3)->RemoveViewProp(this->FrameActor[cell]);
    for (vtkActor2D* text : this->Texts[cell]) this->Window->GetCellLayerRenderer(cell, 0)->RemoveViewProp(text);
  }
}

void CQlmLabelOverlay9::SetWindow(CQlmLayeredWindow9* window) {
  this->Window = window;
  this->SetOffScreenWindow(window);
}

void CQlmLabelOverlay9::SetOffScreenWindow(CQlmLayeredWindow9* copy) {
  for (int cell = 0; cell < CellCount; ++cell) {
    this->Source[cell]->SetViewport(copy ? copy->GetCellLayerRenderer(cell, 0) : nullptr);
  }
}

void CQlmLabelOverlay9::AddToWindow() {
  if (!this->Window) return;
  for (int cell = 0; cell < CellCount; ++cell) {
    this->Window->GetCellLayerRenderer(cell, 3)->AddViewProp(this->FrameActor[cell]);
    for (vtkActor2D* text : this->Texts[cell]) this->Window->GetCellLayerRenderer(cell, 0)->AddViewProp(text);
  }
}

void CQlmLabelOverlay9::SetBackground(int on) {
  for (const auto& mappers : this->Mappers) {
    for (vtkWin32TextMapper2* mapper : mappers) mapper->SetBackground(on);
  }
}

void CQlmLabelOverlay9::SetBackgroundColor(float r, float g, float b) {
  for (const auto& mappers : this->Mappers) {
    for (vtkWin32TextMapper2* mapper : mappers) mapper->SetColorBackground(r, g, b);
  }
}

void CQlmLabelOverlay9::SetMode(int mode) {
  for (const auto& source : this->Source) source->SetMode(mode);
}
