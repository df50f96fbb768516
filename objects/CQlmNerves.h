#pragma once
// The nerves of a project: the nerve list and four parallel lists of view
// objects (tube, axial, cross-section and panoramic cut; item i of each
// belongs to nerve i), and the editor of the nerve window. Adds, selects and
// deletes nerves, builds the view objects after a load and switches the
// panoramic view into the nerve window and back; the container skeleton fans
// the views' positions and reformat changes out to the cuts (in a thick
// panoramic view the panoramic cuts project the tubes, 30 % opaque).
//
// Outside the nerve window every nerve shows by its own visible flag; inside
// it only the current nerve, its two lines and the reformat along it.
#include <memory>

#include "objects/CQlmNerve3DList.h"
#include "objects/CQlmNerveAxialList.h"
#include "objects/CQlmNerveCross9List.h"
#include "objects/CQlmNerveEdit.h"
#include "objects/CQlmNerveList.h"
#include "objects/CQlmNervePanoramicList.h"
#include "objects/CQlmObjectContainer.h"
#include "views/CQlmGreyWindowFollower.h"

class CQlmCore;
class CQlmQuorvantile;

class CQlmNerves : public CQlmObjectContainer<CQlmNerveAxial, CQlmNerveCross9, CQlmNervePanoramic>,
                   public CQlmGreyWindowFollower {
public:
  static CQlmNerves* CreateObject() { return new CQlmNerves; }
  CQlmNerves();
  // The view objects first, then the nerves they read.
  ~CQlmNerves() override;

  // The controller whose views the nerve window drives; not owned.
  CQlmQuorvantile* Controller = nullptr;
  // The nerve tool, which the nerve window attaches to the axial and
  // panoramic styles; not owned, null for none.
  CQlmCore* EditTool = nullptr;

  // The four views' wrappers (not owned); the editor takes the axial and panoramic ones.
  void SetWindows(CQlmLayeredWindow* window3D, CQlmLayeredWindow* axial, CQlmLayeredWindow9* cross,
                  CQlmLayeredWindow* panoramic);
  // The CT volume and the arch geometry (not owned) and the section spacing (mm).
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing);

  // Appends a nerve with its view objects (not yet in their renderers): the
  // side opposite to the last nerve's (right first), a name not taken yet
  // ("Nervo Direito", "Nervo Direito 02", ...), colour (1, 0.3, 0), the
  // tube's radius half the diameter. The nerve that was current becomes
  // visible; the new one becomes current.
  void AddNerve();
  // Nerve i becomes current and the only one in the renderers, its cuts
  // shown by the current visibility, its lines in the editor. An index that
  // does not exist changes nothing.
  void SelectNerve(int i);
  // Removes the current nerve; the next one becomes current when it was the
  // first, else the one before it. Nothing without nerves.
  void DeleteCurrentNerve();
  // After a load: the four view objects of every nerve, in their renderers,
  // shown by the nerve's visible flag.
  void BuildViewObjects();

  // The nerve window: see CQlmNervesWindow.cpp. Entering adds a nerve when there is none.
  void EnterNerveWindow();
  void LeaveNerveWindow();

  // The nerve list: count, then every nerve (the view objects are not written).
  void Serialize(CArchive& archive) override;

  // The current nerve's visible flag, its three cuts and the current visibility; the tube stays.
  void SetCurrentVisibility(int visible);
  // The editor's grey limits from the axial CT viewer's window: level -/+ half the width.
  void SetMinimum() override;
  void SetMaximum() override;

  int GetCount() const { return this->Nerves->GetCount(); }
  // Index of the current nerve (0 at first).
  int GetCurrent() const { return this->Current; }
  int GetCurrentVisibility() const { return this->CurrentVisibility; }
  int GetThick() const { return this->Thick; }
  // The current nerve; null without nerves.
  CQlmNerve* GetCurrentNerve() const { return this->Nerves->GetListItemAt(this->Current); }
  CQlmNerveEdit* GetEditor() const { return this->Editor.get(); }
  CQlmNerveList* GetNerveList() const { return this->Nerves.get(); }
  CQlmNerve3DList* GetList3D() const { return this->List3D.get(); }
  CQlmNerveAxialList* GetListAxial() const { return this->ListAxial.get(); }
  CQlmNerveCross9List* GetListCross() const { return this->ListCross.get(); }
  CQlmNervePanoramicList* GetListPanoramic() const { return this->ListPanoramic.get(); }

protected:
  CQlmPlanningList<CQlmNerveAxial>& AxialCuts() override { return *this->ListAxial; }
  CQlmPlanningList<CQlmNerveCross9>& CrossCuts() override { return *this->ListCross; }
  CQlmPlanningList<CQlmNervePanoramic>& PanoramicCuts() override { return *this->ListPanoramic; }

private:
  // What the nerve window saves of a camera: position, focal point, parallel scale.
  struct SavedCamera {
    double Position[3] = {0.0, 0.0, 0.0};
    double FocalPoint[3] = {0.0, 0.0, 0.0};
    double ParallelScale = 1.0;
  };

  // Flag, three cuts and tube of nerve i visible.
  void ShowNerve(int i);
  // Nerve i's visible flag and its three cuts.
  void SetNerveVisibility(int i, int visible);
  void SetCutsVisibility(int i, int visible);
  // The tube of `nerve` (its colour, half its diameter as radius) and the
  // tube's axial, cross-section and panoramic cuts, appended to the four
  // lists (not yet in their renderers).
  void MakeViewObjects(CQlmNerve* nerve);
  void AddViewObjects(int i);
  void RemoveAllViewObjects();
  // Nerve i into the editor, attached.
  void EditNerve(int i);
  // The first free name of `base`, `base 02`, `base 03`, ... among the first `count` nerves.
  CString UniqueName(const CString& base, int count) const;
  // The five items at i, view objects first.
  void RemoveAt(int i);
  // The nerve window's steps (CQlmNervesWindow.cpp): the three cameras.
  void SaveCameras();
  void RestoreCameras();
  // Title, border and scale bar of the nerve window (1) or of the panoramic view.
  void ShowPanoramicOverlays(int nerveWindow);
  // Implants, rings, imported objects and rulers in (1) or out of the panoramic renderer.
  void SetOtherObjectsInPanoramic(int shown);
  void SaveAndHideIndicators();
  void RestoreIndicators();
  // The styles' states, pick layers and tools in the nerve window.
  void SetInteraction();
  // The current nerve into the editor, with the axial view's grey window.
  void AttachEditor();
  void SetPanoramicLines(int nerveLine);
  void FollowAxialLine(int nerveWindow);

  std::unique_ptr<CQlmNerveEdit> Editor;
  int SavedIndicators[3] = {1, 1, 1};
  int Current = 0;
  int CurrentVisibility = 0;
  SavedCamera SavedCameras[3];
  std::unique_ptr<CQlmNerveList> Nerves;
  std::unique_ptr<CQlmNerve3DList> List3D;
  std::unique_ptr<CQlmNerveAxialList> ListAxial;
  std::unique_ptr<CQlmNerveCross9List> ListCross;
  std::unique_ptr<CQlmNervePanoramicList> ListPanoramic;
};
