#pragma once
// The implants' panoramic representations, parallel to the 3D implant list.
#include "objects/CQlmImplantPanoramic.h"
#include "objects/CQlmPlanningList.h"

class CQlmImplantPanoramicList : public CQlmPlanningList<CQlmImplantPanoramic> {
public:
  static CQlmImplantPanoramicList* CreateObject() { return new CQlmImplantPanoramicList; }
};
