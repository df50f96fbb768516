#pragma once
// The main frame started on the sample project of the real head CT, as the
// application opens a project named on its command line. Tests that need
// settings lines write them in WriteSettings, before the program starts.
#include <QApplication>
#include <QTest>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "ProjectFrameFixture.h"
#include "QlmBytes.h"
#include "QlmTestData.h"
#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

class SampleProjectFixture : public ProjectFrameFixture {
protected:
  void SetUp() override {
    ProjectFrameFixture::SetUp();
    if (IsSkipped()) return;
    QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
    this->WriteSettings();
    this->Frame = Start(SampleFile("Amostra.qlm"));
    this->Q = this->Frame->GetController();
    ASSERT_EQ(this->Q->ProjectOpen, 1);
  }

  void TearDown() override {
    this->Frame.reset();
    ProjectFrameFixture::TearDown();
  }

  // True when SetUp opened the sample project.
  bool Opened() const { return !IsSkipped() && !HasFatalFailure(); }

  virtual void WriteSettings() {}

  // The main window at 1280 x 960 with the four views rendered, saved as the picture file `picture`.
  bool SaveWindow(const char* picture) {
    QWidget& window = *this->Frame->GetSafeHwnd();
    window.resize(1280, 960);
    window.show();
    QApplication::processEvents();
    this->Q->WindowAxial->Render();
    this->Q->WindowCross->Render();
    this->Q->WindowPanoramic->Render();
    this->Q->Window3D->Render();
    QApplication::processEvents();
    return window.grab().save(picture);
  }

  // Ctrl and `key` typed in the main window, made the active window first.
  void TypeControlKey(Qt::Key key) {
    QWidget* main = this->Frame->GetSafeHwnd();
    main->show();
    QApplication::setActiveWindow(main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, key, Qt::ControlModifier);
  }

  // "Salvar como" answered with `path`.
  void SaveAs(const std::string& path) {
    this->Prompter.QueueFile(CString(path));
    this->Frame->OnFileSaveAs();
  }

  // The project closed and opened again from `path`; Q is then the new controller.
  void CloseAndOpen(const std::string& path) {
    this->Frame->OnFileClose();
    this->Prompter.QueueFile(CString(path));
    this->Frame->OnFileOpen();
    this->Q = this->Frame->GetController();
  }

  // The open project saved as `copy` has the bytes of the file `saved`.
  void ExpectSavedAgainAsItWas(const std::string& saved, const std::string& copy) {
    this->SaveAs(copy);
    const std::vector<uint8_t> bytes = QlmBytes::ReadFile(saved);
    ASSERT_FALSE(bytes.empty());
    EXPECT_TRUE(QlmBytes::ReadFile(copy) == bytes);
  }

  std::unique_ptr<CMainFrame> Frame;
  CQlmQuorvantile* Q = nullptr;
};
