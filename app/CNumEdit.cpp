#include "app/CNumEdit.h"

#include "platform/QlmNumberFormat.h"

void CNumEdit::Validate() {
  const float value = static_cast<float>(this->GetValue());
  this->SetValue(value > this->Maximum ? this->Maximum : value);
  this->SetValue(value < this->Minimum ? this->Minimum : static_cast<float>(this->GetValue()));
}

double CNumEdit::GetValue() const { return QlmNumberFormat::ToDouble(this->GetWindowText().Str()).value_or(0.0); }

void CNumEdit::SetValue(float value) { this->SetWindowText(CString::Formatted("%.2f", value)); }

void CNumEdit::OnChar(UINT character, UINT repeat, UINT flags) {
  const bool digit = character >= '0' && character <= '9';
  const bool point = character == '.' && this->GetWindowText().Find('.') < 0;
  if (digit || point || character == VK_BACK) CEdit::OnChar(character, repeat, flags);
}
