// The preview of the report pages driven with real clicks on its tool bar,
// its page and its context menus; every question answered by the scripted
// prompter and every small dialog by a modal hook.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QListWidget>
#include <QImage>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <string>
#include <vector>

#include "QlmDialogDriver.h"
#include "QlmGuiTestApp.h"
#include "QlmPopupMenuPicker.h"
#include "QlmTempDir.h"
#include "ReportFixtures.h"
#include "app/QlmConfig.h"
#include "app/QlmResourceScript.h"
#include "output/CDialogPrintPaper.h"
#include "output/CDialogPrintPreview.h"
#include "output/CDialogPrintTemplate.h"
#include "output/CDialogPrintText.h"
#include "output/CQlmPrintPreview.h"
#include "platform/CQlmScriptedPrompter.h"
#include "platform/QlmPath.h"

namespace {

using P = CDialogPrintPreview;

// Answers every modal dialog with `answer` while it is open.
class ModalAnswer {
public:
  explicit ModalAnswer(std::function<void(CDialog&)> answer) {
    this->Previous = CDialog::SetModalHook([answer](CDialog& dialog) {
      answer(dialog);
      return dialog.IsEnded() ? INT_PTR(IDCANCEL) : INT_PTR(QlmOpenDialog::StillOpen);
    });
  }
  ~ModalAnswer() { CDialog::SetModalHook(this->Previous); }

private:
  CDialog::ModalHook Previous;
};

// Selects entry `index` of list `list` and presses `ok`.
std::function<void(CDialog&)> Choose(UINT list, int index, UINT ok) {
  return [list, index, ok](CDialog& dialog) {
    auto* entries = qobject_cast<QListWidget*>(dialog.FindControl(list));
    entries->setCurrentRow(index);
    QlmDialogDriver::Press(dialog, ok);
  };
}

class PrintPreviewDialog : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    ::setenv("QLM_COMMON_APPDATA", this->AppData.Path().c_str(), 1);
    ASSERT_EQ(EnsureConfigFile(), 1);
    QlmRegisterResources();
    this->Report.implants = &this->Implants;
    // As the controller hands over a project without templates.
    this->Report.NewTemplate(CQlmPrintTemplate::A4, 5, 0xFFFFFF);
    this->Dialog.printer = &this->Report;
    ASSERT_TRUE(this->Dialog.Create(nullptr));
    this->Dialog.ShowWindow(SW_SHOW);
    QlmGuiTestApp::Wait(20);
  }
  void TearDown() override { ::unsetenv("QLM_COMMON_APPDATA"); }

  CQlmPrintTemplate& Page() { return *this->Report.currentTemplate; }

  void Press(UINT id) {
    CToolBar& bar = this->Dialog.GetToolBar();
    QAction* action = bar.GetButtonAction(bar.CommandToIndex(id));
    for (QObject* object : action->associatedObjects()) {
      if (auto* button = qobject_cast<QToolButton*>(object)) QTest::mouseClick(button, Qt::LeftButton);
    }
    QlmGuiTestApp::Wait(5);
  }

  bool Enabled(UINT id) { return this->Dialog.GetToolBar().IsButtonEnabled(id); }

  // Right click at `at` on the page, then `path` through the menu that opens; the menu's entries.
  std::vector<std::string> RightClick(QPoint at, std::vector<QString> path = {}) {
    QlmPopupMenuPicker picker(std::move(path));
    picker.Run([&] { QTest::mouseClick(this->Dialog.GetSafeHwnd(), Qt::RightButton, {}, at); });
    QlmGuiTestApp::Wait(5);
    return picker.Shown;
  }

  static QPoint CentreOf(const CQlmPrintRect& rect) {
    return QPoint((rect.rect.left + rect.rect.right) / 2, (rect.rect.top + rect.rect.bottom) / 2);
  }
  QPoint Cell(int index) { return CentreOf(*this->Page().cells.GetAt(index)); }

  std::vector<CString> Status() {
    std::vector<CString> texts;
    for (int part = 0; part < this->Dialog.GetStatusBar().GetParts(); ++part) {
      texts.push_back(this->Dialog.GetStatusBar().GetText(part));
    }
    return texts;
  }

  CString TextTyped(const char* text) {
    ModalAnswer typing([text](CDialog& dialog) {
      QlmDialogDriver::Type(dialog, CDialogPrintText::EditID, text);
      QlmDialogDriver::Press(dialog, CDialogPrintText::OkID);
    });
    this->RightClick(this->Cell(0), {"Texto"});
    return this->Page().cells.GetAt(0)->text;
  }

  struct PrinterProperty {
    float Ratio = 0;
    int Layout = 0;
    int Colour = 0;
    CString Header, Footer;
  };
  static PrinterProperty SettingsLine() {
    PrinterProperty line;
    ReadConfigPrinterProperty(line.Ratio, line.Layout, line.Colour, line.Header, line.Footer);
    return line;
  }

  QlmTempDir AppData;
  CQlmScriptedPrompter Prompter;
  ReportFixtures::FixtureImplants Implants = ReportFixtures::TwelveImplants();
  CQlmPrintPreview Report;
  CDialogPrintPreview Dialog;
};

