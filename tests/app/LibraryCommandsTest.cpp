// The libraries in use at start-up and after File/Close, and the choose,
// import and export commands, on library folders written by the library
// files' writer from real meshes and generic implants.
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "QlmComboEntries.h"
#include "QlmLibraryFolderFiles.h"
#include "ShellFixture.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfigFile.h"
#include "libraries/CDialogSelImpLib.h"
#include "libraries/vtkLibrary.h"
#include "libraries/vtkLibraryItem.h"
#include "objects/CQlmDentes.h"

// Fontconfig keeps its caches for the whole process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace {

namespace fs = std::filesystem;
using Kind = CQlmQuorvantile::LibraryKind;

class LibraryCommandsFixture : public ShellFixture {
protected:
  void SetUp() override {
    ShellFixture::SetUp();
    fs::create_directories(this->DataFolder());
  }

  fs::path Library(const std::string& file) const { return this->DataFolder() / file; }

  // The meshes "Porco", "Coelho" and "Aranha" as `title` + `extension`; skips without the test data.
  void WriteMeshLibrary(const std::string& title, const std::string& extension) {
    std::string why;
    if (QlmLibraryFolderFiles::WriteMeshLibrary(title, extension, why)) return;
    if (why.find("cannot write") == 0) FAIL() << why;
    GTEST_SKIP() << why;
  }

  void WriteImplantLibrary(const std::string& title, const std::string& extension) {
    std::string why;
    ASSERT_TRUE(QlmLibraryFolderFiles::WriteImplantLibrary(title, extension, why)) << why;
  }

  static std::string Content(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }

  static std::optional<std::string> Setting(const char* key) { return QlmConfigFile::ReadValue(key); }

  // The chooser answers `name` (OK).
  void ChooseInDialogs(const CString& name) {
    CDialog::SetModalHook([this, name](CDialog& dialog) {
      this->ModalDialogs.push_back(dialog.GetTemplateID());
      auto* chooser = dynamic_cast<CDialogSelImpLib*>(&dialog);
      if (!chooser) return INT_PTR(IDCANCEL);
      chooser->ChosenName = name;
      return INT_PTR(IDOK);
    });
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& shown : this->Prompter.Messages) texts.push_back(shown.Text.Str());
    return texts;
  }
};

TEST_F(LibraryCommandsFixture, WithoutALibUsedLineTheFirstSortedLibraryFillsItsBarAndNothingIsWritten) {
  this->WriteMeshLibrary("Porcos", ".geo");
  this->WriteMeshLibrary("Bichos", ".GEO");
  this->WriteImplantLibrary("Nobel", ".IMP");
  if (HasFatalFailure() || IsSkipped()) return;
  this->WriteSettings({});
  const std::string settings = Content(this->DataFolder() / "QlmConfigQVT.sys");

  auto frame = StartFrame();
  CQlmQuorvantile& q = *frame->GetController();
  EXPECT_EQ(q.LibraryNames[Kind::Meshes].GetSize(), 2);
  EXPECT_EQ(q.LibraryNames[Kind::Meshes][0], CString("Bichos"));
  EXPECT_EQ(q.LibraryFiles[Kind::Meshes][0], CString("Bichos.GEO"));
  EXPECT_EQ(frame->GeomsToolBar.PlatformBox.GetWindowText(), CString("Bichos"));
  EXPECT_EQ(QlmComboEntries(frame->GeomsToolBar.ItemList), (std::vector<std::string>{"Aranha", "Coelho", "Porco"}));
  EXPECT_GT(frame->GeomsToolBar.ItemList.GetItem(1)->Mesh->GetNumberOfPolys(), 1000);

  // "Nobel.IMP" is read although "Nobel.imp" does not exist.
  EXPECT_EQ(frame->ImplantToolBar.PlatformBox.GetWindowText(), CString("Nobel"));
  EXPECT_EQ(QlmComboEntries(frame->ImplantToolBar.ItemList),
            (std::vector<std::string>{"Cônico  4.00mm x 10.00mm", "Reto  3.75mm x 13.00mm"}));
  EXPECT_EQ(QlmComboEntries(frame->ImplantToolBar.ProsthesisList),
            (std::vector<std::string>{"Standard", "Pilar  4.50mm x 2.00mm"}));
  EXPECT_EQ(frame->ImplantToolBar.ProsthesisList.GetItem(0), nullptr);

  const int available[] = {1, 0, 0, 1, 0};
  for (int kind = 0; kind < CQlmQuorvantile::LibraryKinds; ++kind) EXPECT_EQ(q.LibraryAvailable[kind], available[kind]);
  EXPECT_EQ(frame->DentesToolBar.ItemList.GetCount(), 0);
  EXPECT_EQ(Content(this->DataFolder() / "QlmConfigQVT.sys"), settings);
  App.m_pMainWnd = nullptr;
}

