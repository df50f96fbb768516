#pragma once
// Turns one teeth or mesh library item into what a new library-mesh object
// is built from: its mesh with normals (owned), name, colour and library
// strings. One creator serves many objects: each Create makes a new mesh and
// the objects built before keep theirs.
#include <vtkSmartPointer.h>

#include "platform/CString.h"

class vtkGeom;
class vtkPolyData;

class CQlmGeomCreator {
public:
  static CQlmGeomCreator* New() { return new CQlmGeomCreator; }
  virtual ~CQlmGeomCreator() = default;

  // The item to build from (not owned); set before Create.
  vtkGeom* Item = nullptr;

  // The item's mesh with normals (feature angle 30), name, colour and library strings; nothing without an item.
  void Create();

  vtkPolyData* GetMesh() const { return this->Mesh; }
  const CString& GetName() const { return this->Name; }
  const float* GetColor() const { return this->Color; }
  const CString& GetLibraryId() const { return this->LibraryId; }
  const CString& GetLibraryName() const { return this->LibraryName; }

protected:
  CQlmGeomCreator() = default;

private:
  CString Name;
  float Color[3] = {0.0f, 0.0f, 0.0f};
  vtkSmartPointer<vtkPolyData> Mesh;
  CString LibraryId;
  CString LibraryName;
};
