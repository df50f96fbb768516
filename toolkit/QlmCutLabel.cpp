#include "toolkit/QlmCutLabel.h"

#include <vtkActor2D.h>
#include <vtkCoordinate.h>

#include <string>

#include "toolkit/vtkWin32TextMapper2.h"

QlmCutLabel::QlmCutLabel() {
  this->TextMapper->SetFontSize(12);
  this->TextMapper->SetJustification(0);
  this->TextMapper->SetVerticalJustification(1);
  this->TextMapper->SetShadow(1);
  this->TextMapper->SetBold(1);
  this->TextMapper->SetColor(1.0, 1.0, 0.7);
  this->Update(std::string());
}

QlmCutLabel::~QlmCutLabel() = default;

void QlmCutLabel::Update(const std::string& description) {
  if (this->Mode == 0) {
    this->TextMapper->SetFontSize(this->FontSize + 4);
    std::string text = std::to_string(this->Number);
    if (this->Part >= 0) text += "-" + std::to_string(this->Part + 1);
    this->TextMapper->SetInput(text.c_str());
  } else if (this->Mode == 1) {
    this->TextMapper->SetFontSize(this->FontSize);
    this->TextMapper->SetInput(description.c_str());
  } else {
    this->TextMapper->SetInput("");
  }
}

void QlmCutLabel::SetUp(vtkActor2D* label) const {
  label->SetMapper(this->TextMapper);
  label->GetPositionCoordinate()->SetCoordinateSystemToWorld();
}
