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

// The region of the head CT that a jaw scan covers, as the filters expect it:
// rows reversed so the face lies at low y, columns and rows cropped so that the
// volume's centre, on which the default arch is centred, lies on the maxillary
// arch; all slices, the spacing and the origin kept. Null for a smaller scan.
inline constexpr int JawColumns[2] = {52, 211};
inline constexpr int JawRows[2] = {0, 130};
vtkSmartPointer<vtkImageData> JawRegion(vtkImageData* head);

// A new project of `volume`: its compressed block, the default arch, a view
// state with the axial slice at the crowns of the teeth, the middle section and
// curve, cameras fitted to the reformatted images as the views place them, and
// notes that carry the sample's revision. False when the volume cannot be
// compressed.
bool Fill(CQlmProjectData& data, vtkImageData* volume);

// The revision of what Fill writes: raise it whenever that changes, so that
// the set-up rewrites a sample written by an older tool.
inline constexpr int Revision = 2;
// The notes of a sample of this revision.
CString Notes();
// True when the file at `path` is a sample project of this revision.
bool IsCurrent(const std::string& path);

}  // namespace SampleProject
