#include "SampleProject.h"

#include <vtkNew.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <vector>

#include "QlmTestData.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmImageCompressor.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"

namespace {

constexpr int HounsfieldShift = 1024;
// Shifted value above which a voxel is enamel (about 1800 HU).
constexpr int EnamelLevel = 2800;

// The axial slice holding the most enamel: the crowns of the teeth.
int TeethSlice(vtkImageData* volume) {
  const int* d = volume->GetDimensions();
  const auto* voxels = static_cast<const uint16_t*>(volume->GetScalarPointer());
  const size_t sliceSize = static_cast<size_t>(d[0]) * d[1];
  int best = d[2] / 2;
  size_t bestCount = 0;
  for (int z = 0; z < d[2]; ++z) {
    const uint16_t* slice = voxels + z * sliceSize;
    const size_t count = std::count_if(slice, slice + sliceSize, [](uint16_t v) { return v > EnamelLevel; });
    if (count > bestCount) {
      best = z;
      bestCount = count;
    }
  }
  return best;
}

// A 2D camera looking down z at the centre of the image's x-y bounds, its
// parallel scale half the image's height. The reformatted images lie centred
// in their views' frames, the axial slice symmetric about y = 0, so that the
// axial view's mirror in y does not move its centre.
CQlmViewState::Camera FitCamera(vtkImageData* image) {
  double bounds[6];
  image->GetBounds(bounds);
  CQlmViewState::Camera camera;
  const double centre[3] = {(bounds[0] + bounds[1]) / 2, (bounds[2] + bounds[3]) / 2, 0};
  for (int i = 0; i < 3; ++i) {
    camera.FocalPoint[i] = centre[i];
    camera.Position[i] = centre[i];
  }
  camera.Position[2] = 1000;
  camera.ParallelScale = (bounds[3] - bounds[2]) / 2;
  return camera;
}

// The 3D camera looking at the face from the front, the head's height in view.
CQlmViewState::Camera FrontCamera(vtkImageData* volume) {
  double bounds[6];
  volume->GetBounds(bounds);
  CQlmViewState::Camera camera;
  camera.Position[0] = 0;
  camera.Position[1] = 1000;
  camera.Position[2] = 0;
  camera.ViewUp[0] = 0;
  camera.ViewUp[1] = 0;
  camera.ViewUp[2] = 1;
  camera.ParallelScale = (bounds[5] - bounds[4]) / 2;
  return camera;
}

void FillViewState(CQlmViewState& state, vtkImageData* volume, CQlmPolyLine& arch) {
  CQlmPanoramicCalc calc;
  calc.SetPolyLine(&arch);
  CQlmCTFilter filters;
  filters.SetInput(&calc, volume);
  filters.SetParameters(state.SectionWidth, state.SectionSpacing, state.CurveSpacing, state.CurveCountValue);
  filters.GetPanFilter()->Update();
  CQlmCTCrossFilter9* cross = filters.GetCrossFilter();
  state.AxialSlice = TeethSlice(volume);
  state.CrossPosition = cross->GetMaxIndex() > 0 ? cross->GetMaxIndex() / 2 : 0;
  state.PanoramicCurve = calc.GetMiddleCurve();
  state.AxialCamera = FitCamera(filters.GetAxialFilter()->GetOutput());
  state.CrossCamera = FitCamera(cross->GetOutput());
  state.PanoramicCamera = FitCamera(filters.GetPanFilter()->GetOutput());
  state.Camera3D = FrontCamera(volume);
  state.SplitterFractions[0] = 0.53f;
  state.SplitterFractions[1] = 0.67f;
  state.SplitterFractions[2] = 0.55f;
}

}  // namespace

namespace SampleProject {

vtkSmartPointer<vtkImageData> LoadHeadCT(const std::string& matrixPath) {
  const int* dimensions = QlmTestData::CraniumDims;
  const double* spacing = QlmTestData::CraniumSpacing;
  const size_t count = static_cast<size_t>(dimensions[0]) * dimensions[1] * dimensions[2];
  std::vector<int16_t> voxels(count);
  std::ifstream in(matrixPath, std::ios::binary);
  in.read(reinterpret_cast<char*>(voxels.data()), static_cast<std::streamsize>(count * sizeof(int16_t)));
  if (!in || in.gcount() != static_cast<std::streamsize>(count * sizeof(int16_t))) return nullptr;

  auto image = vtkSmartPointer<vtkImageData>::New();
  image->SetDimensions(dimensions[0], dimensions[1], dimensions[2]);
  image->SetSpacing(spacing[0], spacing[1], spacing[2]);
  image->SetOrigin(0, 0, 0);
  image->AllocateScalars(VTK_UNSIGNED_SHORT, 1);
  auto* out = static_cast<uint16_t*>(image->GetScalarPointer());
  for (size_t i = 0; i < count; ++i) out[i] = static_cast<uint16_t>(voxels[i] + HounsfieldShift);
  return image;
}

vtkSmartPointer<vtkImageData> JawRegion(vtkImageData* head) {
  const int* d = head->GetDimensions();
  if (d[0] < JawColumns[1] + 1 || d[1] < JawRows[1] + 1) return nullptr;
  const int columns = JawColumns[1] - JawColumns[0] + 1;
  const int rows = JawRows[1] - JawRows[0] + 1;
  auto jaw = vtkSmartPointer<vtkImageData>::New();
  jaw->SetDimensions(columns, rows, d[2]);
  jaw->SetSpacing(head->GetSpacing());
  jaw->SetOrigin(head->GetOrigin());
  jaw->AllocateScalars(VTK_UNSIGNED_SHORT, 1);
  const auto* in = static_cast<const uint16_t*>(head->GetScalarPointer());
  auto* out = static_cast<uint16_t*>(jaw->GetScalarPointer());
  for (int z = 0; z < d[2]; ++z) {
    for (int y = 0; y < rows; ++y) {
      // Row y of the region is row (last - y) of the scan: the face comes to low y.
      const int source = d[1] - 1 - (JawRows[0] + y);
      std::copy_n(in + (static_cast<size_t>(z) * d[1] + source) * d[0] + JawColumns[0], columns,
                  out + (static_cast<size_t>(z) * rows + y) * columns);
    }
  }
  return jaw;
}

bool Fill(CQlmProjectData& data, vtkImageData* volume) {
  CQlmImageCompressor* codec = CQlmImageCompressor::New();
  codec->ImageData = volume;
  codec->VolumeBlock = data.MainVolumeBlock;
  const bool compressed = codec->Compress();
  codec->Delete();
  if (!compressed) return false;

  CQlmPolyLine arch;
  data.Arch.CaptureFrom(arch);
  FillViewState(data.ViewState, volume, arch);
  data.Notes = Notes();
  return true;
}

CString Notes() {
  return CString::Formatted("Projeto de demonstração: tomografia de crânio com dentes (amostra, revisão %d).",
                            Revision);
}

bool IsCurrent(const std::string& path) {
  CQlmProjectData data;
  return data.Open(path) && data.Notes == Notes();
}

}  // namespace SampleProject
