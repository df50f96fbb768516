#pragma once
// A follower of the arch curve: when an edit of the arch ends, the
// controller asks each object container whose cross-section cuts lie along
// the arch to recompute its nine section cutters, and after every reformat
// change it hands them the new layout. One follower per Kind.
class CQlmArchListener {
public:
  // The fan-out order; CQlmQuorvantile::ArchListeners holds one follower (or none) per kind.
  enum Kind { Implants, ImplantRings, Geometries, Nerves, Geoms, Dentes, OrtoImps, EndoImps, KindCount };

  virtual ~CQlmArchListener() = default;

  // Recomputes the nine section cutters of every cross-section representation along the arch.
  virtual void UpdateCutters() {}
  // After a change of the reformat: the panoramic view thick (1) or one
  // curve, the cross-section window in single (1) or nine-section layout,
  // the spacing of the sections (mm), the axial slice, the first section and
  // the current curve.
  virtual void FollowReformat(int /*thickPanoramic*/, int /*singleSection*/, float /*crossSpacing*/, int /*axialSlice*/,
                              int /*firstSection*/, int /*curve*/) {}
  // The panoramic representations into (1) or out of (0) the panoramic
  // renderer: the nerve window shows the reformat along a nerve alone.
  virtual void ShowInPanoramic(int /*shown*/) {}
};
