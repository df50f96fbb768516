#include "views/CDialogContrast.h"

#include <algorithm>

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTViewer2.h"
#include "ct/CQlmCTViewer92.h"
#include "platform/QlmNumberFormat.h"
#include "platform/gui/CDataExchange.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmGreyWindowFollower.h"

namespace {

constexpr UINT LowerTrackbar = 1001;
constexpr UINT UpperTrackbar = 1002;
constexpr UINT UpperEdit = 1004;
constexpr UINT LowerEdit = 1006;
constexpr int Top = 4095;

const QlmDialogTemplate& ContrastTemplate() {
  static const QlmDialogTemplate dialog{150,
                                        "Nível de Contraste",
                                        155,
                                        29,
                                        {QlmDialogItem::Trackbar(LowerTrackbar, {0, 3, 125, 10}, TBS_NOTICKS),
                                         QlmDialogItem::Trackbar(UpperTrackbar, {0, 18, 125, 10}, TBS_NOTICKS),
                                         QlmDialogItem::Edit(LowerEdit, {126, 1, 27, 12}, ES_NUMBER),
                                         QlmDialogItem::Edit(UpperEdit, {126, 16, 27, 12}, ES_NUMBER)}};
  return dialog;
}

int TypedEnd(const CEdit& edit) { return QlmNumberFormat::LeadingInt(edit.GetWindowText().Str()); }

}  // namespace

CDialogContrast::CDialogContrast(CWnd* parent) : CDialog(ContrastTemplate(), parent) {}

void CDialogContrast::DoDataExchange(CDataExchange* exchange) {
  DDX_Control(exchange, LowerEdit, this->EditLower);
  DDX_Control(exchange, UpperEdit, this->EditUpper);
  DDX_Control(exchange, UpperTrackbar, this->SliderUpper);
  DDX_Control(exchange, LowerTrackbar, this->SliderLower);
}

BOOL CDialogContrast::OnInitDialog() {
  CDialog::OnInitDialog();
  for (CSliderCtrl* slider : {&this->SliderLower, &this->SliderUpper}) {
    slider->SetPageSize(500);
    slider->SetLineSize(100);
  }
  this->SliderLower.SetRange(0, Top - 1);
  this->SliderUpper.SetRange(1, Top);
  this->EditLower.LimitText(4);
  this->EditUpper.LimitText(4);
  this->ReadGreyWindow();
  return TRUE;
}

// lower = level - window / 2 and upper = level + window / 2, cut to whole numbers.
void CDialogContrast::ReadGreyWindow() {
  if (!this->Quorvantile) return;
  vtkImage16bitsMonocromeTo8BitsRGBFilter& grey = *this->Quorvantile->ViewerAxial->GetWindowLevelFilter();
  const double level = grey.GetColorLevel();
  const double window = grey.GetColorWindow();
  this->SliderLower.SetPos(static_cast<int>(level - window / 2));
  this->SliderUpper.SetPos(static_cast<int>(level + window / 2));
  this->KeepOrder(this->SliderLower);
}

void CDialogContrast::OnHScroll(UINT code, UINT, CWnd* scrollBar) {
  const CSliderCtrl& moved = scrollBar == &this->SliderUpper ? this->SliderUpper : this->SliderLower;
  switch (code) {
    case SB_LINEUP:
    case SB_LINEDOWN:
    case SB_PAGEUP:
    case SB_PAGEDOWN:
    case SB_TOP:
    case SB_BOTTOM:
      this->KeepOrder(moved);
      break;
    case SB_THUMBTRACK:
      this->KeepOrder(moved);
      this->Apply();
      break;
    case SB_ENDSCROLL:
      this->Apply();
      break;
    default:
      break;
  }
}

void CDialogContrast::KeepOrder(const CSliderCtrl& moved) {
  const int lower = this->SliderLower.GetPos();
  const int upper = this->SliderUpper.GetPos();
  if (lower >= upper) {
    if (&moved == &this->SliderUpper) {
      this->SliderLower.SetPos(upper - 1);
    } else {
      this->SliderUpper.SetPos(lower + 1);
    }
  }
  this->ShowEnds();
}

void CDialogContrast::ShowEnds() {
  this->EditLower.SetWindowText(CString::Formatted("%d", this->SliderLower.GetPos()));
  this->EditUpper.SetWindowText(CString::Formatted("%d", this->SliderUpper.GetPos()));
}

void CDialogContrast::OnEditKillFocus(UINT id) {
  if (id == UpperEdit) this->LeaveUpperEdit();
  if (id == LowerEdit) this->LeaveLowerEdit();
}

// Text that is no number reads 0 and becomes the smallest upper end, 1.
void CDialogContrast::LeaveUpperEdit() {
  const int upper = std::clamp(TypedEnd(this->EditUpper), 1, Top);
  this->SliderUpper.SetPos(upper);
  this->KeepOrder(this->SliderUpper);
  this->Apply();
}

// The lower end stops one below the top, so the upper end above it still fits.
void CDialogContrast::LeaveLowerEdit() {
  const int lower = std::clamp(TypedEnd(this->EditLower), 0, Top - 1);
  this->SliderLower.SetPos(lower);
  this->KeepOrder(this->SliderLower);
  this->Apply();
}

void CDialogContrast::LeaveFocusedEdit() {
  if (this->EditUpper.HasFocusWithin()) this->LeaveUpperEdit();
  if (this->EditLower.HasFocusWithin()) this->LeaveLowerEdit();
}

void CDialogContrast::OnOK() {
  this->LeaveFocusedEdit();
  CDialog::OnOK();
}

void CDialogContrast::OnCancel() {
  this->LeaveFocusedEdit();
  CDialog::OnCancel();
}

void CDialogContrast::Apply() {
  CQlmQuorvantile* q = this->Quorvantile;
  if (!q) return;
  const float lower = static_cast<float>(this->SliderLower.GetPos());
  const float upper = static_cast<float>(this->SliderUpper.GetPos());
  if (q->MainFrame) q->MainFrame->StatusBar.SetPaneText(2, CString::Formatted("min: %.f  max: %.f", lower, upper));
  for (CQlmCTViewer2* viewer : {q->ViewerAxial, q->ViewerPanoramic}) {
    viewer->SetMinimum(lower);
    viewer->SetMaximum(upper);
  }
  q->ViewerCross->SetMinimum(lower);
  q->ViewerCross->SetMaximum(upper);
  if (q->Nerves) {
    q->Nerves->SetMinimum();
    q->Nerves->SetMaximum();
  }
  q->WindowPanoramic->Render();
  q->WindowAxial->Render();
  q->WindowCross->Render();
}
