// Libraries: the one in use per kind, their editors, import and export, and
// the library tool bars shown or hidden.
#include "app/CMainFrame.h"
#include "app/CMainFrameCommands.h"
#include "app/QlmCommandRules.h"

namespace {

using namespace QlmCommandRules;
using Row = QlmCommandRow;
using Kind = CQlmQuorvantile::LibraryKind;

CToolBar& BarOf(CMainFrame& frame, int kind) {
  switch (kind) {
    case Kind::Implants:
      return frame.ImplantToolBar;
    case Kind::Orthodontic:
      return frame.OrtoToolBar;
    case Kind::Teeth:
      return frame.DentesToolBar;
    case Kind::Meshes:
      return frame.GeomsToolBar;
    default:
      return frame.EndoToolBar;
  }
}

template <int Bar>
void ToggleBar(QlmCommandContext& context) {
  context.Frame->OnToggleToolBar(BarOf(*context.Frame, Bar));
}

template <int Bar>
bool BarShown(const QlmCommandContext& context) {
  return BarOf(*context.Frame, Bar).IsVisible();
}

}  // namespace

const std::vector<QlmCommandRow>& CMainFrameCommands::LibraryRows() {
  static const std::vector<Row> rows = {
      {33189, ToggleBar<Kind::Implants>, Kept, BarShown<Kind::Implants>},        // "Mostrar ToolBar Implante Cust."
      {33187, ToggleBar<Kind::Orthodontic>, Kept, BarShown<Kind::Orthodontic>},  // "Mostrar ToolBar OrtoImp"
      {33291, ToggleBar<Kind::Endodontic>, Kept, BarShown<Kind::Endodontic>},    // "Mostrar ToolBar Endo"
      {33215, ToggleBar<Kind::Teeth>, Kept, BarShown<Kind::Teeth>},              // "Mostrar ToolBar Dentes"
      {33232, ToggleBar<Kind::Meshes>, Kept, BarShown<Kind::Meshes>},            // "Mostrar ToolBar STLs"

      {33158, Waiting, Kept},                            // button "Plataforma do Implante": SelectImplantLibrary
      {33169, Waiting, LibraryOpen<Kind::Implants>},     // "Selecionar Plataforma Implante": SelectImplantLibrary
      {33190, Waiting, LibraryOpen<Kind::Orthodontic>},  // "Selecionar Plataf. OrtoImp": SelectOrtoLibrary
      {33292, Waiting, LibraryOpen<Kind::Endodontic>},   // "Selecionar Plataf. Endo": SelectEndoLibrary
      {33216, Waiting, LibraryOpen<Kind::Teeth>},        // "Selecionar Plataf. Dentes": SelectDentesLibrary
      {33245, Waiting, LibraryOpen<Kind::Meshes>},       // "Selecionar Plataf. STLs": SelectGeomsLibrary

      {33156, Waiting, Kept},  // "Criar/Editar Biblioteca Implante": EditImplantLibraries
      {33155, Waiting, Kept},  // "Importar Biblioteca Implante": ImportImplantLibraries
      {33170, Waiting, Kept},  // "Exportar Biblioteca Implante": ExportImplantLibraries
      {33174, Waiting, Kept},  // EditOrtoLibraries
      {33175, Waiting, Kept},  // ImportOrtoLibraries
      {33176, Waiting, Kept},  // ExportOrtoLibraries
      {33293, Waiting, Kept},  // EditEndoLibraries
      {33294, Waiting, Kept},  // ImportEndoLibraries
      {33295, Waiting, Kept},  // ExportEndoLibraries
      {33217, Waiting, Kept},  // EditDentesLibraries
      {33218, Waiting, Kept},  // ImportDentesLibraries
      {33219, Waiting, Kept},  // ExportDentesLibraries
      {33234, Waiting, Kept},  // EditGeomsLibraries
      {33235, Waiting, Kept},  // ImportGeomsLibraries
      {33236, Waiting, Kept},  // ExportGeomsLibraries
  };
  return rows;
}
