// What Load makes of a library and a file: names, appending, the reasons
// it gives for damaged files.
#include <gtest/gtest.h>
#include <vtkNew.h>

#include "LibraryFixtures.h"
#include "libraries/CDentesLibFile.h"
#include "libraries/CEndoLibFile.h"
#include "libraries/CImpLibFile.h"
#include "platform/CQlmScriptedPrompter.h"

using namespace LibraryFixtures;

TEST(CQlmLibraryFileLoad, TakesTheStoredNameAndAppendsAfterWhatTheLibraryHolds) {
  const LibraryFolder folder;
  // File "B" holds library "A".
  QlmBytes::WriteFile(folder.File("B.dnt"), ItemFile({"A", "", "   42"}, TeethItems()));
  QlmBytes::WriteFile(folder.File("Vazia.dnt"), ItemFile({"Vazia", "x", "    1"}, {}));

  vtkNew<vtkGeomsLib> library;
  library->Name = "Vazia";
  ASSERT_EQ(LoadWith<CDentesLibFile>(library.Get()), 1);
  EXPECT_EQ(library->Password, CString("x"));
  EXPECT_EQ(library->GetNumberOfItems(), 0);

  vtkNew<vtkGeom> kept;
  library->Items->AddItem(kept);
  library->Name = "B";
  ASSERT_EQ(LoadWith<CDentesLibFile>(library.Get()), 1);
  EXPECT_EQ(library->Name, CString("A"));
  EXPECT_EQ(library->Identifier, CString("   42"));
  ASSERT_EQ(library->GetNumberOfItems(), 3);
  EXPECT_EQ(library->GetItem(0), kept.Get());
  EXPECT_EQ(library->GetItem(1)->LibraryName, CString("A"));
  EXPECT_EQ(library->GetItem(2)->LibraryId, CString("   42"));

  // A later save writes the file of A.
  ASSERT_EQ(SaveWith<CDentesLibFile>(library.Get()), 1);
  EXPECT_TRUE(std::filesystem::exists(folder.File("A.dnt")));
}

TEST(CQlmLibraryFileLoad, PointsAreNarrowedToFloatAndWrittenBackWidened) {
  const LibraryFolder folder;
  const MeshSpec mesh = {{0.1, -1e-3, 12345.678901234, 1.0 / 3, 2, 3, 4, 5, 6}, {0, 1, 2}};
  QlmBytes::WriteFile(folder.File("Fina.dnt"), ItemFile({"Fina", "", ""}, {{"Dente", {1, 1, 1}, mesh}}));
  vtkNew<vtkGeomsLib> library;
  library->Name = "Fina";
  ASSERT_EQ(LoadWith<CDentesLibFile>(library.Get()), 1);
  ExpectMesh(library->GetItem(0)->Mesh, mesh);

  CQlmScriptedPrompter prompter;
  prompter.QueueAnswer(QlmAnswer::Yes);
  ASSERT_EQ(SaveWith<CDentesLibFile>(library.Get()), 1);
  MeshSpec widened = mesh;
  for (double& value : widened.Points) value = static_cast<float>(value);
  EXPECT_EQ(QlmBytes::ReadFile(folder.File("Fina.dnt")), ItemFile({"Fina", "", ""}, {{"Dente", {1, 1, 1}, widened}}));
}

TEST(CQlmLibraryFileLoad, ADamagedFileIsRefusedWithAReasonSayingWhere) {
  const HeaderSpec header = TeethHeader();
  std::vector<ItemSpec> badIndex = TeethItems();
  badIndex[0].Mesh.Triangles[4] = 9;
  LibraryBytes negativePoints;
  negativePoints.Header(header).Int32(2).Item(TeethItems()[0]).String("Canino").Rgb({1, 1, 1}).Int32(-1).Int32(0);
  LibraryBytes hugeTriangles;
  hugeTriangles.Header(header).Int32(1).String("Molar").Rgb({1, 1, 1}).Int32(0).Int32(1000000000);
  LibraryBytes hugeItems;
  hugeItems.Header(header).Int32(0x7FFFFFFF);
  LibraryBytes cutSection;
  cutSection.Header(EndoHeader())
      .Int32(1)
      .Item(EndoItems()[0].Body)
      .Int32(1)
      .Int32(2)
      .Section(EndoItems()[0].Positions[0][0])
      .Rgb({1, 1, 1});
  LibraryBytes hugeComponents;
  hugeComponents.Header(ImplantHeader()).Int32(0).Int32(40000);
  LibraryBytes cutHeader;
  cutHeader.String("Dentes").String("segredo");

  struct Case {
    const char* Title;
    Bytes File;
    const char* Extension;
    const char* Reason;
  } cases[] = {
      {"index", ItemFile(header, badIndex), ".dnt", "índice de triângulo 9 fora da malha de 4 pontos no item 1"},
      {"negative", negativePoints.Data, ".dnt", "número de pontos negativo (-1) no item 2"},
      {"triangles", hugeTriangles.Data, ".dnt",
       "número de triângulos (1000000000) maior do que o arquivo comporta no item 1"},
      {"items", hugeItems.Data, ".dnt", "número de itens (2147483647) maior do que o arquivo comporta"},
      {"header", cutHeader.Data, ".dnt", "fim inesperado do arquivo no cabeçalho"},
      {"section", cutSection.Data, ".end", "fim inesperado do arquivo no item 1, posição 1, seção 2"},
      {"components", hugeComponents.Data, ".imp", "número de componentes (40000) maior do que o arquivo comporta"},
      {"name", ItemFile({"../x", "", ""}, {}), ".dnt", "nome de biblioteca inválido gravado no arquivo"},
      {"missing", {}, ".dnt", "arquivo não encontrado"},
  };
  const LibraryFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Title);
    const std::string extension = c.Extension;
    if (c.Title != std::string("missing")) QlmBytes::WriteFile(folder.File(c.Title + extension), c.File);
    CString reason;
    int result = -1;
    if (extension == ".dnt") {
      vtkNew<vtkGeomsLib> library;
      library->Name = c.Title;
      result = LoadWith<CDentesLibFile>(library.Get(), &reason);
    } else if (extension == ".end") {
      vtkNew<vtkEndoImpLib> library;
      library->Name = c.Title;
      result = LoadWith<CEndoLibFile>(library.Get(), &reason);
    } else {
      vtkNew<vtkImplantLib> library;
      library->Name = c.Title;
      result = LoadWith<CImpLibFile>(library.Get(), &reason);
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(reason, CString(c.Reason));
  }
}
