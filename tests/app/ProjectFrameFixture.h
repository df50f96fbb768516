#pragma once
// A main frame under test with the project files it opens: small projects of
// the project tests' fixtures, the sample project of the real head CT, and
// files a reader must refuse. The frame's controllers are counted and record
// every status text. The views render, so a display is required.
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ShellFixture.h"
#include "app/CMainFrame.h"
#include "project/CQlmProjectData.h"

class ProjectFrameFixture : public ShellFixture {
public:
  // Controllers made so far, and the status texts they showed, in order.
  static int ControllersMade;
  static std::vector<std::string> StatusTexts;
  // What each new controller's library scan finds, per library kind (none unless a test says).
  static int LibrariesFound[5];
  // A status text whose showing throws std::bad_alloc, as an allocation that fails there would.
  static std::string FailingStatusText;
  // Called on each new controller once it is initialised (library fixtures), when set.
  static void (*ControllerReady)(CQlmQuorvantile& controller);

protected:
  void SetUp() override;
  void TearDown() override;

  // The frame started as the application starts it, with `commandLine` when not empty.
  std::unique_ptr<CMainFrame> Start(const std::string& commandLine = std::string());

  // ProjectFixtures::FillSmallProject, changed by `change`, saved under Files as `name`.
  std::string SmallProject(const std::string& name, void (*change)(CQlmProjectData&) = nullptr) const;
  // The sample project of the real head CT under Files as `name` (after QLM_REQUIRE_TEST_DATA).
  std::string SampleFile(const std::string& name) const;
  // `bytes` as the file `name` under Files.
  std::string RawFile(const std::string& name, const std::vector<uint8_t>& bytes) const;

  // The five paths of "Open Recent: " in the settings file.
  std::vector<std::string> RecentList() const;

  QlmTempDir Files;
};
