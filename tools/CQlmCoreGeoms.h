#pragma once
// The library-mesh tool: insert mode (1) attached on its own, modes 2 to 5 as a
// child of the composite tool; see CQlmCoreLibraryObjects.
#include "tools/CQlmCoreLibraryObjects.h"

class CQlmCoreGeoms : public CQlmCoreLibraryObjects {
public:
  // The family's code in the project's undo history.
  static constexpr int UndoCode = 3;

  // The core in mode 0; Owner and UndoHistory are set by the controller.
  static CQlmCoreGeoms* New() { return new CQlmCoreGeoms; }

protected:
  CQlmCoreGeoms() = default;

  CQlmGeomContainer* Container() const override;
  vtkGeomsLib* Library() const override;
  CLibraryToolBar* ToolBar() const override;
  int AddToContainer(const void* window, const double point[3], const CString& libraryName, const CString& libraryId,
                     const CString& itemName, int cell, int position) override;
  vtkGeom* FindItem(const CString& libraryName, const CString& itemName, const CString& libraryId) const override;
  int UndoFamily() const override { return UndoCode; }
  const char* SelectedText() const override { return "Geom: %s"; }
  const char* NoneSelectedText() const override { return "Geoms Implant: "; }
};
