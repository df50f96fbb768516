// Save: the overwrite question, a missing folder, a failure in the middle of
// writing, refused names and texts, and what is written for other polygons.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <vtkCellArray.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkSphereSource.h>

#include <csignal>

#include "LibraryFixtures.h"
#include "libraries/CDentesLibFile.h"
#include "libraries/CGeomsLibFile.h"
#include "platform/CQlmScriptedPrompter.h"

using namespace LibraryFixtures;

namespace {

// A teeth library named `name` holding the fixture's items, as loaded.
vtkSmartPointer<vtkGeomsLib> TeethLibrary(const LibraryFolder& folder, const char* name) {
  QlmBytes::WriteFile(folder.File("Origem.dnt"), ItemFile({name, "segredo", " 4711"}, TeethItems()));
  auto library = vtkSmartPointer<vtkGeomsLib>::New();
  library->Name = "Origem";
  EXPECT_EQ(LoadWith<CDentesLibFile>(library.Get()), 1);
  std::filesystem::remove(folder.File("Origem.dnt"));
  return library;
}

int Save(vtkGeomsLib* library, CString* reason = nullptr) { return SaveWith<CDentesLibFile>(library, reason); }

}  // namespace

TEST(CQlmLibraryFileSave, AsksBeforeReplacingAFileAndNoLeavesItByteIdentical) {
  const LibraryFolder folder;
  for (const LibraryKind& kind : AllKinds()) {
    SCOPED_TRACE(kind.Extension);
    const std::string path = folder.File("Biblioteca" + kind.Extension);
    const Bytes previous = {1, 2, 3};
    QlmBytes::WriteFile(path, previous);
    vtkSmartPointer<vtkLibrary> library = kind.NewLibrary();
    library->Name = "Biblioteca";

    CQlmScriptedPrompter prompter;
    prompter.QueueAnswer(QlmAnswer::No);
    prompter.QueueAnswer(QlmAnswer::Yes);
    CString reason = "?";
    EXPECT_EQ(kind.Save(library, reason), 0);
    EXPECT_TRUE(reason.IsEmpty()) << "declining is no error";
    EXPECT_EQ(QlmBytes::ReadFile(path), previous);
    ASSERT_EQ(prompter.Messages.size(), 1u);
    EXPECT_EQ(prompter.Messages[0].Text, CString("Biblioteca" + kind.Extension + " já existe. Deseja continuar?"));
    EXPECT_EQ(prompter.Messages[0].Caption, CString("Salvando Arquivo"));
    EXPECT_EQ(prompter.Messages[0].Buttons, QlmButtons::YesNo);
    EXPECT_EQ(prompter.Messages[0].Icon, QlmIcon::Warning);

    EXPECT_EQ(kind.Save(library, reason), 1) << reason;
    EXPECT_NE(QlmBytes::ReadFile(path), previous);
    EXPECT_EQ(prompter.Unscripted, 0);
  }
  EXPECT_EQ(folder.AllFiles().size(), 5u) << "no temporary file left";
}

TEST(CQlmLibraryFileSave, WithoutTheLibraryFolderFailsWithoutAMessage) {
  const LibraryFolder folder(false);
  vtkNew<vtkGeomsLib> library;
  library->Name = "Dentes";
  CQlmScriptedPrompter prompter;
  CString reason;
  EXPECT_EQ(Save(library, &reason), 0);
  EXPECT_EQ(reason, CString("a pasta de bibliotecas não existe"));
  EXPECT_TRUE(prompter.Messages.empty());
  EXPECT_TRUE(folder.AllFiles().empty());
}

