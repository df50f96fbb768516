// The preview command on the sample project: one preview per project, raised
// by the command while it is open, and closed with its project (also under
// AddressSanitizer).
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "QlmGuiTestApp.h"
#include "SampleProjectFixture.h"
#include "output/CDialogPrintPreview.h"
#include "output/CQlmPrintPreview.h"

namespace {

constexpr UINT PreviewCommand = 57609;
constexpr const char* PreviewCaption = "Visualização da Impressão";

int PreviewWindowsShown() {
  int shown = 0;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->windowTitle() == PreviewCaption) ++shown;
  }
  return shown;
}

class PrintPreviewProjectTest : public SampleProjectFixture {};

TEST_F(PrintPreviewProjectTest, ThePreviewCommandRaisesTheOpenPreviewAndCloseTakesItAway) {
  if (!Opened()) return;
  this->Frame->RunCommand(PreviewCommand);
  CDialogPrintPreview* first = this->Q->PreviewDialog;
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(this->Q->PrintPreview->templates.GetCount(), 1);
  EXPECT_EQ(this->Q->Modified, 1);
  this->Frame->RunCommand(PreviewCommand);
  EXPECT_EQ(this->Q->PreviewDialog, first);
  EXPECT_EQ(this->Q->PrintPreview->templates.GetCount(), 1);
  EXPECT_EQ(PreviewWindowsShown(), 1);

  // After Exit the command makes a new one on the same templates.
  QTest::keyClick(first->GetSafeHwnd(), Qt::Key_Escape);
  QlmGuiTestApp::Wait(5);
  EXPECT_EQ(PreviewWindowsShown(), 0);
  this->Frame->RunCommand(PreviewCommand);
  EXPECT_EQ(PreviewWindowsShown(), 1);
  EXPECT_EQ(this->Q->PrintPreview->templates.GetCount(), 1);

  this->Prompter.QueueAnswer(QlmAnswer::No);
  this->Frame->OnFileClose();
  QlmGuiTestApp::Wait(5);
  EXPECT_EQ(this->Frame->GetController()->ProjectOpen, 0);
  EXPECT_EQ(this->Frame->GetController()->PreviewDialog, nullptr);
  EXPECT_EQ(PreviewWindowsShown(), 0);
}

}  // namespace
