#include "objects/CQlmHULines.h"

#include <vtkActor.h>

#include "app/CQlmQuorvantile.h"
#include "objects/CQlmHULine.h"
#include "objects/CQlmHULine9.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"

CQlmHULines::CQlmHULines()
    : AxialLine(CQlmHULine::CreateObject()),
      PanoramicLine(CQlmHULine::CreateObject()),
      CrossLine(CQlmHULine9::CreateObject()) {}

CQlmHULines::~CQlmHULines() {
  this->AxialLine->RemoveAndDelete();
  this->PanoramicLine->RemoveAndDelete();
  this->CrossLine->RemoveAndDelete();
}

void CQlmHULines::AttachToViews() {
  const CQlmQuorvantile& controller = *this->Controller;
  this->AxialLine->SetWindow(controller.WindowAxial);
  this->PanoramicLine->SetWindow(controller.WindowPanoramic);
  this->CrossLine->SetWindow(controller.WindowCross);
  this->AxialLine->AddToRenderer();
  this->PanoramicLine->AddToRenderer();
  this->CrossLine->AddToRenderer();
  const float* colour = this->Color;
  this->AxialLine->SetColor(colour[0], colour[1], colour[2]);
  this->PanoramicLine->SetColor(colour[0], colour[1], colour[2]);
  this->CrossLine->SetColor(colour[0], colour[1], colour[2]);
  this->Hide();
}

void CQlmHULines::Hide() {
  this->AxialLine->GetActor()->VisibilityOff();
  this->PanoramicLine->GetActor()->VisibilityOff();
  this->CrossLine->ShowInSection(0, 0);
}

void CQlmHULines::HideAll() {
  this->Hide();
  const CQlmQuorvantile& controller = *this->Controller;
  if (controller.WindowAxial) controller.WindowAxial->Render();
  if (controller.WindowPanoramic) controller.WindowPanoramic->Render();
  if (controller.WindowCross) controller.WindowCross->Render();
}

// The tool is attached first: the one it replaces may set the picking back as it leaves.
void CQlmHULines::Activate(CQlmCore* tool) {
  CQlmQuorvantile& controller = *this->Controller;
  controller.Style3D->SetCore(nullptr);
  controller.StyleAxial->SetCore(tool);
  controller.StylePanoramic->SetCore(tool);
  controller.StyleCross->SetCore(tool);
  for (CQlmInteractorStyle2* style : {controller.StyleAxial, controller.StylePanoramic}) {
    style->SetMode(QlmState::PointOnPlaneZ);
    style->GetRecord()->PickRenderer = style->GetRecord()->Renderer1;
  }
  controller.StyleCross->SetMode(QlmState::PointOnPlaneZ);
  controller.StyleCross->SetPickLayer1();
}
