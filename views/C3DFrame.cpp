#include "views/C3DFrame.h"

#include <algorithm>
#include <vector>

#include "app/CQlmDegradation.h"
#include "app/CQlmQuorvantile.h"
#include "platform/gui/CCmdUI.h"
#include "platform/gui/CMenu.h"
#include "platform/gui/QlmResource.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmInteractorStyle3.h"

namespace {

using QlmResource::MenuItem;

constexpr int PanTool = 1;
constexpr int RotateTool = 3;
constexpr int MoveImplantTool = 8;
constexpr int RotateImplantTool = 9;
constexpr int SelectImplantTool = 10;
constexpr int NervePanTool = 23;
constexpr int ScaleTeethTool = 64;

// The controller's flags of the axial, cross-section and panoramic indicators in the 3D view.
constexpr int Axial3DSwitch = 3;
constexpr int Cross3DSwitch = 4;
constexpr int Panoramic3DSwitch = 5;

MenuItem Entry(const char* text, UINT id) { return MenuItem{text, id, {}}; }

}  // namespace

void C3DFrame::RegisterResources() {
  constexpr UINT S = ID_SEPARATOR;
  QlmResource::RegisterToolBar(ToolBarResource,
                               {{Rotate3D, Move3D, StandardViews, S, Indicators3D, S, Properties3D, Degradation, S,
                                 SelectImplant, MoveImplant, RotateImplant, ScaleTeeth},
                                ":/buttons"});
  QlmResource::RegisterMenu(
      StandardViewsMenu, {MenuItem{"menu",
                                   0,
                                   {Entry("Topo", ViewTop), Entry("Fundo", ViewBottom), Entry("Frente", ViewFront),
                                    Entry("Atrás", ViewBack), Entry("Esquerda", ViewLeft), Entry("Direita", ViewRight),
                                    Entry("IsoMand", ViewIsoMand), Entry("IsoMax", ViewIsoMax)}}});
  QlmResource::RegisterMenu(
      IndicatorsMenu,
      {MenuItem{"ind",
                0,
                {Entry("Axial", AxialIndicator), Entry("Transversal", CrossIndicator),
                 Entry("Panorâmica", PanoramicIndicator), MenuItem{}, Entry("Transparente", TransparentIndicators)}}});
  const std::pair<UINT, const char*> prompts[] = {
      {Rotate3D, "Rotaciona 3D\nRotaciona 3D"},
      {Move3D, "Movimenta 3D\nMovimenta 3D"},
      {StandardViews, "Visualização Padrão\nVisualização Padrão"},
      {Indicators3D, "Indicadores 3D\n3D Indicadores"},
      {Properties3D, "Propriedades 3D\nPropriedades 3D"},
      {Degradation, "Ligar Degradação/Desliga\nDegradação"},
      {SelectImplant, "Seleciona Implante\nSeleciona Implante"},
      {MoveImplant,
       "Mover Implante - Pressione Shift para Rotacionar\nMover Implante - Pressione Shift para Rotacionar"},
      {RotateImplant, "Rotaciona Implante\nRotaciona Implante"},
      {ScaleTeeth, "Escala Dentes\nEscala Dentes - Shift X - Ctrl Y - Shift+Ctrl Z(3d)"},
  };
  for (const auto& [id, text] : prompts) QlmResource::RegisterString(id, text);
}

C3DFrame::C3DFrame() {
  this->MapCommand(Degradation, [this] { this->ToggleDegradation(); });
  this->MapUpdateHandlers();
}

int C3DFrame::OnCreate() {
  if (CFrameWnd::OnCreate() == -1) return -1;
  if (!this->View.Create(0, CRect(), this, AFX_IDW_PANE_FIRST)) return -1;
  if (!this->ToolBar.CreateEx(this, TBSTYLE_FLAT, CBRS_ALIGN_RIGHT, CRect(), AFX_IDW_TOOLBAR) ||
      !this->ToolBar.LoadToolBar(ToolBarResource)) {
    return -1;
  }
  const UINT style = this->ToolBar.GetButtonStyle(this->ToolBar.CommandToIndex(StandardViews)) | BTNS_DROPDOWN;
  for (UINT id : {StandardViews, Indicators3D}) this->ToolBar.SetButtonStyle(this->ToolBar.CommandToIndex(id), style);
  return 0;
}

void C3DFrame::OnSetFocus() { this->View.SetFocus(); }

