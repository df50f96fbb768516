#pragma once
// What the three 2D representations of a tooth or library mesh share: the
// outline filter reading the 3D object's placed mesh and placement, one
// outline actor per section (one, or nine in the cross-section view) with the
// filter's labels, the colour (white while selected), the visible and
// label-visible flags, and the drag preview: one user transform for every
// actor while the object is dragged in the view.
//
// The filter and the actors live as long as the representation: building
// for another object rewires them, so a representation in its renderer never
// leaves an old outline or label drawn.
#include <vtkNew.h>
#include <vtkSmartPointer.h>

#include <vector>

#include "platform/CObject.h"

class CQlmGeom3D;
class vtkActor;
class vtkGeomCutter;
class vtkMatrix4x4;
class vtkRenderer;
class vtkTransform;

class CQlmGeomCut : public CObject {
public:
  // The derived destructors take the actors out of the renderers.
  ~CQlmGeomCut() override;

  // Cuts `object` (not owned): its placed mesh and placement, name, number,
  // colour, visibility and selection; the label shown when the object is.
  void SetObject(CQlmGeom3D* object);
  CQlmGeom3D* GetObject() const { return this->Object; }

  // Each section's outline and label into (out of) its layer-2 renderer; nothing without a window.
  void AddToRenderer();
  void RemoveFromRenderer();

  void SetColor(const float rgb[3]);
  const float* GetColor() const { return this->Color; }
  void SetSelected(int selected);
  int GetSelected() const { return this->Selected; }
  // Off also hides the labels; on shows them when the label is wanted.
  virtual void SetVisibility(int visible);
  int GetVisible() const { return this->Visible; }
  // The label wanted or not; it shows only while the representation is visible.
  void SetVisibilityNumber(int on);
  int GetLabelVisible() const { return this->LabelVisible; }
  void SetNumber(int number);
  // 0 the number (at font size + 4), 1 the item's name.
  void SetLabelMode(int mode);
  void SetFontSize(int size);
  void SetLabelBackground(int on);

  bool OwnsActor(const vtkActor* actor) const;
  vtkActor* GetActor(int section = 0) const;
  vtkGeomCutter* GetCutter() const;
  // The drag in progress (identity outside a drag) and the actors' transform showing it.
  vtkMatrix4x4* GetInteractionMatrix() const { return this->InteractionMatrix; }
  vtkTransform* GetUserTransform() const { return this->UserTransform; }

protected:
  // `cutter` (taken over) has one output per section.
  CQlmGeomCut(vtkGeomCutter* cutter, int sections);
  virtual vtkRenderer* SectionRenderer(int k) const = 0;
  int GetSections() const { return int(this->Actors.size()); }

  // The drag `drag` shown about `pivot` (the object's origin in the view); the shown labels follow.
  void Preview(const double pivot[3], const double drag[16]);
  // Release in a plane view: the drag carried from the frame of `plane` into the placement.
  void CommitInPlane(vtkMatrix4x4* plane);
  // The user transform and the interaction matrix back to identity.
  void EndDrag();

private:
  void ApplyColor();
  void ApplyVisibility();

  vtkSmartPointer<vtkGeomCutter> Cutter;
  std::vector<vtkSmartPointer<vtkActor>> Actors;
  CQlmGeom3D* Object = nullptr;
  int Visible = 1;
  int Selected = 0;
  float Color[3] = {0.0f, 0.0f, 0.0f};
  float SelectedColor[3] = {1.0f, 1.0f, 1.0f};
  int LabelVisible = 1;
  vtkNew<vtkTransform> UserTransform;
  vtkNew<vtkMatrix4x4> InteractionMatrix;
};
