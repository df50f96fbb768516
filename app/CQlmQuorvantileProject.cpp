#include <algorithm>
#include <exception>

#include "app/CMainFrame.h"
#include "app/CMainToolBar.h"
#include "app/CQlmObserverQuorvantile.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "app/QlmResourceIds.h"
#include "app/QlmWebServer.h"
#include "platform/CAtomicFile.h"
#include "platform/CQlmPrompter.h"
#include "platform/gui/CStatusBar.h"
#include "project/CQlmProjectCreator202106.h"
#include "project/CQlmProjectData.h"

namespace {

// Project generations are numbered with six digits.
constexpr int LargestFormatCode = 999999;
constexpr const char* RecentMenuText = "Abrir Recentes";
// Where the separator and the recent pop-up go in the file menu.
constexpr UINT RecentSeparatorPosition = 8;
constexpr UINT RecentMenuPosition = 9;

}  // namespace

CString CQlmQuorvantile::RecentTitle(const CString& path) {
  const int start = std::max(path.ReverseFind('\\'), path.ReverseFind('/')) + 1;
  const int point = path.ReverseFind('.');
  return point < start ? CString() : path.Mid(start, point - start);
}

bool CQlmQuorvantile::IsNewerFormat(int code) { return code > NewestFormat && code <= LargestFormatCode; }

int CQlmQuorvantile::OpenProject(CString path, CString title, CString fileName, CString extension) {
  this->Creator202106->Path = path;
  this->StatusObserver->GetProgressBar().SetPos(0);
  this->StatusObserver->SetText("Lendo Projeto...");
  CAtomicFile::RemoveStaleTemporaries(path.Str());
  if (IsNewerFormat(this->Creator202106->GetFileVersion())) {
    QlmMessageBox("Quorvantile desatualizado\nAtualize em " + QlmWebServer::MakerAddress() + "\n", "Atenção",
                  QlmButtons::OkCancel, QlmIcon::None);
    return this->EndFailedOpen();
  }
  // Whatever fails while the file is read and shown (an allocation above all)
  // refuses the file; the caller replaces this controller.
  try {
    if (!this->ReadProjectFile()) return this->EndFailedOpen();
    this->ProjectPath = path;
    this->ProjectTitle = title;
    this->ProjectFileName = fileName;
    this->ProjectExtension = extension;
    this->ShowImplantDefaults();
    this->SetupViewsAfterLoad();
  } catch (const std::exception&) {
    return this->EndFailedOpen();
  }
  this->Modified = 0;
  this->StatusObserver->GetProgressBar().SetPos(0);
  this->StatusObserver->SetText("Pronto");

  this->PutRecentProject(path);
  if (this->MainFrame) this->MainFrame->SetWindowTitle(CMainFrame::Title + title);
  return 1;
}

int CQlmQuorvantile::EndFailedOpen() {
  this->StatusObserver->GetProgressBar().SetPos(0);
  this->StatusObserver->SetText("Pronto");
  return 0;
}

void CQlmQuorvantile::PutRecentProject(CString path) {
  ReadConfigOpenRecent(this->RecentProjects);
  this->AddRecentFile(this->RecentProjects, path);
  WriteConfigOpenRecent(this->RecentProjects);
}

// The readers from the newest generation to the oldest; the first that takes the file has read it.
int CQlmQuorvantile::ReadProjectFile() { return this->Creator202106->Load(); }

int CQlmQuorvantile::SaveProject(CString path, CString messageName) {
  if (this->CurveEditing) this->ToggleCurveEdit();
  this->Creator202106->Path = path;
  this->TakeImplantDefaults();
  this->StatusObserver->SetText("Salvando Projeto...");
  const int saved = this->Creator202106->Save();
  if (saved) {
    this->Modified = 0;
  } else {
    QlmMessageBox("Erro ao salvar " + messageName, "Erro", QlmButtons::Ok, QlmIcon::Error);
  }
  this->StatusObserver->SetText("Pronto");
  this->StatusObserver->GetProgressBar().SetPos(0);
  if (this->MainFrame) this->MainFrame->SetWindowTitle(CMainFrame::Title + this->ProjectTitle);
  return saved;
}

void CQlmQuorvantile::AddRecentFile(CString (&list)[RecentCount], CString path) {
  int found = RecentCount - 1;
  for (int index = 0; index < RecentCount; ++index) {
    if (list[index] == path) {
      found = index;
      break;
    }
  }
  for (int index = found; index > 0; --index) list[index] = list[index - 1];
  list[0] = path;
  this->UpdateRecentMenu(list);
}

void CQlmQuorvantile::UpdateRecentMenu(const CString (&list)[RecentCount]) {
  if (std::all_of(std::begin(list), std::end(list), [](const CString& path) { return path.IsEmpty(); })) return;
  CMenu* fileMenu = this->MainFrame ? this->MainFrame->GetMenu()->GetSubMenu(0) : nullptr;
  if (!fileMenu) return;
  // The old pop-up and the separator under it.
  for (UINT position = 0; position < static_cast<UINT>(fileMenu->GetMenuItemCount()); ++position) {
    if (fileMenu->GetMenuString(position, MF_BYPOSITION) == RecentMenuText) {
      fileMenu->DeleteMenu(position, MF_BYPOSITION);
      fileMenu->DeleteMenu(position, MF_BYPOSITION);
    }
  }
  CMenu recent;
  recent.CreatePopupMenu();
  for (int index = 0; index < RecentCount; ++index) {
    CString title = RecentTitle(list[index]);
    if (!title.IsEmpty()) recent.AppendMenu(MF_STRING, RecentProjectCommands[index], title);
  }
  QMenu* popup = recent.GetQMenu();
  fileMenu->InsertMenu(RecentSeparatorPosition, MF_BYPOSITION | MF_SEPARATOR);
  fileMenu->InsertMenu(RecentMenuPosition, MF_BYPOSITION | MF_POPUP, &recent, RecentMenuText);
  this->MainFrame->ConnectMenu(popup);
}

// An 800900 file carries no implant defaults: the fields get the program's.
void CQlmQuorvantile::ShowImplantDefaults() {
  if (!this->MainFrame) return;
  CMainToolBar& bar = this->MainFrame->MainToolBar;
  if (this->LoadedVersion != CQlmProjectData::Format800901) {
    bar.SetDefaultValues();
    return;
  }
  const CQlmImplantDefaults& defaults = this->Creator202106->ImplantDefaults;
  bar.SetDiameter(defaults.Diameter);
  bar.SetLength(defaults.Length);
  bar.SetConnector(defaults.ConnectorHeight);
}

// The fields as the user left them, clamped to their ranges.
void CQlmQuorvantile::TakeImplantDefaults() {
  if (!this->MainFrame) return;
  CMainToolBar& bar = this->MainFrame->MainToolBar;
  CQlmImplantDefaults& defaults = this->Creator202106->ImplantDefaults;
  defaults.Diameter = static_cast<float>(bar.GetDiameter());
  defaults.Length = static_cast<float>(bar.GetLength());
  defaults.ConnectorHeight = static_cast<float>(bar.GetConnector());
}
