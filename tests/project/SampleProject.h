#pragma once
// The sample project: the real head CT of the test data with the default arch,
// written by the program's own writer. Shared by QlmMakeSampleProject, the
// project tests and the project benchmark.
#include <vtkImageData.h>
#include <vtkSmartPointer.h>

#include <string>

#include "project/CQlmProjectData.h"

namespace SampleProject {

// The raw head CT (int16, 256 x 256 x 108) shifted by +1024 into 0..4010 as
// unsigned 16-bit voxels, with its spacing and origin (0, 0, 0). Null when the
// file cannot be read whole.
vtkSmartPointer<vtkImageData> LoadHeadCT(const std::string& matrixPath);

// A new project of `volume`: its compressed block, the default arch, a view
// state with the middle slice, section and curve and cameras fitted to the
// reformatted images, and short notes. False when the volume cannot be compressed.
bool Fill(CQlmProjectData& data, vtkImageData* volume);

}  // namespace SampleProject
