// From the release of an arch edit to the recomputed images and the rendered
// panoramic view: the main window holds the 512 x 512 x 400 volume of 0.3 mm
// (tests/ct/QlmJawVolume) with the default arch, the curve is edited (move
// mode), and each iteration moves one control point by half a millimetre and
// sends the left-button release to the axial view's style, which hands it to
// the arch-curve tool. On 1 thread and on all cores. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp"
//     env QT_QPA_PLATFORM=offscreen LP_NUM_THREADS=2 ./ArchEditBenchmark
#include <benchmark/benchmark.h>
#include <vtkMatrix4x4.h>

#include <QApplication>
#include <QWidget>
#include <string>

#include "app/CQlmQuorvantile.h"
#include "bench/app/QlmBenchMainFrame.h"
#include "ct/CQlmBall.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmPolyLine.h"
#include "platform/QlmParallelFor.h"
#include "tests/ct/QlmJawVolume.h"
#include "tests/support/QlmDisplay.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/QlmInteraction.h"

namespace {

class EditedArch {
public:
  EditedArch() : Main("ArchEditBenchmark"), Frame(&Main.Frame()) {
    this->Frame->GetSafeHwnd()->resize(1280, 1000);
    QApplication::processEvents();

    const int dimensions[3] = {512, 512, 400};
    vtkSmartPointer<vtkImageData> volume = QlmJawVolume::Make(dimensions, 0.3, this->Why);
    if (!volume) return;
    CQlmQuorvantile& q = *this->Frame->GetController();
    q.CTData->ImageData->DeepCopy(volume);
    q.SetupViewsAfterLoad();
    q.ToggleCurveEdit();
    q.PolyLine->SelectPoint(q.PolyLine->GetBalls().GetListItemAt(4)->GetActor());
    this->Ready = true;
  }

  // Moves the selected point half a millimetre back and forth, then releases the button.
  void Edit() {
    CQlmQuorvantile& q = *this->Frame->GetController();
    vtkNew<vtkMatrix4x4> placement;
    placement->DeepCopy(q.PolyLine->GetSelectedPointMatrix());
    this->Step = -this->Step;
    placement->SetElement(1, 3, placement->GetElement(1, 3) + this->Step);
    q.PolyLine->MoveSelectedPoint(placement);
    q.StyleAxial->OnLeftButtonUp(0, 400, 300);
  }

  std::string Why;
  bool Ready = false;

private:
  QlmBenchMainFrame Main;
  CMainFrame* Frame;
  double Step = 0.5;
};

EditedArch* Scene(benchmark::State& state) {
  if (!QlmDisplay::Available()) {
    state.SkipWithError("no X display: run under xvfb-run");
    return nullptr;
  }
  // Kept to the end of the process: the windows outlive the benchmark loop.
  static EditedArch* scene = new EditedArch;
  if (!scene->Ready) {
    state.SkipWithError(scene->Why.c_str());
    return nullptr;
  }
  return scene;
}

// Threads: 1, or 0 for all cores.
void ReleaseToRenderedPanoramic(benchmark::State& state) {
  EditedArch* scene = Scene(state);
  if (!scene) return;
  QlmParallelFor::SetMaxThreads(static_cast<int>(state.range(0)));
  state.counters["threads"] = QlmParallelFor::GetThreadCount();
  for (auto _ : state) scene->Edit();
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(ReleaseToRenderedPanoramic)->ArgName("threads")->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);
