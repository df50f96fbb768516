#pragma once
// What every library item and section has: a colour, a name and a surface.
// Items are reference counted; a library's collection holds the reference
// that keeps an item alive, so whoever adds an item releases its own.
//
// See also: vtkGeom, vtkMultiPartItem, vtkImplantCustom.
#include <vtkNew.h>
#include <vtkObject.h>
#include <vtkPolyData.h>

#include "platform/CString.h"

class vtkLibraryItem : public vtkObject {
public:
  vtkAbstractTypeMacro(vtkLibraryItem, vtkObject);

  vtkLibraryItem(const vtkLibraryItem&) = delete;
  vtkLibraryItem& operator=(const vtkLibraryItem&) = delete;

  // Red, green, blue from 0 to 1; 1, 1, 1 when new.
  float Color[3] = {1, 1, 1};
  // Shown in tool bars and pick-lists; a placed object records it.
  CString Name;
  // Points (mm) and triangles; owned, empty when new. Replace its content, not the object.
  vtkNew<vtkPolyData> Mesh;

protected:
  vtkLibraryItem() = default;
  ~vtkLibraryItem() override = default;
};
