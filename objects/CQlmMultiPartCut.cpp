#include "objects/CQlmMultiPartCut.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkMatrix4x4.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>
#include <vtkTransform.h>

#include <algorithm>

#include "objects/CQlmDragCommit.h"
#include "objects/CQlmOutlineActor.h"
#include "toolkit/vtkGeomCutter.h"
#include "toolkit/vtkWin32TextMapper2.h"

CQlmMultiPartCut::CQlmMultiPartCut(int sections) : Sections(sections) {}

CQlmMultiPartCut::~CQlmMultiPartCut() = default;

void CQlmMultiPartCut::ForEachPiece(const std::function<void(Piece&, int)>& visit) {
  if (this->Body.Cutter) visit(this->Body, -1);
  for (int slot = 0; slot < MaximumParts; ++slot) {
    if (this->Parts[slot].Cutter) visit(this->Parts[slot], slot);
  }
}

void CQlmMultiPartCut::ForEachCutter(const std::function<void(vtkGeomCutter*)>& visit) const {
  const_cast<CQlmMultiPartCut*>(this)->ForEachPiece([&visit](Piece& piece, int) { visit(piece.Cutter); });
}

const CQlmMultiPartCut::Piece* CQlmMultiPartCut::PieceAt(int slot) const {
  if (slot == -1) return this->Body.Cutter ? &this->Body : nullptr;
  if (slot < 0 || slot >= MaximumParts || !this->Parts[slot].Cutter) return nullptr;
  return &this->Parts[slot];
}

void CQlmMultiPartCut::Clear() {
  const bool shown = this->InRenderer;
  this->RemoveFromRenderer();
  this->InRenderer = shown;
  this->Body = Piece();
  for (Piece& part : this->Parts) part = Piece();
}

void CQlmMultiPartCut::Build(Piece& piece, int slot, vtkAlgorithmOutput* mesh, const CString& name) {
  piece.Cutter.TakeReference(this->NewCutter(slot));
  piece.Cutter->SetInputConnection(mesh);
  piece.Cutter->SetObjectMatrix(this->Object->GetMatrix());
  piece.Cutter->SetName(name.Str());
  piece.Cutter->GetTextMapper()->SetColorBackground(1.0, 1.0, 0.5);
  for (int k = 0; k < this->Sections; ++k)
    piece.Actors.push_back(CQlmOutlineActor::New(piece.Cutter->GetOutputPort(k), this->UserTransform));
}

void CQlmMultiPartCut::SetObject(CQlmMultiPart3D* object) {
  this->Clear();
  this->Object = object;
  if (!object || !object->GetPlacedMeshPort()) return;
  this->Build(this->Body, -1, object->GetPlacedMeshPort(), object->GetName());
  for (int slot = 0; slot < MaximumParts; ++slot) {
    if (object->HasPart(slot))
      this->Build(this->Parts[slot], slot, object->GetPlacedMeshPort(slot), object->GetPartName(slot));
  }
  this->SetNumber(object->GetNumber());
  this->LabelVisible = object->GetVisible();
  this->SetColor(object->GetColor());
  this->Visible = object->GetVisible();
  this->Selected = object->GetSelected();
  for (int slot = 0; slot < MaximumParts; ++slot) {
    this->PartVisible[slot] = object->GetPartVisible(slot);
    if (object->HasPart(slot)) this->SetPartColor(slot, object->GetPartColor(slot));
  }
  this->ApplyColor(this->Body);
  this->ApplyVisibility();
  if (this->InRenderer) this->AddToRenderer();
}

void CQlmMultiPartCut::AddToRenderer() {
  if (!this->SectionRenderer(0)) return;
  this->InRenderer = true;
  this->ForEachPiece([this](Piece& piece, int) {
    for (int k = 0; k < this->Sections; ++k) {
      this->SectionRenderer(k)->AddActor(piece.Actors[k]);
      this->SectionRenderer(k)->AddActor2D(piece.Cutter->GetLabelActor(k));
    }
  });
}

void CQlmMultiPartCut::RemoveFromRenderer() {
  this->InRenderer = false;
  if (!this->SectionRenderer(0)) return;
  this->ForEachPiece([this](Piece& piece, int) {
    for (int k = 0; k < this->Sections; ++k) {
      this->SectionRenderer(k)->RemoveActor(piece.Actors[k]);
      this->SectionRenderer(k)->RemoveActor2D(piece.Cutter->GetLabelActor(k));
    }
  });
}

void CQlmMultiPartCut::ApplyColor(Piece& piece) const {
  const float* color = this->Selected ? piece.SelectedColor : piece.Color;
  for (auto& actor : piece.Actors) actor->GetProperty()->SetColor(color[0], color[1], color[2]);
}

void CQlmMultiPartCut::SetColor(const float rgb[3]) {
  std::copy(rgb, rgb + 3, this->Body.Color);
  std::fill_n(this->Body.SelectedColor, 3, 1.0f);
  this->ApplyColor(this->Body);
}

void CQlmMultiPartCut::SetPartColor(int slot, const float rgb[3]) {
  if (slot < 0 || slot >= MaximumParts) return;
  Piece& part = this->Parts[slot];
  std::copy(rgb, rgb + 3, part.Color);
  std::fill_n(part.SelectedColor, 3, 1.0f);
  this->ApplyColor(part);
}

