#pragma once
// The label mapper every view uses: vtkTextMapper2's text, drawn over its
// shadow when Shadow is on. The shadow is the same text in ColorShadow, one
// pixel right of and below the text, without the box.
//
//   vtkWin32TextMapper2* mapper = vtkWin32TextMapper2::New();
//   mapper->SetInput("12.50");
//   mapper->SetFontSize(9);
//   mapper->SetColor(1, 0, 0);
//   actor->SetMapper(mapper);  // actor colour stays white
#include "toolkit/vtkTextMapper2.h"

#include <vtkNew.h>

class vtkActor2D;

class vtkWin32TextMapper2 : public vtkTextMapper2 {
public:
  static vtkWin32TextMapper2* New();
  vtkTypeMacro(vtkWin32TextMapper2, vtkTextMapper2);
  void PrintSelf(ostream& os, vtkIndent indent) override;

  void RenderOverlay(vtkViewport* viewport, vtkActor2D* actor) override;
  void ReleaseGraphicsResources(vtkWindow* window) override;

  // The planned objects' label style: on, black text on the background box;
  // off, no box and (1, 1, 0.3) text over its shadow.
  void SetLabelBackground(int on);

  vtkWin32TextMapper2(const vtkWin32TextMapper2&) = delete;
  void operator=(const vtkWin32TextMapper2&) = delete;

protected:
  vtkWin32TextMapper2();
  ~vtkWin32TextMapper2() override;

private:
  void RenderShadow(vtkViewport* viewport, vtkActor2D* actor);

  vtkNew<vtkTextMapper> ShadowText;
  vtkNew<vtkActor2D> ShadowActor;
};
