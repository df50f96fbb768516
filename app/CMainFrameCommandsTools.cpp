// Tool modes (checked by the controller's tool number), arch-curve and nerve
// editing, and the object tools of every kind.
#include "app/CMainFrameCommands.h"
#include "app/QlmCommandRules.h"
#include "objects/CQlmNerves.h"

namespace {

using namespace QlmCommandRules;
using Row = QlmCommandRow;
using Kind = CQlmQuorvantile::LibraryKind;

bool CurveEdited(const QlmCommandContext& context) { return context.Quorvantile.CurveEditing; }
bool NerveEdited(const QlmCommandContext& context) { return context.Quorvantile.NerveEditing; }
// "Sair" of the reformat tool bar.
void LeaveCurveEdit(QlmCommandContext& context) {
  context.Quorvantile.ToggleCurveEdit();
  context.Quorvantile.SetSelectImplantMode();
}
// The 3D frame's pan serves the plain, the arch-curve and the nerve pan; it is checked for two of them.
bool Panning3D(const QlmCommandContext& context) { return ToolIs<1>(context) || ToolIs<23>(context); }
// The current nerve has one before / after it in the list.
bool NerveBeforeCurrent(const QlmCommandContext& context) {
  return NerveEditing(context) && context.Quorvantile.NerveContainer->GetCurrent() > 0;
}
bool NerveAfterCurrent(const QlmCommandContext& context) {
  const CQlmNerves& nerves = *context.Quorvantile.NerveContainer;
  return NerveEditing(context) && nerves.GetCurrent() + 1 < nerves.GetCount();
}
bool NerveCutsShown(const QlmCommandContext& context) {
  return context.Quorvantile.NerveContainer->GetCurrentVisibility() != 0;
}
// A diameter of the nerve tool bar's menu, in tenths of a millimetre.
template <int Tenths>
void SetDiameter(QlmCommandContext& context) {
  context.Quorvantile.SetNerveDiameter(Tenths / 10.0f);
}
// The 3D frame's pan: the nerve pan while a nerve is edited, the curve pan while the arch is, else the plain one.
void Pan3D(QlmCommandContext& context) {
  CQlmQuorvantile& q = context.Quorvantile;
  if (q.NerveEditing)
    q.SetNervePanMode();
  else if (q.CurveEditing)
    q.SetCurvePanMode();
  else
    q.SetPanMode();
}

}  // namespace

