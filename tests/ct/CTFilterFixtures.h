#pragma once
// Shared pieces of the CT filter tests: small volumes, the default arch, and a
// reference that builds the reformats the slow way, one vtkImageReslice per
// plane glued by vtkImageAppend, exactly as the reformat algorithms read.
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"

#include <vtkImageData.h>
#include <vtkSmartPointer.h>

#include <string>
#include <vector>

// Noisy values with smooth bone-like structures (0 .. 4010), 16-bit voxels.
vtkSmartPointer<vtkImageData> PatternVolume(int dimX, int dimY, int dimZ, double spacingX, double spacingY,
                                            double spacingZ, int scalarType);

// A volume with dimensions and spacing but no voxels: enough for the geometry.
vtkSmartPointer<vtkImageData> ShapeOnlyVolume(int dimX, int dimY, int dimZ, double spacing);

// The default arch (9 points, about 125.11 mm) with its geometry bound to it.
struct DefaultArch {
  DefaultArch() { this->Calc.SetPolyLine(&this->Line); }
  CQlmPolyLine Line;
  CQlmPanoramicCalc Calc;
};

// The reference reformats.
struct ReferencePanoramic {
  vtkSmartPointer<vtkImageData> Image;
  std::vector<int> StripWidths;      // thin: pixels per strip
  int SlabFirst = 0, SlabLast = -1;  // thick: x range of every slab
};
ReferencePanoramic ReferenceThin(vtkImageData* volume, CQlmPanoramicCalc& calc, bool flipY);
ReferencePanoramic ReferenceThick(vtkImageData* volume, CQlmPanoramicCalc& calc, bool flipY, float thickness, int mode);
// The nine-section image of sections (first + k) x spacing, k = 0 .. 8.
vtkSmartPointer<vtkImageData> ReferenceSections(vtkImageData* volume, CQlmPanoramicCalc& calc, bool flipY, float width,
                                                float spacing, int first);

// Empty when both images have the same dimensions and 16-bit voxels; else what differs.
std::string VoxelDifference(vtkImageData* actual, vtkImageData* expected);
