#include "objects/CQlmNerve3D.h"

#include <vtkActor.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>

#include "ct/CQlmLayeredWindow.h"
#include "objects/CQlmNerve.h"
#include "toolkit/vtkNerveTubeFilter.h"

namespace {
constexpr int SurfaceLayer = 3;
}

CQlmNerve3D::CQlmNerve3D() {
  this->Mapper->SetInputConnection(this->Tube->GetOutputPort());
  this->Actor->SetMapper(this->Mapper);
  this->Actor->GetProperty()->SetInterpolationToPhong();
}

CQlmNerve3D::~CQlmNerve3D() {
  if (this->Window) this->RemoveFromRenderer();
}

void CQlmNerve3D::AddToRenderer() {
  if (vtkRenderer* renderer = this->Window ? this->Window->GetLayerRenderer(SurfaceLayer) : nullptr)
    renderer->AddActor(this->Actor);
}

void CQlmNerve3D::RemoveFromRenderer() {
  if (vtkRenderer* renderer = this->Window ? this->Window->GetLayerRenderer(SurfaceLayer) : nullptr)
    renderer->RemoveActor(this->Actor);
}

void CQlmNerve3D::SetNerve(CQlmNerve* nerve) {
  this->Tube->SetPolyDataLineAxial(nerve->GetAxialLine().GetLinePolyData());
  this->Tube->SetPolyDataLinePanoramic(nerve->GetPanoramicLine().GetLinePolyData());
  const float* translation = nerve->GetTranslation();
  this->Tube->SetTranslation(translation[0], translation[1], translation[2]);
}

void CQlmNerve3D::SetRadius(float radius) { this->Tube->SetRadius(radius); }

void CQlmNerve3D::SetColor(float r, float g, float b) { this->Actor->GetProperty()->SetColor(r, g, b); }

void CQlmNerve3D::SetVisibility(int visible) { this->Actor->SetVisibility(visible); }

int CQlmNerve3D::GetVisibility() const { return this->Actor->GetVisibility(); }

vtkAlgorithmOutput* CQlmNerve3D::GetOutputPort() const { return this->Tube->GetOutputPort(); }
