#pragma once
// A follower of the arch curve: when an edit of the arch ends, the
// controller asks each object container whose cross-section cuts lie along
// the arch to recompute its nine section cutters. One follower per Kind.
class CQlmArchListener {
public:
  // The fan-out order; CQlmQuorvantile::ArchListeners holds one follower (or none) per kind.
  enum Kind { Implants, ImplantRings, Geometries, Nerves, KindCount };

  virtual ~CQlmArchListener() = default;

  // Recomputes the nine section cutters of every cross-section representation along the arch.
  virtual void UpdateCutters() {}
};
