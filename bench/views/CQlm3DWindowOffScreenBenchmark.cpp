// A printed view: copy of the axial view into an off-screen copy, render at
// 150 x 150 mm and 300 dpi (1771 x 1771 pixels) and read-back, against a
// render of the live wrapper at that size. Wall-clock time. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 2048x2048x24 -nolisten tcp"
//     env QT_QPA_PLATFORM=offscreen LP_NUM_THREADS=2 ./CQlm3DWindowOffScreenBenchmark
#include <benchmark/benchmark.h>

#include <QWidget>
#include <memory>

#include "QlmBenchSlice.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindowOffScreen.h"
#include "views/CQlmOverlayRedirect.h"
#include "views/CQlmViewOverlays.h"

namespace {

using namespace QlmBenchSlice;

constexpr int SideMM = 150;
constexpr float Resolution = 300.0f;
// 150 mm at 300 dpi.
constexpr int Side = static_cast<int>(SideMM * Resolution * 0.039368f);

// The live axial view with its overlays, its host at the printed size.
struct LiveView {
  explicit LiveView(vtkImageData* slice) {
    this->Host.resize(Side, Side);
    this->Window.reset(CQlm3DWindow::New(2));
    this->Window->SetHostWindow(&this->Host);
    ShowSlice(this->Window->Renderer3, slice);
    this->Overlays.reset(CQlmViewOverlays::New(1));
    this->Overlays->Attach(this->Window.get());
    this->Overlays->RullerWindow->SetImageData(slice);
    this->Window->Render();
  }
  // The application before the host widget.
  QApplication& App = Application();
  QWidget Host;
  std::unique_ptr<CQlm3DWindow> Window;
  std::unique_ptr<CQlmViewOverlays> Overlays;
};

void BM_LiveRender(benchmark::State& state) {
  vtkSmartPointer<vtkImageData> slice;
  if (!Prepare(state, slice)) return;
  LiveView view(slice);
  for (auto _ : state) view.Window->Render();
  state.SetItemsProcessed(state.iterations());
}

void BM_CopyRenderReadBack(benchmark::State& state) {
  vtkSmartPointer<vtkImageData> slice;
  if (!Prepare(state, slice)) return;
  LiveView view(slice);
  for (auto _ : state) {
    std::unique_ptr<CQlm3DWindowOffScreen> copy(CQlm3DWindowOffScreen::New());
    copy->OutputResolution = Resolution;
    copy->CopyFromWindow(view.Window.get());
    copy->SetSizeMM(SideMM, SideMM);
    CQlmOverlayRedirect redirect(*view.Overlays, copy.get());
    if (!copy->Render()) state.SkipWithError("the copy made no picture");
    benchmark::DoNotOptimize(copy->Image->GetScalarPointer());
  }
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_LiveRender)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_CopyRenderReadBack)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
