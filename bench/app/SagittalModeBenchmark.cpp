// Entering and leaving the sagittal/coronal mode: the main window holds the
// 512 x 512 x 400 volume of 0.3 mm (tests/ct/QlmJawVolume) with the default
// arch; one benchmark times the entry (straight arch, new reformat, images
// recomputed, views fitted and rendered), the other the way back to the
// saved arch. On all cores. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp"
//     env QT_QPA_PLATFORM=offscreen ./SagittalModeBenchmark
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QWidget>
#include <string>

#include "app/CQlmQuorvantile.h"
#include "bench/app/QlmBenchMainFrame.h"
#include "ct/CQlmCTData.h"
#include "tests/ct/QlmJawVolume.h"
#include "tests/support/QlmDisplay.h"

namespace {

class LoadedJaw {
public:
  LoadedJaw() : Main("SagittalModeBenchmark"), Frame(&Main.Frame()) {
    this->Frame->GetSafeHwnd()->resize(1280, 1000);
    QApplication::processEvents();
    const int dimensions[3] = {512, 512, 400};
    vtkSmartPointer<vtkImageData> volume = QlmJawVolume::Make(dimensions, 0.3, this->Why);
    if (!volume) return;
    CQlmQuorvantile& q = this->Controller();
    q.CTData->ImageData->DeepCopy(volume);
    q.SetupViewsAfterLoad();
    this->Ready = true;
  }

  CQlmQuorvantile& Controller() { return *this->Frame->GetController(); }

  std::string Why;
  bool Ready = false;

private:
  QlmBenchMainFrame Main;
  CMainFrame* Frame;
};

LoadedJaw* Scene(benchmark::State& state) {
  if (!QlmDisplay::Available()) {
    state.SkipWithError("no X display: run under xvfb-run");
    return nullptr;
  }
  // Kept to the end of the process: the windows outlive the benchmark loop.
  static LoadedJaw* scene = new LoadedJaw;
  if (!scene->Ready) {
    state.SkipWithError(scene->Why.c_str());
    return nullptr;
  }
  return scene;
}

void EnterSagittalCoronal(benchmark::State& state) {
  LoadedJaw* scene = Scene(state);
  if (!scene) return;
  for (auto _ : state) {
    scene->Controller().ToggleSagittalCoronal();
    state.PauseTiming();
    scene->Controller().ToggleSagittalCoronal();
    state.ResumeTiming();
  }
}

void LeaveSagittalCoronal(benchmark::State& state) {
  LoadedJaw* scene = Scene(state);
  if (!scene) return;
  for (auto _ : state) {
    state.PauseTiming();
    scene->Controller().ToggleSagittalCoronal();
    state.ResumeTiming();
    scene->Controller().ToggleSagittalCoronal();
  }
}

}  // namespace

BENCHMARK(EnterSagittalCoronal)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(LeaveSagittalCoronal)->UseRealTime()->Unit(benchmark::kMillisecond);
