#pragma once
// Main item of an endodontic or orthodontic library: a body and, at each
// position in order, the sections that may stand there (a vtkCollection per
// position, itself held by Positions). A placed object shows the body and one
// section per position, the first when created.
//
// Files may hold more than MaximumParts positions or a position without
// sections: they load as they are, and the placed objects take the first
// MaximumParts positions and skip an empty one.
//
// See also: vtkEndoImplant, vtkOrtoImplant.
#include <vtkCollection.h>

#include "libraries/vtkLibraryItem.h"

class vtkMultiPartItem : public vtkLibraryItem {
public:
  vtkAbstractTypeMacro(vtkMultiPartItem, vtkLibraryItem);

  vtkMultiPartItem(const vtkMultiPartItem&) = delete;
  vtkMultiPartItem& operator=(const vtkMultiPartItem&) = delete;

  // Part slots of a placed object.
  static constexpr int MaximumParts = 50;

  // One vtkCollection of sections per position; owned, empty when new.
  vtkNew<vtkCollection> Positions;
  // Identifier and name of the library the item was read from.
  CString LibraryId;
  CString LibraryName;

  int GetNumberOfPositions() const;
  // The sections of a position (0-based); null outside 0 ... count - 1.
  vtkCollection* GetPosition(int position) const;
  // 0 outside the positions.
  int GetNumberOfSections(int position) const;
  // Section `index` of a position; null outside.
  vtkLibraryItem* GetSectionItem(int position, int index) const;
  // Appends an empty position and returns it (held by Positions only).
  vtkCollection* AddPosition();

protected:
  vtkMultiPartItem() = default;
  ~vtkMultiPartItem() override = default;
};
