#pragma once
// One tool of the controller's tool table: what CQlmQuorvantile::SetTool
// applies, in this order: the tool number, the tool core's mode, the core on
// (or off) the 3D, axial, panoramic and cross-section styles, then the four
// interaction states.
struct QlmToolRow {
  // The controller's editing tools (CQlmQuorvantile::ToolCores).
  enum Core {
    NoCore,
    RullerCore,
    CurveCore,
    ImplantCore,
    NerveCore,
    CompositeCore,
    OrtoCore,
    EndoCore,
    GeomsCore,
    DentesCore,
    CoreCount
  };
  // What a row does to a style's core: leaves it, takes it off, attaches the row's core.
  enum Attach : char { Kept, Off, On };
  // The core's mode or a style's state left as it is.
  static constexpr int Unchanged = -1;
  enum Style { Style3D, StyleAxial, StylePanoramic, StyleCross, StyleCount };

  int Tool;
  Core ToolCore;
  int CoreMode;
  Attach Styles[StyleCount];
  int States[StyleCount];
  // Tools 1 and 2: the ruler, curve and nerve cores rest (mode 0).
  bool RestsEditingCores = false;
  // The 2D views pick on their layer of marks and lines (nerve points).
  bool PicksMarks = false;
  // The tool marks the project modified.
  bool Modifies = false;
};
