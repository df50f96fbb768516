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

#include "QlmBenchSlice.h"
#include "views/CQlm3DWindow.h"

namespace {

constexpr int ViewWidth = 800;
constexpr int ViewHeight = 600;

using namespace QlmBenchSlice;

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
