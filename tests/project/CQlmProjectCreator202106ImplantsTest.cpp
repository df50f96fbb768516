#include <gtest/gtest.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>

#include <map>
#include <string>
#include <vector>

#include "CreatorTest.h"
#include "ProjectFixtures.h"
#include "QlmBytes.h"
#include "app/CQlmQuorvantile.h"
#include "libraries/vtkImplantCustom.h"
#include "libraries/vtkImplantLib.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplants.h"
#include "project/CQlmVolumeAttachmentList.h"

using namespace ProjectFixtures;

namespace {

using QlmBytes::ReadFile;
using QlmBytes::WriteFile;

constexpr const char* ImplantWarning =
    "Biblioteca %s não encontrada para o implante %d, um Implante genérico será criado";
constexpr const char* ComponentWarning =
    "Biblioteca %s não encontrada para o componente %d, um componente genérico será criado";

constexpr double LibraryTop = 5.0;

double Top(vtkPolyData* mesh) { return mesh->GetBounds()[5]; }

// The implant library in use "Atual" (" 11": "Cone 4.0", component "Reto")
// and the library files "Vazia" (unreadable) and "Sistema B" (" 22":
// "Cone 5.0"), read through a loader that records every file it reads.
class ImplantReadTest : public CreatorTest {
protected:
  ImplantReadTest() {
    this->SystemB->Name = "Sistema B";
    this->SystemB->Identifier = " 22";
    PutImplantItem(this->SystemB->Implants, "Cone 5.0", 5.0f, 13.0f);
  }

  void SetUp() override {
    CreatorTest::SetUp();
    auto* current = vtkImplantLib::SafeDownCast(this->Controller->Libraries[CQlmQuorvantile::Implants]);
    ASSERT_NE(current, nullptr);
    current->Name = "Atual";
    current->Identifier = " 11";
    PutImplantItem(current->Implants, "Cone 4.0", 4.0f, 11.5f);
    PutImplantItem(current->Components, "Reto", 0.0f, 6.0f);
    CStringArray& names = this->Controller->LibraryNames[CQlmQuorvantile::Implants];
    names.RemoveAll();
    names.Add("Vazia");
    names.Add("Sistema B");
    this->Controller->ImplantContainer->SetLibraryLoader([this](vtkImplantLib* library) {
      this->Loaded.push_back(library->Name.Str());
      return library->Name == "Sistema B" && library->CopyFrom(this->SystemB) ? 1 : 0;
    });
  }

  // A small project holding `implants`, written to a file; its path.
  std::string Write(const std::vector<CQlmImplantRecord>& implants, const char* name = "Implantes.qlm") {
    CQlmProjectData data;
    FillSmallProject(data);
    data.Implants = implants;
    return this->SaveInFolder(data, name);
  }

  // The implant records of a saved project.
  std::vector<Bytes> SavedRecords(const std::string& path) {
    CQlmProjectData data;
    EXPECT_TRUE(data.Open(path));
    std::vector<Bytes> records;
    for (const CQlmImplantRecord& record : data.Implants) records.push_back(Stored(record));
    return records;
  }

  CQlmImplant3D* ImplantAt(int i) { return this->Controller->ImplantContainer->GetList3D()->GetListItemAt(i); }

  vtkNew<vtkImplantLib> SystemB;
  std::vector<std::string> Loaded;
};

}  // namespace

