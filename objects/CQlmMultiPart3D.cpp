#include "objects/CQlmMultiPart3D.h"

#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
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
  this->Body = Piece();
  for (Piece& part : this->Parts) part = Piece();
  this->Placement->Identity();
  this->LibraryId = "";
  this->LibraryName = "";
}

// The piece's mesh moved by the placement, drawn, with an empty label.
void CQlmMultiPart3D::Build(Piece& piece, vtkPolyData* mesh, int fontSize) {
  piece.TransformFilter = vtkSmartPointer<vtkTransformPolyDataFilter>::New();
  piece.TransformFilter->SetInputData(mesh);
  piece.TransformFilter->SetTransform(this->Placement);
  piece.Mapper = vtkSmartPointer<vtkPolyDataMapper>::New();
  piece.Mapper->SetInputConnection(piece.TransformFilter->GetOutputPort());
  piece.Actor = vtkSmartPointer<vtkActor>::New();
  piece.Actor->SetMapper(piece.Mapper);
  piece.LabelMapper = vtkSmartPointer<vtkWin32TextMapper2>::New();
  piece.LabelMapper->SetFontSize(fontSize);
  piece.LabelMapper->SetJustification(0);
  piece.LabelMapper->SetVerticalJustification(1);
  piece.LabelActor = vtkSmartPointer<vtkActor2D>::New();
  piece.LabelActor->GetPositionCoordinate()->SetCoordinateSystemToWorld();
  piece.LabelActor->SetMapper(piece.LabelMapper);
}

void CQlmMultiPart3D::BuildFromCreator(const CQlmMultiPartCreator* creator) {
  this->Clear();
  if (!creator->GetMesh()) return;
  this->Body.Name = creator->GetName();
  this->Build(this->Body, creator->GetMesh(), BodyNumberFont);
  this->SetColor(creator->GetColor());
  this->Visible = 1;
  this->Selected = 0;
  this->LabelVisible = 1;
  this->LabelMode = 0;
  for (int slot = 0; slot < MaximumParts; ++slot) {
    vtkPolyData* mesh = creator->GetPartMesh(slot);
    if (!mesh) continue;
    this->Parts[slot].Name = creator->GetPartName(slot);
    this->Build(this->Parts[slot], mesh, PartNumberFont);
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

// At the centre of the piece's own mesh moved by the placement.
void CQlmMultiPart3D::PlaceLabel(Piece& piece) const {
  auto* mesh = vtkPolyData::SafeDownCast(piece.TransformFilter->GetInput());
  if (!mesh) return;
  double centre[4] = {0.0, 0.0, 0.0, 1.0};
  mesh->GetCenter(centre);
  double placed[4];
  this->GetMatrix()->MultiplyPoint(centre, placed);
  piece.LabelActor->GetPositionCoordinate()->SetValue(placed[0], placed[1], placed[2]);
}

void CQlmMultiPart3D::UpdateLabelPositions() {
  this->ForEachPiece([this](Piece& piece, int) { this->PlaceLabel(piece); });
}

void CQlmMultiPart3D::ApplyColor(Piece& piece) const {
  if (!piece.Actor) return;
  const float* color = this->Selected ? piece.SelectedColor : piece.Color;
  piece.Actor->GetProperty()->SetColor(color[0], color[1], color[2]);
}

void CQlmMultiPart3D::SetColor(const float rgb[3]) {
  std::copy(rgb, rgb + 3, this->Body.Color);
  std::fill_n(this->Body.SelectedColor, 3, 1.0f);
  this->ApplyColor(this->Body);
}

void CQlmMultiPart3D::SetPartColor(int slot, const float rgb[3]) {
  if (slot < 0 || slot >= MaximumParts) return;
  Piece& part = this->Parts[slot];
  std::copy(rgb, rgb + 3, part.Color);
  std::fill_n(part.SelectedColor, 3, 1.0f);
  this->ApplyColor(part);
}

void CQlmMultiPart3D::SetSelected(int selected) {
  this->Selected = selected;
  this->ForEachPiece([this](Piece& piece, int) { this->ApplyColor(piece); });
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
