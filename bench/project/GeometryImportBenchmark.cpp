// The STL import of an imported object on the head CT's bone surface
// (399,757 triangles) saved as a binary STL: the reader with point merging,
// the object's normals, point cloud, area and volume, and the compressed
// mesh appended to a kept geometry block; then the append alone. The cuts
// and the render that follow the import are not included. Wall-clock time:
//   build-bench/bench/project/GeometryImportBenchmark --benchmark_repetitions=3
// Targets: ImportStl <= 2 s on 8 cores; AppendToKeptBlock <= 25 % of it.
#include <benchmark/benchmark.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkSTLReader.h>
#include <vtkSTLWriter.h>
#include <vtkSmartPointer.h>
#include <vtkUnsignedCharArray.h>
#include <vtkXMLPolyDataReader.h>

#include <memory>
#include <string>

#include "QlmTempDir.h"
#include "QlmTestData.h"
#include "objects/CQlmObject.h"
#include "project/CQlmGeometryBlock.h"

namespace {

// The bone surface as a binary STL, written once; empty without the test data.
const std::string& SurfaceStl(benchmark::State& state) {
  static QlmTempDir folder;
  static std::string path;
  if (!path.empty()) return path;
  std::string why;
  if (!QlmTestData::Has(QlmTestData::CraniumSurface, why)) {
    state.SkipWithError(why.c_str());
    return path;
  }
  vtkNew<vtkXMLPolyDataReader> reader;
  reader->SetFileName(QlmTestData::Path(QlmTestData::CraniumSurface).c_str());
  vtkNew<vtkSTLWriter> writer;
  writer->SetInputConnection(reader->GetOutputPort());
  writer->SetFileTypeToBinary();
  writer->SetFileName(folder.File("Osso.stl").c_str());
  if (writer->Write() == 1) path = folder.File("Osso.stl");
  return path;
}

vtkSmartPointer<vtkPolyData> ReadStl(const std::string& path) {
  vtkNew<vtkSTLReader> reader;
  reader->SetFileName(path.c_str());
  reader->MergingOn();
  reader->Update();
  return reader->GetOutput();
}

void ImportStl(benchmark::State& state) {
  const std::string& path = SurfaceStl(state);
  if (path.empty()) return;
  for (auto _ : state) {
    vtkSmartPointer<vtkPolyData> mesh = ReadStl(path);
    auto object = std::make_unique<CQlmObject>();
    object->SetPolyData(mesh);
    vtkNew<vtkUnsignedCharArray> block;
    if (!CQlmGeometryBlock::AppendMesh(block, object->GetPolyData())) state.SkipWithError("append failed");
    state.counters["triangles"] = double(mesh->GetNumberOfPolys());
  }
}

void AppendToKeptBlock(benchmark::State& state) {
  const std::string& path = SurfaceStl(state);
  if (path.empty()) return;
  auto object = std::make_unique<CQlmObject>();
  object->SetPolyData(ReadStl(path));
  for (auto _ : state) {
    vtkNew<vtkUnsignedCharArray> block;
    if (!CQlmGeometryBlock::AppendMesh(block, object->GetPolyData())) state.SkipWithError("append failed");
    state.counters["bytes"] = double(block->GetNumberOfValues());
  }
}

}  // namespace

BENCHMARK(ImportStl)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(AppendToKeptBlock)->Unit(benchmark::kMillisecond)->UseRealTime();