TEST_F(LibraryCommandsFixture, TheLibUsedLineNamesTheLibraryAndChoosingAnotherWritesIt) {
  this->WriteMeshLibrary("Porcos", ".dnt");
  this->WriteMeshLibrary("Bichos", ".dnt");
  if (HasFatalFailure() || IsSkipped()) return;
  std::ofstream(this->Library("Quebrada.dnt")) << "não é uma biblioteca";
  this->WriteSettings({"Dentes_ Lib Used: Porcos"});
  auto frame = StartFrame();
  CQlmQuorvantile& q = *frame->GetController();
  EXPECT_EQ(frame->DentesToolBar.PlatformBox.GetWindowText(), CString("Porcos"));
  EXPECT_EQ(q.LibraryNames[Kind::Teeth].GetSize(), 3);
  vtkLibraryItem* before = frame->DentesToolBar.ItemList.GetItem(0);

  this->ChooseInDialogs("Quebrada");
  q.SelectDentesLibrary();
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"Erro lendo biblioteca Quebrada"});
  EXPECT_EQ(Prompter.Messages[0].Caption, CString("Seleciona Biblioteca"));
  EXPECT_EQ(Prompter.Messages[0].Icon, QlmIcon::Error);
  EXPECT_EQ(frame->DentesToolBar.PlatformBox.GetWindowText(), CString("Porcos"));
  EXPECT_EQ(frame->DentesToolBar.ItemList.GetItem(0), before);
  EXPECT_EQ(Setting("Dentes_ Lib Used: "), "Porcos");

  this->ChooseInDialogs("Bichos");
  frame->RunCommand(33216);  // disabled without a project
  EXPECT_EQ(Setting("Dentes_ Lib Used: "), "Porcos");
  q.SelectDentesLibrary();
  EXPECT_EQ(Setting("Dentes_ Lib Used: "), "Bichos");
  EXPECT_EQ(frame->DentesToolBar.PlatformBox.GetWindowText(), CString("Bichos"));
  EXPECT_EQ(QlmComboEntries(frame->DentesToolBar.ItemList), (std::vector<std::string>{"Aranha", "Coelho", "Porco"}));
  EXPECT_EQ(q.Libraries[Kind::Teeth]->GetCollection(0)->GetNumberOfItems(), 3);

  // Cancel changes nothing.
  CDialog::SetModalHook([](CDialog&) { return INT_PTR(IDCANCEL); });
  q.SelectDentesLibrary();
  EXPECT_EQ(Setting("Dentes_ Lib Used: "), "Bichos");
  EXPECT_EQ(Prompter.Messages.size(), 1u);
  App.m_pMainWnd = nullptr;
}

// No library of any kind: the libraries in use are empty, the bars hold nothing, an export counts 0.
TEST_F(LibraryCommandsFixture, AnEmptyLibraryFolderLeavesEveryKindEmpty) {
  auto frame = StartFrame();
  CQlmQuorvantile& q = *frame->GetController();
  for (int kind = 0; kind < CQlmQuorvantile::LibraryKinds; ++kind) {
    EXPECT_EQ(q.LibraryAvailable[kind], 0);
    ASSERT_NE(q.Libraries[kind], nullptr);
    EXPECT_EQ(q.Libraries[kind]->GetCollection(0)->GetNumberOfItems(), 0);
    EXPECT_TRUE(q.Libraries[kind]->Name.IsEmpty());
  }
  EXPECT_EQ(frame->ImplantToolBar.ItemList.GetCount(), 0);
  EXPECT_EQ(frame->ImplantToolBar.ProsthesisList.GetCount(), 0);
  EXPECT_TRUE(frame->ImplantToolBar.PlatformBox.GetWindowText().IsEmpty());

  QlmTempDir target;
  Prompter.QueueFolder(CString(target.Path().string()));
  frame->RunCommand(33219);
  ASSERT_EQ(Prompter.Messages.size(), 1u);
  EXPECT_EQ(Prompter.Messages[0].Text, CString("0 Bibliotecas Exportadas com sucesso"));
  EXPECT_EQ(Prompter.Messages[0].Caption, CString("Exportação de Bibliotecas"));
  EXPECT_EQ(Prompter.FolderChoices.at(0).first, CString("Exportar Bibliotecas para:"));
  App.m_pMainWnd = nullptr;
}

