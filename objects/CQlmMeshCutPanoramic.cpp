#include "objects/CQlmMeshCutPanoramic.h"

#include <vtkImageData.h>

#include "ct/CQlmLayeredWindow.h"
#include "ct/CQlmPanoramicCalc.h"
#include "toolkit/QlmPlanningFrame.h"
#include "toolkit/vtkPolyDataCutterPanoramic.h"

namespace {
constexpr int OutlineLayer = 2;
}

CQlmMeshCutPanoramic::CQlmMeshCutPanoramic() : CQlmMeshCutPanoramic(vtkPolyDataCutterPanoramic::New()) {}

CQlmMeshCutPanoramic::CQlmMeshCutPanoramic(vtkPolyDataCutterPanoramic* cutter)
    : CQlmMeshCut(cutter, 1), PanoramicCutter(cutter) {}

CQlmMeshCutPanoramic::~CQlmMeshCutPanoramic() {
  if (this->Window) this->RemoveFromRenderer();
}

vtkRenderer* CQlmMeshCutPanoramic::SectionRenderer(int) const {
  return this->Window ? this->Window->GetLayerRenderer(OutlineLayer) : nullptr;
}

void CQlmMeshCutPanoramic::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator) {
  this->Calculator = calculator;
  const QlmPlanningFrame frame(image);
  const float* centre = frame.GetCentre();
  this->PanoramicCutter->SetPanoramicLine(calculator ? calculator->GetCurvePolyData() : nullptr);
  this->PanoramicCutter->SetTranslation(centre[0], centre[1], centre[2]);
  this->PanoramicCutter->SetLimitY(image ? image->GetSpacing()[2] * image->GetDimensions()[2] : 0.0);
}

void CQlmMeshCutPanoramic::SetThick(int on) {
  this->PanoramicCutter->SetThick(on);
  this->SetOpacity(on ? 0.3 : 1.0);
}