TEST_F(PrintPreviewDialog, OpensOnOneEmptyTemplateWithTheTemplateButtonsOff) {
  EXPECT_EQ(this->Dialog.GetSafeHwnd()->windowTitle().toStdString(), "Visualização da Impressão");
  EXPECT_EQ(this->Page().layout, 5);
  ASSERT_EQ(this->Page().cells.GetCount(), 5);
  this->Page().cells.ForEach([](const CQlmPrintRect& cell) { EXPECT_EQ(cell.kind, CQlmPrintRect::Empty); });
  EXPECT_EQ(this->Page().headerPath.Str(), QlmPath::Join(GetConfigFolder().Str(), "header.bmp"));
  EXPECT_EQ(this->Page().footerPath.Str(), QlmPath::Join(GetConfigFolder().Str(), "footer.bmp"));
  for (UINT id : {P::DeleteTemplate, P::PreviousTemplate, P::NextTemplate}) EXPECT_FALSE(this->Enabled(id)) << id;
  for (UINT id : {P::PrintTemplate, P::NewTemplate, P::TemplateList, P::PaperSize, P::Colours, P::Exit}) {
    EXPECT_TRUE(this->Enabled(id)) << id;
  }
  const std::vector<CString> status = {"Template ", "Template 5x1", "Tamanho Papel", "A4", "Páginas", "1/1"};
  EXPECT_EQ(this->Status(), status);
  EXPECT_EQ(this->Report.previewOpened, 1);
  // The page fills the dialog between its tool bar and its status line.
  const QWidget* dialog = this->Dialog.GetSafeHwnd();
  EXPECT_EQ(this->Page().area.Height(), dialog->height());
  EXPECT_FLOAT_EQ(this->Report.scale, dialog->height() / CQlmPrintPreview::A4HeightMM);
  EXPECT_GT(this->Page().outline.rect.top, this->Dialog.GetToolBar().GetSafeHwnd()->height());
}

TEST_F(PrintPreviewDialog, RightClicksOpenTheMenuOfWhatTheyHit) {
  EXPECT_TRUE(this->RightClick(QPoint(2, this->Dialog.GetSafeHwnd()->height() / 2)).empty());
  EXPECT_EQ(this->Report.currentCell, nullptr);
  const std::vector<std::string> heading = {"Imagem", "Limpar"};
  EXPECT_EQ(this->RightClick(CentreOf(this->Page().header)), heading);
  EXPECT_EQ(this->Report.currentCell, &this->Page().header);
  EXPECT_EQ(this->RightClick(CentreOf(this->Page().footer)), heading);
  const std::vector<std::string> cell = {"Axial", "Transversal", "Panorâmica", "3D", "Implantes", "Texto", "Limpar"};
  EXPECT_EQ(this->RightClick(this->Cell(2)), cell);
  EXPECT_EQ(this->Report.currentCell, this->Page().cells.GetAt(2));
}

