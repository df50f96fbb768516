#pragma once
// An undo snapshot of a tooth or library mesh: its selection, item, visibility,
// colour, placement and the library the item came from.
#include "platform/CString.h"
#include "tools/CQlmUndoRecordHeader.h"

class CoreUndoRecord : public CQlmUndoRecordHeader {
public:
  int Selected = 0;
  // The library item's name.
  CString Name;
  int Visible = 0;
  float Color[3] = {0.0f, 0.0f, 0.0f};
  // The 3D object's placement, row by row.
  double Placement[16] = {};
  CString LibraryName;
  CString LibraryId;
};
