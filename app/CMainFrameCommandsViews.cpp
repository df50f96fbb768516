// Views: switching them, their layout and options, the reformat and the
// position indicators; the 3D frame's standard views and indicator menu.
#include "app/CMainFrameCommands.h"
#include "app/QlmCommandRules.h"
#include "ct/CQlmCTViewer2.h"
#include "ct/CQlmPolyLine.h"
#include "toolkit/vtkWin32ImageMapper2.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmIndicatorPan.h"
#include "views/CQlmIndicatorPan3D.h"
#include "views/QlmView.h"

namespace {

using namespace QlmCommandRules;
using Row = QlmCommandRow;

const CQlmQuorvantile& Q(const QlmCommandContext& context) { return context.Quorvantile; }

bool AxialViewOn(const QlmCommandContext& context) { return Q(context).WindowAxial->Enabled; }
bool CrossViewOn(const QlmCommandContext& context) { return Q(context).WindowCross->Enabled; }
bool PanoramicViewOn(const QlmCommandContext& context) { return Q(context).WindowPanoramic->Enabled; }
bool View3DOn(const QlmCommandContext& context) { return Q(context).Window3D->Enabled; }
bool ThickPanoramic(const QlmCommandContext& context) { return Q(context).ThickPanoramic; }
bool SingleCrossSection(const QlmCommandContext& context) { return Q(context).WindowCross->GetSingleCell(); }
bool Interpolated(const QlmCommandContext& context) { return Q(context).ViewerAxial->GetMapper()->GetInterpolation(); }
bool Sagittal(const QlmCommandContext& context) { return Q(context).SagittalCoronal; }
bool SectionMarksShown(const QlmCommandContext& context) { return Q(context).PolyLine->GetMarksEnabled(); }

// The axial, cross-section and panoramic indicators of the 3D view.
template <int Index>
bool Indicator3DShown(const QlmCommandContext& context) {
  return Q(context).IndicatorSwitches[3 + Index];
}

// The indicator of view Position's position shown in view ShownIn (QlmView codes).
template <int Position, int ShownIn>
bool Indicator2DShown(const QlmCommandContext& context) {
  const CQlmIndicator* indicator = Q(context).Indicator;
  return indicator && indicator->IsIndicatorVisible(Position, ShownIn);
}

// "Transparente" follows the panoramic band's transparency.
bool Indicators3DTransparent(const QlmCommandContext& context) {
  const CQlmIndicator* indicator = Q(context).Indicator;
  return indicator && indicator->Pan->Pan3D->GetTransparent();
}

}  // namespace

