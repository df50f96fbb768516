#pragma once
// The scene of the views' benchmarks: the middle axial slice of the real CT
// as a grey RGB image, fitted into a renderer.
#include <benchmark/benchmark.h>
#include <vtkImageData.h>
#include <vtkSmartPointer.h>

#include <QApplication>

class vtkRenderer;

namespace QlmBenchSlice {

QApplication& Application();

// The slice, or null when the data is missing.
vtkSmartPointer<vtkImageData> AxialSlice();

// The slice's actor in `renderer`, the camera fitted to it.
void ShowSlice(vtkRenderer* renderer, vtkImageData* slice);

// False, with the benchmark skipped, without a display or the data.
bool Prepare(benchmark::State& state, vtkSmartPointer<vtkImageData>& slice);

}  // namespace QlmBenchSlice
