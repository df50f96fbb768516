#pragma once
// The 3D implants of a project, in number order; stored in project files as
// an int32 count followed by the implant records.
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmPlanningList.h"

class CQlmImplant3DList : public CQlmPlanningList<CQlmImplant3D> {
public:
  static CQlmImplant3DList* CreateObject() { return new CQlmImplant3DList; }

  // Whether implants show their prosthetic extension: given to every implant
  // now in the list and to every new one (also before a loaded one reads its record). 1 at first.
  void SetShowExtension(int on);
  int GetShowExtension() const { return this->ShowExtension; }

  void Serialize(CArchive& archive) override { this->SerializeItems(archive); }

protected:
  CQlmImplant3D* NewItem() override;

private:
  int ShowExtension = 1;
};
