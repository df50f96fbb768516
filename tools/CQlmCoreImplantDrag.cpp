// The implant tool's drags: the selected implant's cut and its guide ring
// show the drag in the 2D views and the release commits it; the 3D view
// drags the placement itself.
#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkTransform.h>

#include <algorithm>

#include "app/CQlmQuorvantile.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplantRingAxial.h"
#include "objects/CQlmImplantRingCross9.h"
#include "objects/CQlmImplantRingPanoramic.h"
#include "objects/CQlmImplantRings.h"
#include "objects/CQlmImplants.h"
#include "toolkit/vtkImplantAxial.h"
#include "toolkit/vtkImplantCross9.h"
#include "toolkit/vtkImplantPanoramic.h"
#include "tools/CQlmCoreImplant.h"
#include "views/CQlmInteractorRecord.h"
#include "views/QlmInteraction.h"
#include "views/QlmView.h"

void CQlmCoreImplant::GetPositionInView(int view, int index, int cell, double position[3]) {
  CQlmImplants& implants = *this->Owner->ImplantContainer;
  const double* fulcrum = view == QlmView::Axial ? implants.GetListAxial()->GetListItemAt(index)->GetAxialCutter()->GetFulcrum()
                          : view == QlmView::Panoramic
                              ? implants.GetListPanoramic()->GetListItemAt(index)->GetPanoramicCutter()->GetFulcrum()
                              : implants.GetListCross()->GetListItemAt(index)->GetCrossCutter()->GetFulcrum(cell);
  std::copy_n(fulcrum, 3, position);
}

// A turn of the screw turns the whole implant and its ring; a turn of a
// generic connector (generic implants and the "Standard" of library
// implants) turns the connector alone, the ring staying.
void CQlmCoreImplant::PreviewDrag(int view, int index, int cell, const double drag[16]) {
  CQlmQuorvantile& q = *this->Owner;
  CQlmImplants& implants = *q.ImplantContainer;
  vtkNew<vtkMatrix4x4> matrix;
  matrix->DeepCopy(drag);
  const CQlmImplant3D& implant = *implants.GetList3D()->GetListItemAt(index);
  const CQlmInteractorRecord& record = this->RecordOf(view);
  const bool turning = record.State == QlmState::RotateInView;
  CQlmImplantCut* cut = view == QlmView::Axial ? static_cast<CQlmImplantCut*>(implants.GetListAxial()->GetListItemAt(index))
                        : view == QlmView::Panoramic
                            ? static_cast<CQlmImplantCut*>(implants.GetListPanoramic()->GetListItemAt(index))
                            : static_cast<CQlmImplantCut*>(implants.GetListCross()->GetListItemAt(index));
  const bool connectorOnly = turning && !HasLibraryComponent(implant) &&
                             record.PickedActor != cut->GetScrewActor(view == QlmView::Cross ? cell : 0);
  CQlmImplantRings* rings = q.RingContainer;
  const bool hasRing = rings && index < rings->GetCount();
  if (view == QlmView::Axial) {
    CQlmImplantAxial& axial = *implants.GetListAxial()->GetListItemAt(index);
    if (connectorOnly) return axial.SetConectorUserMatrix(matrix);
    axial.SetUserMatrix(matrix);
    if (hasRing) rings->GetListAxial()->GetListItemAt(index)->SetUserMatrix(matrix);
  } else if (view == QlmView::Panoramic) {
    CQlmImplantPanoramic& panoramic = *implants.GetListPanoramic()->GetListItemAt(index);
    if (connectorOnly) return panoramic.SetConectorUserMatrix(matrix);
    panoramic.SetUserMatrix(matrix);
    if (hasRing) rings->GetListPanoramic()->GetListItemAt(index)->SetUserMatrix(matrix);
  } else {
    CQlmImplantCross9& cross = *implants.GetListCross()->GetListItemAt(index);
    if (connectorOnly) return cross.SetConectorUserMatrix(cell, matrix);
    cross.SetUserMatrix(cell, matrix);
    if (hasRing) rings->GetListCross()->GetListItemAt(index)->SetUserMatrix(cell, matrix);
  }
}

void CQlmCoreImplant::CommitDrag(int view, int index, int cell) {
  CQlmQuorvantile& q = *this->Owner;
  CQlmImplants& implants = *q.ImplantContainer;
  if (view == QlmView::Axial) implants.GetListAxial()->GetListItemAt(index)->ApplyUserMatrix();
  if (view == QlmView::Panoramic) implants.GetListPanoramic()->GetListItemAt(index)->ApplyUserMatrix();
  if (view == QlmView::Cross) implants.GetListCross()->GetListItemAt(index)->ApplyUserMatrix(cell);
  CQlmImplantRings* rings = q.RingContainer;
  if (!rings || index >= rings->GetCount()) return;
  if (view == QlmView::Axial) rings->GetListAxial()->GetListItemAt(index)->ResetUserMatrix();
  if (view == QlmView::Panoramic) rings->GetListPanoramic()->GetListItemAt(index)->ResetUserMatrix();
  if (view == QlmView::Cross) rings->GetListCross()->GetListItemAt(index)->ResetUserMatrix();
}

void CQlmCoreImplant::GetPlacement(int index, double matrix[16]) const {
  vtkMatrix4x4* placement = this->Owner->ImplantContainer->GetList3D()->GetListItemAt(index)->GetMatrix();
  std::copy_n(&placement->Element[0][0], 16, matrix);
}

void CQlmCoreImplant::SetPlacement(int index, const double matrix[16]) {
  this->Owner->ImplantContainer->GetList3D()->GetListItemAt(index)->SetMatrix(matrix);
}
