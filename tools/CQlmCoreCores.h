#pragma once
// The composite tool of the move (2), rotate (3), select (4) and scale (5)
// tools: every event goes to the five object tools in the order implant,
// orthodontic, endodontic, mesh, teeth, each in the mode the composite's
// mode gives it (mode 5 scales meshes and teeth and only selects the
// others; mode 1 leaves their modes alone). A left double click in modes 2
// to 5 first moves the other views to the point under the cursor. A child
// that is not set is skipped. The children are not owned.
#include <initializer_list>

#include "tools/CQlmCore.h"

class CQlmCoreCores : public CQlmCore {
public:
  enum Modes { Off = 0, PassThrough = 1, Move = 2, Rotate = 3, Select = 4, Scale = 5 };

  // The composite in mode 0 without children.
  static CQlmCoreCores* New() { return new CQlmCoreCores; }

  // The pick layers of the object tools.
  void ActivateCross(CQlm3DWindow9* window) override;
  void ActivateMain(CQlm3DWindow* window) override;
  void OnMainViewEvent() override;
  void OnCrossViewEvent() override;

  // Set by the controller at initialisation; null children are skipped.
  CQlmCore* Implant = nullptr;
  CQlmCore* Orto = nullptr;
  CQlmCore* Geoms = nullptr;
  CQlmCore* Dentes = nullptr;
  CQlmCore* Endo = nullptr;

protected:
  CQlmCoreCores() = default;

private:
  // The view of the event (QlmView), -1 for another window.
  int MainViewCode() const;
  // True when the children's modes are set and the views follow double clicks.
  bool SetChildModes();
  void MoveToPoint(int view);
  // Moves the views to the given indices (-1: left alone), renders `order`,
  // then the 3D view when it shows one of `marks` (QlmView codes of positions).
  void MoveViews(int axial, int curve, int cross, const int (&order)[3], std::initializer_list<int> marks);
};
