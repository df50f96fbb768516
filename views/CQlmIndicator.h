#pragma once
// The position indicators of the four views: where the axial slice, the nine
// cross-sections and the current panoramic curve lie, drawn in the other
// views. The owner fans every change out to its three groups, turns a point
// picked in a view back into an index, and follows the 2D views' positions
// as their first follower.
//
// Life: New; SetWindow* and AddToWindows once the views exist; Initialize
// after a load, then the position, visibility and label setters; Delete when
// the project closes (removes every actor from its renderers first). It is
// also the controller's indicator hook for the editing tools.
#include "views/CQlmIndicatorHook.h"
#include "views/CQlmPositionListener.h"

class CQlm3DWindow;
class CQlm3DWindow9;
class CQlmIndicatorAxial;
class CQlmIndicatorCross;
class CQlmIndicatorPan;
class CQlmPanoramicCalc;
class vtkImageData;

class CQlmIndicator : public CQlmPositionListener, public CQlmIndicatorHook {
public:
  static CQlmIndicator* New() { return new CQlmIndicator; }
  // Removes every actor from its window, then deletes the owner; null is fine.
  static void Delete(CQlmIndicator* indicator);
  ~CQlmIndicator() override;
  CQlmIndicator(const CQlmIndicator&) = delete;
  CQlmIndicator& operator=(const CQlmIndicator&) = delete;

  void SetWindow3D(CQlm3DWindow* window);
  void SetWindowAxial(CQlm3DWindow* window);
  void SetWindowCross(CQlm3DWindow9* window);
  void SetWindowPanoramic(CQlm3DWindow* window);
  void AddToWindows();
  void RemoveFromWindows();

  // Sets every indicator up for the arch geometry and the CT image.
  void Initialize(CQlmPanoramicCalc* calc, vtkImageData* image);
  void Update() override;

  void SetAxialIndex(int index) override;
  void SetCrossIndex(int index) override;
  void SetCurrentCurve(int k) override;
  void SetPanoramicIndex(int index) override { this->SetCurrentCurve(index); }
  void SetSectionGeometry(float width, float crossSpacing, float curveSpacing, int curveCount);
  void SetTransparent(int on);
  void SetVisibility2D(int visible);
  void SetVisibility3D(int visible);
  // The cross-section lines of the axial and panoramic views for the single-section (1) or nine-section layout.
  void SetSingleSection(int single);
  void SetLabelVisibility(int visible);
  void SetColor(float r, float g, float b);
  void SetLabelColor(float r, float g, float b);
  // Shows or hides one of the nine indicators.
  void SetVisibility(Mark mark, int visible) override;

  // 1 when view `shownIn` shows the indicator of view `position`'s position (QlmView codes).
  int IsIndicatorVisible(int position, int shownIn) const override;

  // Pickers: a world point picked in a view to an index, clamped to its range.
  // The axial slice under a point of the 3D view.
  int GetAxialIndexAtPoint(const double point[3]) const;
  int GetAxialIndexAtPanoramicPoint(const double point[3]) const;
  int GetCrossIndexAtPanoramicPoint(const double point[3]) const;
  // The curve whose mark in a cross-section cell lies nearest.
  int GetCurveIndexAtCrossPoint(const double point[3]) const;
  // Nearest-line pickers: every candidate is tried, the first nearest wins
  // and the indicators end where they were; without a candidate the current
  // index.
  int GetCrossIndexAt3DPoint(const double point[3]);
  int GetCrossIndexAtAxialPoint(const double point[3]);
  int GetCurveIndexAt3DPoint(const double point[3]);
  int GetCurveIndexAtAxialPoint(const double point[3]);

  CQlmIndicatorPan* const Pan;
  CQlmIndicatorAxial* const Axial;
  CQlmIndicatorCross* const Cross;

protected:
  CQlmIndicator();

private:
  CQlmPanoramicCalc* Calc = nullptr;
};
