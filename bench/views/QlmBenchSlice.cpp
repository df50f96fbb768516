#include "QlmBenchSlice.h"

#include <vtkCamera.h>
#include <vtkImageActor.h>
#include <vtkImageMapToColors.h>
#include <vtkImageMapper3D.h>
#include <vtkLookupTable.h>
#include <vtkNew.h>
#include <vtkRenderer.h>

#include <cstdint>
#include <fstream>
#include <vector>

#include "QlmDisplay.h"
#include "QlmTestData.h"

namespace QlmBenchSlice {

QApplication& Application() {
  static int argc = 1;
  static char name[] = "QlmViewsBenchmark";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
  return application;
}

// The middle axial slice of the real CT as a grey RGB image, or null when the data is missing.
vtkSmartPointer<vtkImageData> AxialSlice() {
  static vtkSmartPointer<vtkImageData> slice;
  if (slice) return slice;
  const int* dims = QlmTestData::CraniumDims;
  std::ifstream file(QlmTestData::Path(QlmTestData::CraniumMatrix), std::ios::binary);
  if (!file) return nullptr;
  const size_t pixels = static_cast<size_t>(dims[0]) * dims[1];
  file.seekg(static_cast<std::streamoff>(pixels * 2 * (dims[2] / 2)));
  std::vector<int16_t> values(pixels);
  if (!file.read(reinterpret_cast<char*>(values.data()), static_cast<std::streamsize>(pixels * 2))) return nullptr;

  vtkNew<vtkImageData> image;
  image->SetDimensions(dims[0], dims[1], 1);
  image->SetSpacing(QlmTestData::CraniumSpacing);
  image->AllocateScalars(VTK_SHORT, 1);
  std::copy(values.begin(), values.end(), static_cast<int16_t*>(image->GetScalarPointer()));
  vtkNew<vtkLookupTable> grey;
  grey->SetTableRange(-1000, 2000);
  grey->SetSaturationRange(0, 0);
  grey->SetValueRange(0, 1);
  grey->Build();
  vtkNew<vtkImageMapToColors> colours;
  colours->SetInputData(image);
  colours->SetLookupTable(grey);
  colours->SetOutputFormatToRGB();
  colours->Update();
  slice = colours->GetOutput();
  return slice;
}

// The slice's actor in `renderer`, the camera fitted to it.
void ShowSlice(vtkRenderer* renderer, vtkImageData* slice) {
  vtkNew<vtkImageActor> actor;
  actor->GetMapper()->SetInputData(slice);
  renderer->AddActor(actor);
  const double* centre = actor->GetCenter();
  vtkCamera* camera = renderer->GetActiveCamera();
  camera->ParallelProjectionOn();
  camera->SetFocalPoint(centre[0], centre[1], 0);
  camera->SetPosition(centre[0], centre[1], 100);
  camera->SetParallelScale(slice->GetSpacing()[1] * slice->GetDimensions()[1] / 2);
  camera->SetClippingRange(1, 1000);
}

bool Prepare(benchmark::State& state, vtkSmartPointer<vtkImageData>& slice) {
  if (!QlmDisplay::Available()) {
    state.SkipWithError("no X display: run under xvfb-run");
    return false;
  }
  slice = AxialSlice();
  if (!slice) {
    state.SkipWithError("real CT missing: run scripts/fetch-test-data.sh");
    return false;
  }
  return true;
}

}  // namespace QlmBenchSlice
