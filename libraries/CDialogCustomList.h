#pragma once
// The pick-list of an implant library (see CQlmPickList): mode 1 the
// implants, mode 2 "Standard" (no item, never preselected) followed by the
// components. The title is the library's name, the platform.
#include "libraries/CQlmPickList.h"

class CDialogCustomList : public CQlmPickList {
public:
  CDialogCustomList() : CQlmPickList(OthersTemplateID) {}

protected:
  void AddAllEntries() override;
  CString Title() const override;
};
