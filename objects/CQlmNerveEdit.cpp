#include "objects/CQlmNerveEdit.h"

#include <vtkImageData.h>
#include <vtkPolyData.h>

#include "ct/CQlmCTPanoramicNerveFilter.h"
#include "ct/CQlmCTViewer2.h"
#include "objects/CQlmNerve.h"
#include "objects/CQlmNerve3D.h"

CQlmNerveEdit::CQlmNerveEdit() : Viewer(CQlmCTViewer2::New()), Filter(CQlmCTPanoramicNerveFilter::New()) {
  this->Viewer->GetMapper()->SetInterpolation(1);
  this->Filter->GetNerveFilter()->MirrorYOn();
}

CQlmNerveEdit::~CQlmNerveEdit() = default;

void CQlmNerveEdit::SetWindows(CQlmLayeredWindow* axial, CQlmLayeredWindow* panoramic) {
  this->WindowAxial = axial;
  this->WindowPanoramic = panoramic;
}

void CQlmNerveEdit::SetNerve(CQlmNerve* nerve, CQlmNerve3D* tube) {
  this->Nerve = nerve;
  this->Tube = tube;
}

void CQlmNerveEdit::Attach() {
  if (!this->Nerve) return;
  CQlmPolyLineNerve& axial = this->Nerve->GetAxialLine();
  CQlmPolyLineNerve& panoramic = this->Nerve->GetPanoramicLine();
  axial.SetWindow(this->WindowAxial);
  axial.AddToRenderer();
  panoramic.SetWindow(this->WindowPanoramic);
  panoramic.AddToRenderer();
  this->Filter->SetInput(this->Image);
  this->Filter->SetNerveCurve(axial.GetLinePolyData());
  this->Viewer->SetWindow(this->WindowPanoramic);
  this->Viewer->SetInputConnection(this->Filter->GetOutputPort());
  this->Viewer->AddToRenderer();
}

void CQlmNerveEdit::Detach() {
  if (this->Nerve) {
    this->Nerve->GetAxialLine().RemoveFromRenderer();
    this->Nerve->GetPanoramicLine().RemoveFromRenderer();
  }
  this->Viewer->RemoveFromRenderer();
}

void CQlmNerveEdit::SetDiameter(float diameter) {
  if (this->Nerve) this->Nerve->SetDiameter(diameter);
  if (this->Tube) this->Tube->SetRadius(diameter / 2);
}

void CQlmNerveEdit::SetMaximum(int maximum) { this->Viewer->SetMaximum(float(maximum)); }

void CQlmNerveEdit::SetMinimum(int minimum) { this->Viewer->SetMinimum(float(minimum)); }

void CQlmNerveEdit::SetLinesVisible(int visible) {
  if (!this->Nerve) return;
  this->Nerve->GetAxialLine().SetVisibility(visible);
  this->Nerve->GetPanoramicLine().SetVisibility(visible);
}

vtkImageData* CQlmNerveEdit::GetImage() const { return this->Viewer->GetWindowLevelFilter()->GetOutput(); }
