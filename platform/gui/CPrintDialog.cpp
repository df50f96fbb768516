#include "platform/gui/CPrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>

CPrintDialog::CPrintDialog(BOOL setupOnly, CWnd* parent)
    : CDialog(setupOnly ? SetupTemplate : PrintTemplate, parent),
      Printer(std::make_shared<QPrinter>()),
      SetupOnly(setupOnly != 0) {}

CPrintDialog::~CPrintDialog() = default;

QWidget* CPrintDialog::CreateWidget(QWidget* parent) {
  auto* dialog = new QPrintDialog(this->Printer.get(), parent);
  if (this->SetupOnly) dialog->setOptions(QAbstractPrintDialog::PrintShowPageSize);
  // The widget is deleted after this object: it keeps its printer until then.
  QObject::connect(dialog, &QObject::destroyed, [printer = this->Printer] { (void)printer; });
  return dialog;
}

// The form's own buttons end the dialog as OK and Cancel do.
BOOL CPrintDialog::OnInitDialog() {
  QObject::connect(static_cast<QDialog*>(this->GetSafeHwnd()), &QDialog::finished,
                   [this](int result) { this->EndDialog(result == QDialog::Accepted ? IDOK : IDCANCEL); });
  return TRUE;
}
