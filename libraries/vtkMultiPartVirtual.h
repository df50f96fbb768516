#pragma once
// Guide-export record of a placed endodontic or orthodontic object: its
// main item and the sections that stand at its positions.
//
// See also: vtkEndoImpVirtual, vtkOrtoImpVirtual.
#include <vtkObject.h>

#include "libraries/vtkMultiPartItem.h"
#include "platform/CString.h"

class vtkMultiPartVirtual : public vtkObject {
public:
  vtkAbstractTypeMacro(vtkMultiPartVirtual, vtkObject);

  vtkMultiPartVirtual(const vtkMultiPartVirtual&) = delete;
  vtkMultiPartVirtual& operator=(const vtkMultiPartVirtual&) = delete;

  CString LibraryName;
  CString LibraryId;
  // Name of the main item.
  CString ItemName;
  // Section names at positions 1, 2, ...: the first PartCount are filled, the rest empty.
  CString PartNames[vtkMultiPartItem::MaximumParts];
  int PartCount = 0;
  // The placed object's transform, 4 x 4 in row order.
  double Matrix[16] = {};

protected:
  vtkMultiPartVirtual() = default;
  ~vtkMultiPartVirtual() override = default;
};