const std::vector<QlmCommandRow>& CMainFrameCommands::ToolRows() {
  static const std::vector<Row> rows = {
      {32800, Row::Call<&CQlmQuorvantile::SetZoomInMode>, OpenNotEditing, ToolIs<11>},     // button "Zoom"
      {32801, Row::Call<&CQlmQuorvantile::SetZoomOutMode>, OpenNotEditing, ToolIs<12>},    // button "Diminuir Zoom"
      {32803, Row::Call<&CQlmQuorvantile::SetResetZoomMode>, OpenNotEditing, ToolIs<13>},  // button "Redefenir Zoom"
      {32802, Row::Call<&CQlmQuorvantile::SetAreaZoomMode>, OpenNotEditing, ToolIs<2>},    // button "Área Zoom"
      {32815, Row::Call<&CQlmQuorvantile::SetPanMode>, OpenNotEditing, ToolIs<1>},         // button "Pam"
      {32809, Row::Call<&CQlmQuorvantile::SetRulerMode>, OpenNotEditing, ToolIs<4>},  // button "Régua"
      {32984, Row::Call<&CQlmQuorvantile::ToggleHULine>, OpenNotEditing, ToolIs<30>},  // button "Linha Hounsfield"
      {32982, Row::Call<&CQlmQuorvantile::ToggleHULine>, OpenNotEditing},  // "Ferramentas/Linha Hounsfield"
      {32818, Row::Call<&CQlmQuorvantile::SetRotate3DMode>, Open3DView, ToolIs<3>, Row::Frame3D},  // "Rotaciona 3D"
      {33152, Pan3D, Open3DView, Panning3D, Row::Frame3D},  // 3D frame "Movimenta 3D"

      // Arch-curve editing and the reformat tool bar.
      {32852, Row::Call<&CQlmQuorvantile::ToggleCurveEdit>, OpenNotNerveNotSagittal, CurveEdited},  // "Reformatar/Editar Curva Panorâmica"
      {32899, Row::Call<&CQlmQuorvantile::SetDrawCurveMode>, CurveEditing, ToolIs<5>},
      {32898, Row::Call<&CQlmQuorvantile::SetEditCurveMode>, CurveEditing, ToolIs<6>},
      {32900, Row::Call<&CQlmQuorvantile::ResetCurve>, CurveEditing},
      {32904, Row::Call<&CQlmQuorvantile::SetCurveZoomInMode>, CurveEditing, ToolIs<14>},
      {32905, Row::Call<&CQlmQuorvantile::SetCurveZoomOutMode>, CurveEditing, ToolIs<15>},
      {32906, Row::Call<&CQlmQuorvantile::SetCurveResetZoomMode>, CurveEditing},
      {32907, Row::Call<&CQlmQuorvantile::SetCurveAreaZoomMode>, CurveEditing, ToolIs<16>},
      {32908, Row::Call<&CQlmQuorvantile::SetCurvePanMode>, CurveEditing, ToolIs<18>},
      {32903, LeaveCurveEdit, CurveEditing},  // "Sair"

      // Nerve editing and the nerve tool bar.
      // "Reformatar/Cria / Edita Nervo"
      {32952, Row::Call<&CQlmQuorvantile::ToggleNerveEdit>, OpenNotCurve, NerveEdited},
      {32957, Row::Call<&CQlmQuorvantile::SetAddNervePointsMode>, NerveEditing, ToolIs<24>},   // "Adiciona Ponto"
      {32958, Row::Call<&CQlmQuorvantile::SetMoveNervePointsMode>, NerveEditing, ToolIs<25>},  // "Move Pontos"
      {32959, Row::Call<&CQlmQuorvantile::ResetNerve>, NerveEditing},  // "Redefenir Nervo"
      {32967, Row::Nothing, NerveEditing},          // "Diâmetro": the diameter menu opens from its arrow
      {32960, Row::Call<&CQlmQuorvantile::SetNerveZoomInMode>, NerveEditing, ToolIs<19>},  // "Zoom"
      {32961, Row::Call<&CQlmQuorvantile::SetNerveZoomOutMode>, NerveEditing, ToolIs<20>},  // "Diminuir Zoom"
      {32962, Row::Call<&CQlmQuorvantile::SetNerveResetZoomMode>, NerveEditing, ToolIs<22>},  // "Redefenir Zoom"
      {32963, Row::Call<&CQlmQuorvantile::SetNerveAreaZoomMode>, NerveEditing, ToolIs<21>},  // "Área Zoom"
      {32964, Row::Call<&CQlmQuorvantile::SetNervePanMode>, NerveEditing, ToolIs<23>},  // "Pam"
      {32980, Row::Call<&CQlmQuorvantile::ToggleNerveCuts>, NerveEditing, NerveCutsShown},  // "Exibir Cortes"
      {32956, Row::Call<&CQlmQuorvantile::PreviousNerve>, NerveBeforeCurrent},  // "Nervo Anrterior"
      {32955, Row::Call<&CQlmQuorvantile::NextNerve>, NerveAfterCurrent},       // "Próximo Nervo"
      {32953, Row::Call<&CQlmQuorvantile::AddNerve>, NerveEditing},              // "Adiciona Nervo"
      {32954, Row::Call<&CQlmQuorvantile::DeleteNerve>, NerveEditing},           // "Deletar Nervo"
      {32965, Row::Call<&CQlmQuorvantile::ToggleNerveEdit>, Always},             // "Sair"
      // The entries of the diameter menu: 2.0 to 4.0 mm.
      {32972, SetDiameter<20>, Always},  // "2.0 mm"
      {32973, SetDiameter<22>, Always},  // "2.2 mm"
      {32974, SetDiameter<24>, Always},  // "2.4 mm"
      {32975, SetDiameter<26>, Always},  // "2.6 mm"
      {32968, SetDiameter<28>, Always},  // "2.8 mm"
      {32969, SetDiameter<30>, Always},  // "3.0 mm"
      {32970, SetDiameter<32>, Always},  // "3.2 mm"
      {32976, SetDiameter<34>, Always},  // "3.4 mm"
      {32977, SetDiameter<36>, Always},  // "3.6 mm"
      {32978, SetDiameter<38>, Always},  // "3.8 mm"
      {32979, SetDiameter<40>, Always},  // "4.0 mm"

      // Implants.
      {32817, Row::Call<&CQlmQuorvantile::SetSelectImplantMode>, OpenNotEditing, ToolIsNoneOr<10>,
       Row::BothFrames},                                                                      // "Seleciona Implante"
      {32856, Row::Call<&CQlmQuorvantile::SetInsertImplantMode>, OpenNotEditing, ToolIs<7>},  // "Insere novo Implante"
      {32857, Row::Call<&CQlmQuorvantile::SetMoveImplantMode>, OpenNotEditing, ToolIs<8>,
       Row::BothFrames},                                                                      // "Mover Implante"
      {33166, Row::Call<&CQlmQuorvantile::SetMoveImplantMode>, OpenNotEditing, ToolIs<8>},    // "Move Implante"
      {32858, Row::Call<&CQlmQuorvantile::SetRotateImplantMode>, OpenNotEditing, ToolIs<9>,
       Row::BothFrames},                                                                      // "Rotaciona Implante"
      {33167, Row::Call<&CQlmQuorvantile::SetRotateImplantMode>, OpenNotEditing, ToolIs<9>},  // "Rotaciona Implante"
      // "Insere Imp. Personalizado": tool 74 (71 is the endodontic move).
      {33165, Row::Call<&CQlmQuorvantile::SetInsertCustomImplantMode>, LibraryNotEditing<Kind::Implants>,
       ToolIs<74>},

      // Orthodontic objects.
      {33182, Waiting, OpenNotEditing, ToolIsNoneOr<43>},                  // SetSelectOrtoMode
      {33183, Waiting, LibraryNotEditing<Kind::Orthodontic>, ToolIs<40>},  // SetInsertOrtoMode
      {33184, Waiting, OpenNotEditing, ToolIs<41>},                        // SetMoveOrtoMode
      {33186, Waiting, OpenNotEditing, ToolIs<42>},                        // SetRotateOrtoMode
      // Endodontic objects.
      {33300, Waiting, OpenNotEditing, ToolIsNoneOr<73>},                 // SetSelectEndoMode
      {33301, Waiting, LibraryNotEditing<Kind::Endodontic>, ToolIs<70>},  // SetInsertEndoMode
      {33302, Waiting, OpenNotEditing, ToolIs<71>},                       // SetMoveEndoMode
      {33303, Waiting, OpenNotEditing, ToolIs<72>},                       // SetRotateEndoMode
      // Teeth.
      {33272, Row::Call<&CQlmQuorvantile::SetSelectDentesMode>, OpenNotEditing, ToolIs<63>},
      {33262, Row::Call<&CQlmQuorvantile::SetInsertDentesMode>, LibraryNotEditing<Kind::Teeth>, ToolIs<60>},
      {33273, Row::Call<&CQlmQuorvantile::SetMoveDentesMode>, OpenNotEditing, ToolIs<61>},
      {33264, Row::Call<&CQlmQuorvantile::SetRotateDentesMode>, OpenNotEditing, ToolIs<62>},
      {33282, Row::Call<&CQlmQuorvantile::SetScaleDentesMode>, OpenNotEditing, ToolIs<64>,
       Row::BothFrames},  // "Escala Dentes"
      // Library meshes.
      {33261, Row::Call<&CQlmQuorvantile::SetSelectGeomsMode>, OpenNotEditing, ToolIs<53>},
      {33255, Row::Call<&CQlmQuorvantile::SetInsertGeomsMode>, LibraryNotEditing<Kind::Meshes>, ToolIs<50>},
      {33263, Row::Call<&CQlmQuorvantile::SetMoveGeomsMode>, OpenNotEditing, ToolIs<51>},
      {33257, Row::Call<&CQlmQuorvantile::SetRotateGeomsMode>, OpenNotEditing, ToolIs<52>},
      {33281, Row::Call<&CQlmQuorvantile::SetScaleGeomsMode>, OpenNotEditing, ToolIs<54>},
  };
  return rows;
}
