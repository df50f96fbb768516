#include "ct/CQlmCTViewer2.h"

#include "ct/CQlmLayeredWindow.h"

#include <vtkAlgorithm.h>
#include <vtkAlgorithmOutput.h>
#include <vtkImageData.h>
#include <vtkRenderer.h>

CQlmCTViewer2::CQlmCTViewer2() {
  this->Mapper->SetInputConnection(this->WindowLevelFilter->GetOutputPort());
  this->Actor->SetMapper(this->Mapper);
  this->Actor->VisibilityOn();
  this->Actor->PickableOff();
}

// The mapper lets go of the grey filter first: left connected, the filter, its
// picture and the CT image behind it outlive the viewer.
CQlmCTViewer2::~CQlmCTViewer2() {
  this->RemoveFromRenderer();
  this->Mapper->RemoveAllInputConnections(0);
}

void CQlmCTViewer2::SetInput(vtkImageData* image) {
  this->Input = image;
  this->WindowLevelFilter->SetInputData(image);
}

void CQlmCTViewer2::SetInputConnection(vtkAlgorithmOutput* port) {
  this->Input = port ? vtkImageData::SafeDownCast(port->GetProducer()->GetOutputDataObject(port->GetIndex())) : nullptr;
  this->WindowLevelFilter->SetInputConnection(port);
}

void CQlmCTViewer2::AddToRenderer() {
  if (!this->Window) return;
  if (vtkRenderer* renderer = this->Window->GetLayerRenderer(3)) renderer->AddViewProp(this->Actor);
}

void CQlmCTViewer2::RemoveFromRenderer() {
  if (!this->Window) return;
  if (vtkRenderer* renderer = this->Window->GetLayerRenderer(3)) renderer->RemoveViewProp(this->Actor);
}

void CQlmCTViewer2::SetMinimum(float value) { SetWindowMinimum(this->WindowLevelFilter, value); }

void CQlmCTViewer2::SetMaximum(float value) { SetWindowMaximum(this->WindowLevelFilter, value); }

void CQlmCTViewer2::SetWindowMinimum(vtkImage16bitsMonocromeTo8BitsRGBFilter* filter, float value) {
  const float upper = filter->GetColorLevel() + filter->GetColorWindow() * 0.5f;
  const float width = upper - value;
  filter->SetColorWindow(width);
  filter->SetColorLevel(width * 0.5f + value);
}

void CQlmCTViewer2::SetWindowMaximum(vtkImage16bitsMonocromeTo8BitsRGBFilter* filter, float value) {
  const float lower = filter->GetColorLevel() - filter->GetColorWindow() * 0.5f;
  const float width = value - lower;
  filter->SetColorWindow(width);
  filter->SetColorLevel(width * 0.5f + lower);
}
