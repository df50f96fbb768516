#pragma once
// What the three cuts of an imported object add to the label-less mesh cut
// of their view: the object whose mesh they cut (already in volume
// coordinates), and its visible flag taken over when they get it.
#include "objects/CQlmObject.h"

template <typename MeshCut>
class CQlmGeometryCut : public MeshCut {
public:
  // Cuts `object`'s mesh (not owned) and shows the cut only when the object is visible.
  void SetObject(CQlmObject* object) {
    this->Object = object;
    this->SetInputData(object->GetPolyData());
    this->SetVisibility(object->GetVisibility());
  }
  // Null before SetObject.
  CQlmObject* GetObject() const { return this->Object; }

private:
  CQlmObject* Object = nullptr;
};
