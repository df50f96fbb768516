#include "app/QlmLibraryKind.h"

#include "app/CMainFrame.h"
#include "app/QlmConfig.h"
#include "libraries/CDentesLibFile.h"
#include "libraries/CEndoLibFile.h"
#include "libraries/CGeomsLibFile.h"
#include "libraries/CImpLibFile.h"
#include "libraries/COrtoLibFile.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmEndoImps.h"
#include "objects/CQlmGeoms.h"
#include "objects/CQlmImplants.h"
#include "objects/CQlmOrtoImps.h"

namespace {

using Kind = CQlmQuorvantile::LibraryKind;

template <class Library>
vtkLibrary* NewLibrary() {
  return Library::New();
}

template <class File, class Library>
int Load(vtkLibrary* library) {
  File file;
  file.Library = Library::SafeDownCast(library);
  return file.Load();
}

template <class BarType, BarType CMainFrame::*Bar>
CLibraryToolBar& BarOf(CMainFrame& frame) {
  return frame.*Bar;
}

template <class Library, class Container, Container* CQlmQuorvantile::*Member>
void GiveLibraries(CQlmQuorvantile& controller, vtkLibrary* current, const CStringArray& names) {
  if (Container* container = controller.*Member) container->SetLibraries(Library::SafeDownCast(current), names);
}

const QlmLibraryKind Kinds[CQlmQuorvantile::LibraryKinds] = {
    {Kind::Implants, ".imp", "Implantes", NewLibrary<vtkImplantLib>, Load<CImpLibFile, vtkImplantLib>, ReadConfigImplantLibUsed,
     WriteConfigImplantLibUsed, nullptr, nullptr, "Implant Lib files", "Importar Bibliotecas de Implantes",
     BarOf<CImplantToolBar, &CMainFrame::ImplantToolBar>,
     GiveLibraries<vtkImplantLib, CQlmImplants, &CQlmQuorvantile::ImplantContainer>},
    {Kind::Orthodontic, ".omp", "OrtoImplantes", NewLibrary<vtkOrtoImpLib>, Load<COrtoLibFile, vtkOrtoImpLib>,
     ReadConfigOrtoImpLibUsed, WriteConfigOrtoImpLibUsed, ReadConfigOrtoImpAdvan, WriteConfigOrtoImpAdvan,
     "Orto Implant Lib files", "Importar Bibliotecas de Orto Implantes", BarOf<COrtoToolBar, &CMainFrame::OrtoToolBar>,
     GiveLibraries<vtkOrtoImpLib, CQlmOrtoImps, &CQlmQuorvantile::OrtoImpsContainer>},
    {Kind::Teeth, ".dnt", "Dentes", NewLibrary<vtkGeomsLib>, Load<CDentesLibFile, vtkGeomsLib>, ReadConfigDentesLibUsed,
     WriteConfigDentesLibUsed, ReadConfigDentesAdvan, WriteConfigDentesAdvan, "Tooth Lib files",
     "Importar Bibliotecas de Dentes", BarOf<CDentesToolBar, &CMainFrame::DentesToolBar>,
     GiveLibraries<vtkGeomsLib, CQlmDentes, &CQlmQuorvantile::DentesContainer>},
    {Kind::Meshes, ".geo", "Geometrias", NewLibrary<vtkGeomsLib>, Load<CGeomsLibFile, vtkGeomsLib>, ReadConfigGeometrLibUsed,
     WriteConfigGeometrLibUsed, ReadConfigGeometrAdvan, WriteConfigGeometrAdvan, "Geomatry Lib files",
     "Importar Bibliotecas de Geometrias", BarOf<CGeomsToolBar, &CMainFrame::GeomsToolBar>,
     GiveLibraries<vtkGeomsLib, CQlmGeoms, &CQlmQuorvantile::GeomsContainer>},
    {Kind::Endodontic, ".end", "Endo", NewLibrary<vtkEndoImpLib>, Load<CEndoLibFile, vtkEndoImpLib>, ReadConfigEndoImpLibUsed,
     WriteConfigEndoImpLibUsed, ReadConfigEndoImpAdvan, WriteConfigEndoImpAdvan, "Endo Implant Lib files",
     "Importar Bibliotecas de Endo Implantes", BarOf<CEndoToolBar, &CMainFrame::EndoToolBar>,
     GiveLibraries<vtkEndoImpLib, CQlmEndoImps, &CQlmQuorvantile::EndoImpsContainer>},
};

}  // namespace

const QlmLibraryKind& QlmLibraryKind::Of(int kind) { return Kinds[kind]; }
