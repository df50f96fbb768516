#pragma once
// What the implant's three 2D representations share: the outline filter
// reading the 3D implant's placed meshes and matrices, a screw and a
// connector actor per section (one, or nine in the cross-section view),
// their colours, selection, visibility and labels.
#include <vtkNew.h>
#include <vtkSmartPointer.h>

#include <vector>

#include "platform/CObject.h"

class CQlmImplant3D;
class vtkActor;
class vtkActor2D;
class vtkImplantCutter;
class vtkMatrix4x4;
class vtkRenderer;
class vtkTransform;

class CQlmImplantCut : public CObject {
public:
  // The derived destructors take the actors out of the renderers.
  ~CQlmImplantCut() override;

  // Inputs, matrices, dimensions, number, colours, flags and selection from `implant` (not owned).
  void BuildFromImplant3D(CQlmImplant3D* implant);
  CQlmImplant3D* GetImplant() const { return this->Implant; }

  // Each section's screw, connector and label into (out of) its renderer; nothing without a window.
  void AddToRenderer();
  void RemoveFromRenderer();

  // The colour, its selected colour becoming white; the actors follow the rules.
  void SetScrewColor(float r, float g, float b);
  void SetConectorColor(float r, float g, float b);
  void SetSelected(int selected);
  int GetSelected() const { return this->Selected; }
  // On: screw (1, 1, 0.3), connector (0.8, 0.8, 0.3) whatever the selection.
  void SetUniformColor(int on);
  // Off also hides the labels; on shows them again when numbers are shown.
  void SetVisibility(int visible);
  void SetVisibilityNumber(int on);
  void SetLabelBackground(int on);
  // Outlines drawn filled; library implants never are (the container passes fill and not library).
  virtual void SetFill(int on);
  void SetNumber(int number);
  void SetLabelMode(int mode);
  void SetFontSize(int size);
  void SetLibraryImplant(int on) { this->LibraryImplant = on; }
  int GetLibraryImplant() const { return this->LibraryImplant; }
  void SetVisibilityScrewLine(int on);
  void SetVisibilityConectorLine(int on);
  void SetVisibilityConector(int on);

  // One of the screw or connector actors.
  bool OwnsActor(const vtkActor* actor) const;
  vtkImplantCutter* GetCutter() const;
  vtkActor* GetScrewActor(int section = 0) const;
  vtkActor* GetConectorActor(int section = 0) const;

  // The drag in progress: the screw actors' user transform is T(f) M T(-f),
  // the connector actors' that times T(f) Cu T(-f), f the implant's platform
  // in the view (the fulcrum); identity outside a drag.
  vtkTransform* GetScrewUserTransform() const { return this->ScrewUserTransform; }
  vtkTransform* GetConectorUserTransform() const { return this->ConectorUserTransform; }
  vtkMatrix4x4* GetImplantUserMatrix() const { return this->ImplantUserMatrix; }
  vtkMatrix4x4* GetConectorUserMatrix() const { return this->ConectorUserMatrix; }

protected:
  CQlmImplantCut(vtkImplantCutter* cutter, int sections);
  // Outline layer renderer of section k; null without a window.
  virtual vtkRenderer* SectionRenderer(int k) const = 0;
  virtual vtkActor2D* SectionLabel(int k) const = 0;
  int GetSections() const { return int(this->ScrewActors.size()); }
  // Where the cutter put section k's label (x = vtkImplantCutter::ParkedX when it parked it).
  virtual const double* SectionLabelAnchor(int k) const = 0;

  // Drag preview about `fulcrum` (view frame): the implant user matrix M,
  // respectively the connector user matrix Cu; the shown labels follow the screw.
  void PreviewImplantDrag(const double fulcrum[3], vtkMatrix4x4* implantMatrix);
  void PreviewConectorDrag(const double fulcrum[3], vtkMatrix4x4* connectorMatrix);
  // Release in a plane view: the drag carried from the frame of `plane` into
  // the implant's placement and connector, then the user matrices reset.
  void CommitInPlane(vtkMatrix4x4* plane);
  void ResetUserMatrices();

private:
  void ApplyColors();
  void UpdatePreview(const double fulcrum[3]);

  CQlmImplant3D* Implant = nullptr;
  vtkSmartPointer<vtkImplantCutter> Cutter;
  std::vector<vtkSmartPointer<vtkActor>> ScrewActors;
  std::vector<vtkSmartPointer<vtkActor>> ConectorActors;
  int Visible = 1;
  int Selected = 0;
  float ScrewColor[3] = {1.0f, 0.0f, 1.0f};
  float ConectorColor[3] = {0.0f, 1.0f, 1.0f};
  float SelectedScrewColor[3] = {1.0f, 1.0f, 1.0f};
  float SelectedConectorColor[3] = {0.75f, 0.75f, 0.75f};
  int NumberVisible = 1;
  int UniformColor = 0;
  int LibraryImplant = 0;
  vtkNew<vtkTransform> ScrewUserTransform;
  vtkNew<vtkTransform> ConectorUserTransform;
  vtkNew<vtkMatrix4x4> ImplantUserMatrix;
  vtkNew<vtkMatrix4x4> ConectorUserMatrix;
};
