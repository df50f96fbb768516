#pragma once
// What a test of the shell's windows needs: the QApplication, the program's
// resources, a fresh application-data folder, a scripted prompter, an
// application object whose main window the test sets, and splash dialogs
// that close at once (counted).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "QlmGuiTestApp.h"
#include "app/CMainFrame.h"
#include "app/QlmResourceIds.h"
#include "app/QlmResourceScript.h"
#include "platform/CQlmScriptedPrompter.h"
#include "platform/gui/CDialog.h"
#include "platform/gui/CWinApp.h"
#include "tests/support/QlmTempDir.h"

class ShellFixture : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    ::setenv("QLM_COMMON_APPDATA", this->AppData.Path().c_str(), 1);
    ::unsetenv("QLM_WEB_SERVER");
    ::unsetenv("QLM_MAKER_ADDRESS");
    QlmRegisterResources();
    CDialog::SetModalHook([this](CDialog& dialog) {
      this->ModalDialogs.push_back(dialog.GetTemplateID());
      return INT_PTR(IDCANCEL);
    });
  }

  void TearDown() override {
    this->App.m_pMainWnd = nullptr;
    CDialog::SetModalHook(nullptr);
    ::unsetenv("QLM_COMMON_APPDATA");
  }

  // A main frame started as the application starts it (splash, controller,
  // window), with controllers from `factory` (the program's own when null).
  std::unique_ptr<CMainFrame> StartFrame(CMainFrame::ControllerFactory factory = nullptr) {
    auto frame = std::make_unique<CMainFrame>(factory);
    this->App.m_pMainWnd = frame.get();
    EXPECT_TRUE(frame->LoadFrame(IDR_MAINFRAME));
    return frame;
  }

  std::filesystem::path DataFolder() const { return this->AppData.Path() / "Quillmar" / "Quorvantile"; }

  // Writes the settings file: the first line, then `lines`.
  void WriteSettings(const std::vector<std::string>& lines) const {
    std::filesystem::create_directories(this->DataFolder());
    std::ofstream file(this->DataFolder() / "QlmConfigQVT.sys", std::ios::binary);
    file << "Quillmar Quorvantile Arquivo de Configuração\r\n";
    for (const auto& line : lines) file << line << "\r\n";
  }

  QlmTempDir AppData;
  CQlmScriptedPrompter Prompter;
  CWinApp App;
  std::vector<UINT> ModalDialogs;
};
