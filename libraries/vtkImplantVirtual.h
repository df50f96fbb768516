#pragma once
// Guide-export record of a placed dental implant.
#include <vtkObject.h>

#include "platform/CString.h"

class vtkImplantVirtual : public vtkObject {
public:
  static vtkImplantVirtual* New();
  vtkTypeMacro(vtkImplantVirtual, vtkObject);

  vtkImplantVirtual(const vtkImplantVirtual&) = delete;
  vtkImplantVirtual& operator=(const vtkImplantVirtual&) = delete;

  // mm each; the connector height is that of the generic connector.
  float Diameter = 0;
  float Length = 0;
  float ConnectorHeight = 0;
  CString ImplantName;
  // "Standard" when no component was chosen.
  CString ComponentName;
  CString LibraryName;
  CString LibraryId;
  // 1 for an implant built from a library implant, 0 for a generic one. The
  // export file holds the flag twice: set both through SetLibraryFlag.
  int LibraryFlag = 0;
  int LibraryFlagCopy = 0;
  // The implant's placement, and the connector's relative to it; 4 x 4 in row order.
  double Matrix[16] = {};
  double ConnectorMatrix[16] = {};

  void SetLibraryFlag(int flag) { this->LibraryFlag = this->LibraryFlagCopy = flag; }

protected:
  vtkImplantVirtual() = default;
  ~vtkImplantVirtual() override = default;
};
