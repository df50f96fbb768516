#include "objects/CQlmMultiPart3D.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>
#include <vtkRenderer.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

#include <algorithm>
#include <string>

#include "ct/CQlmLayeredWindow.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {
constexpr int SurfaceLayer = 3;
constexpr int BodyNumberFont = 12;
constexpr int PartNumberFont = 11;
constexpr int BodyNameFont = 10;
constexpr int PartNameFont = 9;
}  // namespace

CQlmMultiPart3D::CQlmMultiPart3D() = default;

CQlmMultiPart3D::~CQlmMultiPart3D() {
  if (this->Window) this->RemoveFromRenderer();
  this->Clear();
}

// The body first, then every present part with its slot.
template <typename Visit>
void CQlmMultiPart3D::ForEachPiece(Visit visit) {
  if (this->Body.Actor) visit(this->Body, -1);
  for (int slot = 0; slot < MaximumParts; ++slot) {
    if (this->Parts[slot].Actor) visit(this->Parts[slot], slot);
  }
}

const CQlmMultiPart3D::Piece* CQlmMultiPart3D::PieceAt(int slot) const {
  if (slot == -1) return this->Body.Actor ? &this->Body : nullptr;
  if (slot < 0 || slot >= MaximumParts || !this->Parts[slot].Actor) return nullptr;
  return &this->Parts[slot];
}

void CQlmMultiPart3D::AddToRenderer() {
  vtkRenderer* renderer = this->Window ? this->Window->GetLayerRenderer(SurfaceLayer) : nullptr;
  if (!renderer) return;
  this->ForEachPiece([renderer](Piece& piece, int) {
    renderer->AddActor(piece.Actor);
    renderer->AddActor2D(piece.LabelActor);
  });
}

void CQlmMultiPart3D::RemoveFromRenderer() {
  vtkRenderer* renderer = this->Window ? this->Window->GetLayerRenderer(SurfaceLayer) : nullptr;
  if (!renderer) return;
  this->ForEachPiece([renderer](Piece& piece, int) {
    renderer->RemoveActor(piece.Actor);
    renderer->RemoveActor2D(piece.LabelActor);
  });
}

void CQlmMultiPart3D::Clear() {
  this->Body.Clear();
  for (Piece& part : this->Parts) part.Clear();
  this->Placement->Identity();
  this->LibraryId = "";
  this->LibraryName = "";
}

void CQlmMultiPart3D::BuildFromCreator(const CQlmMultiPartCreator* creator) {
  this->Clear();
  if (!creator->GetMesh()) return;
  this->Body.Name = creator->GetName();
  this->Body.Build(creator->GetMesh(), this->Placement, BodyNumberFont);
  this->SetColor(creator->GetColor());
  this->Visible = 1;
  this->Selected = 0;
  this->LabelVisible = 1;
  this->LabelMode = 0;
  for (int slot = 0; slot < MaximumParts; ++slot) {
    vtkPolyData* mesh = creator->GetPartMesh(slot);
    if (!mesh) continue;
    this->Parts[slot].Name = creator->GetPartName(slot);
    this->Parts[slot].Build(mesh, this->Placement, PartNumberFont);
    this->SetPartColor(slot, creator->GetPartColor(slot));
    this->PartVisible[slot] = 1;
  }
  this->LibraryId = creator->GetLibraryId();
  this->LibraryName = creator->GetLibraryName();
  this->ApplyVisibility();
  this->SetNumber(0);
  this->Placement->Identity();
  this->UpdateLabelPositions();
}

void CQlmMultiPart3D::SetPartFromCreator(const CQlmMultiPartCreator* creator, int slot) {
  vtkPolyData* mesh = creator->GetPartMesh(slot);
  if (!this->PieceAt(slot) || slot < 0 || !mesh) return;
  Piece& part = this->Parts[slot];
  part.TransformFilter->SetInputData(mesh);
  part.Name = creator->GetPartName(slot);
  this->SetPartColor(slot, creator->GetPartColor(slot));
  if (this->LabelMode == 1) this->WriteLabel(part, slot);
}

vtkMatrix4x4* CQlmMultiPart3D::GetMatrix() const { return this->Placement->GetMatrix(); }

void CQlmMultiPart3D::GetPosition(double position[3]) const {
  vtkMatrix4x4* matrix = this->GetMatrix();
  for (int row = 0; row < 3; ++row) position[row] = matrix->GetElement(row, 3);
}

void CQlmMultiPart3D::SetMatrix(const double elements[16]) {
  this->Placement->Identity();
  this->Placement->Concatenate(elements);
  this->UpdateLabelPositions();
}

void CQlmMultiPart3D::UpdateLabelPositions() {
  this->ForEachPiece([this](Piece& piece, int) { piece.PlaceLabel(this->GetMatrix()); });
}

