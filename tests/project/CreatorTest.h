#pragma once
// The 2021-06 creator on a controller without windows, in a temporary
// application-data folder, with scripted messages.
#include <gtest/gtest.h>

#include <vtkCollection.h>
#include <vtkNew.h>

#include <cstdlib>
#include <initializer_list>
#include <random>
#include <string>

#include "ProjectFixtures.h"
#include "QlmBytes.h"
#include "QlmGuiTestApp.h"
#include "QlmTempDir.h"
#include "QlmTestData.h"
#include "SampleProject.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmResourceScript.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "libraries/vtkGeomsLib.h"
#include "libraries/vtkImplantCustom.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmEndoImps.h"
#include "objects/CQlmGeoms.h"
#include "objects/CQlmImplants.h"
#include "objects/CQlmNerves.h"
#include "objects/CQlmOrtoImps.h"
#include "objects/CQlmRullers.h"
#include "output/CQlmPrintPreview.h"
#include "platform/CQlmScriptedPrompter.h"
#include "project/CQlmProjectCreator202106.h"
#include "project/CQlmProjectData.h"
#include "project/CQlmVolumeAttachmentList.h"

// A library implant or component whose mesh is a sphere of radius 5 about the
// origin: a screw built from it reaches z = 5, a generic one ends at z = 0.
inline void PutImplantItem(vtkCollection* items, const char* name, float diameter, float length) {
  vtkNew<vtkImplantCustom> item;
  item->Name = name;
  item->Diameter = diameter;
  item->Length = length;
  item->WasherDistance = 6, item->WasherHeight = 4, item->WasherOuterDiameter = 5.5f;
  item->WasherInnerDiameter = 4.4f, item->WasherColor[1] = 0.75f;
  item->Mesh->DeepCopy(ProjectFixtures::Sphere(8));
  items->AddItem(item);
}

// Item `name` of `library`, a sphere of red `red`, with the library strings a
// library file reader gives it; the library holds it.
template <class Item, class Library>
Item* PutLibraryItem(Library* library, const char* name, float red) {
  vtkNew<Item> item;
  item->Name = name;
  item->Color[0] = red;
  item->LibraryName = library->Name;
  item->LibraryId = library->Identifier;
  item->Mesh->DeepCopy(ProjectFixtures::Sphere(6));
  library->Items->AddItem(item);
  return item;
}

// PutLibraryItem's item with per name of `sections` a section of two
// variants, that name followed by "1" and by "2".
template <class Item, class Library>
void PutMultiPartItem(Library* library, const char* name, float red, std::initializer_list<const char*> sections) {
  Item* item = PutLibraryItem<Item>(library, name, red);
  float green = 0.0f;
  for (const char* section : sections) {
    vtkCollection* position = item->AddPosition();
    for (const char* suffix : {"1", "2"}) {
      vtkNew<typename Item::SectionType> variant;
      variant->Name = CString(section) + suffix;
      variant->Color[1] = green += 0.05f;
      variant->Mesh->DeepCopy(ProjectFixtures::Sphere(4));
      position->AddItem(variant);
    }
  }
}

// ProjectFixtures::Implant(seed) as implant `implant` with component `component` of a library.
inline CQlmImplantRecord LibraryImplantRecord(int seed, const char* library, const char* identifier,
                                              const char* implant, const char* component) {
  CQlmImplantRecord record = ProjectFixtures::Implant(seed);
  record.LibraryFlag = 1;
  record.LibraryName = library;
  record.LibraryIdentifier = identifier;
  record.ImplantName = implant;
  record.ComponentName = component;
  return record;
}

