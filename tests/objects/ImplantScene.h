#pragma once
// The arch scene with an implant container on its windows.
#include "ArchScene.h"
#include "objects/CQlmImplants.h"

struct ImplantScene : ArchScene {
  ImplantScene() {
    this->Implants.SetInput(this->Image, &this->Calculator, 2.0f, nullptr);
    this->Implants.SetWindows(&this->Window3D, &this->Axial, &this->Cross, &this->Panoramic);
  }
  // A generic implant of `diameter` x 10 mm for a click at the axial view's centre, appended.
  int AddImplant(float diameter) {
    const double point[3] = {0, 0, 0};
    return this->Implants.AddImplant(&this->Axial, point, diameter, 10, 5, 0, -1);
  }

  CQlmImplants Implants;
};
