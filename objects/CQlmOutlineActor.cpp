#include "objects/CQlmOutlineActor.h"

#include <vtkActor.h>
#include <vtkNew.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkTransform.h>

vtkSmartPointer<vtkActor> CQlmOutlineActor::New(vtkAlgorithmOutput* outline, vtkTransform* drag) {
  vtkNew<vtkPolyDataMapper> mapper;
  mapper->SetInputConnection(outline);
  auto actor = vtkSmartPointer<vtkActor>::New();
  actor->SetMapper(mapper);
  actor->GetProperty()->SetLineWidth(3);
  actor->GetProperty()->LightingOff();
  actor->SetUserTransform(drag);
  return actor;
}
