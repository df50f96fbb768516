#pragma once
// A tooth or library mesh placed in the project, and its drawing in the 3D
// view: the creator's mesh moved by the object's placement, its colour
// (white while selected), and a label at the placed mesh's centre showing
// the object's number (font 12) or the item's name (font 10). The master of
// the placement: the 2D cuts read its placed mesh and placement matrix.
#include <vtkNew.h>

#include "objects/CQlmPlacedPiece.h"
#include "platform/CObject.h"
#include "platform/CString.h"

class CQlmGeomCreator;
class CQlmLayeredWindow;
class vtkActor;
class vtkActor2D;
class vtkAlgorithmOutput;
class vtkMatrix4x4;
class vtkPolyData;
class vtkTransform;
class vtkWin32TextMapper2;

class CQlmGeom3D : public CObject {
public:
  static CQlmGeom3D* CreateObject() { return new CQlmGeom3D; }
  CQlmGeom3D();
  // Takes the actors out of the window's renderer when a window is set.
  ~CQlmGeom3D() override;

  // The 3D view's render-window wrapper (not owned); the actors go into its layer-3 renderer.
  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  void AddToRenderer();
  void RemoveFromRenderer();

  // Built from a creator that has run Create: visible, not selected, number
  // 0, label wanted in number mode, identity placement.
  void BuildFromCreator(CQlmGeomCreator* creator);
  // Back to a new object's state: no mesh, no name, black, identity placement.
  void Reset();

  // The placement, 16 values row by row; the label follows.
  void SetMatrix(const double elements[16]);
  // The same matrix object for the object's whole life.
  vtkMatrix4x4* GetMatrix() const;
  void GetPosition(double position[3]) const;
  // The label at the creator's mesh's centre moved by the placement.
  void UpdateLabelPosition();

  void SetColor(const float rgb[3]);
  void SetSelected(int selected);
  // Off also hides the label; on shows it when the label is wanted.
  void SetVisibility(int visible);
  // The label wanted or not; shown only while the object is visible.
  void SetVisibilityNumber(int on);
  // Mode 0: the number at font 12; mode 1: the name at font 10; any other
  // mode only stores the number.
  void SetNumber(int number);
  void SetLabelMode(int mode);
  void SetLabelBackground(int on);

  CString GetName() const { return this->Piece.Name; }
  int GetNumber() const { return this->Number; }
  int GetVisible() const { return this->Visible; }
  int GetSelected() const { return this->Selected; }
  int GetLabelVisible() const { return this->LabelVisible; }
  int GetLabelMode() const { return this->LabelMode; }
  const float* GetColor() const { return this->Piece.Color; }
  // The mesh moved by the placement; null before a build.
  vtkAlgorithmOutput* GetPlacedMeshPort() const;
  vtkPolyData* GetPlacedMesh() const;
  vtkActor* GetActor() const;
  vtkActor2D* GetLabelActor() const;
  vtkWin32TextMapper2* GetLabelMapper() const;
  bool OwnsActor(const vtkActor* actor) const;

  // Identifier and name of the library the item came from.
  CString LibraryId;
  CString LibraryName;

private:
  CQlmLayeredWindow* Window = nullptr;
  int Number = 0;
  int Visible = 1;
  int LabelVisible = 1;
  int LabelMode = 0;
  CQlmPlacedPiece Piece;
  vtkNew<vtkTransform> Placement;
  int Selected = 0;
};
