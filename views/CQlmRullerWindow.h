#pragma once
// A view's scale bars and their millimetre labels (layer 0; the source's
// second output in layer 3). They measure the renderer they point at, so a
// copy redirected with SetOffScreenWindow gets bars for its own size.
#include <vtkNew.h>

class CQlmLayeredWindow;
class vtkActor;
class vtkActor2D;
class vtkImageData;
class vtkPolyDataMapper;
class vtkPolyDataMapper2D;
class vtkRullerWindow;

class CQlmRullerWindow {
public:
  // Null when memory runs out.
  static CQlmRullerWindow* New();
  // Takes every actor out of the window when attached.
  virtual ~CQlmRullerWindow();
  CQlmRullerWindow(const CQlmRullerWindow&) = delete;
  CQlmRullerWindow& operator=(const CQlmRullerWindow&) = delete;

  // Keeps `window` (not owned); measures its layer-0 renderer through that renderer's camera.
  void SetWindow(CQlmLayeredWindow* window);
  // Measures `copy`'s layer-0 renderer and camera; the kept window stays.
  void SetOffScreenWindow(CQlmLayeredWindow* copy);
  // Second-output actor to layer 3, bars and every label to layer 0.
  void AddToWindow();

  // The image the bars measure (not owned); none hides them.
  void SetImageData(vtkImageData* image);
  // Bars and labels; stored. Red until the first call.
  void SetColor(float r, float g, float b);
  const float* GetColor() const { return this->Color; }
  void SetVisibility(int on);
  int GetVisibility() const { return this->Visible; }

  CQlmLayeredWindow* GetWindow() const { return this->Window; }
  vtkRullerWindow* GetSource() const { return this->Source; }
  vtkActor2D* GetActor() const { return this->Actor2D; }

protected:
  // `source` is owned from here on.
  explicit CQlmRullerWindow(vtkRullerWindow* source);

private:
  void Remove();

  vtkRullerWindow* Source;
  vtkNew<vtkPolyDataMapper2D> Mapper2D;
  vtkNew<vtkActor2D> Actor2D;
  vtkNew<vtkPolyDataMapper> Mapper;
  vtkNew<vtkActor> Actor;
  float Color[3] = {1.0f, 0.0f, 0.0f};
  int Visible = 1;
  CQlmLayeredWindow* Window = nullptr;
};
