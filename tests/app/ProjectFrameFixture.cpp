#include "ProjectFrameFixture.h"

#include <algorithm>
#include <new>

#include "ProjectFixtures.h"
#include "QlmBytes.h"
#include "QlmDisplay.h"
#include "QlmGraphicsDriver.h"
#include "QlmTestData.h"
#include "SampleProject.h"
#include "app/CQlmObserverQuorvantile.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "app/QlmResourceIds.h"

int ProjectFrameFixture::ControllersMade = 0;
std::vector<std::string> ProjectFrameFixture::StatusTexts;
int ProjectFrameFixture::LibrariesFound[5] = {};
std::string ProjectFrameFixture::FailingStatusText;
void (*ProjectFrameFixture::ControllerReady)(CQlmQuorvantile& controller) = nullptr;

namespace {

class RecordingObserver : public CQlmObserverQuorvantile {
public:
  void SetText(CString text) override {
    if (text.Str() == ProjectFrameFixture::FailingStatusText) throw std::bad_alloc();
    ProjectFrameFixture::StatusTexts.push_back(text.Str());
    CQlmObserverQuorvantile::SetText(text);
  }
};

class CountedQuorvantile : public CQlmQuorvantile {
public:
  static CQlmQuorvantile* Make() {
    ++ProjectFrameFixture::ControllersMade;
    return new CountedQuorvantile;
  }
  void CreateObjects() override {
    CQlmQuorvantile::CreateObjects();
    delete this->StatusObserver;
    this->StatusObserver = new RecordingObserver;
  }
  void Initialize() override {
    CQlmQuorvantile::Initialize();
    std::copy(std::begin(ProjectFrameFixture::LibrariesFound), std::end(ProjectFrameFixture::LibrariesFound),
              this->LibraryAvailable);
    if (ProjectFrameFixture::ControllerReady) ProjectFrameFixture::ControllerReady(*this);
  }
};

}  // namespace

void ProjectFrameFixture::SetUp() {
  ShellFixture::SetUp();
  QLM_REQUIRE_DISPLAY();
  QlmGraphicsDriver::KeepLoaded();
  ControllersMade = 0;
  StatusTexts.clear();
  std::fill(std::begin(LibrariesFound), std::end(LibrariesFound), 0);
  FailingStatusText.clear();
  ControllerReady = nullptr;
}

void ProjectFrameFixture::TearDown() {
  this->App.m_lpCmdLine = CString();
  ShellFixture::TearDown();
}

std::unique_ptr<CMainFrame> ProjectFrameFixture::Start(const std::string& commandLine) {
  auto frame = std::make_unique<CMainFrame>(&CountedQuorvantile::Make);
  this->App.m_pMainWnd = frame.get();
  this->App.m_lpCmdLine = CString(commandLine);
  if (!commandLine.empty()) frame->CommandLine = 1;
  EXPECT_TRUE(frame->LoadFrame(IDR_MAINFRAME));
  return frame;
}

std::string ProjectFrameFixture::SmallProject(const std::string& name, void (*change)(CQlmProjectData&)) const {
  CQlmProjectData data;
  ProjectFixtures::FillSmallProject(data);
  if (change) change(data);
  const std::string path = this->Files.File(name);
  EXPECT_TRUE(data.Save(path));
  return path;
}

std::string ProjectFrameFixture::SampleFile(const std::string& name) const {
  vtkSmartPointer<vtkImageData> head =
      SampleProject::LoadHeadCT(QlmTestData::Path(QlmTestData::CraniumMatrix).string());
  vtkSmartPointer<vtkImageData> volume = head ? SampleProject::JawRegion(head) : nullptr;
  CQlmProjectData data;
  const std::string path = this->Files.File(name);
  EXPECT_TRUE(volume && SampleProject::Fill(data, volume) && data.Save(path));
  return path;
}

std::string ProjectFrameFixture::RawFile(const std::string& name, const std::vector<uint8_t>& bytes) const {
  const std::string path = this->Files.File(name);
  QlmBytes::WriteFile(path, bytes);
  return path;
}

std::vector<std::string> ProjectFrameFixture::RecentList() const {
  CString paths[5];
  ReadConfigOpenRecent(paths);
  return std::vector<std::string>(std::begin(paths), std::end(paths));
}
