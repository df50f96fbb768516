#include "objects/CQlmMultiPartPanoramic.h"

#include <vtkImageData.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>

#include "ct/CQlmLayeredWindow.h"
#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmDragCommit.h"
#include "toolkit/QlmPlanningFrame.h"

namespace {
constexpr int OutlineLayer = 2;
}

CQlmMultiPartPanoramic::CQlmMultiPartPanoramic() : CQlmMultiPartCut(1) {}

CQlmMultiPartPanoramic::~CQlmMultiPartPanoramic() {
  if (this->Window) this->RemoveFromRenderer();
}

// The representation's curve, offset, height and thickness.
void CQlmMultiPartPanoramic::Prepare(Cutter* cutter) const {
  cutter->SetCurve(this->Calculator ? this->Calculator->GetCurvePolyData() : nullptr);
  cutter->SetCurveOffset(this->Offset[0], this->Offset[1], this->Offset[2]);
  cutter->SetHeight(this->Height);
  cutter->SetPanoramicThick(this->Thick);
}

vtkGeomCutter* CQlmMultiPartPanoramic::NewCutter(int slot) {
  Cutter* cutter = this->MakeCutter();
  cutter->SetPartIndex(slot);
  this->Prepare(cutter);
  return cutter;
}

void CQlmMultiPartPanoramic::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator) {
  const QlmPlanningFrame frame(image);
  const float* centre = frame.GetCentre();
  this->Height = image ? image->GetSpacing()[2] * image->GetDimensions()[2] : 0.0;
  this->SetCalc(calculator);
  this->SetCurveOffset(centre[0], centre[1], centre[2]);
}

void CQlmMultiPartPanoramic::SetCalc(CQlmPanoramicCalc* calculator) {
  this->Calculator = calculator;
  this->ForEachCutter([this](vtkGeomCutter* cutter) { this->Prepare(static_cast<Cutter*>(cutter)); });
}

void CQlmMultiPartPanoramic::SetCurveOffset(double x, double y, double z) {
  this->Offset[0] = x;
  this->Offset[1] = y;
  this->Offset[2] = z;
  this->ForEachCutter([x, y, z](vtkGeomCutter* cutter) { static_cast<Cutter*>(cutter)->SetCurveOffset(x, y, z); });
}

void CQlmMultiPartPanoramic::SetThick(int on) {
  this->Thick = on;
  this->ForEachCutter([on](vtkGeomCutter* cutter) { static_cast<Cutter*>(cutter)->SetPanoramicThick(on); });
}

vtkRenderer* CQlmMultiPartPanoramic::SectionRenderer(int) const {
  return this->Window ? this->Window->GetLayerRenderer(OutlineLayer) : nullptr;
}

void CQlmMultiPartPanoramic::SetUserMatrix(const double drag[16]) {
  auto* body = static_cast<Cutter*>(this->GetCutter());
  if (!body) return;
  body->Update();
  this->Preview(body->GetObjectPosition(), drag);
}

void CQlmMultiPartPanoramic::ApplyMotionTo3D() {
  auto* body = static_cast<Cutter*>(this->GetCutter());
  CQlmMultiPart3D* object = this->GetObject();
  vtkNew<vtkMatrix4x4> placement;
  if (body && object && this->Calculator &&
      CQlmDragCommit::InPanoramic(this->Calculator, body, this->GetInteractionMatrix(), object->GetMatrix(),
                                  placement))
    this->Commit(placement->GetData());
  else
    this->EndDrag();
}
