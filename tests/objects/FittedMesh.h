#pragma once
// Real meshes of the test data fitted to the size of a planned object.
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkSTLReader.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

#include "QlmTestData.h"

// A real mesh fitted into the box of `width` across and z from `bottom` to `top`.
inline void FitMesh(const char* file, double width, double bottom, double top, vtkPolyData* out) {
  vtkNew<vtkSTLReader> reader;
  reader->SetFileName(QlmTestData::Path(file).c_str());
  reader->Update();
  double b[6];
  reader->GetOutput()->GetBounds(b);
  vtkNew<vtkTransform> fit;
  fit->Translate(0, 0, bottom);
  fit->Scale(width / (b[1] - b[0]), width / (b[3] - b[2]), (top - bottom) / (b[5] - b[4]));
  fit->Translate(-(b[0] + b[1]) / 2, -(b[2] + b[3]) / 2, -b[4]);
  vtkNew<vtkTransformPolyDataFilter> fitted;
  fitted->SetInputConnection(reader->GetOutputPort());
  fitted->SetTransform(fit);
  fitted->Update();
  out->DeepCopy(fitted->GetOutput());
}
