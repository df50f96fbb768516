#pragma once
// The screen capture: the chosen views rendered again off screen with their
// overlays, at a chosen resolution and optionally at true scale, each
// written as a BMP or JPEG file named after the chosen file with the view's
// name ("Axial", "Panoramic", "3D", "Cross") before its extension. Each
// file is written whole through a temporary file; one that fails is
// reported and the other views are still written.
#include <string>

#include "platform/CString.h"

class CQlmQuorvantile;
class vtkImageData;

class CQlmScreenCapture {
public:
  // `controller` outlives the capture.
  explicit CQlmScreenCapture(CQlmQuorvantile* controller) : Controller(controller) {}

  // The parameter dialog, the file dialog, the pictures, then "Screen Shot: ".
  void Run();

  // The "Screen Shot: " values.
  struct Settings {
    int Resolution = 200;
    float Multiplier3D = 2.0f;
    int TrueScale = 0;
    int ForceRectangle = 0;
    int Width = 150;
    int Height = 150;
    int ScaleTextLines = 0;
  };

  // `path` with `view` inserted before the point of its file name's extension.
  static std::string ViewFileName(const std::string& path, const std::string& view);

private:
  struct Views {
    int Axial = 0;
    int Panoramic = 0;
    int View3D = 0;
    int Cross = 0;
  };
  // The dialog preset from the settings line; false unless OK with a view chosen.
  bool AskSettings(Views& views);
  // The chosen path with "jpg" added when it has no extension; empty when
  // cancelled or when the extension is neither jpg nor bmp (after a message).
  CString AskPath();
  // Writes `image` (RGB, bottom row first) encoded as the path's extension says; false on any failure.
  bool WritePicture(vtkImageData* image, const std::string& path) const;
  // Renders one view and writes it, or says which file could not be made.
  template <class Copy, class Window, class Overlays>
  void Capture2D(Window* window, Overlays& overlays, const char* view);
  void CaptureSingle(bool panoramic);
  void Capture3D();
  void CaptureCross();
  void Finish(vtkImageData* image, bool rendered, const char* view, const char* separator);

  CQlmQuorvantile* Controller;
  Settings Values;
  CString Path;
};