void CQlmMultiPart3D::SetColor(const float rgb[3]) { this->Body.SetColor(rgb, this->Selected); }

void CQlmMultiPart3D::SetPartColor(int slot, const float rgb[3]) {
  if (slot >= 0 && slot < MaximumParts) this->Parts[slot].SetColor(rgb, this->Selected);
}

void CQlmMultiPart3D::SetSelected(int selected) {
  this->Selected = selected;
  this->ForEachPiece([selected](Piece& piece, int) { piece.ApplyColor(selected); });
}

void CQlmMultiPart3D::ApplyVisibility() {
  this->ForEachPiece([this](Piece& piece, int slot) {
    const bool shown = this->Visible && (slot < 0 || this->PartVisible[slot]);
    piece.Actor->SetVisibility(shown);
    piece.LabelActor->SetVisibility(shown && this->LabelVisible);
  });
}

void CQlmMultiPart3D::SetVisibility(int visible) {
  this->Visible = visible;
  this->ApplyVisibility();
}

void CQlmMultiPart3D::SetPartVisibility(int slot, int visible) {
  if (slot < 0 || slot >= MaximumParts) return;
  this->PartVisible[slot] = visible;
  this->ApplyVisibility();
}

int CQlmMultiPart3D::GetPartVisible(int slot) const {
  return slot >= 0 && slot < MaximumParts ? this->PartVisible[slot] : 0;
}

void CQlmMultiPart3D::SetVisibilityNumber(int on) {
  this->LabelVisible = on;
  this->ApplyVisibility();
}

void CQlmMultiPart3D::WriteLabel(Piece& piece, int slot) const {
  std::string text;
  if (this->LabelMode == 0) {
    text = std::to_string(this->Number);
    if (slot >= 0) text += "-" + std::to_string(slot + 1);
    piece.LabelMapper->SetFontSize(slot < 0 ? BodyNumberFont : PartNumberFont);
  } else {
    text = piece.Name.Str();
    piece.LabelMapper->SetFontSize(slot < 0 ? BodyNameFont : PartNameFont);
  }
  piece.LabelMapper->SetJustification(0);
  piece.LabelMapper->SetInput(text.c_str());
}

void CQlmMultiPart3D::SetNumber(int number) {
  this->Number = number;
  if (this->LabelMode != 0 && this->LabelMode != 1) return;
  this->ForEachPiece([this](Piece& piece, int slot) { this->WriteLabel(piece, slot); });
}

void CQlmMultiPart3D::SetLabelMode(int mode) {
  this->LabelMode = mode;
  this->SetNumber(this->Number);
}

void CQlmMultiPart3D::SetLabelBackground(int on) {
  this->ForEachPiece([on](Piece& piece, int) { piece.LabelMapper->SetLabelBackground(on); });
}

CString CQlmMultiPart3D::GetPartName(int slot) const {
  const Piece* part = slot >= 0 ? this->PieceAt(slot) : nullptr;
  return part ? part->Name : CString();
}

int CQlmMultiPart3D::GetPartCount() const {
  return int(std::count_if(this->Parts.begin(), this->Parts.end(), [](const Piece& part) { return part.Actor; }));
}

bool CQlmMultiPart3D::HasPart(int slot) const { return slot >= 0 && this->PieceAt(slot); }

int CQlmMultiPart3D::FindPartByActor(const vtkActor* actor) const {
  for (int slot = 0; actor && slot < MaximumParts; ++slot) {
    if (this->Parts[slot].Actor.GetPointer() == actor) return slot;
  }
  return -1;
}

bool CQlmMultiPart3D::OwnsActor(const vtkActor* actor) const {
  return actor && (this->Body.Actor.GetPointer() == actor || this->FindPartByActor(actor) >= 0);
}

vtkAlgorithmOutput* CQlmMultiPart3D::GetPlacedMeshPort(int slot) const {
  const Piece* entry = this->PieceAt(slot);
  return entry ? entry->TransformFilter->GetOutputPort() : nullptr;
}

vtkActor* CQlmMultiPart3D::GetActor(int slot) const {
  const Piece* entry = this->PieceAt(slot);
  return entry ? entry->Actor.GetPointer() : nullptr;
}

vtkActor2D* CQlmMultiPart3D::GetLabelActor(int slot) const {
  const Piece* entry = this->PieceAt(slot);
  return entry ? entry->LabelActor.GetPointer() : nullptr;
}

vtkWin32TextMapper2* CQlmMultiPart3D::GetLabelMapper(int slot) const {
  const Piece* entry = this->PieceAt(slot);
  return entry ? entry->LabelMapper.GetPointer() : nullptr;
}
