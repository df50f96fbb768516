#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CreatorTest.h"
#include "ProjectFixtures.h"
#include "QlmBytes.h"
#include "app/CQlmQuorvantile.h"
#include "libraries/vtkEndoImpLib.h"
#include "libraries/vtkOrtoImpLib.h"
#include "objects/CQlmEndoImps.h"
#include "objects/CQlmImplants.h"
#include "objects/CQlmNerves.h"
#include "objects/CQlmOrtoImps.h"
#include "objects/CQlmRullers.h"

using namespace ProjectFixtures;

namespace {

using QlmBytes::ReadFile;

// The orthodontic library in use "Orto A" (" 3": "Braquete" of five
// sections, "Tubo" of three) and the endodontic library file "Endo B"
// (" 22": "Lima" of two sections), read through a loader that records every
// file it reads. Section "Base" offers the variants "Base1" and "Base2".
class MultiPartReadTest : public CreatorTest {
protected:
  void SetUp() override {
    CreatorTest::SetUp();
    CQlmQuorvantile& q = *this->Controller;
    auto* orthodontic = vtkOrtoImpLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Orthodontic]);
    ASSERT_NE(orthodontic, nullptr);
    orthodontic->Name = "Orto A", orthodontic->Identifier = " 3";
    PutMultiPartItem<vtkOrtoImplant>(orthodontic, "Braquete", 0.7f, {"Base", "Aleta", "Gancho", "Tubo", "Fio"});
    PutMultiPartItem<vtkOrtoImplant>(orthodontic, "Tubo", 0.6f, {"Base", "Aleta", "Gancho"});
    this->EndoB->Name = "Endo B", this->EndoB->Identifier = " 22";
    PutMultiPartItem<vtkEndoImplant>(this->EndoB.GetPointer(), "Lima", 0.9f, {"K", "H"});
    for (CStringArray& names : q.LibraryNames) names.RemoveAll();
    q.LibraryNames[CQlmQuorvantile::Endodontic].Add("Endo B");
    q.EndoImpsContainer->SetLibraryLoader([this](vtkEndoImpLib* library) {
      this->Loaded.push_back(library->Name.Str());
      return library->Name == "Endo B" && library->CopyFrom(this->EndoB) ? 1 : 0;
    });
  }

  // The rich project (rulers, nerves, notes, report pages after the objects) with these objects; its path.
  std::string Write(const std::vector<CQlmMultiPartRecord>& orthodontic,
                    const std::vector<CQlmMultiPartRecord>& endodontic) {
    CQlmProjectData data;
    FillRichProject(data);
    data.Orthodontic = orthodontic;
    data.Endodontic = endodontic;
    return this->SaveInFolder(data, "Partes.qlm");
  }

  void ExpectRefusedUntouched(const char* text) {
    ASSERT_EQ(this->Prompter.Messages.size(), 1u);
    EXPECT_NE(this->Prompter.Messages[0].Text.Find(text), -1) << this->Prompter.Messages[0].Text.Str();
    EXPECT_EQ(this->Prompter.Messages[0].Caption, "Carregando Projeto");
    EXPECT_EQ(this->Prompter.Messages[0].Icon, QlmIcon::Error);
    this->Prompter.Messages.clear();
    this->ExpectNothingOpen();
  }

  CQlmMultiPart3D& Orthodontic(int i) { return *this->Controller->OrtoImpsContainer->GetList3D()->GetListItemAt(i); }
  CQlmMultiPart3D& Endodontic(int i) { return *this->Controller->EndoImpsContainer->GetList3D()->GetListItemAt(i); }

  vtkNew<vtkEndoImpLib> EndoB;
  std::vector<std::string> Loaded;
};

// The part entries of `record` as the file holds them.
std::vector<Bytes> StoredParts(const CQlmMultiPartRecord& record) {
  std::vector<Bytes> parts;
  for (const CQlmMultiPartRecord::Part& part : record.Parts) parts.push_back(StoredPart(part));
  return parts;
}

}  // namespace

// Every part shows the record's variant, colour and visibility; a library
// file looked up for two objects and four parts is read once.
TEST_F(MultiPartReadTest, ObjectsAreRebuiltWithTheirPartsNumberedReadingEachLibraryFileOnce) {
  const std::vector<CQlmMultiPartRecord> orthodontic = {
      MultiPart(1, "Orto A", " 3", "Braquete", {"Base2", "Aleta1", "Gancho2", "Tubo2", "Fio1"})};
  const std::vector<CQlmMultiPartRecord> endodontic = {MultiPart(2, "Endo B", " 22", "Lima", {"K2", "H2"}),
                                                       MultiPart(3, "Endo B", " 22", "Lima", {"K1", "H1"})};
  const std::string path = this->Write(orthodontic, endodontic);
  ASSERT_EQ(this->Open(path), 1);
  EXPECT_TRUE(this->Prompter.Messages.empty());
  EXPECT_EQ(this->Loaded, std::vector<std::string>{"Endo B"});

  ASSERT_EQ(this->Controller->OrtoImpsContainer->GetCount(), 1);
  const CQlmMultiPart3D& bracket = this->Orthodontic(0);
  EXPECT_EQ(bracket.GetNumber(), 1);
  EXPECT_EQ(bracket.GetVisible(), orthodontic[0].Visible);
  EXPECT_EQ(bracket.GetColor()[0], orthodontic[0].Color[0]);
  ASSERT_EQ(bracket.GetPartCount(), 5);
  for (int slot = 0; slot < 5; ++slot) {
    const CQlmMultiPartRecord::Part& part = orthodontic[0].Parts[slot];
    EXPECT_EQ(bracket.GetPartName(slot), part.SectionName);
    EXPECT_EQ(bracket.GetPartColor(slot)[2], part.Color[2]);
    EXPECT_EQ(bracket.GetPartVisible(slot), part.Visible);
  }
  ASSERT_EQ(this->Controller->EndoImpsContainer->GetCount(), 2);
  EXPECT_EQ(this->Endodontic(0).GetPartName(0), "K2");
  EXPECT_EQ(this->Endodontic(1).GetPartName(1), "H1");
  EXPECT_EQ(this->Endodontic(1).GetNumber(), 2);
  EXPECT_EQ(this->Endodontic(1).LibraryName, "Endo B");

  const std::string copy = this->Folder.File("Copia.qlm");
  ASSERT_EQ(this->Save(copy), 1);
  CQlmProjectData written;
  ASSERT_TRUE(written.Open(copy));
  ASSERT_EQ(written.Orthodontic.size(), 1u);
  EXPECT_EQ(Stored(written.Orthodontic[0]), Stored(orthodontic[0]));
  ASSERT_EQ(written.Endodontic.size(), 2u);
  EXPECT_EQ(Stored(written.Endodontic[1]), Stored(endodontic[1]));
}

