#pragma once
// A dental implant or a prosthetic component of an implant library. The
// mesh is in implant coordinates, platform at the origin. Components use
// only the fields of vtkLibraryItem and Diameter, Length (the connector
// height) and Angle; their washer fields stay 0.
#include "libraries/vtkLibraryItem.h"

class vtkImplantCustom : public vtkLibraryItem {
public:
  static vtkImplantCustom* New();
  vtkTypeMacro(vtkImplantCustom, vtkLibraryItem);

  vtkImplantCustom(const vtkImplantCustom&) = delete;
  vtkImplantCustom& operator=(const vtkImplantCustom&) = delete;

  enum ItemKind { FromFile = 0, Implant = 1, Component = 2 };

  // mm, mm, degrees.
  float Diameter = 0;
  float Length = 0;
  float Angle = 0;
  // The guide ring ("Anilha") of an implant: mm each.
  float WasherHeight = 0;
  float WasherDistance = 0;
  float WasherOuterDiameter = 0;
  float WasherInnerDiameter = 0;
  float WasherColor[3] = {0, 0, 0};
  // An ItemKind: set by the implant editor, FromFile for an item read from a file; never stored.
  int Kind = FromFile;

protected:
  vtkImplantCustom() = default;
  ~vtkImplantCustom() override = default;
};
