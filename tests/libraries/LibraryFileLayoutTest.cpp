// Files written from the byte layouts load into the expected libraries, and
// saving what was loaded writes the same bytes.
#include <gtest/gtest.h>
#include <vtkNew.h>

#include <string>

#include "LibraryFixtures.h"
#include "libraries/CDentesLibFile.h"
#include "libraries/CEndoLibFile.h"
#include "libraries/CGeomsLibFile.h"
#include "libraries/CImpLibFile.h"
#include "libraries/COrtoLibFile.h"
#include "platform/CQlmScriptedPrompter.h"

using namespace LibraryFixtures;

namespace {

// Writes `bytes` as the file of `title`, loads it into a new library named
// `title`, runs `check` on it, saves it over the file and compares the bytes.
template <class File, class Library, class Check>
void LoadCheckAndSave(const std::string& title, const Bytes& bytes, Check check) {
  File file;
  SCOPED_TRACE(file.GetExtension());
  const LibraryFolder folder;
  const std::string path = folder.File(title + file.GetExtension());
  QlmBytes::WriteFile(path, bytes);
  vtkNew<Library> library;
  library->Name = title;
  file.Library = library;
  ASSERT_EQ(file.Load(), 1) << file.GetReason();
  EXPECT_TRUE(file.GetReason().IsEmpty());
  check(library.Get());

  CQlmScriptedPrompter prompter;
  prompter.QueueAnswer(QlmAnswer::Yes);
  ASSERT_EQ(file.Save(), 1) << file.GetReason();
  EXPECT_EQ(prompter.Messages.size(), 1u);
  EXPECT_EQ(QlmBytes::ReadFile(path), bytes);
  EXPECT_EQ(folder.AllFiles().size(), 1u);
}

void ExpectHeader(vtkLibrary* library, const HeaderSpec& header) {
  EXPECT_EQ(library->Name, CString(header.Name));
  EXPECT_EQ(library->Password, CString(header.Password));
  EXPECT_EQ(library->Identifier, CString(header.Identifier));
}

template <class File>
void ExpectItemFileRoundTrip(const std::string& title, const HeaderSpec& header, const std::vector<ItemSpec>& items) {
  LoadCheckAndSave<File, vtkGeomsLib>(title, ItemFile(header, items), [&](vtkGeomsLib* library) {
    ExpectHeader(library, header);
    ASSERT_EQ(library->GetNumberOfItems(), static_cast<int>(items.size()));
    for (int i = 0; i < library->GetNumberOfItems(); ++i) {
      ExpectItem(library->GetItem(i), items[i]);
      EXPECT_EQ(library->GetItem(i)->LibraryId, CString(header.Identifier));
      EXPECT_EQ(library->GetItem(i)->LibraryName, CString(header.Name));
    }
  });
}

template <class File, class Library>
void ExpectMultiPartFileRoundTrip() {
  const std::vector<MainItemSpec> items = EndoItems();
  LoadCheckAndSave<File, Library>("Limas €", MultiPartFile(EndoHeader(), items), [&](Library* library) {
    ExpectHeader(library, EndoHeader());
    ASSERT_EQ(library->GetNumberOfItems(), static_cast<int>(items.size()));
    for (int i = 0; i < library->GetNumberOfItems(); ++i) {
      auto* item = library->GetItem(i);
      ExpectMainItem(item, items[i]);
      EXPECT_EQ(item->LibraryId, CString("  815"));
      EXPECT_EQ(item->LibraryName, CString("Limas €"));
    }
    EXPECT_NE(library->GetItem(0)->GetSection(0, 2), nullptr) << "sections of the kind's own class";
  });
}

}  // namespace

TEST(CQlmLibraryFile, TeethAndMeshFilesLoadTheirItemsAndSaveTheSameBytes) {
  ExpectItemFileRoundTrip<CDentesLibFile>("Dentes Padrão", TeethHeader(), TeethItems());
  ExpectItemFileRoundTrip<CGeomsLibFile>("Dentes Padrão", TeethHeader(), TeethItems());
}

TEST(CQlmLibraryFile, EndodonticAndOrthodonticFilesLoadPositionsAndSectionsAndSaveTheSameBytes) {
  ExpectMultiPartFileRoundTrip<CEndoLibFile, vtkEndoImpLib>();
  ExpectMultiPartFileRoundTrip<COrtoLibFile, vtkOrtoImpLib>();
}