TEST_F(ImplantReadTest, LibraryAndGenericImplantsAreRebuiltAndWrittenBackUnchanged) {
  const std::vector<CQlmImplantRecord> records = {
      Implant(1), LibraryImplantRecord(2, "Atual", " 11", "Cone 4.0", "Reto"),
      LibraryImplantRecord(3, "Sistema B", " 22", "Cone 5.0", "Standard"),
      LibraryImplantRecord(4, "Sistema B", " 22", "Cone 5.0", "Standard")};
  const std::string path = this->Write(records);

  ASSERT_EQ(this->Open(path), 1);
  EXPECT_TRUE(this->Prompter.Messages.empty());
  // Two implants of the same file: it is read once.
  EXPECT_EQ(this->Loaded, (std::vector<std::string>{"Vazia", "Sistema B"}));
  ASSERT_EQ(this->Controller->ImplantContainer->GetCount(), 4);

  CQlmImplant3D* generic = this->ImplantAt(0);
  EXPECT_NEAR(Top(generic->GetScrewMesh()), 0.0, 1e-6);
  EXPECT_NEAR(generic->GetScrewMesh()->GetBounds()[4], -records[0].Length, 1e-5);
  EXPECT_NEAR(Top(generic->GetConectorMesh()), records[0].ConnectorHeight, 1e-5);

  // A library component: both meshes from the library.
  CQlmImplant3D* withComponent = this->ImplantAt(1);
  EXPECT_NEAR(Top(withComponent->GetScrewMesh()), LibraryTop, 1e-3);
  EXPECT_NEAR(Top(withComponent->GetConectorMesh()), LibraryTop, 1e-3);
  // "Standard": the library body with the generic connector of the record's height.
  CQlmImplant3D* standard = this->ImplantAt(2);
  EXPECT_NEAR(Top(standard->GetScrewMesh()), LibraryTop, 1e-3);
  EXPECT_NEAR(Top(standard->GetConectorMesh()), records[2].ConnectorHeight, 1e-5);
  const float ring[7] = {6, 10, 5.5f, 4.4f, 0, 0.75f, 0};
  EXPECT_EQ(std::vector<float>(standard->RingValues, standard->RingValues + 7), std::vector<float>(ring, ring + 7));

  // The records' own values, whatever the library item holds.
  EXPECT_FLOAT_EQ(standard->GetDiameter(), records[2].Diameter);
  EXPECT_EQ(standard->GetNumber(), 3);
  EXPECT_EQ(standard->Platform, "Sistema B");
  EXPECT_EQ(standard->GetSelected(), 1);
  EXPECT_EQ(withComponent->RingVisible, 0);
  EXPECT_DOUBLE_EQ(standard->GetMatrix()->GetElement(1, 3), 31.0);

  ASSERT_EQ(this->Save(this->Folder.File("Copia.qlm")), 1);
  EXPECT_EQ(this->SavedRecords(this->Folder.File("Copia.qlm")), this->SavedRecords(path));
}

// Each implant of a missing library is reported with its number; a missing
// component only when it is not "Standard". Saved again, nothing changes.
TEST_F(ImplantReadTest, MissingLibrariesWarnAndGiveGenericPartsKeepingTheRecord) {
  const std::vector<CQlmImplantRecord> records = {
      LibraryImplantRecord(1, "Sistema Z", " 99", "Cone 4.0", "Reto"),
      LibraryImplantRecord(2, "Atual", " 11", "Cone 4.0", "Angulado"),
      LibraryImplantRecord(3, "Sistema Z", " 99", "Cone 4.0", "Standard"),
      LibraryImplantRecord(4, "Atual", " 11", "Cone 9.9", "Standard")};
  const std::string path = this->Write(records);

  ASSERT_EQ(this->Open(path), 1);
  std::vector<std::string> texts;
  for (const CQlmScriptedPrompter::Shown& shown : this->Prompter.Messages) {
    EXPECT_EQ(shown.Caption, "Bibliotecas");
    EXPECT_EQ(shown.Icon, QlmIcon::Warning);
    texts.push_back(shown.Text.Str());
  }
  EXPECT_EQ(texts, (std::vector<std::string>{CString::Formatted(ImplantWarning, "Sistema Z", 1).Str(),
                                              CString::Formatted(ComponentWarning, "Atual", 2).Str(),
                                              CString::Formatted(ImplantWarning, "Sistema Z", 3).Str(),
                                              CString::Formatted(ImplantWarning, "Atual", 4).Str()}));

  CQlmImplant3D* missing = this->ImplantAt(0);
  EXPECT_NEAR(Top(missing->GetScrewMesh()), 0.0, 1e-6);
  EXPECT_NEAR(missing->GetScrewMesh()->GetBounds()[4], -records[0].Length, 1e-5);
  EXPECT_EQ(missing->LibraryImplant, 1);
  CQlmImplant3D* genericConnector = this->ImplantAt(1);
  EXPECT_NEAR(Top(genericConnector->GetScrewMesh()), LibraryTop, 1e-3);
  EXPECT_NEAR(Top(genericConnector->GetConectorMesh()), records[1].ConnectorHeight, 1e-5);
  EXPECT_EQ(genericConnector->ComponentName, "Angulado");

  ASSERT_EQ(this->Save(this->Folder.File("Copia.qlm")), 1);
  EXPECT_EQ(this->SavedRecords(this->Folder.File("Copia.qlm")), this->SavedRecords(path));
}

