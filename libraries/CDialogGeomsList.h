#pragma once
// The pick-list of a teeth or mesh library's items (see CQlmPickList); the
// title is the library's name.
#include "libraries/CQlmPickList.h"

class CDialogGeomsList : public CQlmPickList {
public:
  CDialogGeomsList() : CQlmPickList(GeomsTemplateID) {}

protected:
  void AddAllEntries() override;
  CString Title() const override;
};
