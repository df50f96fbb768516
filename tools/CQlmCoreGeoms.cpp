#include "tools/CQlmCoreGeoms.h"

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "libraries/vtkGeomsLib.h"
#include "objects/CQlmGeoms.h"

CQlmGeomContainer* CQlmCoreGeoms::Container() const { return this->Owner->GeomsContainer; }

vtkGeomsLib* CQlmCoreGeoms::Library() const {
  return vtkGeomsLib::SafeDownCast(this->Owner->Libraries[CQlmQuorvantile::Meshes]);
}

CLibraryToolBar* CQlmCoreGeoms::ToolBar() const {
  return this->Owner->MainFrame ? &this->Owner->MainFrame->GeomsToolBar : nullptr;
}

int CQlmCoreGeoms::AddToContainer(const void* window, const double point[3], const CString& libraryName,
                                   const CString& libraryId, const CString& itemName, int cell, int position) {
  return this->Owner->GeomsContainer->AddObject(window, point, libraryName, libraryId, itemName, cell, position);
}

vtkGeom* CQlmCoreGeoms::FindItem(const CString& libraryName, const CString& itemName, const CString& libraryId) const {
  return this->Owner->GeomsContainer->FindLibraryItem(libraryName, itemName, libraryId);
}
