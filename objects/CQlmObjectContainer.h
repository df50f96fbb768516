#pragma once
// What every container of planned objects keeps for its cuts: the four
// views' wrappers, the image and arch geometry new cuts are built on, the
// section spacing, the views' positions and the thick panoramic flag. Each
// change is stored for the cuts still to come and handed to every cut of
// the view it concerns; the container names its three cut lists.
#include "objects/CQlmObjectPlacer.h"
#include "objects/CQlmPlanningList.h"
#include "objects/QlmReformatFollower.h"
#include "platform/CObject.h"
#include "views/CQlmArchListener.h"
#include "views/CQlmPositionListener.h"

class CQlmLayeredWindow;
class CQlmLayeredWindow9;
class CQlmPanoramicCalc;
class vtkImageData;

template <class AxialCut, class CrossCut, class PanoramicCut>
class CQlmObjectContainer : public CObject, public CQlmPositionListener, public CQlmArchListener {
public:
  // The four views' wrappers (not owned).
  void SetWindows(CQlmLayeredWindow* window3D, CQlmLayeredWindow* axial, CQlmLayeredWindow9* cross,
                  CQlmLayeredWindow* panoramic) {
    this->Window3D = window3D;
    this->WindowAxial = axial;
    this->WindowCross = cross;
    this->WindowPanoramic = panoramic;
  }
  CQlmLayeredWindow* GetWindow3D() const { return this->Window3D; }

  void SetAxialIndex(int index) override {
    this->AxialIndex = index;
    this->AxialCuts().ForEach([index](AxialCut* cut) { cut->SetAxialIndex(index); });
  }
  void SetCrossIndex(int index) override {
    this->CrossIndex = index;
    this->CrossCuts().ForEach([index](CrossCut* cut) { cut->SetCrossIndex(index); });
  }
  // Stored; containers whose panoramic cuts read the current curve also set it.
  void SetPanoramicIndex(int index) override { this->PanoramicIndex = index; }
  virtual void SetCrossSpacing(float spacing) {
    this->Spacing = spacing;
    this->CrossCuts().ForEach([spacing](CrossCut* cut) { cut->SetCrossSpacing(spacing); });
  }
  // Not stored: a new cut cuts nine sections until the next call.
  void SetSingleCrossSection(int on) {
    this->CrossCuts().ForEach([on](CrossCut* cut) { cut->SetSingleCrossSection(on); });
  }
  void SetPanoramicThick(int on) {
    this->Thick = on;
    this->PanoramicCuts().ForEach([on](PanoramicCut* cut) { cut->SetThick(on); });
  }
  // The nerve window takes the panoramic view: the panoramic cuts leave its renderer and come back.
  void ShowInPanoramic(int shown) override {
    this->PanoramicCuts().ForEach([shown](PanoramicCut* cut) {
      if (shown)
        cut->AddToRenderer();
      else
        cut->RemoveFromRenderer();
    });
  }
  // After an arch edit: every cut's nine sections along the new arch.
  void UpdateCutters() override {
    this->CrossCuts().ForEach([](CrossCut* cut) { cut->UpdateCutters(); });
  }
  void FollowReformat(int thickPanoramic, int singleSection, float crossSpacing, int axialSlice, int firstSection,
                      int curve) override {
    QlmFollowReformat(*this, thickPanoramic, singleSection, crossSpacing, axialSlice, firstSection, curve);
  }

protected:
  // Image and arch geometry (not owned) and the section spacing (mm) that new cuts take.
  void SetImage(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing) {
    this->Image = image;
    this->Calculator = calculator;
    this->Spacing = spacing;
  }

  // The placer's view code of a click in `window` (cell `cell` of the
  // cross-sections) and its position there; -1 for a window of no 2D view.
  int ViewOf(const void* window, int cell, int& index) const {
    if (window && window == this->WindowAxial) {
      index = this->AxialIndex;
      return CQlmObjectPlacer::Axial;
    }
    if (window && window == this->WindowCross) {
      index = this->CrossIndex + cell;
      return CQlmObjectPlacer::Cross;
    }
    if (window && window == this->WindowPanoramic) {
      index = this->PanoramicIndex;
      return CQlmObjectPlacer::Panoramic;
    }
    return -1;
  }

  // Object `index` of `objects` (the 3D list, parallel to the cut lists)
  // and its three cuts deleted; nothing for an index out of range.
  template <class Objects3D>
  void RemoveObjectAt(Objects3D& objects, int index) {
    this->PanoramicCuts().DeleteListItemAt(index);
    this->CrossCuts().DeleteListItemAt(index);
    this->AxialCuts().DeleteListItemAt(index);
    objects.DeleteListItemAt(index);
  }
  // The objects of `objects` and their cuts numbered 1..n in list order.
  template <class Objects3D>
  void RenumberObjects(Objects3D& objects) {
    for (int i = 0; i < objects.GetCount(); ++i) {
      objects.GetListItemAt(i)->SetNumber(i + 1);
      this->AxialCuts().GetListItemAt(i)->SetNumber(i + 1);
      this->CrossCuts().GetListItemAt(i)->SetNumber(i + 1);
      this->PanoramicCuts().GetListItemAt(i)->SetNumber(i + 1);
    }
  }
  // Every selected object of `objects` removed with its cuts, the last one
  // first, and the rest numbered 1..n; 1 when any was removed.
  template <class Objects3D>
  int RemoveSelectedObjects(Objects3D& objects) {
    int removed = 0;
    for (int i = objects.GetCount() - 1; i >= 0; --i) {
      if (!objects.GetListItemAt(i)->GetSelected()) continue;
      this->RemoveObjectAt(objects, i);
      removed = 1;
    }
    this->RenumberObjects(objects);
    return removed;
  }

  virtual CQlmPlanningList<AxialCut>& AxialCuts() = 0;
  virtual CQlmPlanningList<CrossCut>& CrossCuts() = 0;
  virtual CQlmPlanningList<PanoramicCut>& PanoramicCuts() = 0;

  vtkImageData* Image = nullptr;
  CQlmPanoramicCalc* Calculator = nullptr;
  CQlmLayeredWindow* Window3D = nullptr;
  CQlmLayeredWindow* WindowAxial = nullptr;
  CQlmLayeredWindow9* WindowCross = nullptr;
  CQlmLayeredWindow* WindowPanoramic = nullptr;
  float Spacing = 2.0f;
  int AxialIndex = 0;
  int CrossIndex = 0;
  int PanoramicIndex = 0;
  int Thick = 0;
};