TEST_F(PrintPreviewDialog, CellMenuPlacesATextAndTheImplantTableAndClearsThem) {
  EXPECT_EQ(this->TextTyped("Planejamento\r\nSuperior").Str(), "Planejamento\r\nSuperior");
  const CQlmPrintRect& text = *this->Page().cells.GetAt(0);
  EXPECT_EQ(text.kind, CQlmPrintRect::Text);
  EXPECT_FLOAT_EQ(text.scale, this->Report.scale);
  {
    ModalAnswer cancel([](CDialog& dialog) {
      QlmDialogDriver::Type(dialog, CDialogPrintText::EditID, "outro");
      QlmDialogDriver::Press(dialog, IDCANCEL);
    });
    this->RightClick(this->Cell(0), {"Texto"});
  }
  EXPECT_EQ(text.text.Str(), "Planejamento\r\nSuperior");

  this->RightClick(this->Cell(1), {"Implantes"});
  const CQlmPrintRect& table = *this->Page().cells.GetAt(1);
  EXPECT_EQ(table.kind, CQlmPrintRect::ImplantTable);
  EXPECT_EQ(table.implantSource, &this->Implants);
  EXPECT_FLOAT_EQ(table.scale, this->Report.scale);

  this->RightClick(this->Cell(0), {"Limpar"});
  EXPECT_EQ(text.kind, CQlmPrintRect::Empty);
  // Without views a capture leaves the cell as it was.
  this->RightClick(this->Cell(1), {"Axial", "Tela"});
  EXPECT_EQ(table.kind, CQlmPrintRect::ImplantTable);
}

TEST_F(PrintPreviewDialog, TheTextDialogTakesAtMostTwoThousandCharacters) {
  const std::string typed(2500, 'x');
  EXPECT_EQ(this->TextTyped(typed.c_str()).GetLength(), CDialogPrintText::MaximumLength);
  EXPECT_EQ(this->Report.textBuffer.GetLength(), CDialogPrintText::MaximumLength);
}

TEST_F(PrintPreviewDialog, PaperChangeAsksFirstAndTheChosenPaperIsOfferedAgain) {
  this->TextTyped("guardado");
  {
    ModalAnswer letter(Choose(CDialogPrintPaper::ListID, 2, CDialogPrintPaper::OkID));
    this->Prompter.QueueAnswer(QlmAnswer::No);
    this->Press(P::PaperSize);
  }
  ASSERT_EQ(this->Prompter.Messages.size(), 1u);
  EXPECT_EQ(this->Prompter.Messages[0].Text.Str(), "Os dados do seu Template atual serão perdidos, Deseja continuar ?");
  EXPECT_EQ(this->Prompter.Messages[0].Caption.Str(), "Atenção");
  EXPECT_FLOAT_EQ(this->Page().paperRatio, CQlmPrintTemplate::A4);
  EXPECT_EQ(this->Page().cells.GetAt(0)->text.Str(), "guardado");
  {
    ModalAnswer letter(Choose(CDialogPrintPaper::ListID, 2, CDialogPrintPaper::OkID));
    this->Prompter.QueueAnswer(QlmAnswer::Yes);
    this->Press(P::PaperSize);
  }
  EXPECT_FLOAT_EQ(this->Page().paperRatio, CQlmPrintTemplate::Letter);
  EXPECT_EQ(this->Status()[P::PaperName].Str(), "Letter");
  EXPECT_EQ(this->Page().cells.GetAt(0)->kind, CQlmPrintRect::Empty);
  EXPECT_FLOAT_EQ(this->Report.scale, this->Page().area.Height() / CQlmPrintPreview::LetterHeightMM);
  EXPECT_FLOAT_EQ(SettingsLine().Ratio, CQlmPrintTemplate::Letter);

  std::vector<std::string> entries;
  int selected = -1;
  ModalAnswer look([&](CDialog& dialog) {
    auto* list = qobject_cast<QListWidget*>(dialog.FindControl(CDialogPrintPaper::ListID));
    for (int row = 0; row < list->count(); ++row) entries.push_back(list->item(row)->text().toStdString());
    selected = list->currentRow();
    QlmDialogDriver::Press(dialog, IDCANCEL);
  });
  this->Press(P::PaperSize);
  const std::vector<std::string> papers = {"Tamanho Papel A3", "Tamanho Papel A4", "Tamanho Papel Letter",
                                           "Tamanho Papel Legal"};
  EXPECT_EQ(entries, papers);
  EXPECT_EQ(selected, 2);
}

