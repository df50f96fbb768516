#pragma once
// A 61 x 61 x 40 volume of 1 mm voxels (centre (30, 30, 19.5)) under a
// straight 60 mm arch (world y = 20, x from 0 to 60; sections every 2 mm)
// and the four views' bare windows: what the object-container scenes share.
#include <vtkImageData.h>
#include <vtkNew.h>

#include "../ct/ArchTestSupport.h"
#include "TestWindow9.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmPolyLine.h"

struct ArchScene {
  ArchScene() {
    this->Image->SetDimensions(61, 61, 40);
    this->Image->SetSpacing(1, 1, 1);
    this->Arch.SetStraightLine(-30, 10, 30, 10);
    this->Calculator.SetPolyLine(&this->Arch);
    this->Calculator.Update();
  }

  vtkNew<vtkImageData> Image;
  CQlmPolyLine Arch;
  CQlmPanoramicCalc Calculator;
  ArchTestWindow Window3D, Axial, Panoramic;
  TestWindow9 Cross;
};
