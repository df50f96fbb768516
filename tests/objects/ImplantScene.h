#pragma once
// A 61 x 61 x 40 volume of 1 mm voxels (centre (30, 30, 19.5)) under a
// straight 60 mm arch (world y = 20, x from 0 to 60; sections every 2 mm),
// bare windows, and an implant container on them.
#include <vtkImageData.h>
#include <vtkNew.h>

#include "../ct/ArchTestSupport.h"
#include "TestWindow9.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"
#include "objects/CQlmImplants.h"

struct ImplantScene {
  ImplantScene() {
    this->Image->SetDimensions(61, 61, 40);
    this->Image->SetSpacing(1, 1, 1);
    this->Arch.SetStraightLine(-30, 10, 30, 10);
    this->Calculator.SetPolyLine(&this->Arch);
    this->Calculator.Update();
    this->Implants.SetInput(this->Image, &this->Calculator, 2.0f, nullptr);
    this->Implants.SetWindows(&this->Window3D, &this->Axial, &this->Cross, &this->Panoramic);
  }
  // A generic implant of `diameter` x 10 mm for a click at the axial view's centre, appended.
  int AddImplant(float diameter) {
    const double point[3] = {0, 0, 0};
    return this->Implants.AddImplant(&this->Axial, point, diameter, 10, 5, 0, -1);
  }

  vtkNew<vtkImageData> Image;
  CQlmPolyLine Arch;
  CQlmPanoramicCalc Calculator;
  ArchTestWindow Window3D, Axial, Panoramic;
  TestWindow9 Cross;
  CQlmImplants Implants;
};
