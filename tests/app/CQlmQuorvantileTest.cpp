#include "ShellFixture.h"
#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmResourceIds.h"
#include "views/CQlm3DWindow.h"

// Fontconfig keeps its caches for the whole process.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }

namespace {

using ControllerLifeFixture = ShellFixture;

TEST_F(ControllerLifeFixture, TeardownReleasesEveryOwnedObject) {
  CQlmQuorvantile* controller = CQlmQuorvantile::New();
  EXPECT_EQ(controller->WindowAxial, nullptr);
  controller->CreateObjects();
  ASSERT_NE(controller->WindowAxial, nullptr);
  ASSERT_NE(controller->StatusObserver, nullptr);
  ASSERT_NE(controller->PictureDownload, nullptr);
  ASSERT_NE(controller->PrintPreview, nullptr);
  EXPECT_EQ(controller->WindowAxial->GetHostWindow(), nullptr);  // no window yet
  controller->Teardown();
  EXPECT_EQ(controller->WindowAxial, nullptr);
  EXPECT_EQ(controller->WindowPanoramic, nullptr);
  EXPECT_EQ(controller->Window3D, nullptr);
  EXPECT_EQ(controller->WindowCross, nullptr);
  EXPECT_EQ(controller->StatusObserver, nullptr);
  EXPECT_EQ(controller->PictureDownload, nullptr);
  EXPECT_EQ(controller->PrintPreview, nullptr);
  delete controller;
}

// Run under LeakSanitizer: any object that Teardown leaves behind is reported.
TEST_F(ControllerLifeFixture, ControllersAreReplacedRepeatedlyWithoutLeaks) {
  auto frame = std::make_unique<CMainFrame>();
  App.m_pMainWnd = frame.get();
  ASSERT_TRUE(frame->LoadFrame(IDR_MAINFRAME));
  for (int round = 0; round < 4; ++round) {
    frame->OnFileClose();
    ASSERT_NE(frame->GetController(), nullptr);
    EXPECT_EQ(frame->GetController()->WindowAxial->Enabled, 0);
  }
  frame->DestroyWindow();
  EXPECT_EQ(frame->GetController(), nullptr);
}

}  // namespace
