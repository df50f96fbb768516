#pragma once
// The scale bars of the cross-section view: one source measured for the
// centre cell and drawn in the eight outer cells (the same actors in eight
// renderers), one for the centre cell with a colour of its own. All cells
// share one camera, so the outer bars measure the same as the centre one.
#include <vtkNew.h>

class CQlmLayeredWindow9;
class vtkActor;
class vtkActor2D;
class vtkImageData;
class vtkPolyDataMapper;
class vtkPolyDataMapper2D;
class vtkRullerWindow;

class CQlmRullerWindow9 {
public:
  static constexpr int CellCount = 9;
  static constexpr int CentreCell = 4;

  // Null when memory runs out.
  static CQlmRullerWindow9* New();
  // Takes every actor out of the cells when attached.
  virtual ~CQlmRullerWindow9();
  CQlmRullerWindow9(const CQlmRullerWindow9&) = delete;
  CQlmRullerWindow9& operator=(const CQlmRullerWindow9&) = delete;

  // Keeps `window` (not owned); both sources measure its centre cell.
  void SetWindow(CQlmLayeredWindow9* window);
  // Both sources measure the centre cell of `copy`; the kept window stays.
  void SetOffScreenWindow(CQlmLayeredWindow9* copy);
  void AddToWindow();

  // The image both bars measure (not owned).
  void SetImageData(vtkImageData* image);
  // Both bars; stored. Red until the first call.
  void SetColor(float r, float g, float b);
  // The centre bar; stored as the centre colour.
  void SetCenterColor(float r, float g, float b);
  void SetVisibility(int on);
  int GetVisibility() const { return this->Visible; }

  vtkRullerWindow* GetOuterSource() const { return this->Outer; }
  vtkRullerWindow* GetCentreSource() const { return this->Centre; }

protected:
  CQlmRullerWindow9();

private:
  // `apply` (renderer, actor) for every actor and the renderer it goes in, in adding order.
  template <class Apply>
  void ForEachPlacement(Apply apply);

  vtkNew<vtkRullerWindow> Outer;
  vtkNew<vtkRullerWindow> Centre;
  vtkNew<vtkPolyDataMapper2D> OuterMapper2D;
  vtkNew<vtkPolyDataMapper2D> CentreMapper2D;
  vtkNew<vtkActor2D> OuterActor2D;
  vtkNew<vtkActor2D> CentreActor2D;
  vtkNew<vtkPolyDataMapper> OuterMapper;
  vtkNew<vtkPolyDataMapper> CentreMapper;
  vtkNew<vtkActor> OuterActor;
  vtkNew<vtkActor> CentreActor;
  float Color[3] = {1.0f, 0.0f, 0.0f};
  float CenterColor[3] = {1.0f, 0.0f, 0.0f};
  int Visible = 1;
  CQlmLayeredWindow9* Window = nullptr;
};
