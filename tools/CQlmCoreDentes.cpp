#include "tools/CQlmCoreDentes.h"

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "libraries/vtkGeomsLib.h"
#include "objects/CQlmDentes.h"

CQlmGeomContainer* CQlmCoreDentes::Container() const { return this->Owner->DentesContainer; }

vtkGeomsLib* CQlmCoreDentes::Library() const {
  return vtkGeomsLib::SafeDownCast(this->Owner->Libraries[CQlmQuorvantile::Teeth]);
}

CLibraryToolBar* CQlmCoreDentes::ToolBar() const {
  return this->Owner->MainFrame ? &this->Owner->MainFrame->DentesToolBar : nullptr;
}

int CQlmCoreDentes::AddToContainer(const void* window, const double point[3], const CString& libraryName,
                                   const CString& libraryId, const CString& itemName, int cell, int position) {
  return this->Owner->DentesContainer->AddTooth(window, point, libraryName, libraryId, itemName, cell, position);
}

vtkGeom* CQlmCoreDentes::FindItem(const CString& libraryName, const CString& itemName, const CString& libraryId) const {
  return this->Owner->DentesContainer->FindItem(libraryName, itemName, libraryId);
}
