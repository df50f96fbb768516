// The main tool bar's implant fields and the library lists of the implant
// and orthodontic tool bars.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <clocale>
#include <cstdio>
#include <string>

#include "QlmGuiTestApp.h"
#include "app/CImplantToolBar.h"
#include "app/CMainToolBar.h"
#include "app/COrtoToolBar.h"
#include "app/QlmResourceIds.h"
#include "app/QlmResourceScript.h"
#include "platform/gui/CFrameWnd.h"

namespace {

QLineEdit* LineOf(CNumEdit& field) { return static_cast<QLineEdit*>(field.GetSafeHwnd()); }

std::string TextOf(CWnd& field) { return field.GetWindowText().Str(); }

QToolButton* Arrow(CSpinButtonCtrl& spin, Qt::ArrowType type) {
  for (auto* button : spin.GetSafeHwnd()->findChildren<QToolButton*>()) {
    if (button->arrowType() == type) return button;
  }
  return nullptr;
}

// The bars in a frame wide enough to lay out all their items.
class ToolBarsFixture : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    QlmRegisterResources();
    ASSERT_TRUE(this->Frame.LoadFrame(0));
    this->Frame.GetSafeHwnd()->resize(1600, 300);
    ASSERT_TRUE(this->Main.CreateEx(&this->Frame, TBSTYLE_FLAT, CBRS_ALIGN_TOP));
    ASSERT_TRUE(this->Main.LoadToolBar(IDR_MAINFRAME));
    ASSERT_TRUE(this->Main.CreateFields());
    ASSERT_TRUE(this->Implant.CreateEx(&this->Frame, TBSTYLE_FLAT, CBRS_ALIGN_TOP));
    ASSERT_TRUE(this->Implant.LoadToolBar(IDR_IMPLANT));
    ASSERT_TRUE(this->Implant.CreateControls());
    ASSERT_TRUE(this->Orto.CreateEx(&this->Frame, TBSTYLE_FLAT, CBRS_ALIGN_TOP));
    ASSERT_TRUE(this->Orto.LoadToolBar(IDR_ORTO));
    ASSERT_TRUE(this->Orto.CreateControls());
    this->Frame.ShowWindow(SW_SHOW);
    QlmGuiTestApp::Wait(20);
  }

  // Types `text` into the field and leaves it.
  void Type(CNumEdit& field, const std::string& text) {
    field.SetWindowText(CString());
    LineOf(field)->setFocus();
    QTest::keyClicks(LineOf(field), QString::fromStdString(text));
  }
  void Leave(CNumEdit& field) { LineOf(field)->clearFocus(); }

  CFrameWnd Frame;
  CMainToolBar Main;
  CImplantToolBar Implant;
  COrtoToolBar Orto;
};

TEST_F(ToolBarsFixture, FieldsSitOnTheirPlaceholdersAsRightAlignedSixCharacterFields) {
  const std::pair<UINT, int> rooms[] = {{299, 85}, {399, 60}, {300, 80}, {400, 60}, {301, 88}, {401, 60}};
  for (const auto& [id, width] : rooms) {
    const int index = this->Main.CommandToIndex(id);
    ASSERT_GE(index, 0) << id;
    CRect item;
    this->Main.GetItemRect(index, &item);
    EXPECT_EQ(item.Width(), width) << id;
  }
  for (UINT placeholder = 32859; placeholder <= 32864; ++placeholder)
    EXPECT_EQ(this->Main.CommandToIndex(placeholder), -1);
  EXPECT_EQ(this->Main.DiameterLabel.GetWindowText(), CString("Diam Impl:"));
  EXPECT_EQ(this->Main.ConnectorLabel.GetWindowText(), CString("Conector:"));
  QLineEdit* length = LineOf(this->Main.Length);
  EXPECT_TRUE(length->alignment() & Qt::AlignRight);
  EXPECT_EQ(length->maxLength(), 6);
  EXPECT_DOUBLE_EQ(length->font().pointSizeF(), 8.0);
  // The arrows take the right end of the field's place.
  const QRect arrows = this->Main.LengthSpin.GetSafeHwnd()->geometry();
  EXPECT_EQ(this->Main.LengthSpin.GetSafeHwnd()->parentWidget(), length->parentWidget());
  EXPECT_EQ(arrows.right(), length->geometry().right() + CSpinButtonCtrl::Width);
  EXPECT_EQ(arrows.height(), length->height());
}

