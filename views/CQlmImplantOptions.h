#pragma once
// The implant container's display options beyond its labels, as the
// implant menu and the implant options dialog set them. The controller
// reaches them through the implant slot of CQlmQuorvantile::LabelOptions.
#include "views/CQlmLabelOptions.h"

class CQlmImplantOptions : public CQlmLabelOptions {
public:
  // 1 fills the implant cuts in the 2D views, 0 outlines them.
  virtual void SetFill(int on) = 0;
  // 1 shows the screw and connector axis lines.
  virtual void SetVisibilityAxisLines(int on) = 0;
  // Red, green, blue from 0 to 1; kept for implants made later.
  virtual void SetScrewColor(float r, float g, float b) = 0;
  virtual void SetConectorColor(float r, float g, float b) = 0;
};
