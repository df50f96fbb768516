#pragma once
// What the three 2D representations of an endodontic or orthodontic object
// share: one outline filter of the family for the body and one per present
// part, each reading its placed mesh and the object's placement; per filter
// one outline actor per section (one, or nine in the cross-section view)
// with the filter's labels; the body's and each part's colour (white while
// selected); the visible, per-part visible and label-visible flags; and the
// drag preview: one user transform for every actor while the object is
// dragged in the view, the labels shown following it.
//
// A part's outline and label show only while the representation and the
// part are visible, its label only while labels are wanted too.
#include <vtkNew.h>
#include <vtkSmartPointer.h>

#include <array>
#include <functional>
#include <vector>

#include "objects/CQlmMultiPart3D.h"
#include "platform/CObject.h"
#include "platform/CString.h"

class vtkActor;
class vtkAlgorithmOutput;
class vtkGeomCutter;
class vtkMatrix4x4;
class vtkRenderer;
class vtkTransform;

class CQlmMultiPartCut : public CObject {
public:
  static constexpr int MaximumParts = CQlmMultiPart3D::MaximumParts;

  // The derived destructors take the actors out of the renderers.
  ~CQlmMultiPartCut() override;

  // Cuts `object` (not owned): a filter for its body and each present part,
  // their names and number, the object's colours, visibility, part
  // visibility and selection; labels wanted while the object is visible.
  void SetObject(CQlmMultiPart3D* object);
  CQlmMultiPart3D* GetObject() const { return this->Object; }
  // No filter, outline or label left (out of the renderers too); colours black.
  void Clear();

  // Every outline and label into (out of) its layer-2 renderer; nothing without a window.
  void AddToRenderer();
  void RemoveFromRenderer();

  void SetColor(const float rgb[3]);
  void SetPartColor(int slot, const float rgb[3]);
  void SetSelected(int selected);
  int GetSelected() const { return this->Selected; }
  virtual void SetVisibility(int visible);
  int GetVisible() const { return this->Visible; }
  // Stored for any slot in 0 .. MaximumParts - 1.
  void SetPartVisibility(int slot, int visible);
  int GetPartVisible(int slot) const;
  void SetVisibilityNumber(int on);
  int GetLabelVisible() const { return this->LabelVisible; }
  // Number, label mode (0 number, 1 name) and font size of every filter's label.
  void SetNumber(int number);
  void SetLabelMode(int mode);
  void SetFontSize(int size);
  void SetLabelBackground(int on);
  // Part `slot`'s filter takes the variant's name (its name label follows).
  void SetPartName(int slot, const CString& name);

  // The slot of the present part drawing `actor` in any section; -1 for the body or any other actor.
  int FindPartByActor(const vtkActor* actor) const;
  bool OwnsActor(const vtkActor* actor) const;
  // The body's (slot -1) or a part's filter and section actor; null when absent.
  vtkGeomCutter* GetCutter(int slot = -1) const;
  vtkActor* GetActor(int slot = -1, int section = 0) const;
  // Body and present parts.
  int GetCutterCount() const;
  // The drag in progress (identity outside a drag) and the actors' transform showing it.
  vtkMatrix4x4* GetInteractionMatrix() const { return this->InteractionMatrix; }
  vtkTransform* GetUserTransform() const { return this->UserTransform; }

protected:
  explicit CQlmMultiPartCut(int sections);
  // A new filter of the family for the body (slot -1) or part `slot`, given
  // the view's present planes; the representation keeps the reference.
  virtual vtkGeomCutter* NewCutter(int slot) = 0;
  virtual vtkRenderer* SectionRenderer(int k) const = 0;
  // The body's filter first, then each present part's.
  void ForEachCutter(const std::function<void(vtkGeomCutter*)>& visit) const;

  // The drag `drag` shown about `pivot` (the object's origin in the view); the shown labels follow.
  void Preview(const double pivot[3], const double drag[16]);
  // Release in a plane view: the drag carried from the frame of `plane` into the placement.
  void CommitInPlane(vtkMatrix4x4* plane);
  // The placement becomes `placement` (16 values row by row), then the drag ends.
  void Commit(const double placement[16]);
  // The user transform and the interaction matrix back to identity.
  void EndDrag();

private:
  // The outlines of the body or of one part.
  struct Piece {
    vtkSmartPointer<vtkGeomCutter> Cutter;
    std::vector<vtkSmartPointer<vtkActor>> Actors;
    float Color[3] = {0.0f, 0.0f, 0.0f};
    float SelectedColor[3] = {1.0f, 1.0f, 1.0f};
  };
  void Build(Piece& piece, int slot, vtkAlgorithmOutput* mesh, const CString& name);
  void ForEachPiece(const std::function<void(Piece&, int slot)>& visit);
  const Piece* PieceAt(int slot) const;
  void ApplyColor(Piece& piece) const;
  void ApplyVisibility();

  int Sections;
  CQlmMultiPart3D* Object = nullptr;
  Piece Body;
  std::array<Piece, MaximumParts> Parts;
  int Visible = 1;
  std::array<int, MaximumParts> PartVisible{};
  int Selected = 0;
  int LabelVisible = 1;
  bool InRenderer = false;
  vtkNew<vtkTransform> UserTransform;
  vtkNew<vtkMatrix4x4> InteractionMatrix;
};
