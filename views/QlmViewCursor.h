#pragma once
// Which cursor a view shows for the controller's tool number: an entry of the
// controller's cursor table (CQlmQuorvantile::Cursors), or Keep when the view
// leaves its cursor as it is.
namespace QlmViewCursor {

// Entries of the cursor table, in its order.
enum Entry {
  Default,
  Pan,
  AreaZoom,
  ZoomIn,
  ZoomOut,
  ZoomReset,
  RotateInside,
  RotateOutside,
  Ruler,
  MovePoints,
  AddPoints,
  MoveImplant,
  InsertImplantAxial,
  InsertImplantLower,
  InsertImplantUpper,
  HULine,
  Orthodontic,
  Meshes,
  Teeth,
  EntryCount
};
constexpr int Keep = -1;

// The entry that `view` (QlmView code) shows for `tool`. `upperJaw`: new
// implants go into the maxilla; `rotationEntry`: the 3D view's rotation
// cursor for tool 3 (RotateInside or RotateOutside).
int ForTool(int view, int tool, bool upperJaw, int rotationEntry);

// RotateInside when the window point (x, y) lies inside the rotation circle of
// a width x height window (radius min(width, height) / 3 about the centre in
// whole pixels), else RotateOutside.
int RotationEntry(int width, int height, int x, int y);

}  // namespace QlmViewCursor