const std::vector<QlmCommandRow>& CMainFrameCommands::ViewRows() {
  static const std::vector<Row> rows = {
      {32779, Row::Call<&CQlmQuorvantile::ToggleAxialView>, OpenNotEditing, AxialViewOn},  // "Visualizar/Axial"
      {32780, Row::Call<&CQlmQuorvantile::ToggleCrossView>, OpenNotEditing, CrossViewOn},  // "Visualizar/Transversal"
      {32781, Row::Call<&CQlmQuorvantile::TogglePanoramicView>, OpenNotEditing,
       PanoramicViewOn},                                                             // "Visualizar/Panorâmica"
      {32782, Row::Call<&CQlmQuorvantile::Toggle3DView>, OpenNotEditing, View3DOn},  // "Visualizar/3D"
      {32783, Row::Call<&CQlmQuorvantile::RestoreViewLayout>, OpenNotEditing},  // "Visualizar/Redefinir Visualizações"
      {32823, Row::Call<&CQlmQuorvantile::Set3DBackground>, Open},              // "Visualizar/Cor de Fundo do 3D"
      {32883, Row::Call<&CQlmQuorvantile::ShowWindowOptions>, OpenNotEditing},  // "Visualizar/Avançado"
      {32913, Row::Call<&CQlmQuorvantile::ShowWindowOptions>, OpenNotEditing},  // "Ferramentas/Visualizar Propiedades"
      {33140, Row::Call<&CQlmQuorvantile::ToggleThickPanoramic>, OpenNotEditingNotSagittal,
       ThickPanoramic},  // button: ToggleThickPanoramic
      {32808, Row::Call<&CQlmQuorvantile::ToggleSingleCrossSection>, OpenNotEditingNotSagittal,
       SingleCrossSection},                                      // button: ToggleSingleCrossSection
      {32816, Row::Call<&CQlmQuorvantile::ShowContrast>, Open},  // button "Contraste"
      {32875, Row::Call<&CQlmQuorvantile::ShowContrast>, Open},  // "Ferramentas/Contraste"
      {32951, Row::Call<&CQlmQuorvantile::Toggle2DInterpolation>, Open, Interpolated},  // "Ferramentas/Interpolação 2D"
      {32784, Row::Call<&CQlmQuorvantile::ReformatSections>, OpenNotNerve},  // "Reformatar/Reformatar Cortes"
      {33284, Row::Call<&CQlmQuorvantile::ToggleSagittalCoronal>, OpenNotEditing,
       Sagittal},  // "Reformatar/Modo Sagital / Coronal"
      {32901, Row::Call<&CQlmQuorvantile::ToggleCrossSectionMarks>, CurveEditing,
       SectionMarksShown},  // reformat button: ToggleCrossSectionMarks

      {32795, Row::Call<&CQlmQuorvantile::Toggle3DAxialIndicator>, Open,
       Indicator3DShown<0>},  // "Indicadores/Janela 3D/Axial"
      {32845, Row::Call<&CQlmQuorvantile::Toggle3DAxialIndicator>, Always, Indicator3DShown<0>,
       Row::Frame3D},  // the same in the 3D frame
      {32796, Row::Call<&CQlmQuorvantile::Toggle3DCrossIndicator>, OpenNotCurve,
       Indicator3DShown<1>},  // ".../Transversal"
      {32846, Row::Call<&CQlmQuorvantile::Toggle3DCrossIndicator>, OpenNotCurve, Indicator3DShown<1>, Row::Frame3D},
      {32797, Row::Call<&CQlmQuorvantile::Toggle3DPanoramicIndicator>, Open, Indicator3DShown<2>},  // ".../Panorâmica"
      {32847, Row::Call<&CQlmQuorvantile::Toggle3DPanoramicIndicator>, Always, Indicator3DShown<2>, Row::Frame3D},
      {32824, Row::Call<&CQlmQuorvantile::Toggle3DIndicatorTransparency>, Open,
       Indicators3DTransparent},  // ".../Transparente"
      {32848, Row::Call<&CQlmQuorvantile::Toggle3DIndicatorTransparency>, Always, Indicators3DTransparent,
       Row::Frame3D},  // the same in the 3D frame
      // Indicators of one view in another, each checked while it is shown.
      {32884, Row::Call<&CQlmQuorvantile::ToggleCrossInAxial>, OpenNotCurve,
       Indicator2DShown<QlmView::Cross, QlmView::Axial>},  // "Janela Axial/Transversal"
      {32885, Row::Call<&CQlmQuorvantile::TogglePanoramicInAxial>, OpenNotNerve,
       Indicator2DShown<QlmView::Panoramic, QlmView::Axial>},  // "Janela Axial/Panorâmica"
      {32886, Row::Call<&CQlmQuorvantile::ToggleAxialInCross>, Open,
       Indicator2DShown<QlmView::Axial, QlmView::Cross>},  // "Janela Transversal/Axial"
      {32887, Row::Call<&CQlmQuorvantile::TogglePanoramicInCross>, OpenNotNerve,
       Indicator2DShown<QlmView::Panoramic, QlmView::Cross>},  // "Janela Transversal/Panorâmica"
      {32888, Row::Call<&CQlmQuorvantile::ToggleAxialInPanoramic>, Open,
       Indicator2DShown<QlmView::Axial, QlmView::Panoramic>},  // "Janela Panorâmica/Axial"
      {32889, Row::Call<&CQlmQuorvantile::ToggleCrossInPanoramic>, OpenNotEditing,
       Indicator2DShown<QlmView::Cross, QlmView::Panoramic>},                      // "Janela Panorâmica/Transversal"
      {32882, Row::Call<&CQlmQuorvantile::ShowIndicatorOptions>, OpenNotEditing},  // "Indicadores/Avançado"
      {32912, Row::Call<&CQlmQuorvantile::ShowIndicatorOptions>, OpenNotEditing},  // "Ferramentas/Modificar Perfil"

      // The 3D frame's drop-down buttons open their menus from the arrow only.
      {32819, Row::Nothing, Open3DView, nullptr, Row::Frame3D},                              // "Visualização Padrão"
      {32820, Row::Nothing, Open3DView, nullptr, Row::Frame3D},                              // "Indicadores 3D"
      {32837, Row::Call<&CQlmQuorvantile::SetView3DTop>, Always, nullptr, Row::Frame3D},     // "Topo"
      {32838, Row::Call<&CQlmQuorvantile::SetView3DBottom>, Always, nullptr, Row::Frame3D},  // "Fundo"
      {32839, Row::Call<&CQlmQuorvantile::SetView3DFront>, Always, nullptr, Row::Frame3D},   // "Frente"
      {32840, Row::Call<&CQlmQuorvantile::SetView3DBack>, Always, nullptr, Row::Frame3D},    // "Atrás"
      {32841, Row::Call<&CQlmQuorvantile::SetView3DLeft>, Always, nullptr, Row::Frame3D},    // "Esquerda"
      {32842, Row::Call<&CQlmQuorvantile::SetView3DRight>, Always, nullptr, Row::Frame3D},   // "Direita"
      {32843, Row::Call<&CQlmQuorvantile::SetView3DIsoMand>, Always, nullptr, Row::Frame3D},  // "IsoMand"
      {32844, Row::Call<&CQlmQuorvantile::SetView3DIsoMax>, Always, nullptr, Row::Frame3D},   // "IsoMax"
  };
  return rows;
}
