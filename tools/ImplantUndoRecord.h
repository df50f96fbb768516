#pragma once
// One implant snapshot of the implant tool's undo and redo lists: what the
// 3D implant and its guide ring were before a change, enough to bring the
// implant back after it was deleted.
// Valid, Action (QlmUndoAction) and Index (in the four implant lists and
// the ring lists) come from the header.
#include "platform/CString.h"
#include "tools/CQlmUndoRecordHeader.h"

class ImplantUndoRecord : public CQlmUndoRecordHeader {
public:
  int Selected = 0;
  // Millimetres.
  float Diameter = 0.0f;
  float Length = 0.0f;
  float ConnectorHeight = 0.0f;
  CString ImplantName;
  // "Standard" for the generic connector.
  CString ComponentName;
  CString LibraryName;
  int Visible = 1;
  int ConnectorVisible = 1;
  float ScrewColor[3] = {};
  float ConnectorColor[3] = {};
  // Placement and connector matrix (relative to the implant), row by row.
  double Placement[16] = {};
  double ConnectorMatrix[16] = {};
  int RingVisible = 1;
  int LibraryImplant = 0;
  int GenericComponent = 0;
  // The implant's component value, kept as it was.
  float ComponentValue = 0.0f;
  CString LibraryIdentifier;
};
