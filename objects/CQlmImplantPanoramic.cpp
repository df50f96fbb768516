#include "objects/CQlmImplantPanoramic.h"

#include <vtkMatrix4x4.h>
#include <vtkActor.h>
#include <vtkImageData.h>
#include <vtkProperty.h>

#include "ct/CQlmLayeredWindow.h"
#include "ct/CQlmPanoramicCalc.h"
#include "toolkit/QlmPlanningFrame.h"
#include "toolkit/vtkImplantPanoramic.h"

namespace {
constexpr int OutlineLayer = 2;
}

CQlmImplantPanoramic::CQlmImplantPanoramic() : CQlmImplantCut(vtkImplantPanoramic::New(), 1) {
  this->PanoramicCutter = static_cast<vtkImplantPanoramic*>(this->GetCutter());
  this->PanoramicCutter->UnRegister(nullptr);
}

CQlmImplantPanoramic::~CQlmImplantPanoramic() {
  if (this->Window) this->RemoveFromRenderer();
}

vtkRenderer* CQlmImplantPanoramic::SectionRenderer(int) const {
  return this->Window ? this->Window->GetLayerRenderer(OutlineLayer) : nullptr;
}

vtkActor2D* CQlmImplantPanoramic::SectionLabel(int) const { return this->PanoramicCutter->GetActorLabel(); }

void CQlmImplantPanoramic::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator) {
  const QlmPlanningFrame frame(image);
  const float* centre = frame.GetCentre();
  this->PanoramicCutter->SetPanoramicLine(calculator ? calculator->GetCurvePolyData() : nullptr);
  this->PanoramicCutter->SetTranslation(centre[0], centre[1], centre[2]);
  this->PanoramicCutter->SetLimitY(image ? image->GetSpacing()[2] * image->GetDimensions()[2] : 0.0);
}

void CQlmImplantPanoramic::SetThick(int on) { this->PanoramicCutter->SetThick(on); }

void CQlmImplantPanoramic::SetFill(int on) {
  this->CQlmImplantCut::SetFill(on);
  this->GetScrewActor()->GetProperty()->SetOpacity(on ? 1.0 : 0.3);
  this->GetConectorActor()->GetProperty()->SetOpacity(on ? 1.0 : 0.3);
}
