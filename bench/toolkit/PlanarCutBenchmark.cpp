// Outline cuts of the skull surface (about 400,000 triangles), one thread:
// VTK's vtkCutter, a scan of every triangle, and the indexed cut, per axial
// scroll step, per new cross-section and for a thin panoramic along the
// default arch (8 strips); and the build of the index. Run with
// VTK_SMP_MAX_THREADS=1 so that vtkCutter keeps to one thread too.
#include <benchmark/benchmark.h>
#include <vtkCutter.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPlane.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>
#include <vtkTriangleFilter.h>
#include <vtkXMLPolyDataReader.h>

#include "QlmTestData.h"
#include "toolkit/QlmPanoramicStrips.h"
#include "toolkit/QlmPlanarCut.h"
#include "toolkit/QlmPlanarCutIndex.h"

namespace {

vtkPolyData* Skull() {
  static vtkSmartPointer<vtkPolyData> skull = [] {
    vtkNew<vtkXMLPolyDataReader> reader;
    reader->SetFileName(QlmTestData::Path(QlmTestData::CraniumSurface).c_str());
    // Triangles, as an imported surface holds them once its normals are computed.
    vtkNew<vtkTriangleFilter> triangles;
    triangles->SetInputConnection(reader->GetOutputPort());
    triangles->Update();
    return vtkSmartPointer<vtkPolyData>(triangles->GetOutput());
  }();
  return skull;
}

bool SkipWithoutSkull(benchmark::State& state) {
  std::string why;
  if (QlmTestData::Has(QlmTestData::CraniumSurface, why)) return false;
  state.SkipWithError(why.c_str());
  return true;
}

// The axial plane of step `step`: 1.5 mm apart from 60 mm below the centre.
vtkNew<vtkMatrix4x4> AxialPlane(int step) {
  double centre[3];
  Skull()->GetCenter(centre);
  vtkNew<vtkMatrix4x4> plane;
  plane->SetElement(0, 3, centre[0]);
  plane->SetElement(1, 3, centre[1]);
  plane->SetElement(2, 3, centre[2] - 60.0 + 1.5 * (step % 80));
  return plane;
}

// A cross-section: vertical, turned a little more at every step.
vtkNew<vtkMatrix4x4> SectionPlane(int step) {
  double centre[3];
  Skull()->GetCenter(centre);
  vtkNew<vtkTransform> transform;
  transform->Translate(centre[0] + (step % 40) - 20.0, centre[1] + 20.0, centre[2]);
  transform->RotateZ(step % 180);
  transform->RotateX(90.0);
  vtkNew<vtkMatrix4x4> plane;
  plane->DeepCopy(transform->GetMatrix());
  return plane;
}

QlmPanoramicStrips DefaultArchStrips() {
  static const double arch[9][2] = {{-36, -24}, {-27, -3}, {-18, 12}, {-9, 21}, {0, 24},
                                    {9, 21},    {18, 12},  {27, -3},  {36, -24}};
  vtkNew<vtkPoints> points;
  for (const auto& p : arch) points->InsertNextPoint(p[0], p[1], 0.0);
  vtkNew<vtkPolyData> curve;
  curve->SetPoints(points);
  double centre[3];
  Skull()->GetCenter(centre);
  return QlmPanoramicStrips(curve, centre);
}

void BM_AxialStep_vtkCutter(benchmark::State& state) {
  if (SkipWithoutSkull(state)) return;
  vtkNew<vtkPlane> plane;
  plane->SetNormal(0, 0, 1);
  vtkNew<vtkCutter> cutter;
  cutter->SetInputData(Skull());
  cutter->SetCutFunction(plane);
  int step = 0;
  for (auto _ : state) {
    auto matrix = AxialPlane(step++);
    plane->SetOrigin(matrix->GetElement(0, 3), matrix->GetElement(1, 3), matrix->GetElement(2, 3));
    cutter->Update();
    benchmark::DoNotOptimize(cutter->GetOutput()->GetNumberOfCells());
  }
}
BENCHMARK(BM_AxialStep_vtkCutter)->Unit(benchmark::kMillisecond);

QlmPlanarCutIndex& SkullIndex() {
  static QlmPlanarCutIndex index = [] {
    QlmPlanarCutIndex built;
    built.SetInput(Skull());
    built.Update();
    return built;
  }();
  return index;
}

// Runs `cut(step, output)` once per iteration, a new position every time;
// the index is built before.
template <typename Cut>
void RunSteps(benchmark::State& state, Cut cut) {
  if (SkipWithoutSkull(state)) return;
  SkullIndex();
  vtkNew<vtkPolyData> output;
  int step = 0;
  for (auto _ : state) {
    cut(step++, output.GetPointer());
    benchmark::DoNotOptimize(output->GetNumberOfCells());
  }
}

// Every strip of the default arch, cut whole or through the index.
void ThinPanoramic(vtkPolyData* output, bool indexed) {
  static const QlmPanoramicStrips strips = DefaultArchStrips();
  vtkNew<vtkMatrix4x4> plane;
  for (int segment = 0; segment < strips.GetSegmentCount(); ++segment) {
    strips.GetStripMatrix(segment, plane);
    if (indexed)
      SkullIndex().CutStrip(plane, strips.GetSegmentLength(segment) / 2, segment == 0,
                            segment == strips.GetSegmentCount() - 1, output);
    else
      QlmPlanarCut::Cut(Skull(), plane, output);
  }
}

void BM_AxialStep_EveryTriangle(benchmark::State& state) {
  RunSteps(state, [](int step, vtkPolyData* out) { QlmPlanarCut::Cut(Skull(), AxialPlane(step), out); });
}
BENCHMARK(BM_AxialStep_EveryTriangle)->Unit(benchmark::kMillisecond);

void BM_AxialStep_Indexed(benchmark::State& state) {
  RunSteps(state, [](int step, vtkPolyData* out) { SkullIndex().Cut(AxialPlane(step), out); });
}
BENCHMARK(BM_AxialStep_Indexed)->Unit(benchmark::kMillisecond);

void BM_CrossSection_EveryTriangle(benchmark::State& state) {
  RunSteps(state, [](int step, vtkPolyData* out) { QlmPlanarCut::Cut(Skull(), SectionPlane(step), out); });
}
BENCHMARK(BM_CrossSection_EveryTriangle)->Unit(benchmark::kMillisecond);

void BM_CrossSection_Indexed(benchmark::State& state) {
  RunSteps(state, [](int step, vtkPolyData* out) { SkullIndex().Cut(SectionPlane(step), out); });
}
BENCHMARK(BM_CrossSection_Indexed)->Unit(benchmark::kMillisecond);

void BM_ThinPanoramic_EveryTriangle(benchmark::State& state) {
  RunSteps(state, [](int, vtkPolyData* out) { ThinPanoramic(out, false); });
}
BENCHMARK(BM_ThinPanoramic_EveryTriangle)->Unit(benchmark::kMillisecond);

void BM_ThinPanoramic_Indexed(benchmark::State& state) {
  RunSteps(state, [](int, vtkPolyData* out) { ThinPanoramic(out, true); });
}
BENCHMARK(BM_ThinPanoramic_Indexed)->Unit(benchmark::kMillisecond);

void BM_IndexBuild(benchmark::State& state) {
  if (SkipWithoutSkull(state)) return;
  vtkNew<vtkPolyData> skull;
  skull->ShallowCopy(Skull());
  QlmPlanarCutIndex index;
  index.SetInput(skull);
  for (auto _ : state) {
    skull->Modified();
    index.Update();
  }
  state.counters["triangles"] = double(skull->GetNumberOfCells());
}
BENCHMARK(BM_IndexBuild)->Unit(benchmark::kMillisecond);

}  // namespace
