// The controller's commands of printing, the project mail, the guide and
// prototype request and the exam notes and information.
#include <vtkImageData.h>

#include "app/CMainFrame.h"
#include "app/CQlmObserverQuorvantile.h"
#include "app/CQlmQuorvantile.h"
#include "app/CQlmReportCapturer.h"
#include "app/CQlmReportImplants.h"
#include "app/CQlmScreenCapture.h"
#include "app/QlmConfig.h"
#include "ct/CQlmCTData.h"
#include "output/CDialogNotes.h"
#include "output/CDialogPrintPreview.h"
#include "output/CDialogProjInfo.h"
#include "output/CDialogPrototype.h"
#include "output/CDialogSendFriend.h"
#include "output/CDialogSendProject.h"
#include "output/CQlmPrintPreview.h"
#include "output/QlmMailServer.h"
#include "platform/CQlmPrompter.h"
#include "project/CQlmRequestInfo.h"

namespace {

constexpr const char* SendingStatus = "Enviando Guia e Protótipo por email";

CString ExamPatientName(const CQlmCTData* volume) {
  return volume && volume->HeadStruct ? volume->HeadStruct->PatientName : CString();
}

}  // namespace

void CQlmQuorvantile::Print() {
  if (QlmMessageBox("Confirma a impressão?", "Atenção", QlmButtons::YesNo, QlmIcon::Question) != QlmAnswer::Yes) return;
  float ratio = CQlmPrintTemplate::A4;
  int layout = 5;
  int colour = 0xFFFFFF;
  CString header, footer;
  ReadConfigPrinterProperty(ratio, layout, colour, header, footer);
  CQlmPrintPreview report;
  report.views = this->ReportViews;
  report.implants = this->ReportImplants;
  report.LoadHeaderFooter(GetConfigFolder(), header, footer);
  report.NewTemplate(ratio, 5, static_cast<uint32_t>(colour));
  report.Print(this->ReportImplants);
}

void CQlmQuorvantile::ShowPrintPreview() {
  // One preview per project: a second one would share the report printer.
  if (this->PreviewDialog && this->PreviewDialog->GetSafeHwnd()) {
    this->PreviewDialog->ShowWindow(SW_SHOW);
    this->PreviewDialog->GetSafeHwnd()->raise();
    this->PreviewDialog->GetSafeHwnd()->activateWindow();
    return;
  }
  delete this->PreviewDialog;
  this->PreviewDialog = new CDialogPrintPreview;
  if (!this->PrintPreview->templates.GetCount()) this->PrintPreview->NewTemplate(CQlmPrintTemplate::A4, 5, 0xFFFFFF);
  this->PreviewDialog->printer = this->PrintPreview;
  if (!this->PreviewDialog->Create(nullptr)) return;
  this->PreviewDialog->ShowWindow(SW_SHOW);
  this->Modified = 1;
}

void CQlmQuorvantile::SendProjectByEmail() {
  this->StatusObserver->SetText(SendingStatus);
  if (!QlmMailServer::Settings()) {
    QlmMessageBox("O envio de email não está configurado.", "Atenção", QlmButtons::Ok, QlmIcon::Warning);
    return;
  }
  CDialogSendProject form(this->MainFrame);
  form.SetPatientName(ExamPatientName(this->CTData));
  if (form.DoModal() != IDOK) return;

  QlmMessageBox("Esse projeto será salvo agora!", "Atenção", QlmButtons::Ok, QlmIcon::None);
  // A stale or missing file is never sent.
  if (!this->SaveProject(this->ProjectPath, this->ProjectFileName)) return;

  CDialogSendFriend sending(this->MainFrame);
  sending.SetProjectPath(this->ProjectPath);
  sending.SetPatientName(form.GetPatientName());
  sending.SetSenderName(form.GetSenderName());
  sending.SetSenderEmail(form.GetSenderEmail());
  sending.SetRecipientName(form.GetRecipientName());
  sending.SetRecipientEmail(form.GetRecipientEmail());
  sending.SetComments(form.GetComments());
  sending.DoModal();
  this->StatusObserver->SetText("Enviando Projeto do Quorvantile por ");
  this->StatusObserver->GetProgressBar().SetPos(0);
}

void CQlmQuorvantile::RequestGuides() {
  this->StatusObserver->SetText(SendingStatus);
  CString& patient = this->RequestInfo->Texts[CQlmRequestInfo::PatientName];
  if (patient.IsEmpty()) patient = ExamPatientName(this->CTData);

  CDialogPrototype form(this->MainFrame);
  form.SetRequestInfo(this->RequestInfo);
  if (form.DoModal() != IDOK) return;
  // Nobody is asked to send a file that was not written.
  if (!this->SaveProject(this->ProjectPath, this->ProjectFileName)) return;
  QlmMessageBox(CString("Para completar sua solicitação envie\no arquivo Quorvantile para o email:\n") +
                    QlmMailServer::SupportAddress(),
                "Guia/Protótipo", QlmButtons::Ok, QlmIcon::Information);
}

void CQlmQuorvantile::ShowExamNotes() {
  CDialogNotes dialog(this->MainFrame);
  dialog.NoteText = this->Notes;
  dialog.AlertOnOpen = this->NotesFlag;
  if (dialog.DoModal() != IDOK) return;
  this->Notes = dialog.NoteText;
  this->NotesFlag = dialog.AlertOnOpen;
  this->Modified = 1;
}

void CQlmQuorvantile::ShowExamInfo() {
  CDialogProjInfo dialog(this->MainFrame);
  if (this->CTData->HeadStruct) {
    dialog.Clinic = this->CTData->HeadStruct->ClinicName;
    dialog.PatientName = this->CTData->HeadStruct->PatientName;
  }
  dialog.SliceCount = static_cast<float>(this->CTData->ImageData->GetDimensions()[2]);
  dialog.DoModal();
}

void CQlmQuorvantile::CaptureScreens() { CQlmScreenCapture(this).Run(); }
