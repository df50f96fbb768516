#include "app/QlmCommandRules.h"

#include "app/CUndoHistory.h"
#include "views/CQlm3DWindow.h"

namespace QlmCommandRules {

namespace {
const CQlmQuorvantile& Q(const QlmCommandContext& context) { return context.Quorvantile; }
}  // namespace

bool Always(const QlmCommandContext&) { return true; }

bool Never(const QlmCommandContext&) { return false; }

bool Open(const QlmCommandContext& context) { return Q(context).ProjectOpen != 0; }

bool OpenNotEditing(const QlmCommandContext& context) {
  return Open(context) && !Q(context).CurveEditing && !Q(context).NerveEditing;
}

bool OpenNotEditingNotSagittal(const QlmCommandContext& context) {
  return OpenNotEditing(context) && !Q(context).SagittalCoronal;
}

bool CurveEditing(const QlmCommandContext& context) {
  return Open(context) && Q(context).CurveEditing && !Q(context).NerveEditing;
}

bool NerveEditing(const QlmCommandContext& context) {
  return Open(context) && Q(context).NerveEditing && !Q(context).CurveEditing;
}

bool OpenNotCurve(const QlmCommandContext& context) { return Open(context) && !Q(context).CurveEditing; }

bool OpenNotNerve(const QlmCommandContext& context) { return Open(context) && !Q(context).NerveEditing; }

bool OpenNotNerveNotSagittal(const QlmCommandContext& context) {
  return OpenNotNerve(context) && !Q(context).SagittalCoronal;
}

bool Open3DView(const QlmCommandContext& context) {
  return Open(context) && Q(context).Window3D && Q(context).Window3D->Enabled;
}

bool Modified(const QlmCommandContext& context) { return Q(context).Modified != 0; }

bool OpenWithUndo(const QlmCommandContext& context) {
  return Open(context) && Q(context).UndoHistory->GetNewestUndo() != 0;
}

bool OpenWithRedo(const QlmCommandContext& context) {
  return Open(context) && Q(context).UndoHistory->GetNewestRedo() != 0;
}

}  // namespace QlmCommandRules