TEST_F(PrintPreviewDialog, LayoutChangeAsksFirstAndLaysTheCellsOutAgain) {
  this->TextTyped("guardado");
  std::vector<std::string> entries;
  {
    ModalAnswer nine([&](CDialog& dialog) {
      auto* list = qobject_cast<QListWidget*>(dialog.FindControl(CDialogPrintTemplate::ListID));
      for (int row = 0; row < list->count(); ++row) entries.push_back(list->item(row)->text().toStdString());
      EXPECT_EQ(list->currentRow(), 4);
      Choose(CDialogPrintTemplate::ListID, 8, CDialogPrintTemplate::OkID)(dialog);
    });
    this->Prompter.QueueAnswer(QlmAnswer::No);
    this->Press(P::TemplateList);
  }
  ASSERT_EQ(entries.size(), 9u);
  EXPECT_EQ(entries.front(), "Template 1x1");
  EXPECT_EQ(entries.back(), "Template 9x1");
  EXPECT_EQ(this->Page().layout, 5);
  EXPECT_EQ(this->Page().cells.GetAt(0)->text.Str(), "guardado");
  {
    ModalAnswer nine(Choose(CDialogPrintTemplate::ListID, 8, CDialogPrintTemplate::OkID));
    this->Prompter.QueueAnswer(QlmAnswer::Yes);
    this->Press(P::TemplateList);
  }
  EXPECT_EQ(this->Page().layout, 9);
  EXPECT_EQ(this->Page().cells.GetCount(), 9);
  EXPECT_EQ(this->Page().cells.GetAt(0)->kind, CQlmPrintRect::Empty);
  EXPECT_EQ(this->Status()[P::LayoutName].Str(), "Template 9x1");
  EXPECT_EQ(SettingsLine().Layout, 9);
}

TEST_F(PrintPreviewDialog, TemplateButtonsFollowTheTemplatesAndTheirCount) {
  struct Step {
    UINT Command;
    QlmAnswer Answer;
    int Count, Index;
    bool Delete, Previous, Next;
  };
  const Step steps[] = {
      {P::NewTemplate, QlmAnswer::Yes, 2, 1, true, true, false},
      {P::PreviousTemplate, QlmAnswer::Yes, 2, 0, true, false, true},
      {P::NextTemplate, QlmAnswer::Yes, 2, 1, true, true, false},
      {P::DeleteTemplate, QlmAnswer::No, 2, 1, true, true, false},
      {P::DeleteTemplate, QlmAnswer::Yes, 1, 0, false, false, false},
  };
  for (const Step& step : steps) {
    if (step.Command == P::DeleteTemplate) this->Prompter.QueueAnswer(step.Answer);
    this->Press(step.Command);
    EXPECT_EQ(this->Report.templates.GetCount(), step.Count) << step.Command;
    EXPECT_EQ(this->Report.currentIndex, step.Index) << step.Command;
    EXPECT_EQ(this->Enabled(P::DeleteTemplate), step.Delete) << step.Command;
    EXPECT_EQ(this->Enabled(P::PreviousTemplate), step.Previous) << step.Command;
    EXPECT_EQ(this->Enabled(P::NextTemplate), step.Next) << step.Command;
    EXPECT_EQ(this->Status()[P::PageNumber], CString::Formatted("%d/%d", step.Index + 1, step.Count)) << step.Command;
    EXPECT_FLOAT_EQ(this->Report.scale, this->Page().area.Height() / CQlmPrintPreview::A4HeightMM) << step.Command;
  }
  // A disabled button does nothing.
  this->Press(P::DeleteTemplate);
  EXPECT_EQ(this->Report.templates.GetCount(), 1);
  EXPECT_EQ(this->Prompter.Messages.back().Text.Str(), "Você realmente deseja apagar o Template atual ?");
}

