#pragma once
// Twin of CQlm3DInteractor for the 3x3 cross-section window (CQlm3DWindow9):
// every conversion and pick happens in the current cell (the state record's
// CurrentCell, kept by the style), while the shared camera moves all nine
// cells together. The 3D camera rotations, rolls, pivot zooms, standard views
// and cursor-point operations have no twin here; the 2D camera moves are in
// CQlm2DInteractor9. A drag across the window in state 45 turns the object a
// third as far as in a single view.
#include <vtkNew.h>
#include <vtkPropPicker.h>

#include <memory>

#include "views/CQlmInteractorBase.h"
#include "views/CQlmInteractorStruct9.h"

class CQlm3DWindow9;

class CQlm3DInteractor9 : public CQlmInteractorBase {
public:
  static CQlm3DInteractor9* New();
  ~CQlm3DInteractor9() override;

  // Binds the interactor to `window`: its render window, the 36 renderers and
  // cell 4's camera; every cell picks in its layer-3 renderer.
  void SetWindow(CQlm3DWindow9* window);
  CQlm3DWindow9* GetWindow() const { return this->Window; }

  CQlmInteractorStruct9* GetRecord() const { return this->Record.get(); }

  // Every cell picks in its layer-2 / layer-1 renderer (SetWindow restores layer 3).
  void SetPickLayer2();
  void SetPickLayer1();

  // Picks in the current cell, then on rings up to PickSearchRadius pixels
  // around (x, y); stores the actor hit, or null.
  void Pick(int x, int y);

protected:
  CQlm3DInteractor9();

  CQlmInteractorRecord& Common() override { return *this->Record; }
  vtkRenderer* CoordinateRenderer() override;
  QWidget* HostWindow() override;
  bool PickActorAt(int x, int y) override;

private:
  std::unique_ptr<CQlmInteractorStruct9> Record;
  CQlm3DWindow9* Window = nullptr;
  vtkNew<vtkPropPicker> Picker;
};
