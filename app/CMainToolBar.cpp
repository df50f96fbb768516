#include "app/CMainToolBar.h"

namespace {

constexpr int FieldWidth = 60;
// Characters a field takes: "100.00".
constexpr int FieldLength = 6;

}  // namespace

CMainToolBar::CMainToolBar() { this->Font.CreatePointFont(80); }

std::array<CMainToolBar::Field, 3> CMainToolBar::Fields() {
  return {{
      {this->DiameterLabel, this->Diameter, this->DiameterSpin, "Diam Impl:", 32859, 299, 85, 32860, 399, 320, 0.1f,
       10.0f},
      {this->LengthLabel, this->Length, this->LengthSpin, "Comp Impl:", 32861, 300, 80, 32862, 400, 321, 1.0f, 100.0f},
      {this->ConnectorLabel, this->Connector, this->ConnectorSpin, "Conector:", 32863, 301, 88, 32864, 401, 322, 0.1f,
       100.0f},
  }};
}

BOOL CMainToolBar::CreateFields() {
  for (const Field& field : this->Fields()) {
    if (!this->CreateField(field)) return FALSE;
  }
  return TRUE;
}

bool CMainToolBar::CreateField(const Field& field) {
  CRect rect;
  if (!this->MakeControlRoom(field.LabelPlaceholder, field.LabelID, field.LabelWidth, &rect) ||
      !field.Label.Create(field.Text, WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE, rect, this, field.LabelID)) {
    return false;
  }
  field.Label.SetFont(&this->Font);
  if (!this->MakeControlRoom(field.EditPlaceholder, field.EditID, FieldWidth, &rect)) return false;
  rect.DeflateRect(0, 1);
  if (!field.Edit.CreateEx(WS_EX_CLIENTEDGE | WS_EX_RIGHT, WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_RIGHT, rect, this,
                           field.EditID)) {
    return false;
  }
  field.Edit.SetFont(&this->Font);
  if (!field.Spin.Create(WS_CHILD | WS_VISIBLE | UDS_ALIGNRIGHT, CRect(), this, field.SpinID)) return false;
  field.Spin.SetBuddy(&field.Edit);
  field.Spin.SetRange(-1, 1);
  field.Spin.SetPos(0);
  CRect text;
  field.Edit.GetClientRect(&text);
  text.OffsetRect(0, 1);
  text.right -= 2;
  field.Edit.SetRect(text);
  field.Edit.LimitText(FieldLength);
  field.Edit.Minimum = field.Minimum;
  field.Edit.Maximum = field.Maximum;
  return true;
}

// The arrows are disabled with their fields: a click would otherwise put a value into an empty, disabled field.
void CMainToolBar::EnableFields(BOOL enable) {
  for (const Field& field : this->Fields()) {
    field.Edit.EnableWindow(enable);
    field.Label.EnableWindow(enable);
    field.Spin.EnableWindow(enable);
    if (!enable) field.Edit.SetWindowText(CString());
  }
}

double CMainToolBar::GetDiameter() { return Validated(this->Diameter); }
double CMainToolBar::GetLength() { return Validated(this->Length); }
double CMainToolBar::GetConnector() { return Validated(this->Connector); }

void CMainToolBar::SetDiameter(float value) { SetField(this->Diameter, value); }
void CMainToolBar::SetLength(float value) { SetField(this->Length, value); }
void CMainToolBar::SetConnector(float value) { SetField(this->Connector, value); }

void CMainToolBar::SetDefaultValues() {
  this->SetDiameter(3.5f);
  this->SetLength(11.0f);
  this->SetConnector(2.5f);
}

double CMainToolBar::Validated(CNumEdit& field) {
  field.Validate();
  return field.GetValue();
}

void CMainToolBar::SetField(CNumEdit& field, float value) {
  field.SetValue(value);
  field.Validate();
}

void CMainToolBar::OnVScroll(UINT code, UINT position, CWnd* scrollBar) {
  for (const Field& field : this->Fields()) {
    if (scrollBar != &field.Spin || code != SB_THUMBPOSITION) continue;
    const double value = field.Edit.GetValue();
    const int step = static_cast<int>(position);
    if (step == -1 || step == 1) field.Edit.SetValue(static_cast<float>(value + step));
    field.Spin.SetPos(0);
    field.Edit.Validate();
  }
  CToolBar::OnVScroll(code, position, scrollBar);
}