TEST(CQlmLibraryFileSave, AFailureInTheMiddleOfWritingLeavesThePreviousFile) {
  const LibraryFolder folder;
  const Bytes previous = ItemFile(TeethHeader(), TeethItems());
  QlmBytes::WriteFile(folder.File("Grande.dnt"), previous);
  vtkNew<vtkSphereSource> sphere;
  sphere->SetThetaResolution(200);
  sphere->SetPhiResolution(200);
  sphere->Update();
  vtkNew<vtkGeomsLib> library;
  library->Name = "Grande";
  vtkNew<vtkGeom> item;
  item->Mesh->DeepCopy(sphere->GetOutput());
  library->Items->AddItem(item);

  CQlmScriptedPrompter prompter;
  prompter.QueueAnswer(QlmAnswer::Yes);
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit limited = saved;
  limited.rlim_cur = 100000;  // the sphere needs about 1.4 MB
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  CString reason;
  const int result = Save(library, &reason);
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(result, 0);
  EXPECT_EQ(reason, CString("erro gravando o arquivo"));
  EXPECT_EQ(QlmBytes::ReadFile(folder.File("Grande.dnt")), previous);
  EXPECT_EQ(folder.AllFiles().size(), 1u) << "no temporary file left";
}

TEST(CQlmLibraryFileSave, NamesThatCouldLeaveTheFolderOrLoseCharactersAreRefused) {
  const LibraryFolder folder;
  CQlmScriptedPrompter prompter;
  for (const char* name :
       {"", ".", "..", "../x", "a/b", "a\\b", "/tmp/x", "tab\tname", "fim\x7f", "c1\xc2\x85", "Δόντια"}) {
    SCOPED_TRACE(name);
    vtkNew<vtkGeomsLib> library;
    library->Name = name;
    CString reason;
    EXPECT_EQ(Save(library, &reason), 0);
    EXPECT_EQ(reason, CString("nome de biblioteca inválido"));
    EXPECT_EQ(LoadWith<CDentesLibFile>(library.Get(), &reason), 0);
    EXPECT_EQ(reason, CString("nome de biblioteca inválido"));
  }
  EXPECT_TRUE(prompter.Messages.empty());
  EXPECT_TRUE(folder.AllFiles().empty());
}

TEST(CQlmLibraryFileSave, TextsWithoutAWindows1252FormAreRefusedAndThePreviousFileKept) {
  const LibraryFolder folder;
  vtkSmartPointer<vtkGeomsLib> library = TeethLibrary(folder, "Dentes");
  CQlmScriptedPrompter prompter;
  ASSERT_EQ(Save(library), 1);
  const Bytes saved = QlmBytes::ReadFile(folder.File("Dentes.dnt"));

  library->GetItem(1)->Name = "Canino ✓";
  CString reason;
  prompter.QueueAnswer(QlmAnswer::Yes);
  EXPECT_EQ(Save(library, &reason), 0);
  EXPECT_EQ(reason, CString("nome com caracteres que o arquivo não pode guardar no item 2"));
  library->GetItem(1)->Name = "Canino";
  library->Password = "senha ✓";
  prompter.QueueAnswer(QlmAnswer::Yes);
  EXPECT_EQ(Save(library, &reason), 0);
  EXPECT_EQ(reason, CString("senha com caracteres que o arquivo não pode guardar no cabeçalho"));
  EXPECT_EQ(QlmBytes::ReadFile(folder.File("Dentes.dnt")), saved);
  EXPECT_EQ(folder.AllFiles().size(), 1u);
}

