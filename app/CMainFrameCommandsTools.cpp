// Tool modes (checked by the controller's tool number), arch-curve and nerve
// editing, and the object tools of every kind.
#include "app/CMainFrameCommands.h"
#include "app/QlmCommandRules.h"

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

}  // namespace

const std::vector<QlmCommandRow>& CMainFrameCommands::ToolRows() {
  static const std::vector<Row> rows = {
      {32800, Waiting, OpenNotEditing, ToolIs<11>},           // button "Zoom": SetZoomInMode
      {32801, Waiting, OpenNotEditing, ToolIs<12>},           // button "Diminuir Zoom": SetZoomOutMode
      {32803, Waiting, OpenNotEditing, ToolIs<13>},           // button "Redefenir Zoom": SetResetZoomMode
      {32802, Waiting, OpenNotEditing, ToolIs<2>},            // button "Área Zoom": SetAreaZoomMode
      {32815, Waiting, OpenNotEditing, ToolIs<1>},            // button "Pam": SetPanMode
      {32809, Row::Call<&CQlmQuorvantile::SetRulerMode>, OpenNotEditing, ToolIs<4>},  // button "Régua"
      {32984, Row::Call<&CQlmQuorvantile::ToggleHULine>, OpenNotEditing, ToolIs<30>},  // button "Linha Hounsfield"
      {32982, Row::Call<&CQlmQuorvantile::ToggleHULine>, OpenNotEditing},  // "Ferramentas/Linha Hounsfield"
      {32818, Waiting, Open3DView, ToolIs<3>, Row::Frame3D},  // 3D frame "Rotaciona 3D": SetRotate3DMode
      // 3D frame "Movimenta 3D": SetNervePanMode while a nerve is edited, SetCurvePanMode while the
      // arch curve is, else SetPanMode.
      {33152, Waiting, Open3DView, Panning3D, Row::Frame3D},

      // Arch-curve editing and the reformat tool bar.
      {32852, Row::Call<&CQlmQuorvantile::ToggleCurveEdit>, OpenNotNerveNotSagittal, CurveEdited},  // "Reformatar/Editar Curva Panorâmica"
      {32899, Row::Call<&CQlmQuorvantile::SetDrawCurveMode>, CurveEditing, ToolIs<5>},
      {32898, Row::Call<&CQlmQuorvantile::SetEditCurveMode>, CurveEditing, ToolIs<6>},
      {32900, Waiting, CurveEditing},                          // ResetCurve
      {32904, Row::Call<&CQlmQuorvantile::SetCurveZoomInMode>, CurveEditing, ToolIs<14>},
      {32905, Row::Call<&CQlmQuorvantile::SetCurveZoomOutMode>, CurveEditing, ToolIs<15>},
      {32906, Row::Call<&CQlmQuorvantile::SetCurveResetZoomMode>, CurveEditing},
      {32907, Row::Call<&CQlmQuorvantile::SetCurveAreaZoomMode>, CurveEditing, ToolIs<16>},
      {32908, Row::Call<&CQlmQuorvantile::SetCurvePanMode>, CurveEditing, ToolIs<18>},
      {32903, LeaveCurveEdit, CurveEditing},  // "Sair"

      // Nerve editing and the nerve tool bar.
      {32952, Waiting, OpenNotCurve, NerveEdited},  // "Reformatar/Cria / Edita Nervo": ToggleNerveEdit
      {32957, Waiting, NerveEditing, ToolIs<24>},   // "Adiciona Ponto": SetAddNervePointsMode
      {32958, Waiting, NerveEditing, ToolIs<25>},   // "Move Pontos": SetMoveNervePointsMode
      {32959, Waiting, NerveEditing},               // "Redefenir Nervo": ResetNerve
      {32967, Row::Nothing, NerveEditing},          // "Diâmetro": the diameter menu opens from its arrow
      {32960, Row::Call<&CQlmQuorvantile::SetNerveZoomInMode>, NerveEditing, ToolIs<19>},  // "Zoom"
      {32961, Row::Call<&CQlmQuorvantile::SetNerveZoomOutMode>, NerveEditing, ToolIs<20>},  // "Diminuir Zoom"
      {32962, Row::Call<&CQlmQuorvantile::SetNerveResetZoomMode>, NerveEditing, ToolIs<22>},  // "Redefenir Zoom"
      {32963, Row::Call<&CQlmQuorvantile::SetNerveAreaZoomMode>, NerveEditing, ToolIs<21>},  // "Área Zoom"
      {32964, Waiting, NerveEditing, ToolIs<23>},   // "Pam": SetNervePanMode
      {32980, Waiting, NerveEditing},  // "Exibir Cortes": ToggleNerveCuts; checked while the nerves' sections show
      {32956, Waiting, NerveEditing},  // "Nervo Anrterior": PreviousNerve; only when the current nerve is not the first
      {32955, Waiting, NerveEditing},  // "Próximo Nervo": NextNerve; only when the current nerve is not the last
      {32953, Waiting, NerveEditing},  // "Adiciona Nervo": AddNerve
      {32954, Waiting, NerveEditing},  // "Deletar Nervo": DeleteNerve
      {32965, Waiting, Always},        // "Sair": ToggleNerveEdit
      // The entries of the diameter menu: SetNerveDiameter with 2.0 to 4.0 mm.
      {32972, Waiting, Always},  // "2.0 mm"
      {32973, Waiting, Always},  // "2.2 mm"
      {32974, Waiting, Always},  // "2.4 mm"
      {32975, Waiting, Always},  // "2.6 mm"
      {32968, Waiting, Always},  // "2.8 mm"
      {32969, Waiting, Always},  // "3.0 mm"
      {32970, Waiting, Always},  // "3.2 mm"
      {32976, Waiting, Always},  // "3.4 mm"
      {32977, Waiting, Always},  // "3.6 mm"
      {32978, Waiting, Always},  // "3.8 mm"
      {32979, Waiting, Always},  // "4.0 mm"

      // Implants.
      {32817, Waiting, OpenNotEditing, ToolIsNoneOr<10>,
       Row::BothFrames},                                                                      // "Seleciona Implante": SetSelectImplantMode
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
