// One idle update pass of the tool bars: every button of the main frame's
// eight bars (all shown) and of the 3D frame's bar asks its update handler
// whether it is enabled and checked, as the frames' idle timers do. Run on
// Qt's offscreen platform:
//   QT_QPA_PLATFORM=offscreen ./MainFrameIdleUpdateBenchmark
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <vector>

#include "QlmBenchMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "views/C3DFrame.h"

namespace {

// The platform is chosen before the frame starts Qt.
const char* Offscreen() {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  return "MainFrameIdleUpdateBenchmark";
}

class Frames {
public:
  Frames() : Main(Offscreen()), Frame(&Main.Frame()) {
    for (CToolBar* bar : this->Frame->GetToolBars()) this->Frame->ShowControlBar(bar, TRUE, FALSE);
    QApplication::processEvents();
  }

  // Buttons that take part in one pass.
  int Buttons() const {
    int count = 0;
    std::vector<CToolBar*> bars = this->Frame->GetToolBars();
    bars.push_back(&this->Frame->Frame3D->ToolBar);
    for (CToolBar* bar : bars) {
      for (int index = 0; index < bar->GetCount(); ++index) count += bar->GetButtonAction(index) != nullptr;
    }
    return count;
  }

  void Pass() {
    this->Frame->UpdateToolBarsCmdUI();
    this->Frame->Frame3D->UpdateToolBarsCmdUI();
  }

  QlmBenchMainFrame Main;
  CMainFrame* Frame;
};

Frames& Shared() {
  static Frames frames;
  return frames;
}

// A project open in select mode: the states do not change between passes.
void BM_IdleUpdatePass(benchmark::State& state) {
  Frames& frames = Shared();
  CQlmQuorvantile& q = *frames.Frame->GetController();
  q.ProjectOpen = 1;
  q.Tool = 10;
  for (auto _ : state) frames.Pass();
  state.SetItemsProcessed(state.iterations() * frames.Buttons());
  state.counters["buttons"] = frames.Buttons();
}
BENCHMARK(BM_IdleUpdatePass)->Unit(benchmark::kMicrosecond);

// Every pass finds the project opened or closed and another tool: most buttons change state.
void BM_IdleUpdatePassAfterAChange(benchmark::State& state) {
  Frames& frames = Shared();
  CQlmQuorvantile& q = *frames.Frame->GetController();
  int pass = 0;
  for (auto _ : state) {
    q.ProjectOpen = pass % 2;
    q.Tool = pass % 2 ? 10 : 8;
    frames.Pass();
    ++pass;
  }
  state.SetItemsProcessed(state.iterations() * frames.Buttons());
}
BENCHMARK(BM_IdleUpdatePassAfterAChange)->Unit(benchmark::kMicrosecond);

}  // namespace