TEST(CQlmLibraryFileSave, PolygonsOfThreeOrMorePointsAreWrittenAsTheirFirstThreeIndicesAndStrayIndicesRefused) {
  const LibraryFolder folder;
  vtkNew<vtkPoints> points;
  for (int i = 0; i < 5; ++i) points->InsertNextPoint(i, 2 * i, -i);
  vtkNew<vtkCellArray> polygons;
  const vtkIdType pentagon[] = {4, 3, 2, 1, 0}, pair[] = {0, 1}, single[] = {2}, quad[] = {1, 2, 3, 4},
                  triangle[] = {0, 2, 4};
  polygons->InsertNextCell(5, pentagon);
  polygons->InsertNextCell(2, pair);
  polygons->InsertNextCell(1, single);
  polygons->InsertNextCell(4, quad);
  polygons->InsertNextCell(3, triangle);
  vtkNew<vtkGeomsLib> library;
  library->Name = "Malhas";
  vtkNew<vtkGeom> shaped;
  shaped->Name = "Poligonos";
  shaped->Mesh->SetPoints(points);
  shaped->Mesh->SetPolys(polygons);
  library->Items->AddItem(shaped);
  // Polygons without points: nothing to index.
  vtkNew<vtkGeom> pointless;
  pointless->Name = "Sem pontos";
  pointless->Mesh->SetPolys(polygons);
  library->Items->AddItem(pointless);

  ASSERT_EQ(SaveWith<CGeomsLibFile>(library.Get()), 1);
  const MeshSpec written = {{0, 0, 0, 1, 2, -1, 2, 4, -2, 3, 6, -3, 4, 8, -4}, {4, 3, 2, 1, 2, 3, 0, 2, 4}};
  const Bytes saved = ItemFile({"Malhas", "", ""}, {{"Poligonos", {1, 1, 1}, written}, {"Sem pontos", {1, 1, 1}, {}}});
  EXPECT_EQ(QlmBytes::ReadFile(folder.File("Malhas.geo")), saved);

  // A polygon that indexes past its points is refused, not written.
  CQlmScriptedPrompter prompter;
  for (vtkIdType wrong : {7, -1}) {
    const vtkIdType ids[] = {0, wrong, 2};
    vtkNew<vtkCellArray> broken;
    broken->InsertNextCell(3, ids);
    shaped->Mesh->SetPolys(broken);
    prompter.QueueAnswer(QlmAnswer::Yes);
    CString reason;
    EXPECT_EQ(SaveWith<CGeomsLibFile>(library.Get(), &reason), 0);
    EXPECT_EQ(reason, CString::Formatted("polígono com índice %lld fora da malha de 5 pontos no item 1",
                                         static_cast<long long>(wrong)));
  }
  EXPECT_EQ(QlmBytes::ReadFile(folder.File("Malhas.geo")), saved);
}

TEST(CQlmLibraryFileSave, ThePasswordNeverReachesTheErrorOutputOrAReason) {
  const char* password = "Segredo-Da-Clinica";
  const LibraryFolder folder;
  vtkSmartPointer<vtkGeomsLib> library = TeethLibrary(folder, "Dentes");
  library->Password = password;
  std::vector<CString> reasons;
  testing::internal::CaptureStderr();
  {
    // No prompter installed: the question goes to stderr and is answered No.
    QlmBytes::WriteFile(folder.File("Dentes.dnt"), ItemFile({"Dentes", password, ""}, TeethItems()));
    CString reason;
    EXPECT_EQ(Save(library, &reason), 0);
    std::filesystem::remove(folder.File("Dentes.dnt"));
    library->GetItem(0)->Name = "✓";
    EXPECT_EQ(Save(library, &reason), 0);
    reasons.push_back(reason);
    library->Password = std::string(password) + "✓";
    EXPECT_EQ(Save(library, &reason), 0);
    reasons.push_back(reason);

    Bytes damaged = ItemFile({"Dentes", password, ""}, TeethItems());
    damaged.resize(damaged.size() - 5);
    QlmBytes::WriteFile(folder.File("Dentes.dnt"), damaged);
    vtkNew<vtkGeomsLib> other;
    other->Name = "Dentes";
    EXPECT_EQ(LoadWith<CDentesLibFile>(other.Get(), &reason), 0);
    reasons.push_back(reason);
  }
  const std::string errors = testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("Dentes.dnt já existe"), std::string::npos) << errors;
  EXPECT_EQ(errors.find("Segredo"), std::string::npos) << errors;
  for (const CString& reason : reasons) {
    EXPECT_FALSE(reason.IsEmpty());
    EXPECT_EQ(reason.Find("Segredo"), -1) << reason.Str();
  }
}
