#pragma once
// A control point of the arch and nerve polylines: a small sphere whose
// placement transform carries the point, with a normal and a selection colour.
#include <vtkNew.h>

#include "platform/CObject.h"
#include "platform/CString.h"

class CQlmLayeredWindow;
class vtkActor;
class vtkMatrix4x4;
class vtkPolyDataMapper;
class vtkSphereSource;
class vtkTransform;
class vtkTransformPolyDataFilter;

class CQlmBall : public CObject {
public:
  CQlmBall();
  // Takes the actor out of the window's layer-3 and layer-1 renderers.
  ~CQlmBall() override;

  // Render-window wrapper of the view that shows the ball; set by the owning polyline.
  void SetWindow(CQlmLayeredWindow* window) { this->Window = window; }
  CQlmLayeredWindow* GetWindow() const { return this->Window; }

  // Adds the actor to the layer-1 renderer; nothing without a window.
  void AddToRenderer();
  // Removes the actor from the layer-3 and layer-1 renderers; nothing without a window.
  void RemoveFromRenderers();

  // Normal colour, applied unless selected. Default red.
  void SetColor(float r, float g, float b);
  // Colour while selected, applied if selected. Default white.
  void SetSelectionColor(float r, float g, float b);
  void SetSelected(int flag);
  void SetVisibility(int flag);

  int GetSelected() const { return this->Selected; }
  int GetVisible() const { return this->Visible; }
  float GetRadius() const { return this->Radius; }
  const float* GetBallColor() const { return this->BallColor; }
  const float* GetSelectionColor() const { return this->SelectionColor; }
  const CString& GetName() const { return this->Name; }
  void SetName(const CString& name) { this->Name = name; }

  // Placement of the sphere; its translation is the control point.
  vtkTransform* GetTransform() const { return this->BallTransform; }
  vtkMatrix4x4* GetMatrix() const;
  // The control point (translation of the placement).
  void GetPosition(double position[3]) const;
  // What a pick returns for this ball.
  vtkActor* GetActor() const { return this->Actor; }

  // Visible, Selected, Radius, Name, colours, then the 16 matrix elements row by row.
  // Loading keeps the radius at 1 whatever the record holds.
  void Serialize(CArchive& archive) override;

  // Smallest record Serialize reads: an empty name.
  static constexpr size_t MinimumRecordSize = 4 + 4 + 4 + 1 + 6 * 4 + 16 * 8;

private:
  void ApplyColor();

  CQlmLayeredWindow* Window = nullptr;
  vtkNew<vtkTransform> BallTransform;
  vtkNew<vtkTransformPolyDataFilter> TransformFilter;
  vtkNew<vtkActor> Actor;
  vtkNew<vtkPolyDataMapper> Mapper;
  vtkNew<vtkSphereSource> Sphere;
  int Visible = 1;
  int Selected = 0;
  float BallColor[3] = {1.0f, 0.0f, 0.0f};
  float SelectionColor[3] = {1.0f, 1.0f, 1.0f};
  float Radius = 1.0f;
  CString Name = "Desconhecido";
};
