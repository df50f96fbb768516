#pragma once
// Builds the three meshes of an implant in its own frame (platform at the
// origin, axis z, body down to z = -length): the screw (implant body), the
// prosthetic connector and the prosthetic extension. Mode 1 makes three
// cylinders; mode 2 takes a library implant and a library component; mode 3
// a library implant with the generic connector cylinder.
#include <vtkNew.h>
#include <vtkSmartPointer.h>

#include "platform/CString.h"

class vtkAlgorithmOutput;
class vtkCylinderSource;
class vtkPolyData;
class vtkPolyDataNormals;
class vtkTransform;
class vtkTransformPolyDataFilter;

class CQlmImplantCreator {
public:
  enum Mode { Generic = 1, LibraryWithComponent = 2, LibraryWithGenericConnector = 3 };

  static CQlmImplantCreator* New() { return new CQlmImplantCreator; }
  virtual ~CQlmImplantCreator();
  CQlmImplantCreator(const CQlmImplantCreator&) = delete;
  CQlmImplantCreator& operator=(const CQlmImplantCreator&) = delete;

  // Each builds the geometry of the current mode and returns that part's mesh.
  vtkPolyData* GetScrewOutput();
  vtkPolyData* GetConectorOutput();
  vtkPolyData* GetExtensionOutput();

  // "3.75 mm x  10.0 mm" and "5.0 mm" of the last build.
  const CString& GetSizeText() const { return this->SizeText; }
  const CString& GetConectorText() const { return this->ConectorText; }

  // Set by the container before a build. Millimetres; defaults 3.75, 10, 5.
  int Mode = Generic;
  float Diameter = 3.75f;
  float Length = 10.0f;
  float ConectorHeight = 5.0f;
  // Library meshes of modes 2 and 3 (implant-local); mode 3 replaces the connector mesh by its cylinder.
  vtkSmartPointer<vtkPolyData> LibraryImplantMesh;
  vtkSmartPointer<vtkPolyData> LibraryConectorMesh;

  static constexpr float ExtensionWidthLimit = 1.4f;
  static constexpr float ExtensionLength = 30.0f;
  // Thinner implants would get a non-positive extension radius; this is the least one.
  static constexpr float MinimumExtensionRadius = 0.05f;

protected:
  CQlmImplantCreator();

private:
  void Create();
  void PlaceCylinder(int part, double height, double radius, double centreZ);
  float ExtensionRadius() const;

  vtkNew<vtkCylinderSource> Cylinders[3];
  vtkNew<vtkPolyDataNormals> Normals[3];
  vtkNew<vtkTransformPolyDataFilter> Placers[3];
  vtkNew<vtkTransform> Transforms[3];
  CString SizeText;
  CString ConectorText;
};
