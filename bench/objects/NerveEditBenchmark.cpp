// One step of the nerve tool on a 512 x 512 x 400 volume of 0.25 mm voxels:
// a point of the current nerve's axial line moved, then everything that
// follows it brought up to date as the next render does: the reformat along
// the line (the nerve window's image), the tube, and its axial, nine
// cross-section and panoramic cuts. No rendering (the windows are bare
// renderers). Wall-clock time:
//   build-bench/bench/objects/NerveEditBenchmark --benchmark_repetitions=3
#include <benchmark/benchmark.h>
#include <vtkImageData.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkRenderer.h>

#include "ct/CQlmBall.h"
#include "ct/CQlmCTPanoramicNerveFilter.h"
#include "ct/CQlmLayeredWindow.h"
#include "ct/CQlmLayeredWindow9.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "objects/CQlmNerves.h"
#include "toolkit/vtkNerveTubeFilter.h"
#include "toolkit/vtkPolyDataCutterAxial.h"
#include "toolkit/vtkPolyDataCutterCross9.h"
#include "toolkit/vtkPolyDataCutterPanoramic.h"

namespace {

class BareWindow : public CQlmLayeredWindow {
public:
  vtkRenderer* GetLayerRenderer(int layer) const override { return this->Layers[layer]; }

private:
  vtkNew<vtkRenderer> Layers[4];
};

class BareWindow9 : public CQlmLayeredWindow9 {
public:
  vtkRenderer* GetCellLayerRenderer(int cell, int layer) const override { return this->Layers[cell][layer]; }

private:
  vtkNew<vtkRenderer> Layers[9][4];
};

// Grey rising along z, so the reformat reads real voxels.
vtkNew<vtkImageData> Volume() {
  vtkNew<vtkImageData> volume;
  volume->SetDimensions(512, 512, 400);
  volume->SetSpacing(0.25, 0.25, 0.25);
  volume->AllocateScalars(VTK_UNSIGNED_SHORT, 1);
  auto* voxels = static_cast<unsigned short*>(volume->GetScalarPointer());
  const vtkIdType slice = 512 * 512;
  for (vtkIdType z = 0; z < 400; ++z) std::fill(voxels + z * slice, voxels + (z + 1) * slice, 1000 + 5 * z);
  return volume;
}

void BM_MoveAxialPoint(benchmark::State& state) {
  vtkNew<vtkImageData> volume = Volume();
  CQlmPolyLine arch;
  CQlmPanoramicCalc calculator;
  calculator.SetPolyLine(&arch);
  calculator.Update();
  BareWindow window3D, axial, panoramic;
  BareWindow9 cross;
  CQlmNerves nerves;
  nerves.SetWindows(&window3D, &axial, &cross, &panoramic);
  nerves.SetInput(volume, &calculator, 1.0f);
  nerves.SetAxialIndex(200);
  nerves.SetCrossIndex(10);
  nerves.AddNerve();
  nerves.SelectNerve(0);
  nerves.SetCurrentVisibility(1);

  CQlmPolyLineNerve& line = nerves.GetCurrentNerve()->GetAxialLine();
  vtkImagePanoramicNerveFilter* reformat = nerves.GetEditor()->GetFilter()->GetNerveFilter();
  vtkNerveTubeFilter* tube = nerves.GetList3D()->GetListItemAt(0)->GetTube();
  vtkPolyDataCutterAxial* axialCut = nerves.GetListAxial()->GetListItemAt(0)->GetAxialCutter();
  vtkPolyDataCutterCross9* crossCut = nerves.GetListCross()->GetListItemAt(0)->GetCrossCutter();
  vtkPolyDataCutterPanoramic* panoramicCut = nerves.GetListPanoramic()->GetListItemAt(0)->GetPanoramicCutter();
  line.SelectPoint(line.GetBalls().GetListItemAt(4)->GetActor());
  vtkNew<vtkMatrix4x4> placement;
  placement->DeepCopy(line.GetSelectedPointMatrix());
  double step = 0.5;
  for (auto _ : state) {
    placement->SetElement(0, 3, placement->GetElement(0, 3) + step);
    step = -step;
    line.MoveSelectedPoint(placement);
    reformat->Update();
    tube->Update();
    axialCut->Update();
    crossCut->Update();
    panoramicCut->Update();
  }
  state.counters["tube triangles"] = double(tube->GetOutput()->GetNumberOfPolys());
  state.counters["reformat columns"] = double(reformat->GetOutput()->GetDimensions()[0]);
}
BENCHMARK(BM_MoveAxialPoint)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
