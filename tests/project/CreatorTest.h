#pragma once
// The 2021-06 creator on a controller without windows, in a temporary
// application-data folder, with scripted messages.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "QlmGuiTestApp.h"
#include "QlmTempDir.h"
#include "QlmTestData.h"
#include "SampleProject.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmResourceScript.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "platform/CQlmScriptedPrompter.h"
#include "project/CQlmProjectCreator202106.h"
#include "project/CQlmProjectData.h"

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

  // The sample project as the landed writer makes it; empty when it cannot be made.
  std::string SaveSampleProject() {
    CQlmProjectData sample;
    const std::string matrix = QlmTestData::Path(QlmTestData::CraniumMatrix).string();
    if (!SampleProject::Fill(sample, SampleProject::LoadHeadCT(matrix))) return {};
    const std::string path = this->Folder.File("Amostra.qlm");
    return sample.Save(path) ? path : std::string();
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
