#pragma once
// Maps a one-component 16-bit grey image (VTK_SHORT or VTK_UNSIGNED_SHORT)
// through a grey window onto an 8-bit RGB image of the same extent, spacing and
// origin, for a 2D image mapper to draw.
//
// Values at or below level - window / 2 become 0, at or above level + window / 2
// become 255, and the values in between are spread linearly, rounded to the
// nearest grey. The output is recomputed when the input or the window changes.
#include <vtkImageAlgorithm.h>

class vtkImage16bitsMonocromeTo8BitsRGBFilter : public vtkImageAlgorithm {
public:
  static vtkImage16bitsMonocromeTo8BitsRGBFilter* New();
  vtkTypeMacro(vtkImage16bitsMonocromeTo8BitsRGBFilter, vtkImageAlgorithm);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  // Width of the grey window in input values. Default 4095. A width of 0 or
  // below would divide by zero: it is mapped as a width of 1.
  vtkSetMacro(ColorWindow, float);
  vtkGetMacro(ColorWindow, float);

  // Centre of the grey window in input values. Default 2047.5, so the default
  // window runs from 0 to 4095.
  vtkSetMacro(ColorLevel, float);
  vtkGetMacro(ColorLevel, float);

  vtkImage16bitsMonocromeTo8BitsRGBFilter(const vtkImage16bitsMonocromeTo8BitsRGBFilter&) = delete;
  void operator=(const vtkImage16bitsMonocromeTo8BitsRGBFilter&) = delete;

protected:
  vtkImage16bitsMonocromeTo8BitsRGBFilter() = default;
  ~vtkImage16bitsMonocromeTo8BitsRGBFilter() override = default;

  int RequestInformation(vtkInformation* request, vtkInformationVector** inputVector,
                         vtkInformationVector* outputVector) override;
  int RequestData(vtkInformation* request, vtkInformationVector** inputVector,
                  vtkInformationVector* outputVector) override;

  float ColorWindow = 4095.0f;
  float ColorLevel = 2047.5f;
};
