// The preview's page on the sample project: the views captured into its
// cells by the cell menu, a text and the implant table of the placed
// implants, the page kept by save and reopen and printed as shown.
#include <gtest/gtest.h>
#include <vtkCamera.h>
#include <vtkRenderer.h>

#include <QTest>
#include <QToolButton>
#include <string>
#include <vector>

#include "QlmCommandOutput.h"
#include "QlmGuiTestApp.h"
#include "QlmPopupMenuPicker.h"
#include "ReportFixtures.h"
#include "SampleProjectFixture.h"
#include "objects/CQlmImplants.h"
#include "output/CDialogPrintPreview.h"
#include "output/CDialogPrintText.h"
#include "output/CQlmPrintPreview.h"
#include "views/CQlm3DWindow.h"

namespace {

constexpr UINT PreviewCommand = 57609;

class PrintPreviewPageTest : public SampleProjectFixture {
protected:
  CDialogPrintPreview& Preview() { return *this->Q->PreviewDialog; }
  CQlmPrintTemplate& Page() { return *this->Q->PrintPreview->currentTemplate; }

  // Right click on cell `index` of the preview's page, then `path` in its menu.
  void FillCell(int index, std::vector<QString> path) {
    const CRect& cell = this->Page().cells.GetAt(index)->rect;
    const QPoint at((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    QlmPopupMenuPicker picker(std::move(path));
    picker.Run([&] { QTest::mouseClick(this->Preview().GetSafeHwnd(), Qt::RightButton, {}, at); });
    QlmGuiTestApp::Wait(5);
  }

  // A generic implant of `diameter` at the centre of the axial view.
  void PlaceImplant(float diameter) {
    double point[3];
    this->Q->WindowAxial->Renderer0->GetActiveCamera()->GetFocalPoint(point);
    const CQlmLayeredWindow* axial = this->Q->WindowAxial;
    ASSERT_EQ(this->Q->ImplantContainer->AddImplant(axial, point, diameter, 11.5f, 2.0f, 0, -1), 1);
  }
};

TEST_F(PrintPreviewPageTest, CapturesTextAndImplantTableSurviveSaveAndReopenAndPrint) {
  if (!Opened()) return;
  if (QlmCommandOutput("command -v pdftotext").empty()) GTEST_SKIP() << "poppler-utils is missing";
  this->PlaceImplant(4.5f);
  this->PlaceImplant(3.75f);
  this->Frame->RunCommand(PreviewCommand);
  ASSERT_NE(this->Q->PreviewDialog, nullptr);
  ASSERT_EQ(this->Page().cells.GetCount(), 5);

  this->FillCell(0, {"Panorâmica", "Tela"});
  this->FillCell(1, {"Transversal", "Tela"});
  this->FillCell(2, {"Axial", "1:1"});
  {
    CDialog::ModalHook previous = CDialog::SetModalHook([](CDialog& dialog) {
      dialog.SetDlgItemText(CDialogPrintText::EditID, "Paciente de teste");
      QTest::mouseClick(qobject_cast<QAbstractButton*>(dialog.FindControl(CDialogPrintText::OkID)), Qt::LeftButton);
      return INT_PTR(IDOK);
    });
    this->FillCell(3, {"Texto"});
    CDialog::SetModalHook(previous);
  }
  this->FillCell(4, {"Implantes"});

  const std::vector<int> kinds = {CQlmPrintRect::Picture, CQlmPrintRect::Picture, CQlmPrintRect::Picture,
                                  CQlmPrintRect::Text, CQlmPrintRect::ImplantTable};
  const std::vector<int> sources = {CQlmPrintRect::Panoramic, CQlmPrintRect::Cross, CQlmPrintRect::AxialTrueScale};
  for (int i = 0; i < 5; ++i) {
    const CQlmPrintRect& cell = *this->Page().cells.GetAt(i);
    EXPECT_EQ(cell.kind, kinds[i]) << i;
    if (i < 3) {
      EXPECT_EQ(cell.source, sources[i]) << i;
    }
  }
  const CQlmImplantTableSource* table = this->Page().cells.GetAt(4)->implantSource;
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->GetImplantCount(), 2);
  EXPECT_FLOAT_EQ(table->GetImplantRow(0).Diameter, 4.5f);
  EXPECT_FLOAT_EQ(table->GetImplantRow(1).Diameter, 3.75f);
  EXPECT_FLOAT_EQ(table->GetImplantRow(1).Length, 11.5f);

  const ReportFixtures::Bytes page = ReportFixtures::Serialized(*this->Q->PrintPreview);
  const std::string saved = this->Files.File("Relatorio.qlm");
  ASSERT_EQ(this->Q->SaveProject(saved.c_str(), "Relatorio.qlm"), 1);
  this->Q->Modified = 0;
  this->Frame.reset();
  this->Frame = Start(saved);
  this->Q = this->Frame->GetController();
  ASSERT_EQ(this->Q->ProjectOpen, 1);
  EXPECT_TRUE(ReportFixtures::Serialized(*this->Q->PrintPreview) == page);

  // The reopened table reads the implants placed in the reopened project and prints them.
  this->PlaceImplant(4.5f);
  this->PlaceImplant(3.75f);
  this->Frame->RunCommand(PreviewCommand);
  const std::string pdf = this->Files.File("relatorio.pdf");
  this->Prompter.QueueAnswer(QlmAnswer::Yes);
  this->Prompter.QueueFile(pdf.c_str());
  CToolBar& bar = this->Preview().GetToolBar();
  for (QObject* object : bar.GetButtonAction(bar.CommandToIndex(CDialogPrintPreview::PrintTemplate))->associatedObjects()) {
    if (auto* button = qobject_cast<QToolButton*>(object)) QTest::mouseClick(button, Qt::LeftButton);
  }
  const std::string text = QlmCommandOutput("pdftotext -layout '" + pdf + "' -");
  EXPECT_NE(text.find("Paciente de teste"), std::string::npos) << text;
  EXPECT_NE(text.find("004.50"), std::string::npos) << text;
  EXPECT_NE(text.find("003.75"), std::string::npos) << text;
}

}  // namespace
