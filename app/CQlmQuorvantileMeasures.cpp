// The controller's measuring objects: rulers and HU lines.
#include "app/CQlmQuorvantile.h"
#include "objects/CQlmHULines.h"
#include "objects/CQlmRullers.h"
#include "tools/CQlmCoreHULine.h"
#include "tools/CQlmCoreRuller.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

void CQlmQuorvantile::CreateMeasures() {
  this->Rullers = CQlmRullers::CreateObject();
  this->HULines = CQlmHULines::CreateObject();
  this->CoreRuller = CQlmCoreRuller::New();
  this->CoreHULine = CQlmCoreHULine::New();
}

void CQlmQuorvantile::BindMeasures() {
  this->Rullers->SetWindows(this->WindowAxial, this->WindowPanoramic, this->WindowCross, this->Window3D);
  this->PositionListeners[CQlmPositionListener::Rullers] = this->Rullers;
  this->HULines->Controller = this;
  this->CoreRuller->Owner = this;
  this->CoreHULine->Owner = this;
}

// After a load, once the views show the project.
void CQlmQuorvantile::AttachMeasures() { this->HULines->AttachToViews(); }

// Before the windows they draw into.
void CQlmQuorvantile::ReleaseMeasures() {
  if (this->CoreRuller) this->CoreRuller->Delete();
  this->CoreRuller = nullptr;
  if (this->CoreHULine) this->CoreHULine->Delete();
  this->CoreHULine = nullptr;
  if (this->PositionListeners[CQlmPositionListener::Rullers] == this->Rullers)
    this->PositionListeners[CQlmPositionListener::Rullers] = nullptr;
  delete this->Rullers;
  this->Rullers = nullptr;
  delete this->HULines;
  this->HULines = nullptr;
}

void CQlmQuorvantile::SetRulerMode() { this->SetTool(4); }

void CQlmQuorvantile::ToggleHULine() {
  if (this->Tool == 30) {
    this->SetSelectImplantMode();
    return;
  }
  this->SetTool(30);
  this->HULines->Activate(this->CoreHULine);
}
