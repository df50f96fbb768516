#pragma once
// What a ruler of the single views (CQlmRuller) and one of the cross-section
// cells (CQlmRuller9) share: the ruler source with its line, two tips and
// length label, their actors, the colour, the visible and selected flags, the
// slice it was drawn on and the view's current one, and the label look.
//
// Colours: line and tips take the ruler colour; the label takes it as text
// colour, or, with its background on, black text on a box of the colour
// lightened by 0.3 (each component at most 1). In uniform-colour mode the
// colour is (1, 1, 0.5) for all of them.
#include <vtkNew.h>

#include "platform/CObject.h"

class vtkActor;
class vtkActor2D;
class vtkMatrix4x4;
class vtkPolyDataMapper;
class vtkProp;
class vtkRenderer;
class vtkRullerSource;

class CQlmRullerBase : public CObject {
public:
  // Bytes of a stored ruler: two points, colour, selected, own and current slice.
  static constexpr size_t MinimumRecordSize = 12 * 4;

  ~CQlmRullerBase() override;

  vtkRullerSource* GetSource() const { return this->Source; }
  vtkActor* GetLineActor() const { return this->LineActor; }
  vtkActor* GetTip1Actor() const { return this->Tip1Actor; }
  vtkActor* GetTip2Actor() const { return this->Tip2Actor; }
  vtkActor2D* GetLabelActor() const;

  // Stores the colour; outside uniform-colour mode line, tips and label take it.
  void SetColor(float r, float g, float b);
  const float* GetColor() const { return this->Color; }
  // Bold and italic label exactly when set.
  void SetSelected(int selected);
  int GetSelected() const { return this->Selected; }
  // Off: text in the ruler colour, no box; on: black text on the lightened box.
  void SetLabelBackground(int on);
  // On: everything (1, 1, 0.5); off: the ruler colour again.
  void SetUniformColor(int on);
  int GetUniformColor() const { return this->UniformColor; }
  int GetVisibility() const { return this->Visible; }
  int GetOwnSlice() const { return this->OwnSlice; }
  int GetCurrentSlice() const { return this->CurrentSlice; }

  // Whether picks hit line, tips and label; on at first. A 3D ruler being
  // drawn is made unpickable so that picks reach the surface under it.
  void SetPickable(int on);

  // Line or tip actor of this ruler.
  bool OwnsActor(const vtkActor* actor) const;

  // Points, colour (floats), selected, own and current slice (int32). Loading
  // sets the points, colour and selection, then lets the source compute the
  // length; the derived classes apply the slices.
  void Serialize(CArchive& archive) override;

protected:
  CQlmRullerBase();
  // Line, tips and label into (out of) `renderer`; nothing for null.
  void AddProps(vtkRenderer* renderer) const;
  void RemoveProps(vtkRenderer* renderer) const;
  // Line, tips and label shown or hidden.
  void ShowProps(int visible) const;

  int Visible = 1;
  int OwnSlice = -1;
  int CurrentSlice = -1;

private:
  void ApplyColors();

  float Color[3] = {1.0f, 1.0f, 0.0f};
  vtkNew<vtkRullerSource> Source;
  vtkNew<vtkPolyDataMapper> LineMapper;
  vtkNew<vtkPolyDataMapper> Tip1Mapper;
  vtkNew<vtkPolyDataMapper> Tip2Mapper;
  vtkNew<vtkActor> LineActor;
  vtkNew<vtkActor> Tip1Actor;
  vtkNew<vtkActor> Tip2Actor;
  vtkNew<vtkMatrix4x4> UserMatrix;
  int Selected = 1;
  int UniformColor = 0;
};
