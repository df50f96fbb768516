#pragma once
// The project's rulers: one list per view (3D, axial, panoramic, cross-section),
// the three ruler colours handed out in turn per view, and the label settings
// of the 2D rulers. Follows the 2D views' positions: a 2D ruler shows only on
// the slice, curve or section it was drawn on.
#include <memory>

#include "objects/CQlmRuller9List.h"
#include "objects/CQlmRullerList.h"
#include "platform/CObject.h"
#include "views/CQlmPositionListener.h"

class CQlmLayeredWindow;
class CQlmLayeredWindow9;

class CQlmRullers : public CObject, public CQlmPositionListener {
public:
  static CQlmRullers* CreateObject() { return new CQlmRullers; }
  CQlmRullers();
  ~CQlmRullers() override;

  // The four views' wrappers (not owned).
  void SetWindows(CQlmLayeredWindow* axial, CQlmLayeredWindow* panoramic, CQlmLayeredWindow9* cross,
                  CQlmLayeredWindow* window3D);

  // Unselects every ruler, then appends a selected ruler to the list of the
  // view drawn by `window` (the 3D one made a 3D ruler), in its renderer, on
  // slice `own` with the view at `current`, in the view's next colour.
  // Null, and nothing added, for any other window.
  CQlmRuller* AddRuller(const CQlmLayeredWindow* window, int own, int current);
  // The same for the cross-section window: section `own`, first section `current`.
  CQlmRuller9* AddCrossRuller(int own, int current);

  // Delete / unselect the selected ruler of one list: 1 when there was one.
  int DeleteSelected3D();
  int DeleteSelectedAxial();
  int DeleteSelectedPanoramic();
  int DeleteSelectedCross();
  int Unselect3D();
  int UnselectAxial();
  int UnselectPanoramic();
  int UnselectCross();
  // Axial, panoramic, cross-section and 3D lists, in this order.
  void UnselectAll();

  // Position followers.
  void SetAxialIndex(int index) override;
  void SetPanoramicIndex(int index) override;
  void SetCrossIndex(int index) override;

  // Stored and applied to every 2D ruler (3D rulers keep theirs).
  void SetLabelBackground(int on);
  void SetUniformColor(int on);
  int GetLabelBackground() const { return this->LabelBackground; }
  int GetUniformColor() const { return this->UniformColor; }

  // Index of the next colour (0 .. 2) of the axial, panoramic and cross-section rulers.
  int NextColor[3] = {0, 0, 0};
  enum ColorTurn { AxialTurn, PanoramicTurn, CrossTurn };

  CQlmRullerList* GetList3D() const { return this->List3D.get(); }
  CQlmRullerList* GetListAxial() const { return this->ListAxial.get(); }
  CQlmRullerList* GetListPanoramic() const { return this->ListPanoramic.get(); }
  CQlmRuller9List* GetListCross() const { return this->ListCross.get(); }

  // Colour turns of the axial, panoramic and cross-section rulers, then
  // their three lists. Loaded rulers join their views' renderers.
  void Serialize(CArchive& archive) override;

  // The palette colour of turn `turn`; the turn moves on, back to 0 after 2.
  static const float* TakeColor(int& turn);

private:
  // The ruler takes its window, renderer, slices and colour.
  void Place(CQlmRuller* ruller, CQlmLayeredWindow* window, int own, int current, int& turn);
  void AttachLoaded();

  std::unique_ptr<CQlmRullerList> List3D;
  std::unique_ptr<CQlmRullerList> ListAxial;
  std::unique_ptr<CQlmRullerList> ListPanoramic;
  std::unique_ptr<CQlmRuller9List> ListCross;
  CQlmLayeredWindow* WindowAxial = nullptr;
  CQlmLayeredWindow* WindowPanoramic = nullptr;
  CQlmLayeredWindow* Window3D = nullptr;
  CQlmLayeredWindow9* WindowCross = nullptr;
  // The 3D rulers' turn is not stored.
  int NextColor3D = 0;
  int UniformColor = 0;
  int LabelBackground = 0;
};
