#include "objects/CQlmGeomPanoramic.h"

#include <vtkImageData.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>

#include "ct/CQlmLayeredWindow.h"
#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmDragCommit.h"
#include "objects/CQlmGeom3D.h"
#include "toolkit/QlmPlanningFrame.h"
#include "toolkit/vtkGeomPanoramic.h"

namespace {
constexpr int OutlineLayer = 2;
}

CQlmGeomPanoramic::CQlmGeomPanoramic()
    : CQlmGeomCut(vtkGeomPanoramic::New(), 1), PanoramicCutter(static_cast<vtkGeomPanoramic*>(this->GetCutter())) {
  this->PanoramicCutter->UnRegister(nullptr);
}

CQlmGeomPanoramic::~CQlmGeomPanoramic() {
  if (this->Window) this->RemoveFromRenderer();
}

vtkRenderer* CQlmGeomPanoramic::SectionRenderer(int) const {
  return this->Window ? this->Window->GetLayerRenderer(OutlineLayer) : nullptr;
}

void CQlmGeomPanoramic::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator) {
  this->Calculator = calculator;
  const QlmPlanningFrame frame(image);
  const float* centre = frame.GetCentre();
  this->PanoramicCutter->SetCurve(calculator ? calculator->GetCurvePolyData() : nullptr);
  this->PanoramicCutter->SetCurveOffset(centre[0], centre[1], centre[2]);
  this->PanoramicCutter->SetHeight(image ? image->GetSpacing()[2] * image->GetDimensions()[2] : 0.0);
}

void CQlmGeomPanoramic::SetThick(int on) { this->PanoramicCutter->SetPanoramicThick(on); }

void CQlmGeomPanoramic::SetUserMatrix(const double drag[16]) {
  this->PanoramicCutter->Update();
  this->Preview(this->PanoramicCutter->GetObjectPosition(), drag);
}

void CQlmGeomPanoramic::ApplyUserMatrix() {
  CQlmGeom3D* object = this->GetObject();
  vtkNew<vtkMatrix4x4> placement;
  if (object && this->Calculator &&
      CQlmDragCommit::InPanoramic(this->Calculator, this->PanoramicCutter, this->GetInteractionMatrix(),
                                  object->GetMatrix(), placement))
    object->SetMatrix(placement->GetData());
  this->EndDrag();
}
