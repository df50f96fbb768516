#include "views/CDialogFloat.h"

#include <QWidget>
#include <cmath>

#include "platform/QlmNumberFormat.h"
#include "platform/gui/CDataExchange.h"

namespace {

constexpr UINT ValueEdit = 1137;

const QlmDialogTemplate& ValueTemplate() {
  static const QlmDialogTemplate dialog{193, "", 26, 13, {QlmDialogItem::Edit(ValueEdit, {0, 0, 25, 12}, ES_CENTER)}};
  return dialog;
}

}  // namespace

CDialogFloat::CDialogFloat(CWnd* parent) : CDialog(ValueTemplate(), parent) {}

void CDialogFloat::SetValue(float value) { this->Text = CString::Formatted("%.2f", value); }

std::optional<float> CDialogFloat::GetValue() const {
  const std::optional<double> number = QlmNumberFormat::FieldNumber(this->Text.Str());
  if (!number) return std::nullopt;
  const float value = static_cast<float>(*number);
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

// A pop-up holds the mouse while it is open: presses outside it reach it too.
QWidget* CDialogFloat::CreateWidget(QWidget* parent) {
  QWidget* box = CDialog::CreateWidget(parent);
  box->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint);
  return box;
}

void CDialogFloat::DoDataExchange(CDataExchange* exchange) { DDX_Text(exchange, ValueEdit, this->Text); }

BOOL CDialogFloat::OnInitDialog() {
  CDialog::OnInitDialog();
  CRect box;
  this->GetWindowRect(&box);
  this->MoveWindow(CRect(this->x, this->y, this->x + box.Width(), this->y + box.Height()));
  return TRUE;
}

void CDialogFloat::OnLButtonDown(UINT, CPoint point) { this->EndWhenOutside(point); }
void CDialogFloat::OnMButtonDown(UINT, CPoint point) { this->EndWhenOutside(point); }
void CDialogFloat::OnRButtonDown(UINT, CPoint point) { this->EndWhenOutside(point); }

void CDialogFloat::EndWhenOutside(CPoint point) {
  CRect box;
  this->GetWindowRect(&box);
  CRect pressed(point.x, point.y, point.x + 1, point.y + 1);
  this->ClientToScreen(&pressed);
  if (!box.PtInRect(pressed.TopLeft())) this->EndDialog(ClickedOutside);
}
