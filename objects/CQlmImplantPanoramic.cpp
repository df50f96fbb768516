#include "objects/CQlmImplantPanoramic.h"

#include <vtkMatrix4x4.h>
#include <vtkActor.h>
#include <vtkImageData.h>
#include <vtkNew.h>
#include <vtkProperty.h>

#include "ct/CQlmLayeredWindow.h"
#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmDragCommit.h"
#include "objects/CQlmImplant3D.h"
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

const double* CQlmImplantPanoramic::SectionLabelAnchor(int) const { return this->PanoramicCutter->GetCenterScrew(); }

void CQlmImplantPanoramic::SetUserMatrix(vtkMatrix4x4* implantMatrix) {
  this->PreviewImplantDrag(this->PanoramicCutter->GetFulcrum(), implantMatrix);
}

void CQlmImplantPanoramic::SetConectorUserMatrix(vtkMatrix4x4* connectorMatrix) {
  this->PreviewConectorDrag(this->PanoramicCutter->GetFulcrum(), connectorMatrix);
}

// A drag that both slides and turns (the preview shows both) slides first and
// then turns about the platform at its new place along the curve.
void CQlmImplantPanoramic::ApplyUserMatrix() {
  CQlmImplant3D* implant = this->GetImplant();
  vtkMatrix4x4* drag = this->GetImplantUserMatrix();
  vtkMatrix4x4* connectorDrag = this->GetConectorUserMatrix();
  const bool slides = CQlmDragCommit::Translates(drag);
  const bool turns = CQlmDragCommit::Turns(drag);
  const bool tilts = CQlmDragCommit::Turns(connectorDrag);
  if (!implant || !this->Calculator || !(slides || turns || tilts)) return;
  double arc = this->Calculator->GetCurveLength() / 2.0 + this->PanoramicCutter->GetFulcrum()[0];
  vtkNew<vtkMatrix4x4> result, turn;
  turn->DeepCopy(drag);
  if (slides) {
    CQlmDragCommit::Slide(this->Calculator, this->PanoramicCutter->GetTranslation(),
                          this->PanoramicCutter->GetFulcrum()[0], drag->GetElement(0, 3), drag->GetElement(1, 3),
                          implant->GetMatrix(), result);
    implant->SetMatrix(result->GetData());
    arc += drag->GetElement(0, 3);
    for (int row = 0; row < 3; ++row) turn->SetElement(row, 3, 0.0);
  }
  double position[3];
  implant->GetPosition(position);
  vtkNew<vtkMatrix4x4> frame;
  CQlmDragCommit::CurveFrame(this->Calculator, arc, frame);
  if (turns) {
    CQlmDragCommit::InFrame(frame, turn, implant->GetMatrix(), position, result);
    implant->SetMatrix(result->GetData());
  } else if (!slides) {
    CQlmDragCommit::InFrame(frame, connectorDrag, implant->GetConectorTransformMatrix(), position, result);
    vtkNew<vtkMatrix4x4> toImplant;
    vtkMatrix4x4::Invert(implant->GetMatrix(), toImplant);
    vtkMatrix4x4::Multiply4x4(toImplant, result, result);
    implant->SetConectorMatrix(result->GetData());
  }
  this->ResetUserMatrices();
}

void CQlmImplantPanoramic::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator) {
  this->Calculator = calculator;
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
