// The position indicators' costs in an 800 x 600 axial view:
// - a render with nothing changed, against a render after one step of the
//   cross-sections in the all-sections mode with about 250 tick numbers
//   (the numbers are kept; only the lines move);
// - each nearest-line picker over 51 candidates (cross maximum or curve
//   count 50), which rebuilds the tried indicator once per candidate.
// Wall-clock time. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp"
//     env QT_QPA_PLATFORM=offscreen LP_NUM_THREADS=2 ./CQlmIndicatorBenchmark
#include <benchmark/benchmark.h>
#include <vtkImageData.h>
#include <vtkNew.h>

#include <QApplication>
#include <QWidget>
#include <memory>

#include "QlmDisplay.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "toolkit/vtkWin32TextMapperCollection2.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmIndicatorCross.h"
#include "views/CQlmIndicatorCrossAxial.h"

namespace {

QApplication& Application() {
  static int argc = 1;
  static char name[] = "CQlmIndicatorBenchmark";
  static char* argv[] = {name, nullptr};
  static QApplication application(argc, argv);
  return application;
}

// The default arch (about 125 mm) in a 100 x 100 x 60 mm volume, the
// indicators in an axial view; sections `spacing` mm apart, `curves` + 1 curves.
struct Scene {
  Scene(float spacing, int curves) {
    this->Host.resize(800, 600);
    this->Host.show();
    this->Window->SetHostWindow(&this->Host);
    this->Calc.SetPolyLine(&this->Arch);
    this->Volume->SetDimensions(200, 200, 120);
    this->Volume->SetSpacing(0.5, 0.5, 0.5);
    this->Volume->SetOrigin(-50, -50, 0);
    this->Indicator->SetWindowAxial(this->Window.get());
    this->Indicator->SetWindow3D(this->Window.get());
    this->Indicator->AddToWindows();
    this->Indicator->Initialize(&this->Calc, this->Volume);
    this->Indicator->SetSectionGeometry(32, spacing, 1, curves + 1);
    this->Indicator->SetLabelVisibility(1);
  }
  ~Scene() { CQlmIndicator::Delete(this->Indicator); }

  QApplication& App = Application();  // before the host widget
  CQlmPolyLine Arch;
  CQlmPanoramicCalc Calc;
  vtkNew<vtkImageData> Volume;
  QWidget Host;
  std::unique_ptr<CQlm3DWindow> Window{CQlm3DWindow::New(2)};
  CQlmIndicator* Indicator = CQlmIndicator::New();
};

bool HasDisplay(benchmark::State& state) {
  if (QlmDisplay::Available()) return true;
  state.SkipWithError("no X display: run under xvfb-run");
  return false;
}

// 0.5 mm spacing and a number at every tick: about 250 numbers.
std::unique_ptr<Scene> AllSections() {
  auto scene = std::make_unique<Scene>(0.5f, 16);
  CQlmIndicatorCrossAxial& lines = *scene->Indicator->Cross->CrossAxial;
  lines.NumberStep = 1;
  lines.SetShowAllSections(1);
  scene->Window->Render();
  return scene;
}

void BM_AxialRenderUnchanged(benchmark::State& state) {
  if (!HasDisplay(state)) return;
  std::unique_ptr<Scene> scene = AllSections();
  for (auto _ : state) scene->Window->Render();
  state.counters["numbers"] = scene->Indicator->Cross->CrossAxial->GetTickNumbers()->GetNumberOfItems();
}

void BM_AxialRenderAfterSectionStep(benchmark::State& state) {
  if (!HasDisplay(state)) return;
  std::unique_ptr<Scene> scene = AllSections();
  int index = 0;
  for (auto _ : state) {
    index = index == 10 ? 11 : 10;
    scene->Indicator->SetCrossIndex(index);
    scene->Window->Render();
  }
  state.counters["numbers"] = scene->Indicator->Cross->CrossAxial->GetTickNumbers()->GetNumberOfItems();
}

// Cross maximum 50: 125.11 / s - 8 = 50.
constexpr float FiftySections = 2.15f;

template <int (CQlmIndicator::*Picker)(const double*)>
void BM_Picker(benchmark::State& state) {
  if (!HasDisplay(state)) return;
  Scene scene(FiftySections, 50);
  const double point[3] = {3, 20, 0};
  int picked = 0;
  for (auto _ : state) benchmark::DoNotOptimize(picked = (scene.Indicator->*Picker)(point));
  state.counters["picked"] = picked;
}

}  // namespace

BENCHMARK(BM_AxialRenderUnchanged)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK(BM_AxialRenderAfterSectionStep)->Unit(benchmark::kMillisecond)->MinTime(1.0)->UseRealTime();
BENCHMARK_TEMPLATE(BM_Picker, &CQlmIndicator::GetCrossIndexAtAxialPoint)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Picker, &CQlmIndicator::GetCrossIndexAt3DPoint)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Picker, &CQlmIndicator::GetCurveIndexAtAxialPoint)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_Picker, &CQlmIndicator::GetCurveIndexAt3DPoint)->Unit(benchmark::kMillisecond);
