// The objects of a project: their lists, the implant options and the labels
// and fonts of each object kind; exam information and notes; STL meshes.
#include "app/CMainFrameCommands.h"
#include "app/QlmCommandRules.h"

namespace {

using namespace QlmCommandRules;
using Row = QlmCommandRow;

// New implants go into the maxilla (1) or the mandible (0); nothing is redrawn.
template <int Orientation>
void OrientImplants(QlmCommandContext& context) {
  context.Quorvantile.SetImplantOrientation(Orientation);
  context.Quorvantile.Modified = 1;
}

template <int Orientation>
bool ImplantsOriented(const QlmCommandContext& context) {
  return context.Quorvantile.GetImplantOrientation() == Orientation;
}

}  // namespace

const std::vector<QlmCommandRow>& CMainFrameCommands::ObjectRows() {
  static const std::vector<Row> rows = {
      {32865, Waiting, Open},                               // button "Lista de Implantes": ShowImplantList
      {32914, Waiting, Open},                               // "Implantes/Lista": ShowImplantList
      {32872, Waiting, OpenNotEditing},                     // "Listas/Implantes": ShowImplantList
      {33192, Waiting, Open},                               // "Listas/OrtoImp": ShowOrtoList
      {33304, Waiting, Open},                               // "Listas/Endo": ShowEndoList
      {33258, Waiting, OpenNotEditing},                     // "Listas/Dentes": ShowTeethList
      {33274, Waiting, OpenNotEditing},                     // "Listas/STLs": ShowMeshList
      {32981, Waiting, OpenNotEditing},                     // "Listas/Nervos": ShowNerveList
      {32785, Waiting, Open},                               // "Listas/Régua": ShowRulerList
      {32874, Waiting, Open},                               // "Listas/Geometrias": ShowObject3DList
      {32773, Waiting, Open3DView, nullptr, Row::Frame3D},  // 3D frame "Propriedades 3D": ShowObject3DList

      {32867, Waiting, OpenNotEditing},                                 // "Implantes/Avançado": EditImplantOptions
      {33120, Waiting, Open},                                           // "Implantes/Angulação": ShowImplantAngles
      {32937, OrientImplants<1>, OpenNotEditing, ImplantsOriented<1>},  // "Implantes/Orientação/Maxila"
      {32938, OrientImplants<0>, OpenNotEditing, ImplantsOriented<0>},  // "Implantes/Orientação/Mandíbula"
      // Checked by the implant container's fill flag and label mode.
      {33147, Waiting, OpenNotEditing},  // "Preenchimento/Sólido": SetImplantFillSolid
      {33148, Waiting, OpenNotEditing},  // "Preenchimento/Contorno": SetImplantFillOutline
      {33149, Waiting, OpenNotEditing},  // "Descrição/Index": SetImplantLabelIndex
      {33150, Waiting, OpenNotEditing},  // "Descrição/Tamanho": SetImplantLabelSize

      // Labels and fonts per kind, checked by the kind's container: "Nome" with label mode 1 and labels
      // shown, "Index" with mode 0 and labels shown, "Nenhum" with labels hidden, a font size when equal.
      {33201, Waiting, Open},  // "OrtoImp/Descrição/Nome": SetOrtoLabelName
      {33202, Waiting, Open},  // ".../Index": SetOrtoLabelIndex
      {33203, Waiting, Open},  // ".../Nenhum": HideOrtoLabels
      {33204, Waiting, Open},  // "Tamanho da Fonte/Pequeno": SetOrtoFontSmall
      {33205, Waiting, Open},  // ".../Médio": SetOrtoFontMedium
      {33206, Waiting, Open},  // ".../Grande": SetOrtoFontLarge
      {33285, Waiting, Open},  // "Endo/Descrição/Nome": SetEndoLabelName
      {33286, Waiting, Open},  // SetEndoLabelIndex
      {33287, Waiting, Open},  // HideEndoLabels
      {33288, Waiting, Open},  // SetEndoFontSmall
      {33289, Waiting, Open},  // SetEndoFontMedium
      {33290, Waiting, Open},  // SetEndoFontLarge
      {33238, Waiting, Open},  // "Dentes/Descrição/Nome": SetDentesLabelName
      {33239, Waiting, Open},  // SetDentesLabelIndex
      {33241, Waiting, Open},  // HideDentesLabels
      {33242, Waiting, Open},  // SetDentesFontSmall
      {33243, Waiting, Open},  // SetDentesFontMedium
      {33244, Waiting, Open},  // SetDentesFontLarge
      {33246, Waiting, Open},  // "STLs/Descrição/Nome": SetGeomsLabelName
      {33247, Waiting, Open},  // SetGeomsLabelIndex
      {33248, Waiting, Open},  // HideGeomsLabels
      {33249, Waiting, Open},  // SetGeomsFontSmall
      {33251, Waiting, Open},  // SetGeomsFontMedium
      {33250, Waiting, Open},  // SetGeomsFontLarge

      // "Ferramentas/Informações do Exame"
      {32790, Row::Call<&CQlmQuorvantile::ShowExamInfo>, Open},
      // "Info/Exame"
      {33132, Row::Call<&CQlmQuorvantile::ShowExamNotes>, Open},
      {33088, Waiting, Open},  // "Ferramentas/Importa Geometria STL": ImportGeometry
      {33123, Waiting, Open},  // accelerator "Exporta as Geometrias": ExportNerveGeometry
  };
  return rows;
}
