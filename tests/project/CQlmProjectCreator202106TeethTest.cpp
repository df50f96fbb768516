#include <gtest/gtest.h>
#include <vtkMatrix4x4.h>

#include <string>
#include <vector>

#include "CreatorTest.h"
#include "ProjectFixtures.h"
#include "QlmBytes.h"
#include "app/CQlmQuorvantile.h"
#include "libraries/vtkGeomsLib.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmGeom3D.h"
#include "objects/CQlmGeoms.h"
#include "objects/CQlmImplants.h"
#include "project/CQlmVolumeAttachmentList.h"

using namespace ProjectFixtures;

namespace {

using QlmBytes::ReadFile;

// The mesh library in use "Malhas" (" 5": "Barra"); the teeth library in use
// "Dentes A" (" 11": "Incisivo") and the teeth library files "Perdida"
// (unreadable) and "Dentes B" (" 22": "Canino", "Molar"), read through a
// loader that records every file it reads.
class LibraryObjectReadTest : public CreatorTest {
protected:
  void SetUp() override {
    CreatorTest::SetUp();
    this->TeethB->Name = "Dentes B";
    this->TeethB->Identifier = " 22";
    PutLibraryItem<vtkGeom>(this->TeethB.GetPointer(), "Canino", 0.25f);
    PutLibraryItem<vtkGeom>(this->TeethB.GetPointer(), "Molar", 0.5f);
    auto* meshes = vtkGeomsLib::SafeDownCast(this->Controller->Libraries[CQlmQuorvantile::Meshes]);
    auto* teeth = vtkGeomsLib::SafeDownCast(this->Controller->Libraries[CQlmQuorvantile::Teeth]);
    ASSERT_NE(meshes, nullptr);
    ASSERT_NE(teeth, nullptr);
    meshes->Name = "Malhas", meshes->Identifier = " 5";
    PutLibraryItem<vtkGeom>(meshes, "Barra", 0.75f);
    teeth->Name = "Dentes A", teeth->Identifier = " 11";
    PutLibraryItem<vtkGeom>(teeth, "Incisivo", 1.0f);
    this->Controller->LibraryNames[CQlmQuorvantile::Meshes].RemoveAll();
    CStringArray& names = this->Controller->LibraryNames[CQlmQuorvantile::Teeth];
    names.RemoveAll();
    names.Add("Perdida");
    names.Add("Dentes B");
    this->Controller->DentesContainer->SetLibraryLoader([this](vtkGeomsLib* library) {
      this->Loaded.push_back(library->Name.Str());
      return library->Name == "Dentes B" && library->CopyFrom(this->TeethB) ? 1 : 0;
    });
  }

  // A small project with two attachments, an implant, `meshes` and `teeth`, written to a file; its path.
  std::string Write(const std::vector<CQlmLibraryObjectRecord>& meshes,
                    const std::vector<CQlmLibraryObjectRecord>& teeth, const char* name = "Dentes.qlm") {
    CQlmProjectData data;
    FillSmallProject(data);
    data.AttachmentsA.Append(Attachment(1, 5));
    data.Implants = {Implant(1)};
    data.LibraryMeshes = meshes;
    data.Teeth = teeth;
    return this->SaveInFolder(data, name);
  }

  // The library-mesh and tooth records of a saved project, in file order.
  std::vector<Bytes> SavedRecords(const std::string& path) {
    CQlmProjectData data;
    EXPECT_TRUE(data.Open(path));
    std::vector<Bytes> records;
    for (const auto* list : {&data.LibraryMeshes, &data.Teeth}) {
      for (const CQlmLibraryObjectRecord& record : *list) records.push_back(Stored(record));
    }
    return records;
  }

  CQlmGeom3D* ToothAt(int i) { return this->Controller->DentesContainer->GetList3D()->GetListItemAt(i); }

  vtkNew<vtkGeomsLib> TeethB;
  std::vector<std::string> Loaded;
};

}  // namespace

