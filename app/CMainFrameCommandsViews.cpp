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

// "Transparente" follows the panoramic band's transparency.
bool Indicators3DTransparent(const QlmCommandContext& context) {
  const CQlmIndicator* indicator = Q(context).Indicator;
  return indicator && indicator->Pan->Pan3D->GetTransparent();
}

}  // namespace

const std::vector<QlmCommandRow>& CMainFrameCommands::ViewRows() {
  static const std::vector<Row> rows = {
      {32779, Waiting, OpenNotEditing, AxialViewOn},      // "Visualizar/Axial": ToggleAxialView
      {32780, Waiting, OpenNotEditing, CrossViewOn},      // "Visualizar/Transversal": ToggleCrossView
      {32781, Waiting, OpenNotEditing, PanoramicViewOn},  // "Visualizar/Panorâmica": TogglePanoramicView
      {32782, Waiting, OpenNotEditing, View3DOn},         // "Visualizar/3D": Toggle3DView
      {32783, Waiting, OpenNotEditing},                   // "Visualizar/Redefinir Visualizações": RestoreViewLayout
      {32823, Waiting, Open},                             // "Visualizar/Cor de Fundo do 3D": Set3DBackground
      {32883, Waiting, OpenNotEditing},                   // "Visualizar/Avançado": ShowWindowOptions
      {32913, Waiting, OpenNotEditing},                   // "Ferramentas/Visualizar Propiedades": ShowWindowOptions
      {33140, Waiting, OpenNotEditingNotSagittal, ThickPanoramic},      // button: ToggleThickPanoramic
      {32808, Waiting, OpenNotEditingNotSagittal, SingleCrossSection},  // button: ToggleSingleCrossSection
      {32816, Row::Call<&CQlmQuorvantile::ShowContrast>, Open},        // button "Contraste"
      {32875, Row::Call<&CQlmQuorvantile::ShowContrast>, Open},        // "Ferramentas/Contraste"
      {32951, Waiting, Open, Interpolated},               // "Ferramentas/Interpolação 2D": Toggle2DInterpolation
      {32784, Waiting, OpenNotNerve},                     // "Reformatar/Reformatar Cortes": ReformatSections
      {33284, Waiting, OpenNotEditing, Sagittal},         // "Reformatar/Modo Sagital / Coronal": ToggleSagittalCoronal
      {32901, Waiting, CurveEditing, SectionMarksShown},  // reformat button: ToggleCrossSectionMarks

      {32795, Waiting, Open, Indicator3DShown<0>},  // "Indicadores/Janela 3D/Axial": Toggle3DAxialIndicator
      {32845, Waiting, Always, Indicator3DShown<0>, Row::Frame3D},  // the same in the 3D frame
      {32796, Row::Call<&CQlmQuorvantile::Toggle3DCrossIndicator>, OpenNotCurve,
       Indicator3DShown<1>},  // ".../Transversal"
      {32846, Row::Call<&CQlmQuorvantile::Toggle3DCrossIndicator>, OpenNotCurve, Indicator3DShown<1>, Row::Frame3D},
      {32797, Waiting, Open, Indicator3DShown<2>},  // ".../Panorâmica": Toggle3DPanoramicIndicator
      {32847, Waiting, Always, Indicator3DShown<2>, Row::Frame3D},
      {32824, Waiting, Open, Indicators3DTransparent},  // ".../Transparente": Toggle3DIndicatorTransparency
      {32848, Waiting, Always, Indicators3DTransparent, Row::Frame3D},  // the same in the 3D frame
      // Indicators of one view in another, each checked while it is shown.
      {32884, Waiting, OpenNotCurve},    // "Janela Axial/Transversal": ToggleCrossInAxial
      {32885, Waiting, OpenNotNerve},    // "Janela Axial/Panorâmica": TogglePanoramicInAxial
      {32886, Waiting, Open},            // "Janela Transversal/Axial": ToggleAxialInCross
      {32887, Waiting, OpenNotNerve},    // "Janela Transversal/Panorâmica": TogglePanoramicInCross
      {32888, Waiting, Open},            // "Janela Panorâmica/Axial": ToggleAxialInPanoramic
      {32889, Waiting, OpenNotEditing},  // "Janela Panorâmica/Transversal": ToggleCrossInPanoramic
      {32882, Waiting, OpenNotEditing},  // "Indicadores/Avançado": ShowIndicatorOptions
      {32912, Waiting, OpenNotEditing},  // "Ferramentas/Modificar Perfil": ShowIndicatorOptions

      // The 3D frame's drop-down buttons open their menus from the arrow only.
      {32819, Row::Nothing, Open3DView, nullptr, Row::Frame3D},  // "Visualização Padrão"
      {32820, Row::Nothing, Open3DView, nullptr, Row::Frame3D},  // "Indicadores 3D"
      {32837, Waiting, Always, nullptr, Row::Frame3D},           // "Topo": SetView3DTop
      {32838, Waiting, Always, nullptr, Row::Frame3D},           // "Fundo": SetView3DBottom
      {32839, Waiting, Always, nullptr, Row::Frame3D},           // "Frente": SetView3DFront
      {32840, Waiting, Always, nullptr, Row::Frame3D},           // "Atrás": SetView3DBack
      {32841, Waiting, Always, nullptr, Row::Frame3D},           // "Esquerda": SetView3DLeft
      {32842, Waiting, Always, nullptr, Row::Frame3D},           // "Direita": SetView3DRight
      {32843, Waiting, Always, nullptr, Row::Frame3D},           // "IsoMand": SetView3DIsoMand
      {32844, Waiting, Always, nullptr, Row::Frame3D},           // "IsoMax": SetView3DIsoMax
  };
  return rows;
}
