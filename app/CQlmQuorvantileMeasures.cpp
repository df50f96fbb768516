// The controller's measuring objects: rulers and HU lines.
#include "app/CQlmQuorvantile.h"
#include "objects/CQlmHULines.h"
#include "objects/CQlmRullers.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

void CQlmQuorvantile::CreateMeasures() {
  this->Rullers = CQlmRullers::CreateObject();
  this->HULines = CQlmHULines::CreateObject();
}

void CQlmQuorvantile::BindMeasures() {
  this->Rullers->SetWindows(this->WindowAxial, this->WindowPanoramic, this->WindowCross, this->Window3D);
  this->PositionListeners[CQlmPositionListener::Rullers] = this->Rullers;
  this->HULines->Controller = this;
}

// After a load, once the views show the project.
void CQlmQuorvantile::AttachMeasures() { this->HULines->AttachToViews(); }

// Before the windows they draw into.
void CQlmQuorvantile::ReleaseMeasures() {
  if (this->PositionListeners[CQlmPositionListener::Rullers] == this->Rullers)
    this->PositionListeners[CQlmPositionListener::Rullers] = nullptr;
  delete this->Rullers;
  this->Rullers = nullptr;
  delete this->HULines;
  this->HULines = nullptr;
}