bool C3DFrame::OnCmdMsg(UINT id, QlmCmdCode code, CCmdUI* ui) {
  if (this->View.OnCmdMsg(id, code, ui)) return true;
  return CFrameWnd::OnCmdMsg(id, code, ui);
}

void C3DFrame::OnToolBarDropDown(CToolBar& bar, UINT id) {
  if (id != StandardViews && id != Indicators3D) return;
  CMenu menu;
  if (!menu.LoadMenu(id == StandardViews ? StandardViewsMenu : IndicatorsMenu)) return;
  CMenu* popup = menu.GetSubMenu(0);
  if (!popup) return;
  CRect button;
  bar.GetItemRect(bar.CommandToIndex(id), &button);
  bar.ClientToScreen(&button);
  this->UpdateMenuCmdUI(popup->GetQMenu());
  popup->TrackPopupMenu(TPM_RIGHTALIGN, button.left, button.top + button.Height() / 2, this);
}

bool C3DFrame::Is3DOpen() const {
  const CQlmQuorvantile* controller = this->Quorvantile;
  return controller && controller->ProjectOpen && controller->Window3D && controller->Window3D->Enabled;
}

bool C3DFrame::IsOpenNotEditing() const {
  const CQlmQuorvantile* controller = this->Quorvantile;
  return controller && controller->ProjectOpen && !controller->CurveEditing && !controller->NerveEditing;
}

int C3DFrame::GetTool() const { return this->Quorvantile ? this->Quorvantile->Tool : 0; }

CQlmDegradation* C3DFrame::GetDegradation() const {
  if (!this->Quorvantile || !this->Quorvantile->Style3D) return nullptr;
  return this->Quorvantile->Style3D->GetDegradation();
}

void C3DFrame::ToggleDegradation() {
  CQlmDegradation* degradation = this->GetDegradation();
  if (!degradation) return;
  degradation->Enabled = !degradation->Enabled;
  this->Quorvantile->Modified = 1;
}

// Checks `id` while the tool is one of `checkedTools`; enables it while a
// project is open with the 3D view rendering, or (`whileEditing` false)
// while a project is open and nothing is being edited.
void C3DFrame::UpdateByTool(UINT id, std::initializer_list<int> checkedTools, bool whileEditing) {
  this->MapUpdateCommandUI(id, [this, checked = std::vector<int>(checkedTools), whileEditing](CCmdUI* ui) {
    ui->Enable(whileEditing ? this->Is3DOpen() : this->IsOpenNotEditing());
    ui->SetCheck(std::find(checked.begin(), checked.end(), this->GetTool()) != checked.end());
  });
}

void C3DFrame::MapUpdateHandlers() {
  this->UpdateByTool(Rotate3D, {RotateTool}, true);
  this->UpdateByTool(Move3D, {PanTool, NervePanTool}, true);
  this->UpdateByTool(SelectImplant, {0, SelectImplantTool}, false);
  this->UpdateByTool(MoveImplant, {MoveImplantTool}, false);
  this->UpdateByTool(RotateImplant, {RotateImplantTool}, false);
  this->UpdateByTool(ScaleTeeth, {ScaleTeethTool}, false);
  for (UINT id : {StandardViews, Indicators3D, Properties3D}) {
    this->MapUpdateCommandUI(id, [this](CCmdUI* ui) { ui->Enable(this->Is3DOpen()); });
  }
  this->MapUpdateCommandUI(Degradation, [this](CCmdUI* ui) {
    ui->Enable(this->Is3DOpen());
    const CQlmDegradation* degradation = this->GetDegradation();
    ui->SetCheck(degradation && degradation->Enabled);
  });
  const std::pair<UINT, int> indicators[] = {
      {AxialIndicator, Axial3DSwitch}, {CrossIndicator, Cross3DSwitch}, {PanoramicIndicator, Panoramic3DSwitch}};
  for (const auto& [id, index] : indicators) {
    this->MapUpdateCommandUI(id, [this, id = id, index = index](CCmdUI* ui) {
      const CQlmQuorvantile* controller = this->Quorvantile;
      ui->Enable(id != CrossIndicator || (controller && controller->ProjectOpen && !controller->CurveEditing));
      ui->SetCheck(controller && controller->IndicatorSwitches[index]);
    });
  }
  this->MapUpdateCommandUI(TransparentIndicators, [](CCmdUI* ui) { ui->Enable(TRUE); });
}
