#include "views/QlmViewCursor.h"

#include <algorithm>
#include <cmath>

#include "views/QlmView.h"

namespace QlmViewCursor {

namespace {

bool Between(int tool, int first, int last) { return tool >= first && tool <= last; }

// Zoom tools of the arch-curve reformat: the cross-section view keeps its cursor.
int ReformatZoom(int view, int entry) { return view == QlmView::Cross ? Keep : entry; }

// Tools that draw or move points of the arch curve (axial view only) or of a nerve (axial and panoramic).
int PointTool(int view, bool nerve, int entry) {
  if (view == QlmView::Axial || (nerve && view == QlmView::Panoramic)) return entry;
  return Keep;
}

int InsertImplant(int view, bool upperJaw) {
  if (view == QlmView::View3D) return Default;
  if (view == QlmView::Axial) return InsertImplantAxial;
  return upperJaw ? InsertImplantUpper : InsertImplantLower;
}

int ObjectTool(int tool) {
  if (Between(tool, 40, 43)) return Orthodontic;
  if (Between(tool, 50, 54)) return Meshes;
  if (Between(tool, 60, 64)) return Teeth;
  return Keep;
}

}  // namespace

int ForTool(int view, int tool, bool upperJaw, int rotationEntry) {
  switch (tool) {
    case 0:
    case 10:
      return Default;
    case 1:
    case 18:
    case 23:
      return Pan;
    case 2:
    case 21:
      return view == QlmView::Cross ? Default : AreaZoom;
    case 16:
      return ReformatZoom(view, AreaZoom);
    case 3:
      return view == QlmView::View3D ? rotationEntry : Keep;
    case 4:
      return Ruler;
    case 5:
      return PointTool(view, false, AddPoints);
    case 6:
      return PointTool(view, false, MovePoints);
    case 7:
    case 74:
      return InsertImplant(view, upperJaw);
    case 8:
    case 9:
      return MoveImplant;
    case 11:
    case 19:
      return ZoomIn;
    case 12:
    case 20:
      return ZoomOut;
    case 13:
    case 22:
      return ZoomReset;
    case 14:
      return ReformatZoom(view, ZoomIn);
    case 15:
      return ReformatZoom(view, ZoomOut);
    case 17:
      return ReformatZoom(view, ZoomReset);
    case 24:
      return PointTool(view, true, AddPoints);
    case 25:
      return PointTool(view, true, MovePoints);
    case 30:
      return view == QlmView::View3D ? Keep : HULine;
    default:
      return ObjectTool(tool);
  }
}

int RotationEntry(int width, int height, int x, int y) {
  const int centreX = width / 2;
  const int centreY = height / 2;
  const double distance = std::hypot(static_cast<double>(x - centreX), static_cast<double>(y - centreY));
  return std::min(width, height) / 3.0 > distance ? RotateInside : RotateOutside;
}

}  // namespace QlmViewCursor
