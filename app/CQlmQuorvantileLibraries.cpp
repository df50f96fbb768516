// The library in use per kind and the library commands: choose, import, export.
#include <filesystem>

#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmLibraryKind.h"
#include "libraries/CDialogSelImpLib.h"
#include "libraries/CFolderDialog.h"
#include "libraries/CQlmLibraryFileBase.h"
#include "libraries/vtkLibrary.h"
#include "platform/CAtomicFile.h"
#include "platform/CQlmPrompter.h"
#include "platform/QlmNumberFormat.h"
#include "platform/QlmPath.h"

namespace {

constexpr const char* ChooseCaption = "Seleciona Biblioteca";
constexpr const char* ImportCaption = "Importação de Bibliotecas";
constexpr const char* ExportCaption = "Exportação de Bibliotecas";

std::string LibraryFolder() { return CQlmLibraryFileBase::GetLibraryFolder().Str(); }

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(QlmPath::ToNative(path), error);
}

// Empties `library`, names it `name` and reads its file: 1 or 0.
int LoadNamed(const QlmLibraryKind& kind, vtkLibrary* library, const CString& name) {
  library->Clear();
  library->Name = name;
  return kind.Load(library);
}

}  // namespace

void CQlmQuorvantile::SetupLibraries() {
  for (LibraryKind kind : QlmLibraryKind::StartUpOrder) {
    this->Libraries[kind] = QlmLibraryKind::Of(kind).NewLibrary();
    const int found = this->ListLibraries(kind);
    this->LoadCurrentLibrary(kind);
    this->GiveLibrariesToContainer(kind);
    this->LibraryAvailable[kind] = found > 0 ? 1 : 0;
  }
}

int CQlmQuorvantile::ListLibraries(LibraryKind kind) {
  this->LibraryNames[kind].RemoveAll();
  this->LibraryFiles[kind].RemoveAll();
  const char* extension = QlmLibraryKind::Of(kind).Extension;
  for (const std::string& file : QlmPath::FilesWithExtension(LibraryFolder(), extension + 1)) {
    this->LibraryNames[kind].Add(CString(QlmPath::FileTitle(file)));
    this->LibraryFiles[kind].Add(CString(file));
  }
  return this->LibraryNames[kind].GetSize();
}

void CQlmQuorvantile::GiveLibrariesToContainer(LibraryKind kind) {
  if (const auto give = QlmLibraryKind::Of(kind).GiveLibraries) give(*this, this->Libraries[kind], this->LibraryNames[kind]);
}

void CQlmQuorvantile::LoadCurrentLibrary(LibraryKind kind) {
  const QlmLibraryKind& row = QlmLibraryKind::Of(kind);
  vtkLibrary* library = this->Libraries[kind];
  CString name = row.DefaultName;
  row.ReadLibraryUsed(name);
  if (!LoadNamed(row, library, name)) {
    if (this->LibraryNames[kind].IsEmpty()) {
      library->Clear();
      return;
    }
    name = this->LibraryNames[kind][0];
    if (!LoadNamed(row, library, name)) {
      library->Clear();
      return;
    }
  }
  this->FillLibraryBar(kind, name);
}

void CQlmQuorvantile::FillLibraryBar(LibraryKind kind, const CString& name) {
  if (!this->MainFrame) return;
  CLibraryToolBar& bar = QlmLibraryKind::Of(kind).Bar(*this->MainFrame);
  bar.PlatformBox.SetWindowText(name);
  bar.RefillItemList(this->Libraries[kind]);
}

void CQlmQuorvantile::ReleaseLibraries() {
  for (int kind = 0; kind < LibraryKinds; ++kind) {
    if (this->MainFrame) {
      CLibraryToolBar& bar = QlmLibraryKind::Of(kind).Bar(*this->MainFrame);
      bar.PlatformBox.SetWindowText("");
      bar.RefillItemList(nullptr);
    }
    if (this->Libraries[kind]) this->Libraries[kind]->Delete();
    this->Libraries[kind] = nullptr;
  }
}

void CQlmQuorvantile::SelectLibrary(LibraryKind kind) {
  CDialogSelImpLib chooser;
  chooser.Names = &this->LibraryNames[kind];
  chooser.DoModal();
  const CString name = chooser.ChosenName;
  if (name.IsEmpty()) return;
  const QlmLibraryKind& row = QlmLibraryKind::Of(kind);
  vtkLibrary* chosen = row.NewLibrary();
  if (LoadNamed(row, chosen, name)) {
    this->Libraries[kind]->CopyFrom(chosen);
    this->FillLibraryBar(kind, name);
    row.WriteLibraryUsed(name);
  } else {
    QlmMessageBox("Erro lendo biblioteca " + name, ChooseCaption, QlmButtons::Ok, QlmIcon::Error);
  }
  chosen->Delete();
}

// A library the user chose not to replace is skipped without a message.
void CQlmQuorvantile::ImportLibraries(LibraryKind kind) {
  const QlmLibraryKind& row = QlmLibraryKind::Of(kind);
  const CString filter = CString(row.ImportFilterName) + "|*" + row.Extension + "||";
  const std::vector<CString> paths = CQlmPrompter::Current().ChooseOpenFiles(row.ImportTitle, CString(), filter);
  if (paths.empty()) return;
  int imported = 0;
  for (const CString& path : paths) {
    const CString name(QlmPath::FileTitle(path.Str()));
    const std::string target = LibraryFolder() + QlmPath::FileName(path.Str());
    if (Exists(target) && QlmMessageBox("A biblioteca " + name + " já existe, deseja continuar?", ImportCaption,
                                        QlmButtons::YesNo, QlmIcon::Warning) != QlmAnswer::Yes) {
      continue;
    }
    if (CAtomicFile::Copy(path.Str(), target)) {
      ++imported;
    } else {
      QlmMessageBox("Erro importando a " + name + " biblioteca", ImportCaption, QlmButtons::Ok, QlmIcon::Error);
    }
  }
  this->ListLibraries(kind);
  this->GiveLibrariesToContainer(kind);
  QlmMessageBox(QlmNumberFormat::Format("%d Bibliotecas importadas", imported), ImportCaption, QlmButtons::Ok,
                QlmIcon::Information);
}

void CQlmQuorvantile::ExportLibraries(LibraryKind kind) {
  CFolderDialog browser("Exportar Bibliotecas para:");
  if (browser.DoModal() != IDOK) return;
  const std::string folder = browser.GetFolderPath().Str();
  int exported = 0;
  for (int index = 0; index < this->LibraryNames[kind].GetSize(); ++index) {
    const std::string file = this->LibraryFiles[kind][index].Str();
    if (CAtomicFile::Copy(LibraryFolder() + file, QlmPath::Join(folder, file))) {
      ++exported;
    } else {
      QlmMessageBox("Erro Exportando a " + this->LibraryNames[kind][index] + " biblioteca", ExportCaption,
                    QlmButtons::Ok, QlmIcon::Error);
    }
  }
  QlmMessageBox(QlmNumberFormat::Format("%i Bibliotecas Exportadas com sucesso", exported), ExportCaption,
                QlmButtons::Ok, QlmIcon::Information);
}
