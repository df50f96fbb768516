#pragma once
// What the arch polyline and the nerve polylines share: control points
// (balls) in drawing order, the line through them, and the editing operations
// of the polyline tools. Every change of the points rebuilds the line.
#include <vtkNew.h>

#include "ct/CQlmBallList.h"
#include "platform/CObject.h"

class CQlmBall;
class CQlmLayeredWindow;
class vtkActor;
class vtkMatrix4x4;
class vtkPolyData;
class vtkPolyDataMapper;
class vtkTransform;

class CQlmPolyLineBase : public CObject {
public:
  // Most points a line read from a file or handed over in one piece may hold
  // (the slots of the project records and of the saved arch).
  static constexpr int StoredPointCapacity = 50;

  ~CQlmPolyLineBase() override;

  // The view's render-window wrapper, handed to every ball as well.
  void SetWindow(CQlmLayeredWindow* window);
  CQlmLayeredWindow* GetWindow() const { return this->Window; }
  // Line actor and every ball into the layer-1 renderer; nothing without a window.
  virtual void AddToRenderer();
  // Line actor out of layer 1, balls out of layers 3 and 1; nothing without a window.
  virtual void RemoveFromRenderer();

  CQlmBallList& GetBalls() { return this->Balls; }
  const CQlmBallList& GetBalls() const { return this->Balls; }
  // The points and one polyline cell through them; the same object for the line's life.
  vtkPolyData* GetLinePolyData() const { return this->LinePolyData; }
  vtkActor* GetLineActor() const { return this->LineActor; }
  // Placement of the last whole-line move.
  vtkMatrix4x4* GetPlacementMatrix() const { return this->PlacementMatrix; }

  // Makes the line's points the balls' translations, in list order.
  void BuildLine();
  // Sum of the 3D segment lengths in single precision; -1 with fewer than 2 points.
  float GetLength() const;

  // Deselects all balls and selects the one drawn by `actor`; 1 when found, else 0.
  int SelectPoint(const vtkActor* actor);
  // Placement of the first selected ball; null when none is selected.
  vtkMatrix4x4* GetSelectedPointMatrix() const;
  // Segment (ball i to ball i + 1) nearest to (x, y) among those whose
  // perpendicular foot lies strictly inside them, within 1000 mm; -1 for none.
  int FindNearestSegment(double x, double y) const;

  // The operations below that add a point are refused once the line holds
  // MaxPoints points. A new point is placed by the matrix, becomes the only
  // selected one and joins the window and its renderer.
  // Inserts into the nearest segment; nothing when no segment qualifies.
  void InsertPoint(vtkMatrix4x4* placement);
  // Appends at the head when strictly nearer to the first point, else at the tail.
  void AddPointAtNearestEnd(vtkMatrix4x4* placement);
  void AddPointAtHead(vtkMatrix4x4* placement);
  void AddPointAtTail(vtkMatrix4x4* placement);
  // Places the selected ball, if any; the line is rebuilt in any case.
  void MoveSelectedPoint(vtkMatrix4x4* placement);
  // Deletes the selected ball while at least 3 remain; 1 when one was deleted.
  int DeleteSelectedPoint();
  // Moves every ball by the translation from the last placement to this one.
  void MoveAllPoints(vtkMatrix4x4* placement);

  // Normal colour of the balls, applied unless highlighted.
  void SetBallColor(float r, float g, float b);
  void SetBallSelectionColor(float r, float g, float b);

  const float* GetLineColor() const { return this->LineColor; }
  const float* GetBallColor() const { return this->BallColor; }
  const float* GetSelectionColor() const { return this->SelectionColor; }
  const float* GetHighlightLineColor() const { return this->HighlightLineColor; }
  int GetHighlighted() const { return this->Highlighted; }
  int GetVisible() const { return this->Visible; }
  int GetMaxPoints() const { return this->MaxPoints; }

protected:
  CQlmPolyLineBase(float lineR, float lineG, float lineB);

  // Runs after every BuildLine.
  virtual void LineBuilt() {}
  // Replaces all balls by balls translated to the n points (x, y, z each) and rebuilds.
  void ReplacePoints(int n, const float* xyz);
  // Every ball gets the window and joins its renderer.
  void AttachBallsToWindow();
  // The line in its normal or its highlight colour.
  void ApplyLineColor();
  void ShowLineAndBalls(int flag);
  // Store or load one colour (three floats) or one int32 flag.
  static void SerializeColor(CArchive& archive, float color[3]);
  static void SerializeFlag(CArchive& archive, int& flag);

  CQlmLayeredWindow* Window = nullptr;
  CQlmBallList Balls;
  vtkNew<vtkPolyData> LinePolyData;
  vtkNew<vtkPolyDataMapper> LineMapper;
  vtkNew<vtkActor> LineActor;
  vtkNew<vtkTransform> MoveTransform;
  vtkNew<vtkMatrix4x4> PlacementMatrix;
  float LineColor[3];
  float BallColor[3] = {1.0f, 0.0f, 0.0f};
  float HighlightLineColor[3] = {1.0f, 1.0f, 1.0f};
  float SelectionColor[3] = {1.0f, 1.0f, 1.0f};
  int Highlighted = 0;
  int Visible = 1;
  int MaxPoints = 30;

private:
  bool IsFull() const;
  void PlaceNewBall(CQlmBall* ball, vtkMatrix4x4* placement);
};
