#pragma once
// The list of one role's representations of a multi-part family (3D
// objects, or a view's cuts), parallel to the family's other lists.
#include "objects/CQlmPlanningList.h"

template <class Item>
class CQlmMultiPartList : public CQlmPlanningList<Item> {
public:
  static CQlmMultiPartList* CreateObject() { return new CQlmMultiPartList; }
};
