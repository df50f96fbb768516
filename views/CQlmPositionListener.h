#pragma once
// A follower of the 2D views' positions. When the axial, cross-section or
// panoramic view moves (scroll bar, navigation keys, SetSlice), the view
// gives the new index to its CT filter first and then to the controller's
// followers, one per Stage, in the order of Stage: the position indicators,
// the planning-object containers, the rulers, and last the view's number
// overlay. The panoramic view reaches only the indicators, the rulers and
// its number. A follower overrides what it follows; the rest does nothing.
class CQlmPositionListener {
public:
  // The fan-out order; CQlmQuorvantile::PositionListeners holds one follower (or none) per stage.
  enum Stage {
    Indicators,
    Implants,
    OrtoImps,
    EndoImps,
    Geoms,
    Dentes,
    ImplantRings,
    Geometries,
    Nerves,
    Rullers,
    AxialNumber,
    CrossNumbers,
    PanoramicNumber,
    StageCount
  };

  virtual ~CQlmPositionListener() = default;

  virtual void SetAxialIndex(int /*index*/) {}
  // The first of the nine sections.
  virtual void SetCrossIndex(int /*index*/) {}
  // The parallel curve.
  virtual void SetPanoramicIndex(int /*index*/) {}

  // Number overlays: the axial slice's height, or the panoramic curve's
  // signed distance from the arch (mm).
  virtual void SetNumber(float /*number*/) {}
  // The cross-section number overlay: the arc positions of the nine sections (mm).
  virtual void SetNumbers(const float* /*numbers*/) {}

  // The indicator owner: 1 when view `shownIn` shows an indicator of view
  // `position`'s position (QlmView codes), so it renders after that view moved.
  virtual int IsIndicatorVisible(int /*position*/, int /*shownIn*/) const { return 0; }
};
