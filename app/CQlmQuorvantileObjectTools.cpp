// The controller's object tools: the teeth and mesh tools and the composite
// tool that hands every event to the object tools of all kinds.
#include "app/CQlmQuorvantile.h"
#include "tools/CQlmCoreCores.h"
#include "tools/CQlmCoreDentes.h"
#include "tools/CQlmCoreGeoms.h"
#include "tools/CQlmCoreImplant.h"

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
  this->ToolCores[QlmToolRow::CompositeCore] = this->CoreCores;
  this->ToolCores[QlmToolRow::DentesCore] = this->CoreDentes;
  this->ToolCores[QlmToolRow::GeomsCore] = this->CoreGeoms;
  this->SetUndoTool(CQlmUndoable::Implant, this->CoreImplant);
  this->SetUndoTool(CQlmUndoable::Tooth, this->CoreDentes);
  this->SetUndoTool(CQlmUndoable::LibraryMesh, this->CoreGeoms);
}

namespace {

template <class Core>
void DeleteCore(Core*& core) {
  if (core) core->Delete();
  core = nullptr;
}

}  // namespace

// The styles let go of the tools first (DetachCores).
void CQlmQuorvantile::ReleaseObjectTools() {
  this->SetUndoTool(CQlmUndoable::Tooth, nullptr);
  this->SetUndoTool(CQlmUndoable::LibraryMesh, nullptr);
  DeleteCore(this->CoreCores);
  DeleteCore(this->CoreDentes);
  DeleteCore(this->CoreGeoms);
}
