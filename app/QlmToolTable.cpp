#include "app/QlmToolTable.h"

#include <algorithm>

#include "views/QlmInteraction.h"

namespace QlmToolTable {

namespace {

using Row = QlmToolRow;
constexpr int U = Row::Unchanged;
constexpr Row::Attach K = Row::Kept, X = Row::Off, A = Row::On;

// States of the object tools, 3D first.
constexpr int InsertStates[] = {QlmState::Select, QlmState::PointOnPlaneZ, QlmState::PointOnPlaneZ,
                                QlmState::PointOnPlaneZ};
constexpr int MoveStates[] = {QlmState::MoveAlongZ, QlmState::MoveInPlaneXY, QlmState::MoveInPlaneXY,
                              QlmState::MoveInPlaneXY};
constexpr int RotateStates[] = {QlmState::RotateAboutZ, QlmState::RotateInView, QlmState::RotateInView,
                                QlmState::RotateInView};
constexpr int SelectStates[] = {QlmState::Select, QlmState::Select, QlmState::Select, QlmState::Select};
constexpr int ScaleStates[] = {QlmState::ScaleUniform, QlmState::ScaleXY, QlmState::ScaleXY, QlmState::ScaleXY};

// A tool of an object kind: its core on all four styles.
Row Object(int tool, Row::Core core, int mode, const int (&states)[4]) {
  return {tool, core, mode, {A, A, A, A}, {states[0], states[1], states[2], states[3]}};
}
// A camera tool: no core on any style, each view in `state` (the cross-section window in `crossState`).
Row Camera(int tool, int state, int crossState, bool restsCores, bool modifies) {
  return {tool, Row::NoCore, U, {X, X, X, X}, {state, state, state, crossState}, restsCores, false, modifies};
}
// A zoom or pan of the curve or nerve tool bar: the tool rests, the views as its state says.
Row EditingView(int tool, Row::Core core) { return {tool, core, 0, {K, K, K, K}, {U, U, U, U}, false, false, true}; }

std::vector<Row> MakeRows() {
  using namespace QlmState;
  return {
      Camera(1, Pan, Pan, true, false),
      Camera(2, AreaZoom, None, true, false),
      {3, Row::CompositeCore, 4, {X, A, A, A}, {DragZoom, Select, Select, Select}},
      {4, Row::RullerCore, U, {A, A, A, A}, {U, U, U, U}},
      {5, Row::CurveCore, 2, {X, A, X, X}, {U, Select, U, U}},
      {6, Row::CurveCore, 1, {X, A, X, X}, {U, MoveInPlaneXY, U, U}},
      Object(7, Row::ImplantCore, 1, InsertStates),
      Object(8, Row::CompositeCore, 2, MoveStates),
      Object(9, Row::CompositeCore, 3, RotateStates),
      Object(10, Row::CompositeCore, 4, SelectStates),
      Camera(11, ZoomIn, ZoomIn, false, true),
      Camera(12, ZoomOut, ZoomOut, false, true),
      Camera(13, ZoomReset, ZoomReset, false, true),
      EditingView(14, Row::CurveCore),
      EditingView(15, Row::CurveCore),
      EditingView(16, Row::CurveCore),
      EditingView(17, Row::CurveCore),
      EditingView(18, Row::CurveCore),
      EditingView(19, Row::NerveCore),
      EditingView(20, Row::NerveCore),
      EditingView(21, Row::NerveCore),
      EditingView(22, Row::NerveCore),
      EditingView(23, Row::NerveCore),
      {24, Row::NerveCore, 2, {X, A, A, X}, {None, Select, Select, None}, false, true},
      {25, Row::NerveCore, 1, {X, A, A, X}, {None, MoveInPlaneXY, MoveInPlaneXY, None}, false, true},
      {30, Row::NoCore, U, {K, K, K, K}, {U, U, U, U}},
      Object(40, Row::OrtoCore, 1, InsertStates),
      Object(41, Row::CompositeCore, 2, MoveStates),
      Object(42, Row::CompositeCore, 3, RotateStates),
      Object(43, Row::CompositeCore, 4, SelectStates),
      Object(50, Row::GeomsCore, 1, InsertStates),
      Object(51, Row::CompositeCore, 2, MoveStates),
      Object(52, Row::CompositeCore, 3, RotateStates),
      Object(53, Row::CompositeCore, 4, SelectStates),
      Object(54, Row::CompositeCore, 5, ScaleStates),
      Object(60, Row::DentesCore, 1, InsertStates),
      Object(61, Row::CompositeCore, 2, MoveStates),
      Object(62, Row::CompositeCore, 3, RotateStates),
      Object(63, Row::CompositeCore, 4, SelectStates),
      Object(64, Row::CompositeCore, 5, ScaleStates),
      Object(70, Row::EndoCore, 1, InsertStates),
      Object(71, Row::CompositeCore, 2, MoveStates),
      Object(72, Row::CompositeCore, 3, RotateStates),
      Object(73, Row::CompositeCore, 4, SelectStates),
      // The library implant insert has a number of its own: 71 is the endodontic move.
      Object(74, Row::ImplantCore, 5, InsertStates),
  };
}

}  // namespace

const std::vector<QlmToolRow>& Rows() {
  static const std::vector<QlmToolRow> rows = MakeRows();
  return rows;
}

const QlmToolRow* Find(int tool) {
  const std::vector<QlmToolRow>& rows = Rows();
  const auto row = std::find_if(rows.begin(), rows.end(), [tool](const QlmToolRow& each) { return each.Tool == tool; });
  return row == rows.end() ? nullptr : &*row;
}

}  // namespace QlmToolTable