// An item edited since the save: entry j goes to part j while the item has
// it, the other entries are read past, and the file after them is read in
// step. Parts without an entry keep what the item gives them.
TEST_F(MultiPartReadTest, EntriesBeyondTheItemsPartsAreSkippedAndTheRestOfTheFileIsReadInStep) {
  const CQlmMultiPartRecord five = MultiPart(4, "Orto A", " 3", "Tubo", {"Base2", "Aleta2", "Gancho1", "Tubo2", "Fio2"});
  const CQlmMultiPartRecord one = MultiPart(5, "Orto A", " 3", "Braquete", {"Base2"});
  const CQlmMultiPartRecord lima = MultiPart(6, "Endo B", " 22", "Lima", {"K2", "H1"});
  const std::string path = this->Write({five, one}, {lima});
  CQlmProjectData source;
  FillRichProject(source);
  ASSERT_EQ(this->Open(path), 1);

  const CQlmMultiPart3D& tube = this->Orthodontic(0);
  ASSERT_EQ(tube.GetPartCount(), 3);
  for (int slot = 0; slot < 3; ++slot) {
    EXPECT_EQ(tube.GetPartName(slot), five.Parts[slot].SectionName);
    EXPECT_EQ(tube.GetPartColor(slot)[0], five.Parts[slot].Color[0]);
  }
  const CQlmMultiPart3D& bracket = this->Orthodontic(1);
  EXPECT_EQ(bracket.GetPartName(0), "Base2");
  EXPECT_EQ(bracket.GetPartName(4), "Fio1");
  EXPECT_EQ(bracket.GetPartVisible(4), 1);
  ASSERT_EQ(this->Controller->EndoImpsContainer->GetCount(), 1);
  EXPECT_EQ(this->Endodontic(0).GetPartName(0), "K2");
  EXPECT_EQ(this->Controller->NerveContainer->GetCount(), 2);
  EXPECT_EQ(this->Controller->Rullers->GetListCross()->GetCount(), 2);
  EXPECT_EQ(this->Controller->Notes, source.Notes);

  const std::string copy = this->Folder.File("Copia.qlm");
  ASSERT_EQ(this->Save(copy), 1);
  CQlmProjectData written;
  ASSERT_TRUE(written.Open(copy));
  ASSERT_EQ(written.Orthodontic.size(), 2u);
  std::vector<Bytes> kept = StoredParts(five);
  kept.resize(3);
  EXPECT_EQ(StoredParts(written.Orthodontic[0]), kept);
  EXPECT_EQ(written.Orthodontic[1].Parts.size(), 5u);
  EXPECT_EQ(Stored(written.Endodontic.at(0)), Stored(lima));
}

// A missing library item (orthodontic or endodontic) or a part count above
// 50 refuses the file with a message, before anything reaches the controller.
TEST_F(MultiPartReadTest, AMissingItemOrMoreThanFiftyPartsRefusesTheFileWithTheControllerUntouched) {
  const CQlmMultiPartRecord bracket = MultiPart(1, "Orto A", " 3", "Braquete", {"Base2"});
  const CQlmMultiPartRecord lima = MultiPart(2, "Endo B", " 22", "Lima", {"K2"});
  struct Case {
    std::vector<CQlmMultiPartRecord> Orthodontic, Endodontic;
    const char* Text;
  };
  const Case cases[] = {
      {{bracket, MultiPart(3, "Orto Z", " 8", "Braquete", {})}, {lima}, "Biblioteca: Orto Z não encontrada"},
      {{bracket}, {MultiPart(4, "Endo B", " 22", "Broca", {"B1"})}, "Biblioteca: Endo B não encontrada"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Text);
    EXPECT_EQ(this->Open(this->Write(c.Orthodontic, c.Endodontic)), 0);
    this->ExpectRefusedUntouched(c.Text);
  }

  Bytes file = ReadFile(this->Write({bracket}, {lima}));
  const Bytes record = Stored(lima);
  const auto found = std::search(file.begin(), file.end(), record.begin(), record.end());
  ASSERT_NE(found, file.end());
  const size_t partCount = static_cast<size_t>(found - file.begin()) + record.size() - StoredParts(lima)[0].size() - 4;
  ASSERT_EQ(PeekInt32(file, partCount), 1);
  PokeInt32(file, partCount, 51);
  const std::string path = this->Folder.File("Partes51.qlm");
  QlmBytes::WriteFile(path, file);
  EXPECT_EQ(this->Open(path), 0);
  this->ExpectRefusedUntouched("Lima tem 51 partes");
}
