#pragma once
// The pick-list of an endodontic or orthodontic library (see CQlmPickList):
// mode 1 the main items, titled with the library's name; mode 2 the
// sections at position PositionIndex of MainItem, titled "<item> - <position + 1>".
#include "libraries/CQlmPickList.h"

class vtkMultiPartItem;

class CQlmMultiPartPickList : public CQlmPickList {
public:
  // Mode 2 inputs: 0-based position and the main item (not owned).
  int PositionIndex = 0;
  vtkMultiPartItem* MainItem = nullptr;
  // Mode 2 output: the chosen section (ChosenItem is then MainItem).
  vtkLibraryItem* ChosenSection = nullptr;

protected:
  CQlmMultiPartPickList() : CQlmPickList(OthersTemplateID) {}

  void AddAllEntries() override;
  CString Title() const override;
  void TakeChoice(vtkLibraryItem* item) override;
};
