// Libraries: the one in use per kind, their editors, import and export, and
// the library tool bars shown or hidden.
#include "app/CMainFrame.h"
#include "app/CMainFrameCommands.h"
#include "app/QlmCommandRules.h"
#include "app/QlmLibraryKind.h"

namespace {

using namespace QlmCommandRules;
using Row = QlmCommandRow;
using Kind = CQlmQuorvantile::LibraryKind;

CToolBar& BarOf(CMainFrame& frame, int kind) { return QlmLibraryKind::Of(kind).Bar(frame); }

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

      // button "Plataforma do Implante"
      {33158, Row::Call<&CQlmQuorvantile::SelectImplantLibrary>, Kept},
      // "Selecionar Plataforma Implante", "Selecionar Plataf. OrtoImp", "... Endo", "... Dentes", "... STLs"
      {33169, Row::Call<&CQlmQuorvantile::SelectImplantLibrary>, LibraryOpen<Kind::Implants>},
      {33190, Row::Call<&CQlmQuorvantile::SelectOrtoLibrary>, LibraryOpen<Kind::Orthodontic>},
      {33292, Row::Call<&CQlmQuorvantile::SelectEndoLibrary>, LibraryOpen<Kind::Endodontic>},
      {33216, Row::Call<&CQlmQuorvantile::SelectDentesLibrary>, LibraryOpen<Kind::Teeth>},
      {33245, Row::Call<&CQlmQuorvantile::SelectGeomsLibrary>, LibraryOpen<Kind::Meshes>},

      {33156, Waiting, Kept},  // "Criar/Editar Biblioteca Implante": EditImplantLibraries
      // "Importar Biblioteca Implante", "Exportar Biblioteca Implante"
      {33155, Row::Call<&CQlmQuorvantile::ImportImplantLibraries>, Kept},
      {33170, Row::Call<&CQlmQuorvantile::ExportImplantLibraries>, Kept},
      {33174, Waiting, Kept},  // EditOrtoLibraries
      {33175, Row::Call<&CQlmQuorvantile::ImportOrtoLibraries>, Kept},
      {33176, Row::Call<&CQlmQuorvantile::ExportOrtoLibraries>, Kept},
      {33293, Waiting, Kept},  // EditEndoLibraries
      {33294, Row::Call<&CQlmQuorvantile::ImportEndoLibraries>, Kept},
      {33295, Row::Call<&CQlmQuorvantile::ExportEndoLibraries>, Kept},
      {33217, Waiting, Kept},  // EditDentesLibraries
      {33218, Row::Call<&CQlmQuorvantile::ImportDentesLibraries>, Kept},
      {33219, Row::Call<&CQlmQuorvantile::ExportDentesLibraries>, Kept},
      {33234, Waiting, Kept},  // EditGeomsLibraries
      {33235, Row::Call<&CQlmQuorvantile::ImportGeomsLibraries>, Kept},
      {33236, Row::Call<&CQlmQuorvantile::ExportGeomsLibraries>, Kept},
  };
  return rows;
}
