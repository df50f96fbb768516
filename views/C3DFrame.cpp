#include "views/C3DFrame.h"

#include "app/CQlmDegradation.h"
#include "app/CQlmQuorvantile.h"
#include "platform/gui/CCmdUI.h"
#include "platform/gui/CMenu.h"
#include "platform/gui/QlmResource.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmInteractorStyle3.h"

namespace {

using QlmResource::MenuItem;

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
  this->MapUpdateCommandUI(Degradation, [this](CCmdUI* ui) {
    ui->Enable(this->Is3DOpen());
    const CQlmDegradation* degradation = this->GetDegradation();
    ui->SetCheck(degradation && degradation->Enabled);
  });
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