// A controller in the state without a project (no windows), with its 2021-06 creator.
class CreatorTest : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    ::setenv("QLM_COMMON_APPDATA", this->AppData.Path().c_str(), 1);
    ::unsetenv("QLM_WEB_SERVER");
    QlmRegisterResources();
    this->Controller = CQlmQuorvantile::New();
    this->Controller->CreateObjects();
    this->Controller->Initialize();
    this->Creator = this->Controller->Creator202106;
  }

  void TearDown() override {
    this->Controller->Teardown();
    delete this->Controller;
    ::unsetenv("QLM_COMMON_APPDATA");
  }

  // Reads the file as the controller's open does, then what the post-load set-up
  // does for the creator: the volume to the filters and the view restore.
  int Open(const std::string& path) {
    this->Creator->Path = path;
    if (!this->Creator->Load()) return 0;
    this->Controller->CTFilter->SetInput(this->Controller->PanoramicCalc, this->Controller->CTData->ImageData);
    this->Creator->RestoreViews();
    return 1;
  }

  int Save(const std::string& path) {
    this->Creator->Path = path;
    return this->Creator->Save();
  }

  // `data` saved as the file `name` of the folder; its path.
  std::string SaveInFolder(const CQlmProjectData& data, const char* name) {
    const std::string path = this->Folder.File(name);
    EXPECT_TRUE(data.Save(path));
    return path;
  }

  // The sample project as the landed writer makes it; empty when it cannot be made.
  std::string SaveSampleProject() {
    CQlmProjectData sample;
    const std::string matrix = QlmTestData::Path(QlmTestData::CraniumMatrix).string();
    if (!SampleProject::Fill(sample, SampleProject::LoadHeadCT(matrix))) return {};
    const std::string path = this->Folder.File("Amostra.qlm");
    return sample.Save(path) ? path : std::string();
  }

  // 200 copies of `good`, each with 1 to 4 bytes of [start, start + length)
  // changed at random from `seed`, loaded in turn: each is read or refused,
  // never a crash or a leak. A file read is saved again and the controller
  // replaced; `refused` runs after each refusal.
  template <typename Refused>
  void ExpectMutationsReadOrRefused(const QlmBytes::Bytes& good, size_t start, size_t length, unsigned seed,
                                    Refused refused) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<size_t> position(start, start + length - 1);
    std::uniform_int_distribution<int> value(0, 255);
    const std::string path = this->Folder.File("Mutado.qlm");
    for (int round = 0; round < 200; ++round) {
      QlmBytes::Bytes file = good;
      for (int change = 0; change < 1 + round % 4; ++change) {
        file[position(random)] = static_cast<uint8_t>(value(random));
      }
      QlmBytes::WriteFile(path, file);
      this->Creator->Path = path;
      if (!this->Creator->Load()) {
        refused();
        continue;
      }
      EXPECT_EQ(this->Save(this->Folder.File("Salvo.qlm")), 1) << "round " << round;
      this->ReplaceController();
    }
  }

  // The controller holds nothing of a project: what a refused file leaves.
  void ExpectNothingOpen() const {
    const CQlmQuorvantile& q = *this->Controller;
    EXPECT_EQ(q.LoadedVersion, 0);
    EXPECT_EQ(q.AttachmentsA->GetCount(), 0);
    EXPECT_EQ(q.ImplantContainer->GetCount(), 0);
    EXPECT_EQ(q.OrtoImpsContainer->GetCount(), 0);
    EXPECT_EQ(q.EndoImpsContainer->GetCount(), 0);
    EXPECT_EQ(q.GeomsContainer->GetCount(), 0);
    EXPECT_EQ(q.DentesContainer->GetCount(), 0);
    EXPECT_EQ(q.NerveContainer->GetCount(), 0);
    EXPECT_EQ(q.Rullers->GetList3D()->GetCount(), 0);
    EXPECT_EQ(q.Notes, "");
    EXPECT_EQ(q.PrintPreview->templates.GetCount(), 0);
  }

  // A fresh controller in place of the current one, as File/Close makes.
  void ReplaceController() {
    this->TearDown();
    this->SetUp();
  }

  QlmTempDir AppData;
  QlmTempDir Folder;
  CQlmScriptedPrompter Prompter;
  CQlmQuorvantile* Controller = nullptr;
  CQlmProjectCreator202106* Creator = nullptr;
};
