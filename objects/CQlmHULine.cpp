#include "objects/CQlmHULine.h"

#include <vtkActor.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>

#include "toolkit/vtkHULineSource.h"

CQlmHULine::CQlmHULine() {
  this->GetMapper()->SetInputConnection(this->Source->GetOutputPort());
  this->SetColor(this->Color[0], this->Color[1], this->Color[2]);
}

CQlmHULine::~CQlmHULine() = default;

void CQlmHULine::SetColor(float r, float g, float b) {
  this->Color[0] = r;
  this->Color[1] = g;
  this->Color[2] = b;
  this->GetActor()->GetProperty()->SetColor(r, g, b);
}
