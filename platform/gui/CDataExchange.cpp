#include "platform/gui/CDataExchange.h"

#include <QLineEdit>
#include <QWidget>
#include <optional>

#include "platform/CQlmPrompter.h"
#include "platform/QlmNumberFormat.h"
#include "platform/gui/CDialog.h"
#include "platform/gui/QlmDialogBuilder.h"

namespace {

QWidget* Control(CDataExchange* exchange, UINT id) { return exchange->Dialog->FindControl(id); }

// The text of control `id` read as a number by `parse`, written with `format`.
template <class Number, class Parse>
void ExchangeNumber(CDataExchange* exchange, UINT id, Number& value, const char* format, Parse parse,
                    const char* refusal) {
  if (exchange->HasFailed()) return;
  QWidget* control = Control(exchange, id);
  if (!control) return;
  if (!exchange->SaveAndValidate) {
    QlmDialogBuilder::SetText(control, CString::Formatted(format, value));
    return;
  }
  const std::optional<Number> number = parse(QlmDialogBuilder::Text(control).Str());
  if (number) {
    value = *number;
  } else {
    exchange->Fail(id, refusal);
  }
}

}  // namespace

void CDataExchange::Fail(UINT id, const CString& message) {
  this->Failed = true;
  QlmMessageBox(message, "Atenção", QlmButtons::Ok, QlmIcon::Warning);
  QWidget* control = this->Dialog->FindControl(id);
  if (!control) return;
  control->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

void DDX_Control(CDataExchange* exchange, UINT id, CWnd& control) {
  if (!control.GetSafeHwnd()) control.SubclassDlgItem(id, exchange->Dialog);
}

void DDX_Text(CDataExchange* exchange, UINT id, CString& value) {
  if (exchange->HasFailed()) return;
  QWidget* control = Control(exchange, id);
  if (!control) return;
  if (exchange->SaveAndValidate) {
    value = QlmDialogBuilder::Text(control);
  } else {
    QlmDialogBuilder::SetText(control, value);
  }
}

void DDX_Text(CDataExchange* exchange, UINT id, int& value) {
  ExchangeNumber(exchange, id, value, "%d", QlmNumberFormat::ToInt, "Digite um número inteiro.");
}

void DDX_Text(CDataExchange* exchange, UINT id, float& value) {
  auto parse = [](std::string_view text) -> std::optional<float> {
    const std::optional<double> number = QlmNumberFormat::ToDouble(text);
    return number ? std::optional<float>(static_cast<float>(*number)) : std::nullopt;
  };
  ExchangeNumber(exchange, id, value, "%.6g", parse, "Digite um número.");
}

void DDX_Check(CDataExchange* exchange, UINT id, int& value) {
  if (exchange->HasFailed()) return;
  QWidget* control = Control(exchange, id);
  if (!control) return;
  if (exchange->SaveAndValidate) {
    value = QlmDialogBuilder::GetCheck(control) == BST_CHECKED ? 1 : 0;
  } else {
    QlmDialogBuilder::SetCheck(control, value == 1 ? BST_CHECKED : BST_UNCHECKED);
  }
}

void DDX_Radio(CDataExchange* exchange, UINT firstId, int& value) {
  if (exchange->HasFailed()) return;
  QWidget* first = Control(exchange, firstId);
  if (!first) return;
  const std::vector<QWidget*> group = QlmDialogBuilder::RadioGroup(first);
  if (exchange->SaveAndValidate) value = -1;
  for (int index = 0; index < static_cast<int>(group.size()); ++index) {
    if (exchange->SaveAndValidate) {
      if (QlmDialogBuilder::GetCheck(group[index]) == BST_CHECKED) value = index;
    } else {
      QlmDialogBuilder::SetCheck(group[index], index == value ? BST_CHECKED : BST_UNCHECKED);
    }
  }
}

void DDV_MinMaxInt(CDataExchange* exchange, UINT id, int value, int minimum, int maximum) {
  if (!exchange->SaveAndValidate || exchange->HasFailed()) return;
  if (value < minimum || value > maximum) {
    exchange->Fail(id, CString::Formatted("Digite um número inteiro entre %d e %d.", minimum, maximum));
  }
}

void DDV_MaxChars(CDataExchange* exchange, UINT id, int count) {
  if (exchange->SaveAndValidate) return;
  if (QWidget* control = exchange->Dialog->FindControl(id)) QlmDialogBuilder::LimitText(control, count);
}
