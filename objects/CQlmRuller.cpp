#include "objects/CQlmRuller.h"

#include <vtkActor.h>
#include <vtkProperty.h>

#include "ct/CQlmLayeredWindow.h"
#include "platform/CArchive.h"
#include "toolkit/vtkRullerSource.h"

namespace {

constexpr int SurfaceLayer = 3;
constexpr int LineLayer = 1;
constexpr double LineWidth2D = 3.0;
constexpr double LineWidth3D = 5.0;

}  // namespace

CQlmRuller::~CQlmRuller() { this->RemoveFromRenderer(); }

vtkRenderer* CQlmRuller::Renderer() const {
  return this->Window ? this->Window->GetLayerRenderer(this->Is3D ? SurfaceLayer : LineLayer) : nullptr;
}

void CQlmRuller::AddToRenderer() { this->AddProps(this->Renderer()); }

void CQlmRuller::RemoveFromRenderer() { this->RemoveProps(this->Renderer()); }

void CQlmRuller::SetCurrentSlice(int slice) {
  this->CurrentSlice = slice;
  this->ShowProps(!this->Is3D && this->OwnSlice != slice ? 0 : this->Visible);
}

void CQlmRuller::SetSlice(int own, int current) {
  this->OwnSlice = own;
  this->SetCurrentSlice(current);
}

void CQlmRuller::SetVisibility(int visible) {
  this->Visible = visible;
  this->SetCurrentSlice(this->CurrentSlice);
}

void CQlmRuller::Set3D(int on) {
  this->Is3D = on;
  this->GetSource()->SetIs3d(on);
  this->GetLineActor()->GetProperty()->SetLineWidth(on ? LineWidth3D : LineWidth2D);
}

void CQlmRuller::Serialize(CArchive& archive) {
  CQlmRullerBase::Serialize(archive);
  if (!archive.IsStoring()) this->SetCurrentSlice(this->CurrentSlice);
}
