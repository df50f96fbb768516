#pragma once
// The imported 3D objects of a project, in import order. Every object the
// list creates gets the list's progress observer.
#include "objects/CQlmObject.h"
#include "objects/CQlmPlanningList.h"

class CQlmObserver;

class CQlmObjectList : public CQlmPlanningList<CQlmObject> {
public:
  static CQlmObjectList* CreateObject() { return new CQlmObjectList; }

  // Not owned; null (the default) for no progress.
  void SetObserver(CQlmObserver* observer) { this->Observer = observer; }
  CQlmObserver* GetObserver() const { return this->Observer; }

  // A new object at the tail, made current.
  CQlmObject* AddNewObject() { return this->AddTail(); }

  // int32 count, then each object's record; loading appends the objects read.
  void Serialize(CArchive& archive) override { this->SerializeItems(archive); }

protected:
  CQlmObject* NewItem() override;

private:
  CQlmObserver* Observer = nullptr;
};
