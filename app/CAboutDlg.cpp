#include "app/CAboutDlg.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/QlmResourceIds.h"
#include "app/QlmWebServer.h"
#include "platform/gui/QlmResource.h"

CAboutDlg::CAboutDlg(CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}

BOOL CAboutDlg::OnInitDialog() {
  auto* dialog = static_cast<QDialog*>(this->GetSafeHwnd());
  dialog->setWindowTitle("Quorvantile");
  auto* icon = new QLabel(dialog);
  icon->setPixmap(QlmResource::LoadIcon(IDR_MAINFRAME).pixmap(48, 48));
  auto* product = new QLabel("Quorvantile Quillmar Software", dialog);
  auto* address = new QLabel(QString::fromStdString(QlmWebServer::MakerAddress().Str()), dialog);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
  buttons->button(QDialogButtonBox::Ok)->setText("OK");
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);

  auto* texts = new QVBoxLayout;
  texts->addWidget(product);
  texts->addWidget(address);
  auto* row = new QHBoxLayout;
  row->addWidget(icon);
  row->addLayout(texts);
  row->addWidget(buttons, 0, Qt::AlignTop);
  dialog->setLayout(row);
  return TRUE;
}
