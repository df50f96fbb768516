#pragma once
// When the commands of the frames' table are enabled and checked. "Open"
// is the controller's project-open flag; "editing" means the arch curve or a
// nerve is being edited; "sagittal" the sagittal/coronal reformat mode.
#include "app/CQlmQuorvantile.h"
#include "app/QlmCommandRow.h"

namespace QlmCommandRules {

bool Always(const QlmCommandContext& context);
// The entry has no enabling rule of its own and stays enabled.
inline constexpr QlmCommandRow::Rule Kept = Always;
bool Never(const QlmCommandContext& context);
bool Open(const QlmCommandContext& context);
// Open and neither the arch curve nor a nerve edited.
bool OpenNotEditing(const QlmCommandContext& context);
bool OpenNotEditingNotSagittal(const QlmCommandContext& context);
// Open and the arch curve edited (not a nerve): the reformat tool bar.
bool CurveEditing(const QlmCommandContext& context);
// Open and a nerve edited (not the arch curve): the nerve tool bar.
bool NerveEditing(const QlmCommandContext& context);
bool OpenNotCurve(const QlmCommandContext& context);
bool OpenNotNerve(const QlmCommandContext& context);
bool OpenNotNerveNotSagittal(const QlmCommandContext& context);
// Open and the 3D view rendering.
bool Open3DView(const QlmCommandContext& context);
bool Modified(const QlmCommandContext& context);
// Open and a change in the history to undo / to redo.
bool OpenWithUndo(const QlmCommandContext& context);
bool OpenWithRedo(const QlmCommandContext& context);

// Open and a library of the kind (CQlmQuorvantile::LibraryKind) found at start-up.
template <int Kind>
bool LibraryOpen(const QlmCommandContext& context) {
  return Open(context) && context.Quorvantile.LibraryAvailable[Kind];
}
// As LibraryOpen, and nothing edited.
template <int Kind>
bool LibraryNotEditing(const QlmCommandContext& context) {
  return OpenNotEditing(context) && context.Quorvantile.LibraryAvailable[Kind];
}

// Checks by the controller's tool number.
template <int Tool>
bool ToolIs(const QlmCommandContext& context) {
  return context.Quorvantile.Tool == Tool;
}
template <int Tool>
bool ToolIsNoneOr(const QlmCommandContext& context) {
  return context.Quorvantile.Tool == 0 || context.Quorvantile.Tool == Tool;
}

}  // namespace QlmCommandRules