TEST(CQlmLibraryFile, ImplantFileLoadsImplantsWithWashersAndComponentsAndSavesTheSameBytes) {
  const Bytes bytes = ImplantFile(ImplantHeader(), Implants(), Components());
  LoadCheckAndSave<CImpLibFile, vtkImplantLib>("Cone Morse 3.5", bytes, [](vtkImplantLib* library) {
    ExpectHeader(library, ImplantHeader());
    ASSERT_EQ(library->Implants->GetNumberOfItems(), 2);
    ASSERT_EQ(library->Components->GetNumberOfItems(), 1);
    for (int i = 0; i < 2; ++i) ExpectImplant(library->GetImplant(i), Implants()[i], true);
    ExpectImplant(library->GetComponent(0), Components()[0], false);
    EXPECT_EQ(library->GetComponent(0)->WasherHeight, 0.0f);
  });
}

TEST(CQlmLibraryFile, NamesAtEachLengthPrefixBoundaryRoundTrip) {
  std::vector<ItemSpec> items;
  for (size_t length : {0u, 254u, 255u, 256u, 65533u, 65534u, 65535u, 70000u})
    items.push_back({std::string(length, 'a' + length % 26), {0.5f, 0.5f, 0.5f}, {}});
  items.back().Name.replace(0, 2, "ç");  // one 1252 byte for two UTF-8 bytes
  ExpectItemFileRoundTrip<CGeomsLibFile>("Malhas", {"Malhas", std::string(300, 's'), "    7"}, items);
}

TEST(CQlmLibraryFile, WideStringsLoadAndAreSavedInTheNarrowForm) {
  const LibraryFolder folder;
  const std::u16string longName(300, u'w');
  LibraryBytes wide;
  wide.WideString(u"Dentes Padrão").String("segredo").WideString(u"").Int32(2);
  wide.WideString(longName).Rgb({1, 1, 1}).Mesh({});
  wide.WideString(u"Molar \u2713").Rgb({1, 1, 1}).Mesh({});  // no 1252 form: read as '?'
  QlmBytes::WriteFile(folder.File("Dentes Padrão.dnt"), wide.Data);

  vtkNew<vtkGeomsLib> library;
  library->Name = "Dentes Padrão";
  CDentesLibFile file;
  file.Library = library;
  ASSERT_EQ(file.Load(), 1) << file.GetReason();
  EXPECT_EQ(library->Identifier, CString());
  EXPECT_EQ(library->GetItem(0)->Name, CString(std::string(300, 'w')));
  EXPECT_EQ(library->GetItem(1)->Name, CString("Molar ?"));

  CQlmScriptedPrompter prompter;
  prompter.QueueAnswer(QlmAnswer::Yes);
  ASSERT_EQ(file.Save(), 1) << file.GetReason();
  const std::vector<ItemSpec> narrow = {{std::string(300, 'w'), {1, 1, 1}, {}}, {"Molar ?", {1, 1, 1}, {}}};
  EXPECT_EQ(QlmBytes::ReadFile(folder.File("Dentes Padrão.dnt")), ItemFile({"Dentes Padrão", "segredo", ""}, narrow));
}

TEST(CQlmLibraryFile, LoadFindsTheFileTheFolderScanListsWhateverTheCaseOfItsExtension) {
  const LibraryFolder folder;
  const Bytes bytes = ItemFile({"Caixa", "", " 1234"}, TeethItems());
  QlmBytes::WriteFile(folder.File("Caixa.DNT"), bytes);
  vtkNew<vtkGeomsLib> library;
  library->Name = "Caixa";
  CDentesLibFile file;
  file.Library = library;
  ASSERT_EQ(file.Load(), 1) << file.GetReason();
  EXPECT_EQ(library->GetNumberOfItems(), 2);

  // Saving replaces that file instead of adding a second one.
  CQlmScriptedPrompter prompter;
  prompter.QueueAnswer(QlmAnswer::Yes);
  library->Password = "nova";
  ASSERT_EQ(file.Save(), 1) << file.GetReason();
  ASSERT_EQ(prompter.Messages.size(), 1u);
  EXPECT_EQ(prompter.Messages[0].Text, CString("Caixa.dnt já existe. Deseja continuar?"));
  EXPECT_EQ(folder.AllFiles(), std::vector<std::string>{"Quillmar/Quorvantile/Caixa.DNT"});
  EXPECT_EQ(QlmBytes::ReadFile(folder.File("Caixa.DNT")), ItemFile({"Caixa", "nova", " 1234"}, TeethItems()));
}
