#pragma once
// What every position indicator has: one label (a text mapper and a 2D actor
// placed in world coordinates, hidden at first), the actors of its geometry,
// the line and label colours, the label box, and the visibility rules shared
// by all of them:
// - SetVisibility(v) shows or hides the geometry; a label that was shown
//   when the indicator went away comes back with it.
// - SetLabelVisibility(v) records the wish; while the indicator is hidden a
//   label switched on waits for the indicator.
#include <vector>

class vtkActor;
class vtkActor2D;
class vtkWin32TextMapper2;

class CQlmIndicatorMember {
public:
  virtual ~CQlmIndicatorMember();
  CQlmIndicatorMember(const CQlmIndicatorMember&) = delete;
  CQlmIndicatorMember& operator=(const CQlmIndicatorMember&) = delete;

  // Deletes `member` when not null.
  static void Delete(CQlmIndicatorMember* member) { delete member; }

  void SetColor(float r, float g, float b);
  void SetLabelColor(float r, float g, float b);
  void SetLabelBackground(int on);
  void SetLabelBackgroundColor(float r, float g, float b);
  void SetVisibility(int visible);
  void SetLabelVisibility(int visible);

  int GetVisibility() const { return this->Visible; }
  int GetLabelShown() const { return this->LabelShown; }
  int GetLabelWanted() const { return this->LabelWanted; }
  const float* GetColor() const { return this->Color; }
  const float* GetLabelColor() const { return this->LabelColor; }
  vtkWin32TextMapper2* GetLabel() const { return this->Label; }
  vtkActor2D* GetLabelActor() const { return this->LabelActor; }

protected:
  // The label: font size, justification (0 left, 1 centred, 2 right) and
  // vertical justification (0 bottom, 1 centred, 2 top); shadow off.
  CQlmIndicatorMember(int fontSize, int justification, int verticalJustification);

  // The geometry's actors, coloured and shown by the setters above.
  void AddGeometryActor(vtkActor* actor);
  void SetLabelText(const char* text);
  void SetLabelPosition(double x, double y, double z);

  vtkWin32TextMapper2* Label;
  vtkActor2D* LabelActor;
  std::vector<vtkActor*> GeometryActors;
  int Visible = 1;
  float Color[3] = {1.0f, 1.0f, 1.0f};
  float LabelColor[3] = {1.0f, 1.0f, 1.0f};
  int LabelBackground = 0;
  float LabelBackgroundColor[3] = {1.0f, 1.0f, 1.0f};
  int LabelShown = 0;
  int LabelWanted = 0;
};
