// Dialogs laid out from templates: control geometry in the dialog's font,
// control kinds, commands, subclassing and the data exchange. Every check
// runs inside the modal hook, while the dialog's widgets exist.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "QlmGuiTestApp.h"
#include "QlmOpenDialog.h"
#include "platform/CQlmScriptedPrompter.h"
#include "platform/gui/CDataExchange.h"
#include "platform/gui/CDialog.h"
#include "platform/gui/CEdit.h"

// Readable failures.
void PrintTo(const QRect& rect, std::ostream* out) {
  *out << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
}
void PrintTo(const QSize& size, std::ostream* out) { *out << size.width() << "x" << size.height(); }
void PrintTo(const CString& text, std::ostream* out) { *out << '"' << text.Str() << '"'; }

namespace {

constexpr UINT Picture = 1001;
constexpr UINT ReadOnlyEdit = 1002;
constexpr UINT DigitsEdit = 1003;
constexpr UINT PlainEdit = 1004;
constexpr UINT Background = 1005;
constexpr UINT Mean = 1006;
constexpr UINT Outline = 1008;
constexpr UINT Defaults = 1010;
constexpr UINT Disabled = 1011;
constexpr UINT LettersEdit = 1012;

const QlmDialogTemplate& TestTemplate() {
  static const QlmDialogTemplate dialog{219,
                                        "Opções",
                                        200,
                                        124,
                                        {QlmDialogItem::Static(Picture, {7, 7, 101, 61}, SS_SUNKEN | SS_NOTIFY),
                                         QlmDialogItem::Label("Números && Formato", {113, 7, 80, 8}),
                                         QlmDialogItem::Edit(ReadOnlyEdit, {113, 19, 40, 14}, ES_READONLY),
                                         QlmDialogItem::Edit(DigitsEdit, {113, 35, 40, 14}, ES_NUMBER),
                                         QlmDialogItem::Edit(PlainEdit, {113, 51, 40, 12}).Without(WS_BORDER),
                                         QlmDialogItem::Edit(LettersEdit, {113, 65, 40, 12}),
                                         QlmDialogItem::CheckBox(Background, "Fundo", {7, 72, 50, 10}),
                                         QlmDialogItem::RadioButton(Mean, "Média", {7, 84, 40, 10}, WS_GROUP),
                                         QlmDialogItem::RadioButton(1007, "MIP", {50, 84, 40, 10}),
                                         QlmDialogItem::RadioButton(Outline, "Contorno", {7, 96, 40, 10}, WS_GROUP),
                                         QlmDialogItem::RadioButton(1009, "Preencher", {50, 96, 40, 10}),
                                         QlmDialogItem::Button(Defaults, "Padrão", {7, 108, 40, 14}),
                                         QlmDialogItem::Button(Disabled, "Nada", {50, 108, 40, 14}, WS_DISABLED),
                                         QlmDialogItem::DefaultButton(IDOK, "Fechar", {143, 90, 50, 14}),
                                         QlmDialogItem::Button(IDCANCEL, "Cancelar", {143, 106, 50, 14})}};
  return dialog;
}

// Records what reaches it, in client coordinates.
class RecordingControl : public CWnd {
public:
  std::vector<std::string> Seen;

protected:
  void PreSubclassWindow() override { this->Seen.push_back("subclassed"); }
  void OnDestroy() override { this->Seen.push_back("destroyed"); }
  void OnLButtonDown(UINT, CPoint point) override {
    this->Seen.push_back("left " + std::to_string(point.x) + "," + std::to_string(point.y));
  }
};

// Takes letters only.
class LetterEdit : public CEdit {
protected:
  void OnChar(UINT character, UINT repeat, UINT flags) override {
    if (QChar(character).isLetter() || character == VK_BACK) CEdit::OnChar(character, repeat, flags);
  }
};

class TestDialog : public CDialog {
public:
  TestDialog() : CDialog(TestTemplate()) {}

