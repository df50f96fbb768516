#include "toolkit/vtkOverlayWindowSource.h"

#include <vtkCallbackCommand.h>
#include <vtkCamera.h>
#include <vtkCommand.h>
#include <vtkInformation.h>
#include <vtkInformationVector.h>
#include <vtkPolyData.h>
#include <vtkViewport.h>
#include <vtkWindow.h>

vtkOverlayWindowSource::vtkOverlayWindowSource() : Watcher(vtkCallbackCommand::New()) {
  this->SetNumberOfInputPorts(0);
  this->Watcher->SetClientData(this);
  this->Watcher->SetCallback(&vtkOverlayWindowSource::BeforeViewportRenders);
}

vtkOverlayWindowSource::~vtkOverlayWindowSource() {
  this->WatchViewport(nullptr);
  this->Watcher->Delete();
}

void vtkOverlayWindowSource::SetViewport(vtkViewport* viewport) {
  if (viewport == this->Viewport) return;
  this->WatchViewport(viewport);
  this->Viewport = viewport;
  this->Modified();
}

// The whole window's start, before any of its renderers draws: the layout
// is then fresh for actors in lower layers and in other cells too.
void vtkOverlayWindowSource::WatchViewport(vtkViewport* viewport) {
  if (this->Watched && this->WatchTag) this->Watched->RemoveObserver(this->WatchTag);
  this->Watched = nullptr;
  this->WatchTag = 0;
  if (!viewport) return;
  vtkObject* watched = viewport->GetVTKWindow();
  if (!watched) watched = viewport;
  this->Watched = watched;
  this->WatchTag = watched->AddObserver(vtkCommand::StartEvent, this->Watcher);
}

void vtkOverlayWindowSource::BeforeViewportRenders(vtkObject*, unsigned long, void* self, void*) {
  auto* source = static_cast<vtkOverlayWindowSource*>(self);
  if (source->LayoutChanged()) source->Modified();
}

bool vtkOverlayWindowSource::LayoutChanged() {
  if (!this->Viewport) return false;
  const int* size = this->Viewport->GetSize();
  double now[5] = {static_cast<double>(size[0]), static_cast<double>(size[1]), 0, 0, 0};
  if (vtkCamera* camera = this->GetMeasuredCamera()) {
    now[2] = camera->GetParallelScale();
    now[3] = camera->GetFocalPoint()[0];
    now[4] = camera->GetFocalPoint()[1];
  }
  bool changed = false;
  for (int i = 0; i < 5; ++i) {
    changed = changed || now[i] != this->LaidOut[i];
    this->LaidOut[i] = now[i];
  }
  return changed;
}

int vtkOverlayWindowSource::RequestData(vtkInformation*, vtkInformationVector**, vtkInformationVector* outputs) {
  for (int port = 0; port < outputs->GetNumberOfInformationObjects(); ++port) {
    if (vtkPolyData* data = vtkPolyData::GetData(outputs, port)) data->Initialize();
  }
  vtkPolyData* output = vtkPolyData::GetData(outputs, 0);
  if (!output) return 0;
  if (!this->Viewport) return 1;
  const int* size = this->Viewport->GetSize();
  if (size[0] <= 0 || size[1] <= 0) return 1;
  const int pixels[2] = {size[0], size[1]};
  this->BuildOutput(output, pixels);
  return 1;
}

void vtkOverlayWindowSource::BuildOutput(vtkPolyData*, const int*) {}

void vtkOverlayWindowSource::PrintSelf(ostream& os, vtkIndent indent) {
  this->Superclass::PrintSelf(os, indent);
  os << indent << "Viewport: " << this->Viewport.GetPointer() << "\n";
}
