#pragma once
// Shows a CT volume in the main frame's views as far as the views' set-up
// after a load exists: the volume to the CT filters (panoramic and
// cross-section flipped), the images to the viewers (grey 0 .. 4095), every
// view rendering with its scroll bar ranged and enabled, the 2D cameras
// fitted to their images, the splitters enabled, the project open and the
// four views rendered.
class CMainFrame;
class vtkImageData;

namespace QlmViewSetUp {

// Copies `volume` into the controller's CT volume and wires the views to it.
void ShowVolume(CMainFrame& frame, vtkImageData* volume);

}  // namespace QlmViewSetUp
