// Render + copy of an 800 x 600 axial view of the real CT through CQlm3DWindow
// (four layers, read-back, row flip, paint of the host), against a bare
// off-screen render + RGB read-back of the same scene in a one-renderer window
// with the same buffer settings. Wall-clock time: the rasteriser runs in
// threads of its own. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp"
//     env QT_QPA_PLATFORM=offscreen LP_NUM_THREADS=2 ./CQlm3DWindowBenchmark
#include <benchmark/benchmark.h>
#include <vtkCamera.h>
#include <vtkImageActor.h>
#include <vtkImageData.h>
#include <vtkImageMapToColors.h>
#include <vtkImageMapper3D.h>
#include <vtkLookupTable.h>
#include <vtkNew.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>
#include <vtkShortArray.h>
#include <vtkSmartPointer.h>
#include <vtkUnsignedCharArray.h>

#include <QApplication>
#include <QWidget>
#include <cstdint>
#include <fstream>
#include <memory>
#include <vector>

#include "QlmDisplay.h"
#include "QlmTestData.h"
#include "views/CQlm3DWindow.h"

namespace {

constexpr int ViewWidth = 800;
constexpr int ViewHeight = 600;

QApplication& Application() {
  static int argc = 1;
  static char name[] = "CQlm3DWindowBenchmark";
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

void BM_WrapperRenderAndCopy(benchmark::State& state) {
  vtkSmartPointer<vtkImageData> slice;
  if (!Prepare(state, slice)) return;
  Application();
  QWidget host;
  host.resize(ViewWidth, ViewHeight);
  host.show();
  std::unique_ptr<CQlm3DWindow> window(CQlm3DWindow::New(2));
  window->SetHostWindow(&host);
  ShowSlice(window->Renderer3, slice);
  window->Render();
  host.repaint();
  for (auto _ : state) {
    window->Render();
    host.repaint();
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * ViewWidth * ViewHeight * 3);
}

void BM_BareRenderAndReadBack(benchmark::State& state) {
  vtkSmartPointer<vtkImageData> slice;
  if (!Prepare(state, slice)) return;
  vtkNew<vtkRenderWindow> window;
  window->DoubleBufferOff();
  window->SwapBuffersOff();
  window->OffScreenRenderingOn();
  window->SetSize(ViewWidth, ViewHeight);
  vtkNew<vtkRenderer> renderer;
  window->AddRenderer(renderer);
  ShowSlice(renderer, slice);
  vtkNew<vtkUnsignedCharArray> pixels;
  window->Render();
  for (auto _ : state) {
    window->Render();
    window->GetPixelData(0, 0, ViewWidth - 1, ViewHeight - 1, 0, pixels, 0);
    benchmark::DoNotOptimize(pixels->GetPointer(0));
  }
  state.SetItemsProcessed(state.iterations());
  state.SetBytesProcessed(state.iterations() * ViewWidth * ViewHeight * 3);
}

}  // namespace

BENCHMARK(BM_BareRenderAndReadBack)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_WrapperRenderAndCopy)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
