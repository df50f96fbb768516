#pragma once
// A 3x3 window with bare layer renderers (nothing is rendered).
#include <vtkNew.h>
#include <vtkRenderer.h>

#include "ct/CQlmLayeredWindow9.h"

class TestWindow9 : public CQlmLayeredWindow9 {
public:
  vtkRenderer* GetCellLayerRenderer(int cell, int layer) const override {
    return cell >= 0 && cell < 9 && layer >= 0 && layer < 4 ? this->Layers[cell][layer].GetPointer() : nullptr;
  }
  bool Holds(int cell, int layer, vtkProp* prop) const {
    return this->Layers[cell][layer]->GetViewProps()->IsItemPresent(prop) != 0;
  }

private:
  vtkNew<vtkRenderer> Layers[9][4];
};
