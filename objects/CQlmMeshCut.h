#pragma once
// What the label-less 2D cuts share (guide rings, imported objects, nerves):
// a mesh cutter whose outlines one actor per section shows (one, or nine in
// the cross-section view) in the outline layer, one colour shown as
// (1, 1, 0.3) while highlighted, a visible flag, and one user transform that
// moves every actor while the object is dragged in the view.
#include <vtkNew.h>
#include <vtkPolyDataAlgorithm.h>
#include <vtkSmartPointer.h>

#include <vector>

#include "platform/CObject.h"

class vtkActor;
class vtkAlgorithmOutput;
class vtkMatrix4x4;
class vtkPolyData;
class vtkRenderer;
class vtkTransform;

class CQlmMeshCut : public CObject {
public:
  // The derived destructors take the actors out of the renderers.
  ~CQlmMeshCut() override;

  // The mesh to cut, in world coordinates: a pipeline output or a data set (borrowed).
  void SetInputConnection(vtkAlgorithmOutput* mesh);
  void SetInputData(vtkPolyData* mesh);

  // Each section's actor into (out of) its renderer; nothing without a window.
  void AddToRenderer();
  void RemoveFromRenderer();

  // (1, 1, 1) at first.
  void SetColor(float r, float g, float b);
  const float* GetColor() const { return this->Color; }
  // While on the actors show (1, 1, 0.3); 0 at first.
  void SetHighlight(int on);
  int GetHighlight() const { return this->Highlight; }
  // The actors show only while this flag is set and the owner lets them (1 at first).
  virtual void SetVisibility(int visible);
  int GetVisible() const { return this->Visible; }

  // Every actor's user transform := T(pivot) M T(-pivot); the identity ends a drag.
  void SetUserMatrixAbout(const double pivot[3], vtkMatrix4x4* matrix);
  void ResetUserMatrix();
  vtkTransform* GetUserTransform() const { return this->UserTransform; }

  bool OwnsActor(const vtkActor* actor) const;
  vtkActor* GetActor(int section = 0) const;
  int GetSections() const { return int(this->Actors.size()); }

protected:
  // `cutter` (taken over) has one output per section.
  CQlmMeshCut(vtkPolyDataAlgorithm* cutter, int sections);
  // Outline layer renderer of section k; null without a window.
  virtual vtkRenderer* SectionRenderer(int k) const = 0;
  // Whether the owner lets the actors show (a ring hides with its implant).
  virtual bool IsShowable() const { return true; }
  // Shows or hides the actors by the flags.
  void ApplyVisibility();
  void SetOpacity(double opacity);
  vtkPolyDataAlgorithm* GetMeshCutter() const { return this->Cutter; }

private:
  void ApplyColor();

  vtkSmartPointer<vtkPolyDataAlgorithm> Cutter;
  std::vector<vtkSmartPointer<vtkActor>> Actors;
  vtkNew<vtkTransform> UserTransform;
  int Visible = 1;
  float Color[3] = {1.0f, 1.0f, 1.0f};
  int Highlight = 0;
};