// A flag that is neither 0 nor 1 would leave the implant without meshes: it is
// built generic without a message and written back as read.
TEST_F(ImplantReadTest, AnUnknownLibraryFlagGivesAGenericImplantAndIsKept) {
  CQlmImplantRecord odd = LibraryImplantRecord(5, "Atual", " 11", "Cone 4.0", "Reto");
  odd.LibraryFlag = 7;
  const std::string path = this->Write({odd});

  ASSERT_EQ(this->Open(path), 1);
  EXPECT_TRUE(this->Prompter.Messages.empty());
  CQlmImplant3D* implant = this->ImplantAt(0);
  EXPECT_GT(implant->GetScrewMesh()->GetNumberOfPoints(), 0);
  EXPECT_NEAR(implant->GetScrewMesh()->GetBounds()[4], -odd.Length, 1e-5);
  EXPECT_GT(implant->GetConectorMesh()->GetNumberOfPoints(), 0);

  ASSERT_EQ(this->Save(this->Folder.File("Copia.qlm")), 1);
  EXPECT_EQ(this->SavedRecords(this->Folder.File("Copia.qlm")), this->SavedRecords(path));
}

// Counts that the bytes left cannot hold refuse the file before anything reaches the controller.
TEST_F(ImplantReadTest, ImpossibleImplantCountsAreRefusedWithTheControllerUntouched) {
  CQlmProjectData data;
  FillSmallProject(data);
  data.AttachmentsA.Append(Attachment(1, 5));
  data.Implants = {Implant(1)};
  const Bytes good = Stored(data);
  const size_t count = 12 + 4 + static_cast<size_t>(data.MainVolumeBlock->GetNumberOfValues()) +
                       Stored(data.AttachmentsA).size() + 4 + 4 + 4;
  ASSERT_EQ(PeekInt32(good, count), 1);
  const std::string path = this->Folder.File("Ruim.qlm");
  for (int32_t bad : {-1, -2147483647 - 1, 1000000, 0x7FFFFFFF}) {
    Bytes file = good;
    PokeInt32(file, count, bad);
    WriteFile(path, file);
    this->Creator->Path = path;
    EXPECT_EQ(this->Creator->Load(), 0) << bad;
  }
  EXPECT_EQ(this->Controller->LoadedVersion, 0);
  EXPECT_EQ(this->Controller->ImplantContainer->GetCount(), 0);
  EXPECT_EQ(this->Controller->AttachmentsA->GetCount(), 0);
  EXPECT_TRUE(this->Prompter.Messages.empty());
  EXPECT_TRUE(this->Loaded.empty());
}

// Any byte of the implant section changed: the file is refused or read, never a crash or a leak.
TEST_F(ImplantReadTest, SeededMutationsOfTheImplantSectionAreReadOrRefused) {
  const std::vector<CQlmImplantRecord> records = {Implant(1), LibraryImplantRecord(2, "Atual", " 11", "Cone 4.0", "Reto"),
                                                  LibraryImplantRecord(3, "Sistema B", " 22", "Cone 5.0", "Standard")};
  const Bytes good = ReadFile(this->Write(records));
  CQlmProjectData data;
  FillSmallProject(data);
  // From the implant count to the end of the last record.
  const size_t count = 12 + 4 + static_cast<size_t>(data.MainVolumeBlock->GetNumberOfValues()) + 4 + 4 + 4 + 4;
  size_t length = 4;
  for (const CQlmImplantRecord& record : records) length += Stored(record).size();

  this->ExpectMutationsReadOrRefused(good, count, length, 20211, [] {});
}
