#pragma once
// The real head CT (values shifted by +1024 into 0 .. 4010) resampled by
// trilinear interpolation onto a cubic grid around the upper jaw, so that the
// default arch, which the filters centre on the volume, runs over the maxillary
// teeth. The rows are reordered so that the face lies at low y, the orientation
// the filters' y flip expects. Outside the scan the volume holds air (0).
#include <vtkImageData.h>
#include <vtkSmartPointer.h>

#include <string>

namespace QlmJawVolume {

// Height of the maxillary teeth's crowns in the volume, from its bottom (mm).
inline constexpr double TeethBottom = 6.0;
inline constexpr double TeethTop = 20.0;

// A volume of `dimensions` voxels of `spacing` mm (VTK_SHORT, origin 0); null
// with `why` filled when the head CT cannot be read.
vtkSmartPointer<vtkImageData> Make(const int dimensions[3], double spacing, std::string& why);

}  // namespace QlmJawVolume