// Closing the project replaces the controller; a library that no longer loads leaves its bar empty.
TEST_F(LibraryCommandsFixture, AfterFileCloseNoBarOffersItemsOfTheOldLibraries) {
  this->WriteMeshLibrary("Dentes", ".dnt");
  this->WriteImplantLibrary("Nobel", ".imp");
  if (HasFatalFailure() || IsSkipped()) return;
  auto frame = StartFrame();
  ASSERT_EQ(frame->DentesToolBar.ItemList.GetCount(), 3);
  ASSERT_EQ(frame->ImplantToolBar.ProsthesisList.GetCount(), 2);
  fs::remove(this->Library("Dentes.dnt"));
  std::ofstream(this->Library("Nobel.imp"), std::ios::trunc) << "x";
  frame->OnFileClose();
  for (CLibraryToolBar* bar : {static_cast<CLibraryToolBar*>(&frame->DentesToolBar),
                               static_cast<CLibraryToolBar*>(&frame->ImplantToolBar)}) {
    EXPECT_EQ(bar->ItemList.GetCount(), 0);
    EXPECT_TRUE(bar->PlatformBox.GetWindowText().IsEmpty());
  }
  EXPECT_EQ(frame->ImplantToolBar.ProsthesisList.GetCount(), 0);
  EXPECT_EQ(frame->GetController()->LibraryAvailable[Kind::Teeth], 0);
  EXPECT_EQ(frame->GetController()->LibraryAvailable[Kind::Implants], 1);
  frame->DestroyWindow();
  App.m_pMainWnd = nullptr;
}

class ImportFixture : public LibraryCommandsFixture {
protected:
  // "A", "B" and "C" as teeth files to import; "B" also in the library folder with other content.
  void SetUp() override {
    LibraryCommandsFixture::SetUp();
    for (const char* name : {"A", "B", "C"}) {
      std::ofstream(this->Source(name), std::ios::binary) << std::string(5000, name[0]);
      this->Paths.emplace_back(this->Source(name).string());
    }
    std::ofstream(this->Library("B.dnt"), std::ios::binary) << "old B";
  }

  fs::path Source(const std::string& name) const { return this->Sources.Path() / (name + ".dnt"); }

  std::vector<std::string> Temporaries() const {
    std::vector<std::string> found;
    for (const auto& entry : fs::directory_iterator(this->DataFolder())) {
      if (entry.path().extension() == ".tmp") found.push_back(entry.path().filename().string());
    }
    return found;
  }

  QlmTempDir Sources;
  std::vector<CString> Paths;
};

TEST_F(ImportFixture, NoKeepsTheExistingLibraryWithoutAnErrorAndYesReplacesIt) {
  auto frame = StartFrame();
  CQlmQuorvantile& q = *frame->GetController();
  Prompter.QueueFiles(this->Paths);
  Prompter.QueueAnswer(QlmAnswer::No);
  frame->RunCommand(33218);
  EXPECT_EQ(Prompter.FileCaptions.at(0), CString("Importar Bibliotecas de Dentes"));
  EXPECT_EQ(Prompter.FileFilters.at(0), CString("Tooth Lib files|*.dnt||"));
  EXPECT_EQ(MessageTexts(),
            (std::vector<std::string>{"A biblioteca B já existe, deseja continuar?", "2 Bibliotecas importadas"}));
  EXPECT_EQ(Prompter.Messages[0].Buttons, QlmButtons::YesNo);
  EXPECT_EQ(Prompter.Messages[0].Caption, CString("Importação de Bibliotecas"));
  EXPECT_EQ(Prompter.Messages[1].Icon, QlmIcon::Information);
  EXPECT_EQ(Content(this->Library("B.dnt")), "old B");
  EXPECT_EQ(Content(this->Library("A.dnt")), std::string(5000, 'A'));
  EXPECT_EQ(q.LibraryNames[Kind::Teeth].GetSize(), 3);

  Prompter.Messages.clear();
  Prompter.QueueFiles({this->Paths[1]});
  Prompter.QueueAnswer(QlmAnswer::Yes);
  q.ImportDentesLibraries();
  EXPECT_EQ(MessageTexts().back(), "1 Bibliotecas importadas");
  EXPECT_EQ(Content(this->Library("B.dnt")), std::string(5000, 'B'));
  EXPECT_TRUE(Temporaries().empty());

  // Cancelled: nothing at all.
  Prompter.Messages.clear();
  q.ImportDentesLibraries();
  EXPECT_TRUE(Prompter.Messages.empty());
  App.m_pMainWnd = nullptr;
}

