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

using Kind = CQlmQuorvantile::LibraryKind;
using Q = CQlmQuorvantile;

// "Index" (0) or "Nome" (1) while the kind's labels show.
template <int Kind, int Mode>
bool LabelModeIs(const QlmCommandContext& context) {
  return context.Quorvantile.LabelsShown[Kind] && context.Quorvantile.LabelModes[Kind] == Mode;
}

template <int Kind>
bool LabelsHidden(const QlmCommandContext& context) {
  return !context.Quorvantile.LabelsShown[Kind];
}

template <int Kind, int Size>
bool FontSizeIs(const QlmCommandContext& context) {
  return context.Quorvantile.FontSizes[Kind] == Size;
}

template <int Fill>
bool ImplantFillIs(const QlmCommandContext& context) {
  return context.Quorvantile.ImplantFill == Fill;
}

template <int Mode>
bool ImplantLabelIs(const QlmCommandContext& context) {
  return context.Quorvantile.LabelModes[Kind::Implants] == Mode;
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

      // "Implantes/Avançado"
      {32867, Row::Call<&Q::EditImplantOptions>, OpenNotEditing},
      {33120, Row::Call<&Q::ShowImplantAngles>, Open},                  // "Implantes/Angulação"
      {32937, OrientImplants<1>, OpenNotEditing, ImplantsOriented<1>},  // "Implantes/Orientação/Maxila"
      {32938, OrientImplants<0>, OpenNotEditing, ImplantsOriented<0>},  // "Implantes/Orientação/Mandíbula"
      // "Preenchimento/Sólido", "Preenchimento/Contorno", "Descrição/Index", "Descrição/Tamanho"
      {33147, Row::Call<&Q::SetImplantFillSolid>, OpenNotEditing, ImplantFillIs<1>},
      {33148, Row::Call<&Q::SetImplantFillOutline>, OpenNotEditing, ImplantFillIs<0>},
      {33149, Row::Call<&Q::SetImplantLabelIndex>, OpenNotEditing, ImplantLabelIs<0>},
      {33150, Row::Call<&Q::SetImplantLabelSize>, OpenNotEditing, ImplantLabelIs<1>},

      // Labels and fonts per kind: "Descrição/Nome", ".../Index", ".../Nenhum", then
      // "Tamanho da Fonte/Pequeno", ".../Médio", ".../Grande" under "OrtoImp", "Endo", "Dentes" and "STLs".
      {33201, Row::Call<&Q::SetOrtoLabelName>, Open, LabelModeIs<Kind::Orthodontic, 1>},
      {33202, Row::Call<&Q::SetOrtoLabelIndex>, Open, LabelModeIs<Kind::Orthodontic, 0>},
      {33203, Row::Call<&Q::HideOrtoLabels>, Open, LabelsHidden<Kind::Orthodontic>},
      {33204, Row::Call<&Q::SetOrtoFontSmall>, Open, FontSizeIs<Kind::Orthodontic, 7>},
      {33205, Row::Call<&Q::SetOrtoFontMedium>, Open, FontSizeIs<Kind::Orthodontic, 12>},
      {33206, Row::Call<&Q::SetOrtoFontLarge>, Open, FontSizeIs<Kind::Orthodontic, 18>},
      {33285, Row::Call<&Q::SetEndoLabelName>, Open, LabelModeIs<Kind::Endodontic, 1>},
      {33286, Row::Call<&Q::SetEndoLabelIndex>, Open, LabelModeIs<Kind::Endodontic, 0>},
      {33287, Row::Call<&Q::HideEndoLabels>, Open, LabelsHidden<Kind::Endodontic>},
      {33288, Row::Call<&Q::SetEndoFontSmall>, Open, FontSizeIs<Kind::Endodontic, 7>},
      {33289, Row::Call<&Q::SetEndoFontMedium>, Open, FontSizeIs<Kind::Endodontic, 12>},
      {33290, Row::Call<&Q::SetEndoFontLarge>, Open, FontSizeIs<Kind::Endodontic, 18>},
      {33238, Row::Call<&Q::SetDentesLabelName>, Open, LabelModeIs<Kind::Teeth, 1>},
      {33239, Row::Call<&Q::SetDentesLabelIndex>, Open, LabelModeIs<Kind::Teeth, 0>},
      {33241, Row::Call<&Q::HideDentesLabels>, Open, LabelsHidden<Kind::Teeth>},
      {33242, Row::Call<&Q::SetDentesFontSmall>, Open, FontSizeIs<Kind::Teeth, 7>},
      {33243, Row::Call<&Q::SetDentesFontMedium>, Open, FontSizeIs<Kind::Teeth, 12>},
      {33244, Row::Call<&Q::SetDentesFontLarge>, Open, FontSizeIs<Kind::Teeth, 18>},
      {33246, Row::Call<&Q::SetGeomsLabelName>, Open, LabelModeIs<Kind::Meshes, 1>},
      {33247, Row::Call<&Q::SetGeomsLabelIndex>, Open, LabelModeIs<Kind::Meshes, 0>},
      {33248, Row::Call<&Q::HideGeomsLabels>, Open, LabelsHidden<Kind::Meshes>},
      {33249, Row::Call<&Q::SetGeomsFontSmall>, Open, FontSizeIs<Kind::Meshes, 7>},
      {33251, Row::Call<&Q::SetGeomsFontMedium>, Open, FontSizeIs<Kind::Meshes, 12>},
      {33250, Row::Call<&Q::SetGeomsFontLarge>, Open, FontSizeIs<Kind::Meshes, 18>},

      // "Ferramentas/Informações do Exame"
      {32790, Row::Call<&CQlmQuorvantile::ShowExamInfo>, Open},
      // "Info/Exame"
      {33132, Row::Call<&CQlmQuorvantile::ShowExamNotes>, Open},
      // "Ferramentas/Importa Geometria STL"
      {33088, Row::Call<&CQlmQuorvantile::ImportGeometry>, Open},
      // accelerator "Exporta as Geometrias"
      {33123, Row::Call<&CQlmQuorvantile::ExportNerveGeometry>, Open},
  };
  return rows;
}