TEST_F(LibraryObjectReadTest, MeshesAndTeethAreRebuiltNumberedAndWrittenBackUnchanged) {
  const std::string path = this->Write({LibraryObject(1, "Malhas", " 5", "Barra")},
                                       {LibraryObject(2, "Dentes A", " 11", "Incisivo"),
                                        LibraryObject(3, "Dentes B", " 22", "Canino"),
                                        LibraryObject(4, "Dentes B", " 22", "Molar")});

  ASSERT_EQ(this->Open(path), 1);
  EXPECT_TRUE(this->Prompter.Messages.empty());
  // Two teeth of the same file: it is read once.
  EXPECT_EQ(this->Loaded, (std::vector<std::string>{"Perdida", "Dentes B"}));
  ASSERT_EQ(this->Controller->GeomsContainer->GetCount(), 1);
  ASSERT_EQ(this->Controller->DentesContainer->GetCount(), 3);

  CQlmGeom3D* mesh = this->Controller->GeomsContainer->GetList3D()->GetListItemAt(0);
  EXPECT_EQ(mesh->GetName(), "Barra");
  EXPECT_EQ(mesh->GetNumber(), 1);
  EXPECT_EQ(mesh->GetVisible(), 0);
  CQlmGeom3D* canine = this->ToothAt(1);
  EXPECT_EQ(canine->GetName(), "Canino");
  EXPECT_EQ(canine->LibraryName, "Dentes B");
  EXPECT_EQ(canine->GetNumber(), 2);
  EXPECT_EQ(canine->GetSelected(), 1);
  // The record's colour, not the item's.
  EXPECT_FLOAT_EQ(canine->GetColor()[0], LibraryObject(3, "", "", "").Color[0]);
  EXPECT_DOUBLE_EQ(canine->GetMatrix()->GetElement(1, 3), -14.0);
  EXPECT_EQ(this->ToothAt(2)->GetNumber(), 3);

  ASSERT_EQ(this->Save(this->Folder.File("Copia.qlm")), 1);
  EXPECT_EQ(this->SavedRecords(this->Folder.File("Copia.qlm")), this->SavedRecords(path));
}

// A mesh or tooth that no library holds refuses the file, naming its library,
// before anything reaches the controller, whichever record comes first. The
// library name is not a key: "Malhas Z" differs in its identifier too.
TEST_F(LibraryObjectReadTest, AMissingItemRefusesTheFileWithTheControllerUntouched) {
  struct Case {
    std::vector<CQlmLibraryObjectRecord> Meshes, Teeth;
    const char* Text;
  };
  const CQlmLibraryObjectRecord mesh = LibraryObject(1, "Malhas", " 5", "Barra");
  const CQlmLibraryObjectRecord tooth = LibraryObject(2, "Dentes A", " 11", "Incisivo");
  const Case cases[] = {
      {{mesh}, {tooth, LibraryObject(3, "Dentes Z", " 99", "Canino")}, "Biblioteca: Dentes Z não encontrada"},
      {{mesh}, {LibraryObject(4, "Dentes A", " 11", "Siso"), tooth}, "Biblioteca: Dentes A não encontrada"},
      {{LibraryObject(5, "Malhas Z", " 55", "Barra")}, {tooth}, "Biblioteca: Malhas Z não encontrada"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(this->Open(this->Write(c.Meshes, c.Teeth)), 0);
    ASSERT_EQ(this->Prompter.Messages.size(), 1u);
    EXPECT_EQ(this->Prompter.Messages[0].Text, c.Text);
    EXPECT_EQ(this->Prompter.Messages[0].Caption, "Carregando Projeto");
    EXPECT_EQ(this->Prompter.Messages[0].Icon, QlmIcon::Error);
    this->ExpectNothingOpen();
    this->Prompter.Messages.clear();
  }
}

// Any byte of the two sections changed: the file is refused or read, never a crash or a leak.
TEST_F(LibraryObjectReadTest, SeededMutationsOfTheMeshAndToothSectionsAreReadOrRefused) {
  const std::vector<CQlmLibraryObjectRecord> meshes = {LibraryObject(1, "Malhas", " 5", "Barra")};
  const std::vector<CQlmLibraryObjectRecord> teeth = {LibraryObject(2, "Dentes A", " 11", "Incisivo"),
                                                      LibraryObject(3, "Dentes B", " 22", "Canino")};
  const Bytes good = ReadFile(this->Write(meshes, teeth));
  CQlmProjectData data;
  FillSmallProject(data);
  data.AttachmentsA.Append(Attachment(1, 5));
  // From the library-mesh count to the end of the last tooth record.
  const size_t implants = 12 + 4 + static_cast<size_t>(data.MainVolumeBlock->GetNumberOfValues()) +
                          Stored(data.AttachmentsA).size() + 4 + 4 + 4;
  const size_t start = implants + 4 + Stored(Implant(1)).size() + Stored(data.ImplantDefaults).size() + 8;
  ASSERT_EQ(PeekInt32(good, start), 1);
  size_t length = 8;
  for (const auto* list : {&meshes, &teeth}) {
    for (const CQlmLibraryObjectRecord& record : *list) length += Stored(record).size();
  }
  ASSERT_EQ(PeekInt32(good, start + 4 + Stored(meshes[0]).size()), 2);

  this->ExpectMutationsReadOrRefused(good, start, length, 20212, [this] { this->ExpectNothingOpen(); });
}