// The file size limit stops the copy after its first bytes were written.
TEST_F(ImportFixture, ACopyThatFailsHalfWayLeavesTheOldLibraryAndNoTemporaryFile) {
  auto frame = StartFrame();
  Prompter.QueueFiles({this->Paths[1]});
  Prompter.QueueAnswer(QlmAnswer::Yes);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 1000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  frame->GetController()->ImportDentesLibraries();
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"A biblioteca B já existe, deseja continuar?",
                                                      "Erro importando a B biblioteca", "0 Bibliotecas importadas"}));
  EXPECT_EQ(Prompter.Messages[1].Icon, QlmIcon::Error);
  EXPECT_EQ(Content(this->Library("B.dnt")), "old B");
  EXPECT_TRUE(Temporaries().empty());
  App.m_pMainWnd = nullptr;
}

// The placed teeth look their items up in the libraries imported after start-up too.
TEST_F(LibraryCommandsFixture, TheTeethSearchALibraryImportedAfterStartUp) {
  auto frame = StartFrame();
  CQlmQuorvantile& q = *frame->GetController();
  this->WriteMeshLibrary("Importados", ".dnt");
  if (IsSkipped() || HasFatalFailure()) return;
  QlmTempDir sources;
  const fs::path source = sources.Path() / "Importados.dnt";
  fs::copy_file(this->Library("Importados.dnt"), source);
  fs::remove(this->Library("Importados.dnt"));
  ASSERT_EQ(q.DentesContainer->FindItem("Importados", "Porco", " 4711"), nullptr);

  Prompter.QueueFiles({CString(source.string())});
  frame->RunCommand(33218);
  EXPECT_EQ(MessageTexts(), std::vector<std::string>{"1 Bibliotecas importadas"});
  EXPECT_NE(q.DentesContainer->FindItem("Importados", "Porco", " 4711"), nullptr);
  App.m_pMainWnd = nullptr;
}

TEST_F(LibraryCommandsFixture, ExportCopiesEveryLibraryUnderItsFileNameAndCountsTheCopies) {
  this->WriteImplantLibrary("Nobel", ".IMP");
  this->WriteImplantLibrary("Outra", ".imp");
  this->WriteImplantLibrary("Terceira", ".imp");
  if (HasFatalFailure()) return;
  auto frame = StartFrame();
  QlmTempDir target;
  fs::create_directory(target.Path() / "Terceira.imp");  // cannot be replaced by a file
  std::ofstream(target.Path() / "Outra.imp") << "velha";
  Prompter.QueueFolder(CString(target.Path().string()));
  frame->RunCommand(33170);
  EXPECT_EQ(MessageTexts(), (std::vector<std::string>{"Erro Exportando a Terceira biblioteca",
                                                      "2 Bibliotecas Exportadas com sucesso"}));
  EXPECT_EQ(Content(target.Path() / "Nobel.IMP"), Content(this->Library("Nobel.IMP")));
  EXPECT_EQ(Content(target.Path() / "Outra.imp"), Content(this->Library("Outra.imp")));

  // Cancelled: nothing.
  Prompter.Messages.clear();
  frame->RunCommand(33170);
  EXPECT_TRUE(Prompter.Messages.empty());
  App.m_pMainWnd = nullptr;
}

}  // namespace
