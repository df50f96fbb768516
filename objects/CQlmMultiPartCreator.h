#pragma once
// Turns one endodontic or orthodontic library item into what a new
// multi-part object is built from: the body mesh, and per part slot the mesh
// with normals, name and colour of the variant chosen for the item's section
// of the same index (variant 0 on Create). The item's first MaximumParts
// sections fill the slots; a section without variants leaves its slot empty.
// Objects built before keep the meshes they took: each Create or variant
// change makes new meshes.
#include <vtkSmartPointer.h>

#include <array>

#include "libraries/vtkMultiPartItem.h"
#include "platform/CString.h"

class vtkLibraryItem;
class vtkPolyData;

class CQlmMultiPartCreator {
public:
  static constexpr int MaximumParts = vtkMultiPartItem::MaximumParts;

  static CQlmMultiPartCreator* New() { return new CQlmMultiPartCreator; }
  virtual ~CQlmMultiPartCreator() = default;

  // The item to build from (not owned); set before Create.
  vtkMultiPartItem* Item = nullptr;

  // Body and variant 0 of every section; empty without an item.
  void Create();
  // Slot `slot` takes variant `variant` of its section; false, changing
  // nothing, when the item has no such section or variant.
  bool CreatePartVariant(int slot, int variant);
  // Back to empty: no meshes, names or colours.
  void Clear();

  vtkPolyData* GetMesh() const { return this->Mesh; }
  const CString& GetName() const { return this->Name; }
  const float* GetColor() const { return this->Color; }
  // Null for an empty slot or one outside 0 .. MaximumParts - 1.
  vtkPolyData* GetPartMesh(int slot) const;
  const CString& GetPartName(int slot) const { return this->Parts.at(slot).Name; }
  const float* GetPartColor(int slot) const { return this->Parts.at(slot).Color; }
  const CString& GetLibraryId() const { return this->LibraryId; }
  const CString& GetLibraryName() const { return this->LibraryName; }

protected:
  CQlmMultiPartCreator() = default;

private:
  struct Part {
    CString Name;
    float Color[3] = {0.0f, 0.0f, 0.0f};
    vtkSmartPointer<vtkPolyData> Mesh;
  };
  static void Take(vtkLibraryItem* variant, Part& part);

  CString Name;
  float Color[3] = {0.0f, 0.0f, 0.0f};
  vtkSmartPointer<vtkPolyData> Mesh;
  std::array<Part, MaximumParts> Parts;
  CString LibraryId;
  CString LibraryName;
};