TEST_F(PrintPreviewDialog, TheNextTemplateTakesTheColourPaperAndLayoutChosenLast) {
  this->Prompter.QueueColor(QlmRgb{255, 0, 0});
  this->Press(P::Colours);
  EXPECT_EQ(this->Page().colour, 0x0000FFu);
  EXPECT_EQ(this->Prompter.ColorsOffered.back(), (QlmRgb{255, 255, 255}));
  {
    ModalAnswer a3(Choose(CDialogPrintPaper::ListID, 0, CDialogPrintPaper::OkID));
    this->Prompter.QueueAnswer(QlmAnswer::Yes);
    this->Press(P::PaperSize);
  }
  {
    ModalAnswer three(Choose(CDialogPrintTemplate::ListID, 2, CDialogPrintTemplate::OkID));
    this->Prompter.QueueAnswer(QlmAnswer::Yes);
    this->Press(P::TemplateList);
  }
  this->Press(P::NewTemplate);
  EXPECT_EQ(this->Report.currentIndex, 1);
  EXPECT_FLOAT_EQ(this->Page().paperRatio, CQlmPrintTemplate::A3);
  EXPECT_EQ(this->Page().layout, 3);
  EXPECT_EQ(this->Page().colour, 0x0000FFu);
  EXPECT_EQ(this->Page().cells.GetCount(), 3);
  EXPECT_FLOAT_EQ(this->Report.scale, this->Page().area.Height() / CQlmPrintPreview::A3HeightMM);
  const std::vector<CString> status = {"Template ", "Template 3x1", "Tamanho Papel", "A3", "Páginas", "2/2"};
  EXPECT_EQ(this->Status(), status);
}

TEST_F(PrintPreviewDialog, HeaderPictureComesAfterTheRatioAdviceAndIsRemembered) {
  const std::string logo = this->AppData.File("logo.bmp");
  ASSERT_TRUE(ReportFixtures::Picture(146, 20, qRgb(0, 0, 255)).save(QString::fromStdString(logo), "BMP"));
  const std::string text = this->AppData.File("texto.bmp");
  {
    QFile notBitmap(QString::fromStdString(text));
    ASSERT_TRUE(notBitmap.open(QIODevice::WriteOnly));
    notBitmap.write("BM nada");
  }
  this->Prompter.QueueFile(text.c_str());
  this->RightClick(CentreOf(this->Page().header), {"Imagem"});
  ASSERT_EQ(this->Prompter.Messages.size(), 1u);
  EXPECT_EQ(this->Prompter.Messages[0].Text.Str(), "A proporção recomendada para a imagem é de 1 x 0.146");
  EXPECT_NE(this->Report.headerPath.Str(), text);

  this->Prompter.QueueFile(logo.c_str());
  this->RightClick(CentreOf(this->Page().header), {"Imagem"});
  EXPECT_EQ(this->Page().header.kind, CQlmPrintRect::StretchedPicture);
  EXPECT_EQ(this->Page().header.source, CQlmPrintRect::PictureFile);
  EXPECT_EQ(this->Report.headerPath.Str(), logo);
  EXPECT_EQ(this->Page().headerPath.Str(), logo);
  EXPECT_EQ(SettingsLine().Header.Str(), logo);

  this->Prompter.QueueFile("");
  this->RightClick(CentreOf(this->Page().footer), {"Imagem"});
  EXPECT_EQ(this->Prompter.Messages.back().Text.Str(), "A proporção recomendada para a imagem é de 1 x 0.104");
  this->RightClick(CentreOf(this->Page().header), {"Limpar"});
  EXPECT_EQ(this->Page().header.kind, CQlmPrintRect::Empty);
}

TEST_F(PrintPreviewDialog, ExitAndTheCloseBoxDestroyTheWindow) {
  this->Press(P::Exit);
  QlmGuiTestApp::Wait(5);
  EXPECT_EQ(this->Dialog.GetSafeHwnd(), nullptr);
  CDialogPrintPreview again;
  again.printer = &this->Report;
  ASSERT_TRUE(again.Create(nullptr));
  EXPECT_EQ(this->Report.templates.GetCount(), 1);
  again.GetSafeHwnd()->close();
  QlmGuiTestApp::Wait(5);
  EXPECT_EQ(again.GetSafeHwnd(), nullptr);
}

}  // namespace
