#pragma once
// The ranges in which the view state and the controller values of a project
// file must lie before they reach the filters and the views. A value outside
// its range is replaced by the default of a new project (CQlmViewState and
// CQlmDocumentValues as constructed, the middle slice, section and curve, the
// framing of the set-up, the start-up splitter proportions). NaN and
// infinities lie outside every range.
#include <cstdint>

#include "project/CQlmViewState.h"

namespace QlmViewRanges {

// The reformat dialog's ranges: number of curves (the file's curve count
// value), curve spacing, cross-section width and spacing (mm), thick
// panoramic slab (mm) and its mode.
inline constexpr int32_t MinimumCurves = 3;
inline constexpr int32_t MaximumCurves = 50;
inline constexpr float MinimumCurveSpacing = 0.1f;
inline constexpr float MaximumCurveSpacing = 10.0f;
inline constexpr float MaximumSectionWidth = 100.0f;
inline constexpr float MinimumSectionSpacing = 0.1f;
inline constexpr float MaximumSectionSpacing = 5.0f;
inline constexpr float MinimumThickness = 1.0f;
inline constexpr float MaximumThickness = 50.0f;
inline constexpr int32_t MaximumThickMode = 2;
// Grey values of 16-bit voxels, signed or unsigned.
inline constexpr float LowestGrey = -32768.0f;
inline constexpr float HighestGrey = 65535.0f;
// How far a camera may zoom out or stand off, in sides of what it shows.
inline constexpr double Reach = 100.0;

bool IsCurveCount(int32_t count, int32_t mostCurves = MaximumCurves);
bool IsCurveSpacing(float spacing);
// Above 0: a section of no width shows nothing.
bool IsSectionWidth(float width, float largestWidth = MaximumSectionWidth);
bool IsSectionSpacing(float spacing);
bool IsThickness(float thickness);
bool IsThickMode(int32_t mode);
bool IsFlag(int32_t flag);
bool IsColour(const float (&colour)[3]);
// Both ends grey values, the lower below the upper.
bool IsGreyWindow(float minimum, float maximum);
// 0 .. highest.
bool IsIndex(int32_t index, int highest);

// A 2D view's camera looks straight down z at its picture, which lies in the
// plane z = 0 within the x-y `bounds` (x minimum, x maximum, y minimum, y
// maximum). The camera shows it when every value is finite; the parallel
// scale is above 0 and at most Reach times the picture's larger side; the
// focal point's x and y lie within the bounds widened by that side; the
// position stands above the focal point on its x and y; and the focal point
// and the picture plane lie within the `clipping` range (near, far) of the
// position. False for a picture without extent.
bool IsViewCamera(const CQlmViewState::Camera& camera, const double bounds[4], const double clipping[2]);
// A point of the planning frame near a volume of physical size `size` (mm)
// centred on 0: within the volume widened by its largest side, and at least by
// NearMargin (an arch drawn on a small scan may run beyond it).
inline constexpr double NearMargin = 100.0;
bool IsNearVolume(const double point[3], const float size[3]);
// The 3D camera on a volume of physical size `size` (mm) centred on 0: every
// value finite; the parallel scale above 0 and at most Reach times the
// volume's largest side, as is the distance from the position to the focal
// point (above 0); the focal point near the volume; a view up that is not
// along the direction of view.
bool IsCamera3D(const CQlmViewState::Camera& camera, const float size[3]);

// A splitter's first pane of `size` pixels leaves both panes of a splitter
// `extent` pixels long at least `minimum` pixels.
bool IsPaneSize(double size, int extent, int minimum);

}  // namespace QlmViewRanges
