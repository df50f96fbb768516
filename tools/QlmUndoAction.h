#pragma once
// What an object tool's undo record says changed.
namespace QlmUndoAction {
constexpr int Created = 0;
constexpr int Deleted = 1;
constexpr int Item = 2;  // the item or the properties
constexpr int Colour = 4;
constexpr int Visibility = 5;
constexpr int Placement = 6;

// Whether the records know the code (3 and others are dropped).
constexpr bool Known(int action) { return action >= Created && action <= Placement && action != 3; }
}  // namespace QlmUndoAction
