#pragma once
// The drawing of one mesh of a placed library object in the 3D view: the
// mesh moved by the object's placement, its actor in its colour (white
// while selected), and its label in world coordinates at the placed mesh's
// centre. Empty (no actor) until built.
#include <vtkSmartPointer.h>

#include "platform/CString.h"

class vtkActor;
class vtkActor2D;
class vtkMatrix4x4;
class vtkPolyData;
class vtkPolyDataMapper;
class vtkTransform;
class vtkTransformPolyDataFilter;
class vtkWin32TextMapper2;

struct CQlmPlacedPiece {
  // `mesh` moved by `placement` (borrowed), drawn, with an empty label at font `fontSize`.
  void Build(vtkPolyData* mesh, vtkTransform* placement, int fontSize);
  // Back to an empty piece: no name, mesh or actors, black.
  void Clear();
  // The colour (the selected colour back to white), applied when built.
  void SetColor(const float rgb[3], int selected);
  void ApplyColor(int selected) const;
  // The label at the centre of the piece's own mesh moved by `placement`.
  void PlaceLabel(vtkMatrix4x4* placement) const;

  CString Name;
  vtkSmartPointer<vtkTransformPolyDataFilter> TransformFilter;
  vtkSmartPointer<vtkPolyDataMapper> Mapper;
  vtkSmartPointer<vtkActor> Actor;
  vtkSmartPointer<vtkWin32TextMapper2> LabelMapper;
  vtkSmartPointer<vtkActor2D> LabelActor;
  float Color[3] = {0.0f, 0.0f, 0.0f};
  float SelectedColor[3] = {1.0f, 1.0f, 1.0f};
};
