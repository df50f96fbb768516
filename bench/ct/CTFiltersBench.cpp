// Speed of the CT reformats on a 512 x 512 x 400 volume of 0.3 mm made from the
// real head CT by trilinear upsampling, with the default arch: the thick panoramic
// (22 mm, each ThickMode), the thin panoramic, the nine cross-sections (all nine,
// and one scroll step), one axial slice; each on 1 thread and on all cores.
// Beside them, the same thick and thin panoramic built the slow way, one
// vtkImageReslice per plane glued by vtkImageAppend (VTK's own threading).
// Run: CTFiltersBench --benchmark_counters_tabular=true
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "platform/QlmParallelFor.h"
#include "tests/ct/CTFilterFixtures.h"
#include "tests/ct/QlmJawVolume.h"

#include <benchmark/benchmark.h>
#include <vtkImageData.h>

#include <stdexcept>
#include <string>
#include <thread>

namespace {

struct Scene {
  vtkSmartPointer<vtkImageData> Volume;
  CQlmPolyLine Line;
  CQlmPanoramicCalc Calc;
};

Scene& Jaw() {
  static Scene* scene = [] {
    auto* s = new Scene;
    const int dimensions[3] = {512, 512, 400};
    std::string why;
    s->Volume = QlmJawVolume::Make(dimensions, 0.3, why);
    if (!s->Volume) throw std::runtime_error(why);
    s->Calc.SetPolyLine(&s->Line);
    return s;
  }();
  return *scene;
}

// Threads: 1, or 0 for all cores.
void UseThreads(benchmark::State& state, int argument) {
  QlmParallelFor::SetMaxThreads(static_cast<int>(state.range(argument)));
  state.counters["threads"] = QlmParallelFor::GetThreadCount();
}

void ThickPanoramic(benchmark::State& state) {
  UseThreads(state, 1);
  CQlmCTPanFilter filter;
  filter.SetInput(Jaw().Volume);
  filter.SetCalc(&Jaw().Calc);
  filter.SetFlipY(1);
  filter.SetThick(1);
  filter.SetThickness(22.0f);
  filter.SetThickMode(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    filter.SetDirty(1);
    filter.Update();
  }
  const int* dims = filter.GetThickResult()->GetDimensions();
  state.counters["slabs"] = dims[0];
  state.SetItemsProcessed(state.iterations() * dims[0] * dims[1] * 75);  // voxels sampled
}

void ThickPanoramicReslicePipeline(benchmark::State& state) {
  for (auto _ : state) ReferenceThick(Jaw().Volume, Jaw().Calc, true, 22.0f, 2);
}

void ThinPanoramicReslicePipeline(benchmark::State& state) {
  for (auto _ : state) ReferenceThin(Jaw().Volume, Jaw().Calc, true);
}

void ThinPanoramic(benchmark::State& state) {
  UseThreads(state, 0);
  CQlmCTPanFilter filter;
  filter.SetInput(Jaw().Volume);
  filter.SetCalc(&Jaw().Calc);
  for (auto _ : state) filter.SetFlipY(1);
  state.SetItemsProcessed(state.iterations() * filter.GetOutput()->GetNumberOfPoints());
}

void NineSections(benchmark::State& state) {
  UseThreads(state, 0);
  CQlmCTCrossFilter9 filter;
  filter.SetInput(Jaw().Volume);
  filter.SetCalc(&Jaw().Calc);
  filter.SetFlipY(1);
  filter.SetPosition(25);
  for (auto _ : state) filter.Update();
  state.SetItemsProcessed(state.iterations() * filter.GetOutput()->GetNumberOfPoints());
}

void SectionScrollStep(benchmark::State& state) {
  UseThreads(state, 0);
  CQlmCTCrossFilter9 filter;
  filter.SetInput(Jaw().Volume);
  filter.SetCalc(&Jaw().Calc);
  filter.SetFlipY(1);
  filter.SetPosition(20);
  int first = 20;
  for (auto _ : state) {
    first = first == 20 ? 21 : 20;
    filter.SetPosition(first);
  }
  state.SetItemsProcessed(state.iterations() * filter.GetOutput()->GetNumberOfPoints() / 9);
}

void AxialSlice(benchmark::State& state) {
  UseThreads(state, 0);
  CQlmCTAxialFilter filter;
  filter.SetInput(Jaw().Volume);
  int slice = 0;
  for (auto _ : state) filter.SetSlice(slice = slice == 40 ? 41 : 40);
  state.SetItemsProcessed(state.iterations() * filter.GetOutput()->GetNumberOfPoints());
}

}  // namespace

BENCHMARK(ThickPanoramic)
    ->ArgNames({"mode", "threads"})
    ->ArgsProduct({{0, 1, 2}, {1, 0}})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ThickPanoramicReslicePipeline)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ThinPanoramicReslicePipeline)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(ThinPanoramic)->ArgName("threads")->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(NineSections)->ArgName("threads")->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(SectionScrollStep)->ArgName("threads")->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(AxialSlice)->ArgName("threads")->Arg(1)->Arg(0)->UseRealTime()->Unit(benchmark::kMillisecond);
