// The controller and the imported 3D objects: their container among the
// followers of the views' positions and of the arch, and their set-up after a load.
#include <algorithm>
#include <limits>

#include "app/CQlmObserverQuorvantile.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmGeometries.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle3.h"

void CQlmQuorvantile::BindGeometries() {
  this->Geometries->SetWindows(this->Window3D, this->WindowAxial, this->WindowCross, this->WindowPanoramic);
  this->Geometries->GetObjectList().SetObserver(this->StatusObserver);
  this->PositionListeners[CQlmPositionListener::Geometries] = this->Geometries;
  this->ArchListeners[CQlmArchListener::Geometries] = this->Geometries;
}

// The cuts leave their renderers while the windows exist.
void CQlmQuorvantile::ReleaseGeometries() {
  if (this->PositionListeners[CQlmPositionListener::Geometries] == this->Geometries)
    this->PositionListeners[CQlmPositionListener::Geometries] = nullptr;
  if (this->ArchListeners[CQlmArchListener::Geometries] == this->Geometries)
    this->ArchListeners[CQlmArchListener::Geometries] = nullptr;
  delete this->Geometries;
  this->Geometries = nullptr;
}

void CQlmQuorvantile::SetupGeometries() {
  this->ShowGeometries3D();
  CQlmGeometries& geometries = *this->Geometries;
  const CQlmCTCrossFilter9& cross = *this->CTFilter->GetCrossFilter();
  geometries.SetInput(this->CTData->ImageData, this->PanoramicCalc, cross.GetSectionSpacing());
  geometries.BuildViewObjects();
  geometries.SetAxialIndex(this->CTFilter->GetAxialFilter()->GetCurrentSlice());
  geometries.SetCrossIndex(cross.GetFirstIndex());
  geometries.SetPanoramicIndex(this->PanoramicCalc->GetCurrentCurve());
  geometries.SetSingleCrossSection(cross.GetSingleSection());
  geometries.SetPanoramicThick(this->ThickPanoramic);
  // Each cut as the project file left it.
  int k = 0;
  geometries.GetObjectList().ForEach([&](CQlmObject* object) {
    geometries.GetAxialList().GetListItemAt(k)->SetVisibility(object->CutShown[0]);
    geometries.GetCross9List().GetListItemAt(k)->SetVisibility(object->CutShown[1]);
    geometries.GetPanoramicList().GetListItemAt(k)->SetVisibility(object->CutShown[2]);
    ++k;
  });
}

// The objects in the 3D view, which then turns about the middle of their bounds.
void CQlmQuorvantile::ShowGeometries3D() {
  constexpr double Far = std::numeric_limits<double>::max();
  double bounds[6] = {Far, -Far, Far, -Far, Far, -Far};
  this->Geometries->GetObjectList().ForEach([&](CQlmObject* object) {
    object->SetWindow(this->Window3D);
    object->AddToRenderer();
    vtkPolyData* mesh = object->GetPolyData();
    if (!mesh || mesh->GetNumberOfPoints() == 0) return;
    const double* own = mesh->GetBounds();
    for (int axis = 0; axis < 3; ++axis) {
      bounds[2 * axis] = std::min(bounds[2 * axis], own[2 * axis]);
      bounds[2 * axis + 1] = std::max(bounds[2 * axis + 1], own[2 * axis + 1]);
    }
  });
  if (bounds[0] > bounds[1]) return;
  this->Style3D->SetCenter(float((bounds[0] + bounds[1]) / 2), float((bounds[2] + bounds[3]) / 2),
                           float((bounds[4] + bounds[5]) / 2));
}
