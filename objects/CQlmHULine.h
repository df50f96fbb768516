#pragma once
// The dashed HU measuring line of the axial or the panoramic view.
#include <vtkNew.h>

#include "objects/CQlmHULineBase.h"

class vtkHULineSource;

class CQlmHULine : public CQlmHULineBase {
public:
  static CQlmHULine* CreateObject() { return new CQlmHULine; }

  // Stores the colour and gives it to the actor; (1, 1, 0) at first.
  void SetColor(float r, float g, float b);
  const float* GetColor() const { return this->Color; }
  vtkHULineSource* GetSource() const { return this->Source; }

protected:
  CQlmHULine();
  ~CQlmHULine() override;

private:
  float Color[3] = {1.0f, 1.0f, 0.0f};
  vtkNew<vtkHULineSource> Source;
};
