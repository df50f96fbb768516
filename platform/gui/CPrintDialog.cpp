#include "platform/gui/CPrintDialog.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/CQlmPrompter.h"
#include "platform/QlmPath.h"

CPrintDialog::CPrintDialog(BOOL setupOnly, CWnd* parent)
    : CDialog(setupOnly ? SetupTemplate : PrintTemplate, parent),
      Printer(std::make_shared<QPrinter>()),
      SetupOnly(setupOnly != 0) {}

CPrintDialog::~CPrintDialog() = default;

BOOL CPrintDialog::GetDefaults() {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  if (!printer.isNull()) {
    this->Printer = std::make_shared<QPrinter>(printer, QPrinter::HighResolution);
    return TRUE;
  }
  const CString path = CQlmPrompter::Current().ChooseSaveFile("Imprimir em Arquivo", "", "PDF (*.pdf)|*.pdf||");
  if (path.IsEmpty()) return FALSE;
  this->Printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
  this->Printer->setOutputFormat(QPrinter::PdfFormat);
  this->Printer->setOutputFileName(QString::fromStdString(QlmPath::ToNative(path.Str())));
  return TRUE;
}

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
