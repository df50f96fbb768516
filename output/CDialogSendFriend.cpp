#include "output/CDialogSendFriend.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <filesystem>
#include <fstream>

#include "app/CQlmObserverRequest.h"
#include "output/CQlmMail.h"
#include "output/QlmMailServer.h"
#include "platform/CQlmPrompter.h"
#include "platform/QlmNumberFormat.h"
#include "platform/gui/CDataExchange.h"

namespace {

constexpr UINT ProgressBar = 1160;
constexpr UINT SizeEdit = 1161;
constexpr UINT CancelButton = 1158;

const QlmDialogTemplate& SendFriendTemplate() {
  static const QlmDialogTemplate dialog{
      220,
      "Enviando email para Amigo",
      220,
      86,
      {QlmDialogItem::Label("Enviando email.", {10, 8, 120, 8}),
       QlmDialogItem::Label("Por favor aguarde...", {10, 19, 120, 8}),
       QlmDialogItem::Label("Tamanho Arquivo :", {10, 34, 62, 8}),
       QlmDialogItem::Edit(SizeEdit, {74, 32, 40, 13}, ES_READONLY | ES_RIGHT),
       QlmDialogItem::Label("MB", {118, 34, 20, 8}), QlmDialogItem::Progress(ProgressBar, {10, 51, 200, 10}),
       QlmDialogItem::Button(CancelButton, "Cancelar", {160, 67, 50, 14})}};
  return dialog;
}

// The length of a regular file that can be opened for reading; -1 otherwise.
long long ReadableFileLength(const CString& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path.c_str(), error)) return -1;
  std::ifstream file(path.c_str(), std::ios::binary | std::ios::ate);
  if (!file) return -1;
  return static_cast<long long>(file.tellg());
}

}  // namespace

CDialogSendFriend::CDialogSendFriend(CWnd* parent) : CDialog(SendFriendTemplate(), parent) {
  this->MapCommand(CancelButton, [this] { this->OnCancel(); });
}

CDialogSendFriend::~CDialogSendFriend() { this->WaitForWorker(); }

void CDialogSendFriend::DoDataExchange(CDataExchange* exchange) {
  DDX_Control(exchange, ProgressBar, this->Progress);
  DDX_Text(exchange, SizeEdit, this->SizeText);
}

BOOL CDialogSendFriend::OnInitDialog() {
  CDialog::OnInitDialog();
  QWidget* window = this->GetSafeHwnd();
  window->show();
  window->repaint();
  this->SendProject();
  return TRUE;
}

CString CDialogSendFriend::FormatMegabytes(long long bytes) {
  const float megabytes = static_cast<float>(bytes) / 1024.0f / 1024.0f;
  return CString(QlmNumberFormat::Format("%.2f", static_cast<double>(megabytes)));
}

CString CDialogSendFriend::BuildSubject() const {
  return CString("Enviando Projeto do Quorvantile por ") + this->SenderName + " " + "Paciente" + " : " +
         this->PatientName;
}

CString CDialogSendFriend::BuildBody() const {
  return CString("Por gentileza, não reencaminhe esse email.\n\n\n") + this->RecipientName + " (" +
         this->RecipientEmail + ") \n" + "O seu amigo(a) " + this->SenderName + " (" + this->SenderEmail + ") ," +
         " lhe enviou um projeto do Quorvantile " + "Comentários : \n" + this->Comments;
}

void CDialogSendFriend::SendProject() {
  this->Observer = CQlmObserverRequest::New();
  this->Observer->SetProgressControl(&this->Progress);
  this->Observer->SetRange(0, 100);
  this->Observer->ResetPos();

  const long long length = ReadableFileLength(this->ProjectPath);
  const std::optional<CQlmSmtpSettings> server = QlmMailServer::Settings();
  if (length < 0 || !server) {
    this->EndDialog(IDCANCEL);
    return;
  }
  this->SizeText = FormatMegabytes(length);
  this->SetDlgItemText(SizeEdit, this->SizeText);

  this->Mail = CQlmMail::New();
  this->Mail->SetSubject(this->BuildSubject());
  this->Mail->SetFrom(this->SenderName, server->user);
  this->Mail->SetTo(this->RecipientName, this->RecipientEmail);
  this->Mail->SetBody(this->BuildBody());
  this->Mail->SetObserver(this->Observer);
  this->Mail->SetAttachment(this->ProjectPath);
  this->Mail->SetUser(server->user);
  this->Mail->SetPassword(server->password);
  this->Mail->SetServer(*server);
  this->GetSafeHwnd()->repaint();

  // The worker only sends; its end is handed to this thread's event loop,
  // and dropped when the window has already gone (after "Cancelar").
  QPointer<QWidget> window = this->GetSafeHwnd();
  this->WorkerDone = false;
  this->Worker = std::thread([this, window] {
    this->Sent = this->Mail->Send();
    this->WorkerDone = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [this, window] {
          if (window) this->OnSendingEnded();
        },
        Qt::QueuedConnection);
  });
}

void CDialogSendFriend::OnSendingEnded() { this->EndDialog(IDCANCEL); }

void CDialogSendFriend::OnCancel() {
  if (this->Observer) this->Observer->Cancel();
  this->EndDialog(IDCANCEL);
}

void CDialogSendFriend::WaitForWorker() {
  if (!this->Worker.joinable()) return;
  // The transfer stops at its next piece; queued progress keeps arriving meanwhile.
  while (!this->WorkerDone) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20);
    QThread::msleep(5);
  }
  this->Worker.join();
}

INT_PTR CDialogSendFriend::DoModal() {
  this->Sent = 0;
  const INT_PTR result = CDialog::DoModal();
  this->WaitForWorker();
  delete this->Mail;
  this->Mail = nullptr;
  if (this->Observer) this->Observer->Delete();
  this->Observer = nullptr;
  QlmMessageBox(
      this->Sent ? "O email foi enviado com sucesso." : "O email não foi enviado. Por favor, verifique a sua conecção.",
      "Atenção", QlmButtons::Ok, QlmIcon::Warning);
  return result;
}
