// Reading the sample project (the real head CT's jaw region) with 32 implants
// into a controller, as an open does before the views are set up:
//   OpenWithImplants/0  32 generic implants
//   OpenWithImplants/1  32 implants of the library file "Sistema", which is
//                       not the implant library in use: each is looked up in
//                       the library files on disk
// Target: OpenWithImplants/1 <= 1.2 x OpenWithImplants/0.
#include <benchmark/benchmark.h>
#include <vtkImageData.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "QlmGuiTestApp.h"
#include "tests/app/QlmLibraryFolderFiles.h"
#include "QlmTempDir.h"
#include "QlmTestData.h"
#include "SampleProject.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmResourceScript.h"
#include "libraries/vtkImplantLib.h"
#include "platform/CQlmScriptedPrompter.h"
#include "objects/CQlmImplants.h"
#include "project/CQlmProjectCreator202106.h"

namespace {

constexpr int ImplantCount = 32;

QlmTempDir& Folder() {
  static QlmTempDir folder;
  return folder;
}

// Implant k along a row above the crowns, generic or of the library file "Sistema".
CQlmImplantRecord ImplantRecord(int k, bool library) {
  CQlmImplantRecord record;
  record.Diameter = 4.0f;
  record.Length = 10.0f;
  record.ConnectorHeight = 2.0f;
  record.Number = k + 1;
  record.Matrix[3] = -30.0 + 2.0 * k;
  record.Matrix[11] = 40.0;
  if (library) {
    record.LibraryFlag = 1;
    record.LibraryName = "Sistema";
    record.LibraryIdentifier = " 12";
    record.ImplantName = k % 2 ? "Reto" : "Cônico";
    record.ComponentName = k % 3 ? "Pilar" : "Standard";
  }
  return record;
}

// The two projects and the library file, made once in a scratch application-data
// folder; empty paths, after the reason, without the test data.
struct Projects {
  std::string Path[2];
};

const Projects* GetProjects(benchmark::State& state) {
  static std::unique_ptr<Projects> made;
  if (made) return made.get();
  std::string why;
  if (!QlmTestData::Has(QlmTestData::CraniumMatrix, why)) {
    state.SkipWithError(why.c_str());
    return nullptr;
  }
  ::setenv("QLM_COMMON_APPDATA", Folder().File("dados").c_str(), 1);
  ::unsetenv("QLM_WEB_SERVER");
  if (!QlmLibraryFolderFiles::WriteImplantLibrary("Sistema", ".imp", why)) {
    state.SkipWithError(why.c_str());
    return nullptr;
  }
  vtkSmartPointer<vtkImageData> head =
      SampleProject::LoadHeadCT(QlmTestData::Path(QlmTestData::CraniumMatrix).string());
  vtkSmartPointer<vtkImageData> volume = head ? SampleProject::JawRegion(head) : nullptr;
  auto projects = std::make_unique<Projects>();
  for (int library = 0; library < 2; ++library) {
    CQlmProjectData data;
    if (!volume || !SampleProject::Fill(data, volume)) {
      state.SkipWithError("cannot build the project");
      return nullptr;
    }
    for (int k = 0; k < ImplantCount; ++k) data.Implants.push_back(ImplantRecord(k, library));
    projects->Path[library] = Folder().File(library ? "Biblioteca.qlm" : "Genericos.qlm");
    if (!data.Save(projects->Path[library])) {
      state.SkipWithError("cannot save the project");
      return nullptr;
    }
  }
  made = std::move(projects);
  return made.get();
}

// A controller as the program makes it for an open, whose implant library in
// use is an empty one other than "Sistema".
CQlmQuorvantile* NewController() {
  CQlmQuorvantile* controller = CQlmQuorvantile::New();
  controller->CreateObjects();
  controller->Initialize();
  auto* current = vtkImplantLib::SafeDownCast(controller->Libraries[CQlmQuorvantile::Implants]);
  current->Clear();
  current->Name = "Outra";
  current->Identifier = " 99";
  return controller;
}

void DeleteController(CQlmQuorvantile* controller) {
  controller->Teardown();
  delete controller;
}

void OpenWithImplants(benchmark::State& state) {
  QlmGuiTestApp::Instance();
  QlmRegisterResources();
  // A message would be a failure: none may wait for an answer.
  const CQlmScriptedPrompter prompter;
  const Projects* projects = GetProjects(state);
  if (!projects) return;
  const int library = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    CQlmQuorvantile* controller = NewController();
    CQlmProjectCreator202106& creator = *controller->Creator202106;
    creator.Path = projects->Path[library];
    state.ResumeTiming();
    const int read = creator.Load();
    state.PauseTiming();
    if (!read || controller->ImplantContainer->GetCount() != ImplantCount || !prompter.Messages.empty()) {
      state.SkipWithError("open failed");
    }
    DeleteController(controller);
    state.ResumeTiming();
  }
}

}  // namespace

BENCHMARK(OpenWithImplants)->ArgName("library")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
