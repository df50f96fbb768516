#pragma once
// An endodontic or orthodontic object placed in the project, and its drawing
// in the 3D view: a body and up to MaximumParts parts, each a creator's mesh
// moved by the one placement of the object, each with its colour (white
// while selected) and its label at its placed mesh's centre. Number labels
// read "n" (font 12) on the body and "n-p" (font 11) on part slot p - 1;
// name labels the item's name (10) and the variants' names (9). The master
// of the placement: the 2D cuts read its placed meshes and matrix.
//
// Part slot i is present exactly while it has a placed mesh; per-part calls
// on an absent slot change nothing but the stored flags.
#include <vtkNew.h>

#include <array>

#include "objects/CQlmMultiPartCreator.h"
#include "objects/CQlmPlacedPiece.h"
#include "platform/CObject.h"
#include "platform/CString.h"

class CQlmLayeredWindow;
class vtkActor;
class vtkActor2D;
class vtkAlgorithmOutput;
class vtkMatrix4x4;
class vtkPolyData;
class vtkTransform;
class vtkWin32TextMapper2;

class CQlmMultiPart3D : public CObject {
public:
  static constexpr int MaximumParts = CQlmMultiPartCreator::MaximumParts;

  static CQlmMultiPart3D* CreateObject() { return new CQlmMultiPart3D; }
  CQlmMultiPart3D();
  // Takes the actors out of the window's renderer when a window is set.
  ~CQlmMultiPart3D() override;

  // The 3D view's render-window wrapper (not owned); the actors go into its layer-3 renderer.
  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  void AddToRenderer();
  void RemoveFromRenderer();

  // Built from a creator that has run Create: the body and a part per
  // filled slot, all visible, not selected, number 0, number labels, identity placement.
  void BuildFromCreator(const CQlmMultiPartCreator* creator);
  // Slot `slot` shows the creator's part `slot` (mesh, colour, name); nothing for an absent slot.
  void SetPartFromCreator(const CQlmMultiPartCreator* creator, int slot);
  // Back to an empty object: no meshes, names or library strings, identity placement.
  void Clear();

  // The placement, 16 values row by row; the labels follow.
  void SetMatrix(const double elements[16]);
  // The same matrix object for the object's whole life.
  vtkMatrix4x4* GetMatrix() const;
  void GetPosition(double position[3]) const;
  void UpdateLabelPositions();

  void SetColor(const float rgb[3]);
  void SetPartColor(int slot, const float rgb[3]);
  void SetSelected(int selected);
  // Off hides everything; on shows the body and the parts whose flag is set, labels when wanted.
  void SetVisibility(int visible);
  // Stored for any slot in 0 .. MaximumParts - 1; shown only while the object is visible.
  void SetPartVisibility(int slot, int visible);
  // The labels wanted or not; shown for the visible body and parts only.
  void SetVisibilityNumber(int on);
  void SetNumber(int number);
  // 0 numbers, 1 names; any other mode keeps the texts.
  void SetLabelMode(int mode);
  void SetLabelBackground(int on);

  CString GetName() const { return this->Body.Name; }
  // Empty for an absent slot or one outside 0 .. MaximumParts - 1.
  CString GetPartName(int slot) const;
  int GetPartCount() const;
  bool HasPart(int slot) const;
  // The slot of the present part drawn by `actor`; -1 for the body or any other actor.
  int FindPartByActor(const vtkActor* actor) const;
  bool OwnsActor(const vtkActor* actor) const;

  int GetNumber() const { return this->Number; }
  int GetVisible() const { return this->Visible; }
  int GetPartVisible(int slot) const;
  int GetSelected() const { return this->Selected; }
  int GetLabelVisible() const { return this->LabelVisible; }
  int GetLabelMode() const { return this->LabelMode; }
  const float* GetColor() const { return this->Body.Color; }
  const float* GetPartColor(int slot) const { return this->Parts.at(slot).Color; }
  // The body's (slot -1) or a part's mesh moved by the placement; null when absent.
  vtkAlgorithmOutput* GetPlacedMeshPort(int slot = -1) const;
  vtkActor* GetActor(int slot = -1) const;
  vtkActor2D* GetLabelActor(int slot = -1) const;
  vtkWin32TextMapper2* GetLabelMapper(int slot = -1) const;

  // Identifier and name of the library the item came from.
  CString LibraryId;
  CString LibraryName;

private:
  // The drawing of the body or of one part.
  using Piece = CQlmPlacedPiece;
  template <typename Visit>
  void ForEachPiece(Visit visit);
  const Piece* PieceAt(int slot) const;
  void ApplyVisibility();
  void WriteLabel(Piece& piece, int slot) const;

  CQlmLayeredWindow* Window = nullptr;
  int Number = 0;
  int Visible = 1;
  std::array<int, MaximumParts> PartVisible{};
  int LabelVisible = 1;
  int LabelMode = 0;
  Piece Body;
  std::array<Piece, MaximumParts> Parts;
  vtkNew<vtkTransform> Placement;
  int Selected = 0;
};
