#pragma once
// The implant tool. In insert mode (1) a left click on empty space in the
// axial view, the panoramic view or a cross-section cell adds a generic
// implant of the project's implant dimensions there and selects it; in the
// library insert mode (5) it adds the implant and component chosen on the
// implant tool bar, from the implant library in use ("Standard": the generic
// connector of 2.5 mm), and nothing while no implant is chosen. A click on
// an implant selects it and inserts nothing; in the 3D view a click only
// selects. The clicked view renders at once, the other views at the release.
#include "platform/CString.h"
#include "tools/CQlmCore.h"

class CQlmImplants;
class CQlmInteractorRecord;

class CQlmCoreImplant : public CQlmCore {
public:
  enum Modes { Off = 0, InsertGeneric = 1, InsertLibrary = 5 };

  // The core in mode 0; Owner is set by the controller.
  static CQlmCoreImplant* New() { return new CQlmCoreImplant; }

  // The 2D views pick on the layer of the implant outlines while the tool is attached.
  void ActivateCross(CQlm3DWindow9* window) override;
  void ActivateMain(CQlm3DWindow* window) override;
  void DeactivateCross(CQlm3DWindow9* window) override;
  void DeactivateMain(CQlm3DWindow* window) override;
  void OnMainViewEvent() override;
  void OnCrossViewEvent() override;

  // Pane 1 of the status bar: StatusText of the controller's implants.
  void UpdateStatusBar();
  // The selected implant's measures (generic), name and connector height
  // (library implant, generic connector) or names (library component); the
  // empty labels while none is selected.
  static CString StatusText(const CQlmImplants& implants);

protected:
  CQlmCoreImplant() = default;

private:
  // At a press: the index of the implant under the pointer in the view's
  // list, -1 for none; it becomes the only selected one (a right press on
  // empty space keeps the selection). Other events: -1, nothing changes.
  int Pick(const CQlmInteractorRecord& record, int view);
  void Insert(const CQlmInteractorRecord& record, int view, int picked, int cell);
  bool IsInsertMode() const { return this->Mode == InsertGeneric || this->Mode == InsertLibrary; }
  // The implant chosen on the implant tool bar at `point` of `window`; false, and nothing added, without one.
  bool AddChosenLibraryImplant(const void* window, const double point[3], int cell);
  void Select3D(const CQlmInteractorRecord& record);
  void PickOnOutlines(CQlm3DWindow* window, bool outlines);
  void RenderView(int view);
  void RenderOtherViews(int view);

  int ViewRenderPending = 0;
  int OtherViewsRenderPending = 0;
};
