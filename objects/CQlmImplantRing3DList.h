#pragma once
// The guide rings' 3D rings, parallel to the implant lists: ring i belongs to implant i.
#include "objects/CQlmImplantRing3D.h"
#include "objects/CQlmPlanningList.h"

class CQlmImplantRing3DList : public CQlmPlanningList<CQlmImplantRing3D> {
public:
  static CQlmImplantRing3DList* CreateObject() { return new CQlmImplantRing3DList; }
};
