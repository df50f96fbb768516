#pragma once
// Codes shared by the interactors, their styles and the editing tools: the
// event word stored in a state record and the interaction states.

namespace QlmEvent {
constexpr int MouseMove = 100;
constexpr int LeftDown = 101;
constexpr int LeftUp = 102;
constexpr int RightDown = 103;
constexpr int RightUp = 104;
constexpr int LeftDoubleClick = 106;
}  // namespace QlmEvent

// Mouse-message flag bits of the word the styles' handlers take.
namespace QlmMouseFlag {
constexpr unsigned LeftButton = 0x0001;
constexpr unsigned RightButton = 0x0002;
constexpr unsigned Shift = 0x0004;
constexpr unsigned Control = 0x0008;
constexpr unsigned MiddleButton = 0x0010;
}  // namespace QlmMouseFlag

// Interaction states: what a press, a drag and a release do in a view.
namespace QlmState {
constexpr int None = 0;
constexpr int Select = 1;
constexpr int MoveInPlaneXY = 20;  // 21, 22: planes xz, yz of the object's frame
constexpr int MoveInPlaneXZ = 21;
constexpr int MoveInPlaneYZ = 22;
constexpr int MoveAlongX = 23;  // 24, 25: frame axes y, z, following the pointer
constexpr int MoveAlongY = 24;
constexpr int MoveAlongZ = 25;
constexpr int DragAlongX = 26;  // 27, 28: frame axes y, z, by vertical drag
constexpr int DragAlongY = 27;
constexpr int DragAlongZ = 28;
constexpr int RotateFirst = 40;  // 40 to 45: about the frame's axes
constexpr int RotateAboutZ = 45;
constexpr int RotateInView = 46;
constexpr int ScaleUniform = 50;
constexpr int ScaleX = 51;
constexpr int ScaleY = 52;
constexpr int ScaleZ = 53;
constexpr int ScaleXY = 54;
constexpr int Pan = 60;
constexpr int RotateAboutPivot = 61;
constexpr int RotateAboutCenter = 63;
constexpr int ZoomAboutPivot = 65;
constexpr int ZoomAboutCenter = 66;
constexpr int AreaZoom = 67;
constexpr int DragZoom = 68;  // the 3D view's trackball
constexpr int PointOnPlaneZ = 70;
constexpr int PointOnPlaneY = 71;
constexpr int PointOnPlaneX = 72;
constexpr int CursorPoint = 73;
constexpr int ZoomIn = 90;
constexpr int ZoomOut = 91;
constexpr int ZoomReset = 92;

constexpr bool InRange(int state, int first, int last) { return state >= first && state <= last; }
}  // namespace QlmState
