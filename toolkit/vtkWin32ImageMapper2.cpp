#include "toolkit/vtkWin32ImageMapper2.h"

#include <vtkExecutive.h>
#include <vtkImageData.h>
#include <vtkImageProperty.h>
#include <vtkImageSlice.h>
#include <vtkImageSliceMapper.h>
#include <vtkInformation.h>
#include <vtkObjectFactory.h>
#include <vtkRenderer.h>

#include <algorithm>

vtkStandardNewMacro(vtkWin32ImageMapper2);

vtkWin32ImageMapper2::vtkWin32ImageMapper2() {
  this->SetNumberOfInputPorts(1);
  this->SliceMapper->SetOrientationToZ();
  this->SliceMapper->BorderOn();
  // The colours are already final: pass the RGB bytes through unchanged.
  this->SliceProperty->SetColorWindow(255.0);
  this->SliceProperty->SetColorLevel(127.5);
  this->Slice->SetMapper(this->SliceMapper);
  this->Slice->SetProperty(this->SliceProperty);
  this->Slice->PickableOff();
}

vtkWin32ImageMapper2::~vtkWin32ImageMapper2() = default;

void vtkWin32ImageMapper2::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Interpolation: " << this->Interpolation << "\n";
  os << indent << "MirrorY: " << this->MirrorY << "\n";
  os << indent << "ZSlice: " << this->ZSlice << "\n";
}

void vtkWin32ImageMapper2::SetInputData(vtkImageData* image) { this->SetInputDataInternal(0, image); }

vtkImageData* vtkWin32ImageMapper2::GetInput() {
  if (this->GetNumberOfInputConnections(0) < 1) return nullptr;
  return vtkImageData::SafeDownCast(this->GetExecutive()->GetInputData(0, 0));
}

int vtkWin32ImageMapper2::FillInputPortInformation(int, vtkInformation* info) {
  info->Set(vtkAlgorithm::INPUT_REQUIRED_DATA_TYPE(), "vtkImageData");
  return 1;
}

void vtkWin32ImageMapper2::RenderOpaqueGeometry(vtkViewport* viewport, vtkActor2D*) {
  vtkRenderer* renderer = vtkRenderer::SafeDownCast(viewport);
  if (!renderer || this->GetNumberOfInputConnections(0) < 1) return;
  this->GetInputAlgorithm()->Update();
  vtkImageData* image = this->GetInput();
  if (!image || image->GetNumberOfPoints() == 0) return;

  int extent[6];
  image->GetExtent(extent);
  const int slice = std::clamp(extent[4] + this->ZSlice, extent[4], extent[5]);
  // Connected once, so an unchanged picture is not sent to the graphics card again.
  if (this->SliceMapper->GetInputConnection(0, 0) != this->GetInputConnection(0, 0)) {
    this->SliceMapper->SetInputConnection(this->GetInputConnection(0, 0));
  }
  this->SliceMapper->SetSliceNumber(slice);
  // Bring the drawn slice into the plane z = 0.
  this->Slice->SetScale(1.0, this->MirrorY ? -1.0 : 1.0, 1.0);
  this->Slice->SetPosition(0.0, 0.0, -(image->GetOrigin()[2] + slice * image->GetSpacing()[2]));
  if (this->Interpolation) {
    this->SliceProperty->SetInterpolationTypeToLinear();
  } else {
    this->SliceProperty->SetInterpolationTypeToNearest();
  }
  this->Slice->RenderOpaqueGeometry(renderer);
}

void vtkWin32ImageMapper2::ReleaseGraphicsResources(vtkWindow* window) {
  this->Slice->ReleaseGraphicsResources(window);
}
