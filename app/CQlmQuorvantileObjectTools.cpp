// The controller's object tools: the teeth and mesh tools and the composite
// tool that hands every event to the object tools of all kinds.
#include "app/CQlmQuorvantile.h"
#include "tools/CQlmCoreCores.h"
#include "tools/CQlmCoreDentes.h"
#include "tools/CQlmCoreGeoms.h"
#include "tools/CQlmCoreImplant.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"

void CQlmQuorvantile::CreateObjectTools() {
  this->CoreDentes = CQlmCoreDentes::New();
  this->CoreGeoms = CQlmCoreGeoms::New();
  this->CoreCores = CQlmCoreCores::New();
}

void CQlmQuorvantile::BindObjectTools() {
  this->CoreDentes->Owner = this;
  this->CoreGeoms->Owner = this;
  this->CoreCores->Owner = this;
  this->CoreCores->Implant = this->CoreImplant;
  this->CoreCores->Geoms = this->CoreGeoms;
  this->CoreCores->Dentes = this->CoreDentes;
}

namespace {

template <class Core>
void DeleteCore(Core*& core) {
  if (core) core->Delete();
  core = nullptr;
}

// The object tools attach their tool to the four styles in this order.
void AttachToAllStyles(CQlmQuorvantile& q, CQlmCore* core, int state3D, int state2D) {
  q.Style3D->SetCore(core);
  q.StyleAxial->SetCore(core);
  q.StylePanoramic->SetCore(core);
  q.StyleCross->SetCore(core);
  q.Style3D->SetMode(state3D);
  q.StyleAxial->SetMode(state2D);
  q.StylePanoramic->SetMode(state2D);
  q.StyleCross->SetMode(state2D);
}

}  // namespace

// The styles let go of the tools first (DetachCores).
void CQlmQuorvantile::ReleaseObjectTools() {
  DeleteCore(this->CoreCores);
  DeleteCore(this->CoreDentes);
  DeleteCore(this->CoreGeoms);
}

void CQlmQuorvantile::SetInsertObjectTool(int tool, InsertCore kind) {
  CQlmCore* core = kind == CoreInsertTooth ? static_cast<CQlmCore*>(this->CoreDentes) : this->CoreGeoms;
  this->Tool = tool;
  core->Mode = CQlmCoreObject::Insert;
  AttachToAllStyles(*this, core, QlmState::Select, QlmState::PointOnPlaneZ);
}

void CQlmQuorvantile::SetCompositeTool(int tool, CompositeMode mode) {
  this->Tool = tool;
  this->CoreCores->Mode = mode;
  switch (mode) {
    case CompositeMove:
      AttachToAllStyles(*this, this->CoreCores, QlmState::MoveAlongZ, QlmState::MoveInPlaneXY);
      break;
    case CompositeRotate:
      AttachToAllStyles(*this, this->CoreCores, QlmState::RotateAboutZ, QlmState::RotateInView);
      break;
    case CompositeSelect:
      AttachToAllStyles(*this, this->CoreCores, QlmState::Select, QlmState::Select);
      break;
    case CompositeScale:
      AttachToAllStyles(*this, this->CoreCores, QlmState::ScaleUniform, QlmState::ScaleXY);
      break;
  }
}