// The C library would read "3.50" as 3 under a Brazilian locale: the fields must not.
class FieldsUnderLocale : public ToolBarsFixture, public ::testing::WithParamInterface<const char*> {
protected:
  // After the QApplication, which sets the process locale from the environment.
  void SetUp() override {
    QlmGuiTestApp::Instance();
    this->Previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, GetParam())) GTEST_SKIP() << GetParam() << " is not installed (scripts/setup.sh)";
    ToolBarsFixture::SetUp();
  }
  void TearDown() override { std::setlocale(LC_ALL, this->Previous.c_str()); }

  std::string Previous;
};

TEST_P(FieldsUnderLocale, TypedAndPastedValuesAreFilteredThenClampedToTwoDecimals) {
  struct Case {
    CNumEdit CMainToolBar::*Field;
    const char* Typed;
    const char* Shown;
  };
  const Case cases[] = {
      {&CMainToolBar::Diameter, "12", "10.00"},     {&CMainToolBar::Diameter, "0", "0.10"},
      {&CMainToolBar::Diameter, "3.456", "3.46"},   {&CMainToolBar::Diameter, "3.5", "3.50"},
      {&CMainToolBar::Diameter, "3.4.5", "3.45"},   {&CMainToolBar::Diameter, "-2", "2.00"},
      {&CMainToolBar::Diameter, "2,5", "10.00"},    {&CMainToolBar::Diameter, "", "0.10"},
      {&CMainToolBar::Length, "0.5", "1.00"},       {&CMainToolBar::Length, "99.999", "100.00"},
      {&CMainToolBar::Connector, "1500", "100.00"}, {&CMainToolBar::Connector, "2.5", "2.50"},
  };
  char probe[8];
  std::snprintf(probe, sizeof probe, "%.1f", 3.5);
  ASSERT_STREQ(probe, std::string(GetParam()) == "C" ? "3.5" : "3,5") << "the process locale is not in effect";
  for (const Case& c : cases) {
    CNumEdit& field = this->Main.*c.Field;
    this->Type(field, c.Typed);
    this->Leave(field);
    EXPECT_EQ(TextOf(field), c.Shown) << "typed " << c.Typed;
  }

  CNumEdit& length = this->Main.Length;
  this->Type(length, "");
  QApplication::clipboard()->setText("1a2");
  QTest::keyClick(LineOf(length), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(TextOf(length), "12");
  this->Leave(length);
  EXPECT_EQ(TextOf(length), "12.00");

  this->Main.SetDiameter(4.126f);
  EXPECT_DOUBLE_EQ(this->Main.GetDiameter(), 4.13);
  this->Main.SetConnector(0.0f);
  EXPECT_EQ(TextOf(this->Main.Connector), "0.10");
}

INSTANTIATE_TEST_SUITE_P(Locales, FieldsUnderLocale, ::testing::Values("C", "pt_BR.UTF-8"),
                         [](const auto& info) { return std::string(info.param[0] == 'C' ? "C" : "pt_BR"); });

// One click changes the value by 1.0 and the field's limits still hold.
TEST_F(ToolBarsFixture, EachArrowClickAddsOrTakesOneWithinTheLimits) {
  struct Case {
    CNumEdit CMainToolBar::*Field;
    CSpinButtonCtrl CMainToolBar::*Spin;
    float Start;
    Qt::ArrowType Arrow;
    const char* First;
    const char* Second;
  };
  const Case cases[] = {
      {&CMainToolBar::Length, &CMainToolBar::LengthSpin, 99.5f, Qt::UpArrow, "100.00", "100.00"},
      {&CMainToolBar::Diameter, &CMainToolBar::DiameterSpin, 3.5f, Qt::DownArrow, "2.50", "1.50"},
      {&CMainToolBar::Diameter, &CMainToolBar::DiameterSpin, 0.5f, Qt::DownArrow, "0.10", "0.10"},
      {&CMainToolBar::Connector, &CMainToolBar::ConnectorSpin, 2.5f, Qt::UpArrow, "3.50", "4.50"},
  };
  for (const Case& c : cases) {
    CNumEdit& field = this->Main.*c.Field;
    CSpinButtonCtrl& spin = this->Main.*c.Spin;
    field.SetValue(c.Start);
    QTest::mouseClick(Arrow(spin, c.Arrow), Qt::LeftButton);
    EXPECT_EQ(TextOf(field), c.First) << c.Start;
    QTest::mouseClick(Arrow(spin, c.Arrow), Qt::LeftButton);
    EXPECT_EQ(TextOf(field), c.Second) << c.Start;
    EXPECT_EQ(spin.GetPos(), 0);
  }
}

TEST_F(ToolBarsFixture, DisablingEmptiesTheFieldsAndEnablingLeavesThemEmpty) {
  this->Main.SetDefaultValues();
  EXPECT_EQ(TextOf(this->Main.Diameter) + " " + TextOf(this->Main.Length) + " " + TextOf(this->Main.Connector),
            "3.50 11.00 2.50");
  this->Main.EnableFields(FALSE);
  for (CWnd* control : std::initializer_list<CWnd*>{&this->Main.Diameter, &this->Main.Length, &this->Main.Connector}) {
    EXPECT_EQ(TextOf(*control), "");
    EXPECT_FALSE(control->IsWindowEnabled());
  }
  EXPECT_FALSE(this->Main.DiameterLabel.IsWindowEnabled());
  EXPECT_FALSE(this->Main.LengthSpin.IsWindowEnabled());
  this->Main.EnableFields(TRUE);
  EXPECT_EQ(TextOf(this->Main.Diameter) + TextOf(this->Main.Length) + TextOf(this->Main.Connector), "");
  EXPECT_TRUE(this->Main.Connector.IsWindowEnabled());
  // A getter validates: an empty field gives its minimum.
  EXPECT_DOUBLE_EQ(this->Main.GetLength(), 1.0);
  EXPECT_EQ(TextOf(this->Main.Length), "1.00");
}

// Disabled, a bar shows blanks over its library box and lists, which lose their selection.
TEST_F(ToolBarsFixture, LibraryBarsHideTheirBoxAndListsWhileDisabled) {
  struct Bar {
    CLibraryToolBar& Library;
    std::vector<CComboBox*> Lists;
    std::vector<CStatic*> Blanks;
  };
  const Bar bars[] = {
      {this->Implant,
       {&this->Implant.ItemList, &this->Implant.ProsthesisList},
       {&this->Implant.ListBlank, &this->Implant.ProsthesisBlank}},
      {this->Orto, {&this->Orto.ItemList}, {&this->Orto.ListBlank}},
  };
  this->Implant.EnableControls(TRUE);
  this->Orto.EnableLibToolBarControls(TRUE);
  for (const Bar& bar : bars) {
    for (CComboBox* list : bar.Lists) {
      list->AddString("Cone Morse 3.5");
      list->SetCurSel(0);
      EXPECT_TRUE(list->IsWindowEnabled());
    }
    for (CStatic* blank : bar.Blanks) EXPECT_FALSE(blank->IsWindowVisible());
    EXPECT_TRUE(bar.Library.PlatformBox.IsWindowVisible());
    EXPECT_FALSE(bar.Library.PlatformBlank.IsWindowVisible());
  }
  this->Implant.EnableControls(FALSE);
  this->Orto.EnableLibToolBarControls(FALSE);
  for (const Bar& bar : bars) {
    for (CComboBox* list : bar.Lists) {
      EXPECT_EQ(list->GetCurSel(), CB_ERR);
      EXPECT_FALSE(list->IsWindowEnabled());
    }
    for (CStatic* blank : bar.Blanks) EXPECT_TRUE(blank->IsWindowVisible());
    EXPECT_FALSE(bar.Library.PlatformBox.IsWindowVisible());
    EXPECT_TRUE(bar.Library.PlatformBlank.IsWindowVisible());
    EXPECT_FALSE(bar.Library.PlatformLabel.IsWindowEnabled());
    EXPECT_FALSE(bar.Library.ItemLabel.IsWindowEnabled());
  }
  EXPECT_FALSE(this->Implant.ProsthesisLabel.IsWindowEnabled());
  EXPECT_EQ(this->Implant.ProsthesisLabel.GetWindowText(), CString("Prótese:  "));
  EXPECT_EQ(this->Orto.ItemLabel.GetWindowText(), CString("Orto Imp:  "));
}

}  // namespace