void CQlmMultiPartCut::SetSelected(int selected) {
  this->Selected = selected;
  this->ForEachPiece([this](Piece& piece, int) { this->ApplyColor(piece); });
}

// A filter's label visibility changes only when it must: each change cuts again.
void CQlmMultiPartCut::ApplyVisibility() {
  this->ForEachPiece([this](Piece& piece, int slot) {
    const bool shown = this->Visible && (slot < 0 || this->PartVisible[slot]);
    for (auto& actor : piece.Actors) actor->SetVisibility(shown);
    const int label = shown && this->LabelVisible ? 1 : 0;
    if (piece.Cutter->GetLabelVisible() != label) piece.Cutter->SetLabelVisibility(label);
  });
}

void CQlmMultiPartCut::SetVisibility(int visible) {
  this->Visible = visible;
  this->ApplyVisibility();
}

void CQlmMultiPartCut::SetPartVisibility(int slot, int visible) {
  if (slot < 0 || slot >= MaximumParts) return;
  this->PartVisible[slot] = visible;
  this->ApplyVisibility();
}

int CQlmMultiPartCut::GetPartVisible(int slot) const {
  return slot >= 0 && slot < MaximumParts ? this->PartVisible[slot] : 0;
}

void CQlmMultiPartCut::SetVisibilityNumber(int on) {
  this->LabelVisible = on;
  this->ApplyVisibility();
}

void CQlmMultiPartCut::SetNumber(int number) {
  this->ForEachCutter([number](vtkGeomCutter* cutter) { cutter->SetLabelNumber(number); });
}

void CQlmMultiPartCut::SetLabelMode(int mode) {
  this->ForEachCutter([mode](vtkGeomCutter* cutter) { cutter->SetLabelMode(mode); });
}

void CQlmMultiPartCut::SetFontSize(int size) {
  this->ForEachCutter([size](vtkGeomCutter* cutter) { cutter->SetFontSize(size); });
}

void CQlmMultiPartCut::SetLabelBackground(int on) {
  this->ForEachCutter([on](vtkGeomCutter* cutter) { cutter->GetTextMapper()->SetLabelBackground(on); });
}

void CQlmMultiPartCut::SetPartName(int slot, const CString& name) {
  vtkGeomCutter* cutter = slot >= 0 ? this->GetCutter(slot) : nullptr;
  if (!cutter) return;
  cutter->SetName(name.Str());
  if (cutter->GetLabelMode() == 1) cutter->SetLabelMode(1);
}

int CQlmMultiPartCut::FindPartByActor(const vtkActor* actor) const {
  for (int slot = 0; actor && slot < MaximumParts; ++slot) {
    const auto& actors = this->Parts[slot].Actors;
    if (std::any_of(actors.begin(), actors.end(), [actor](const auto& a) { return a.GetPointer() == actor; }))
      return slot;
  }
  return -1;
}

bool CQlmMultiPartCut::OwnsActor(const vtkActor* actor) const {
  if (!actor) return false;
  const auto& body = this->Body.Actors;
  return std::any_of(body.begin(), body.end(), [actor](const auto& a) { return a.GetPointer() == actor; }) ||
         this->FindPartByActor(actor) >= 0;
}

vtkGeomCutter* CQlmMultiPartCut::GetCutter(int slot) const {
  const Piece* entry = this->PieceAt(slot);
  return entry ? entry->Cutter.GetPointer() : nullptr;
}

vtkActor* CQlmMultiPartCut::GetActor(int slot, int section) const {
  const Piece* entry = this->PieceAt(slot);
  if (!entry || section < 0 || section >= this->Sections) return nullptr;
  return entry->Actors[section];
}

int CQlmMultiPartCut::GetCutterCount() const {
  int count = 0;
  this->ForEachCutter([&count](vtkGeomCutter*) { ++count; });
  return count;
}

void CQlmMultiPartCut::Preview(const double pivot[3], const double drag[16]) {
  this->InteractionMatrix->DeepCopy(drag);
  CQlmDragCommit::Preview(pivot, this->InteractionMatrix, this->UserTransform);
  this->ForEachCutter([this](vtkGeomCutter* cutter) {
    for (int k = 0; k < this->Sections; ++k) {
      double anchor[3];
      if (!cutter->GetLabelAnchor(k, anchor)) continue;
      double moved[3];
      this->UserTransform->TransformPoint(anchor, moved);
      cutter->GetLabelActor(k)->GetPositionCoordinate()->SetValue(moved);
    }
  });
}

void CQlmMultiPartCut::CommitInPlane(vtkMatrix4x4* plane) {
  if (!this->Object) return this->EndDrag();
  double position[3];
  this->Object->GetPosition(position);
  vtkNew<vtkMatrix4x4> placement;
  CQlmDragCommit::InFrame(plane, this->InteractionMatrix, this->Object->GetMatrix(), position, placement);
  this->Commit(placement->GetData());
}

void CQlmMultiPartCut::Commit(const double placement[16]) {
  if (this->Object) this->Object->SetMatrix(placement);
  this->EndDrag();
}

void CQlmMultiPartCut::EndDrag() {
  this->UserTransform->Identity();
  this->InteractionMatrix->Identity();
}