  RecordingControl Control;
  LetterEdit Letters;
  CEdit ReadOnly;
  CString ReadOnlyText = "12.5";
  int Digits = 42;
  float Plain = 2.5f;
  int BackgroundOn = 1;
  int MeanChoice = 1;
  int OutlineChoice = -1;
  std::vector<UINT> Commands;
  // Runs inside the modal hook with the dialog's widgets made.
  std::function<void(TestDialog&)> WhileOpen;

  INT_PTR Run() {
    return QlmOpenDialog::Run(*this, [this] {
      if (this->WhileOpen) this->WhileOpen(*this);
    });
  }
  template <class Widget = QWidget>
  Widget* Item(UINT id) const {
    return qobject_cast<Widget*>(this->FindControl(id));
  }
  void Press(UINT id) const { QTest::mouseClick(this->Item(id), Qt::LeftButton); }
  void Key(Qt::Key key) const { QTest::keyClick(this->GetSafeHwnd(), key); }

protected:
  BOOL OnInitDialog() override {
    this->MapCommand(Picture, [this] { this->Commands.push_back(Picture); });
    this->MapCommand(Defaults, [this] { this->Commands.push_back(Defaults); });
    return CDialog::OnInitDialog();
  }
  void DoDataExchange(CDataExchange* exchange) override {
    DDX_Control(exchange, Picture, this->Control);
    DDX_Control(exchange, LettersEdit, this->Letters);
    DDX_Control(exchange, ReadOnlyEdit, this->ReadOnly);
    DDX_Text(exchange, ReadOnlyEdit, this->ReadOnlyText);
    DDX_Text(exchange, DigitsEdit, this->Digits);
    DDX_Text(exchange, PlainEdit, this->Plain);
    DDX_Check(exchange, Background, this->BackgroundOn);
    DDX_Radio(exchange, Mean, this->MeanChoice);
    DDX_Radio(exchange, Outline, this->OutlineChoice);
  }
};

int MulDiv(int value, int numerator, int denominator) {
  return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

class DialogTemplate : public ::testing::Test {
protected:
  void SetUp() override { QlmGuiTestApp::Instance(); }
  CQlmScriptedPrompter Prompter;
  TestDialog Dialog;
};

TEST_F(DialogTemplate, ControlsLieAtTheirDialogUnitsInTheDialogFont) {
  Dialog.WhileOpen = [](TestDialog& open) {
    QWidget* dialog = open.GetSafeHwnd();
    EXPECT_EQ(dialog->font().family(), "MS Sans Serif");
    EXPECT_EQ(dialog->font().pointSize(), 8);
    EXPECT_EQ(dialog->windowTitle(), "Opções");
    // Base units: the average width of the 52 letters and the line height.
    const QFontMetrics metrics(dialog->font());
    const int width = (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 + 1) / 2;
    const int height = metrics.height();
    ASSERT_GT(width, 0);
    auto pixels = [&](int x, int y, int cx, int cy) {
      return QRect(MulDiv(x, width, 4), MulDiv(y, height, 8), MulDiv(cx, width, 4), MulDiv(cy, height, 8));
    };
    EXPECT_EQ(dialog->size(), pixels(0, 0, 200, 124).size());
    EXPECT_EQ(open.Item(Picture)->geometry(), pixels(7, 7, 101, 61));
    EXPECT_EQ(open.Item(IDOK)->geometry(), pixels(143, 90, 50, 14));
    CRect mapped(143, 90, 193, 104);
    open.MapDialogRect(&mapped);
    EXPECT_EQ(QRect(mapped.left, mapped.top, mapped.Width(), mapped.Height()), pixels(143, 90, 50, 14));
  };
  Dialog.Run();
}

TEST_F(DialogTemplate, ControlsFollowTheirStyles) {
  Dialog.WhileOpen = [](TestDialog& open) {
    EXPECT_TRUE(open.Item<QLineEdit>(ReadOnlyEdit)->isReadOnly());
    EXPECT_TRUE(open.Item<QLineEdit>(ReadOnlyEdit)->hasFrame());
    EXPECT_FALSE(open.Item<QLineEdit>(PlainEdit)->hasFrame());
    auto* digits = open.Item<QLineEdit>(DigitsEdit);
    digits->clear();
    QTest::keyClicks(digits, "1a2,-3");
    EXPECT_EQ(digits->text(), "123");
    EXPECT_TRUE(open.Item<QPushButton>(IDOK)->isDefault());
    EXPECT_FALSE(open.Item<QPushButton>(IDCANCEL)->isDefault());
    EXPECT_FALSE(open.Item(Disabled)->isEnabled());
    const auto labels = open.GetSafeHwnd()->findChildren<QLabel*>();
    EXPECT_TRUE(
        std::any_of(labels.begin(), labels.end(), [](QLabel* label) { return label->text() == "Números & Formato"; }));
  };
  Dialog.Run();
}

TEST_F(DialogTemplate, ClicksReachTheCommandMapAndTheCloseButtonsEndTheDialog) {
  struct Case {
    const char* Name;
    std::function<void(TestDialog&)> Act;
    INT_PTR Result;
    std::vector<UINT> Commands;
  };
  const Case cases[] = {
      {"notifying static", [](TestDialog& open) { open.Press(Picture); }, QlmOpenDialog::StillOpen, {Picture}},
      {"mapped button", [](TestDialog& open) { open.Press(Defaults); }, QlmOpenDialog::StillOpen, {Defaults}},
      {"default button", [](TestDialog& open) { open.Press(IDOK); }, IDOK, {}},
      {"cancel button", [](TestDialog& open) { open.Press(IDCANCEL); }, IDCANCEL, {}},
      {"Enter", [](TestDialog& open) { open.Key(Qt::Key_Return); }, IDOK, {}},
      {"Escape", [](TestDialog& open) { open.Key(Qt::Key_Escape); }, IDCANCEL, {}},
      {"close box", [](TestDialog& open) { open.GetSafeHwnd()->close(); }, IDCANCEL, {}},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.Name);
    TestDialog dialog;
    dialog.WhileOpen = test.Act;
    EXPECT_EQ(dialog.Run(), test.Result);
    EXPECT_EQ(dialog.Commands, test.Commands);
  }
}

TEST_F(DialogTemplate, ASubclassedControlGetsItsEventsWhileTheDialogLives) {
  Dialog.WhileOpen = [](TestDialog& open) {
    EXPECT_EQ(open.GetDlgItem(Picture), &open.Control);
    EXPECT_EQ(open.Control.GetSafeHwnd(), open.Item(Picture));
    EXPECT_EQ(open.Control.GetDlgCtrlID(), Picture);
    EXPECT_EQ(open.Control.GetParent(), &open);
    QTest::mousePress(open.Item(Picture), Qt::LeftButton, {}, QPoint(12, 9));
    QTest::mouseRelease(open.Item(Picture), Qt::LeftButton, {}, QPoint(12, 9));
    // Other controls get a window of the dialog's.
    CWnd* edit = open.GetDlgItem(DigitsEdit);
    ASSERT_NE(edit, nullptr);
    edit->EnableWindow(FALSE);
    EXPECT_FALSE(open.Item(DigitsEdit)->isEnabled());
    EXPECT_EQ(open.GetDlgItem(4711), nullptr);
  };
  Dialog.Run();
  EXPECT_EQ(Dialog.Control.GetSafeHwnd(), nullptr);
  EXPECT_EQ(Dialog.Control.Seen, (std::vector<std::string>{"subclassed", "left 12,9", "destroyed"}));
  // The next run subclasses the new control.
  Dialog.WhileOpen = [](TestDialog& open) { EXPECT_EQ(open.Control.GetSafeHwnd(), open.Item(Picture)); };
  Dialog.Run();
}

// Typing reaches an edit window's OnChar once; an edit nobody subclassed types by itself.
TEST_F(DialogTemplate, EditWindowsOverTemplateEditsFilterWhatIsTyped) {
  Dialog.WhileOpen = [](TestDialog& open) {
    QTest::keyClicks(open.Item(LettersEdit), "a1b;c");
    EXPECT_EQ(open.Letters.GetWindowText(), "abc");
    QTest::keyClicks(open.Item(ReadOnlyEdit), "7");
    EXPECT_EQ(open.ReadOnly.GetWindowText(), "12.5");
    open.ReadOnly.SetWindowText("8.25");
    EXPECT_EQ(open.GetDlgItemText(ReadOnlyEdit), "8.25");
    open.Item<QLineEdit>(PlainEdit)->clear();
    QTest::keyClicks(open.Item(PlainEdit), "x1");
    EXPECT_EQ(open.GetDlgItemText(PlainEdit), "x1");
  };
  Dialog.Run();
}

TEST_F(DialogTemplate, TheDataExchangeFillsTheControlsAndReadsThemBackOnOK) {
  Dialog.WhileOpen = [](TestDialog& open) {
    EXPECT_EQ(open.GetDlgItemText(ReadOnlyEdit), "12.5");
    EXPECT_EQ(open.GetDlgItemText(DigitsEdit), "42");
    EXPECT_EQ(open.GetDlgItemText(PlainEdit), "2.5");
    EXPECT_EQ(open.IsDlgButtonChecked(Background), BST_CHECKED);
    EXPECT_EQ(open.IsDlgButtonChecked(Mean), BST_UNCHECKED);
    EXPECT_EQ(open.IsDlgButtonChecked(1007), BST_CHECKED);
    EXPECT_EQ(open.IsDlgButtonChecked(Outline), BST_UNCHECKED);
    EXPECT_EQ(open.IsDlgButtonChecked(1009), BST_UNCHECKED);

    open.SetDlgItemText(DigitsEdit, "7");
    open.SetDlgItemText(PlainEdit, "0.125");
    open.Press(Background);
    // A click in one radio group leaves the other group alone.
    open.Press(Mean);
    open.Press(1009);
    EXPECT_EQ(open.IsDlgButtonChecked(1007), BST_UNCHECKED);
    EXPECT_EQ(open.IsDlgButtonChecked(Mean), BST_CHECKED);
    open.Press(IDOK);
  };
  EXPECT_EQ(Dialog.Run(), IDOK);
  EXPECT_EQ(Dialog.Digits, 7);
  EXPECT_FLOAT_EQ(Dialog.Plain, 0.125f);
  EXPECT_EQ(Dialog.BackgroundOn, 0);
  EXPECT_EQ(Dialog.MeanChoice, 0);
  EXPECT_EQ(Dialog.OutlineChoice, 1);
  EXPECT_EQ(Dialog.ReadOnlyText, "12.5");
  EXPECT_TRUE(Prompter.Messages.empty());
}

TEST_F(DialogTemplate, ATextThatIsNoNumberKeepsTheDialogOpenAndChangesNoLaterField) {
  struct Case {
    UINT Edit;
    const char* Text;
    const char* Message;
  };
  const Case cases[] = {{DigitsEdit, "", "Digite um número inteiro."},
                        {PlainEdit, "2,5", "Digite um número."},
                        {PlainEdit, "abc", "Digite um número."}};
  for (const Case& test : cases) {
    SCOPED_TRACE(test.Text);
    CQlmScriptedPrompter prompter;
    TestDialog dialog;
    dialog.WhileOpen = [&test](TestDialog& open) {
      open.GetSafeHwnd()->show();
      open.SetDlgItemText(test.Edit, test.Text);
      open.Press(Background);
      open.Press(IDOK);
      EXPECT_FALSE(open.IsEnded());
      EXPECT_EQ(open.GetSafeHwnd()->focusWidget(), open.Item(test.Edit));
    };
    EXPECT_EQ(dialog.Run(), QlmOpenDialog::StillOpen);
    ASSERT_EQ(prompter.Messages.size(), 1u);
    EXPECT_EQ(prompter.Messages[0].Text, test.Message);
    EXPECT_EQ(dialog.BackgroundOn, 1);
  }
}

}  // namespace
