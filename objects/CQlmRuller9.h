#pragma once
// A ruler of the cross-section window. Its own slice is the section it was
// drawn on, its current slice the window's first section: it lies in cell
// 4 + own - current while that cell exists (|own - current| at most 4) and
// in no cell otherwise.
#include "objects/CQlmRullerBase.h"

class CQlmLayeredWindow9;

class CQlmRuller9 : public CQlmRullerBase {
public:
  static CQlmRuller9* CreateObject() { return new CQlmRuller9; }
  // Takes the props out of the cells' renderers first.
  ~CQlmRuller9() override;

  // The 3x3 wrapper (not owned).
  void SetWindow(CQlmLayeredWindow9* window) { this->Window = window; }
  CQlmLayeredWindow9* GetWindow() const { return this->Window; }
  // Out of every cell's layer 1, then into the layer 1 of its cell, if any.
  void AddToRenderer();
  // Out of every cell's layer 1.
  void RemoveFromRenderer();
  // The cell it lies in; -1 when its section is not shown.
  int GetCell() const;

  // The window's first section; the ruler moves to its cell.
  void SetCurrentSection(int section);
  // Its own section and the first one, then placed.
  void SetSections(int own, int current);
  // Line, tips and label take the flag, which is stored.
  void SetVisibility(int visible);

private:
  CQlmLayeredWindow9* Window = nullptr;
};
