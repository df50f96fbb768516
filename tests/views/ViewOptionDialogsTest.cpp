// The view-option dialogs driven as their callers drive them: fields in,
// controls clicked and typed inside the modal hook, fields and result out.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <functional>
#include <optional>
#include <string>

#include "QlmOpenDialog.h"
#include "QlmTestApplication.h"
#include "platform/CQlmScriptedPrompter.h"
#include "tests/support/QlmProcessLocale.h"
#include "views/CDialogFloat.h"
#include "views/CDialogImplantAdv.h"
#include "views/CDialogIndicators.h"
#include "views/CDialogReformat.h"
#include "views/CDialogWndAdv.h"

namespace {

QWidget* Item(const CDialog& dialog, UINT id) { return dialog.FindControl(id); }
void Press(const CDialog& dialog, UINT id) { QTest::mouseClick(Item(dialog, id), Qt::LeftButton); }
bool Checked(const CDialog& dialog, UINT id) { return qobject_cast<QAbstractButton*>(Item(dialog, id))->isChecked(); }
QString Text(const CDialog& dialog, UINT id) { return qobject_cast<QLineEdit*>(Item(dialog, id))->text(); }
void Type(const CDialog& dialog, UINT id, const char* text) {
  auto* edit = qobject_cast<QLineEdit*>(Item(dialog, id));
  edit->clear();
  QTest::keyClicks(edit, text);
}
QColor SwatchColour(CWnd& swatch) {
  const QImage image = swatch.GetSafeHwnd()->grab().toImage();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}


class ViewOptionDialogs : public ::testing::Test {
protected:
  void SetUp() override { QlmTestApplication(); }
  CQlmScriptedPrompter Prompter;
};

// --- value box ---

TEST_F(ViewOptionDialogs, TheValueBoxReadsAPointOrACommaRefusesNoFiniteNumberAndWritesAPointUnderABrazilianLocale) {
  QlmProcessLocale locale("pt_BR.UTF-8");
  if (!locale.Ok) GTEST_SKIP() << "pt_BR.UTF-8 locale not generated (scripts/setup.sh generates it)";
  CDialogFloat box;
  box.SetValue(3.5f);
  EXPECT_EQ(box.Text, CString("3.50"));
  struct Case {
    const char* Typed;
    std::optional<float> Value;
  };
  const Case cases[] = {{"3.50", 3.5f},         {"3,50", 3.5f},         {" 4,5 ", 4.5f},       {"-2,25", -2.25f},
                        {"abc", std::nullopt},  {"", std::nullopt},     {"4.5mm", std::nullopt}, {"inf", std::nullopt},
                        {"nan", std::nullopt},  {"1e40", std::nullopt}, {"1,2,3", std::nullopt}};
  for (const Case& test : cases) {
    SCOPED_TRACE(test.Typed);
    box.SetValue(1.0f);
    const INT_PTR result = QlmOpenDialog::Run(box, [&] {
      EXPECT_EQ(Text(box, 1137), "1.00");
      Type(box, 1137, test.Typed);
      QTest::keyClick(box.GetSafeHwnd(), Qt::Key_Return);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(box.GetValue(), test.Value);
  }
}

TEST_F(ViewOptionDialogs, TheValueBoxOpensAtItsPointAndEndsWith200OnAPressOutside) {
  struct Case {
    const char* Name;
    Qt::MouseButton Button;
    QPoint Offset;  // from the box's top-left corner
    INT_PTR Result;
  };
  const Case cases[] = {{"left outside", Qt::LeftButton, QPoint(-5, 3), CDialogFloat::ClickedOutside},
                        {"right below", Qt::RightButton, QPoint(10, 200), CDialogFloat::ClickedOutside},
                        {"middle right", Qt::MiddleButton, QPoint(400, 5), CDialogFloat::ClickedOutside},
                        {"left inside", Qt::LeftButton, QPoint(3, 3), QlmOpenDialog::StillOpen}};
  for (const Case& test : cases) {
    SCOPED_TRACE(test.Name);
    CDialogFloat box;
    box.x = 140;
    box.y = 90;
    const INT_PTR result = QlmOpenDialog::Run(box, [&] {
      QWidget* widget = box.GetSafeHwnd();
      EXPECT_TRUE(widget->windowFlags() & Qt::Popup);
      EXPECT_EQ(widget->pos(), QPoint(140, 90));
      QMouseEvent press(QEvent::MouseButtonPress, QPointF(test.Offset), widget->mapToGlobal(QPointF(test.Offset)),
                        test.Button, test.Button, Qt::NoModifier);
      QApplication::sendEvent(widget, &press);
    });
    EXPECT_EQ(result, test.Result);
  }
}

TEST_F(ViewOptionDialogs, EscapeCancelsTheValueBox) {
  CDialogFloat box;
  EXPECT_EQ(QlmOpenDialog::Run(box, [&] { QTest::keyClick(box.GetSafeHwnd(), Qt::Key_Escape); }), IDCANCEL);
}

// --- windows ---

TEST_F(ViewOptionDialogs, TheWindowDialogExchangesItsChecksInTheirFieldsAndOkKeepsThem) {
  CDialogWndAdv dialog;
  dialog.ActiveAxial = 1;
  dialog.CrossTitle = 1;
  dialog.PanoramicBorders = 1;
  const INT_PTR result = QlmOpenDialog::Run(dialog, [&] {
    EXPECT_TRUE(Checked(dialog, 1103));
    EXPECT_TRUE(Checked(dialog, 1092));
    EXPECT_TRUE(Checked(dialog, 1101));
    EXPECT_FALSE(Checked(dialog, 1110));
    Press(dialog, 1103);  // axial off
    Press(dialog, 1110);  // 3D borders on
    Press(dialog, 1117);  // panoramic rulers on
    Press(dialog, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.ActiveAxial, 0);
  EXPECT_EQ(dialog.Borders3D, 1);
  EXPECT_EQ(dialog.PanoramicRulers, 1);
  EXPECT_EQ(dialog.CrossTitle, 1);
  EXPECT_EQ(dialog.Title3D, 0);
}

TEST_F(ViewOptionDialogs, TheWindowDefaultsTurnEveryCheckOnAndLeaveThe3DSwatchAsItWas) {
  CDialogWndAdv dialog;
  for (float& component : dialog.Color3D) component = 200.0f;
  const INT_PTR result = QlmOpenDialog::Run(dialog, [&] {
    Press(dialog, 1128);
    for (UINT id : {1103u, 1107u, 1108u, 1109u, 1111u, 1112u, 1104u, 1113u, 1114u, 1092u, 1118u, 1105u, 1119u, 1120u,
                    1115u, 1116u, 1106u, 1117u, 1101u, 1102u, 1110u}) {
      EXPECT_TRUE(Checked(dialog, id)) << id;
    }
    EXPECT_EQ(SwatchColour(dialog.Swatch3D), QColor(200, 200, 200));
    Press(dialog, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.PanoramicTitle, 1);
  EXPECT_EQ(dialog.Borders3D, 1);
  EXPECT_FLOAT_EQ(dialog.Color3D[1], 84.15f);
}

TEST_F(ViewOptionDialogs, OnlyThe3DSwatchChoosesAColourAndCancelLeavesIt) {
  CDialogWndAdv dialog;
  dialog.Color3D[0] = 84.15f;
  dialog.Color3D[1] = 10.9f;
  dialog.Color3D[2] = 255.0f;
  Prompter.QueueColor(std::nullopt);
  Prompter.QueueColor(QlmRgb{12, 34, 56});
  QlmOpenDialog::Run(dialog, [&] {
    EXPECT_FALSE(Item(dialog, 1121)->isEnabled());
    EXPECT_FALSE(Item(dialog, 1122)->isEnabled());
    EXPECT_FALSE(Item(dialog, 1123)->isEnabled());
    Press(dialog, 1121);
    Press(dialog, 1124);
    EXPECT_FLOAT_EQ(dialog.Color3D[1], 10.9f);
    Press(dialog, 1124);
    EXPECT_EQ(SwatchColour(dialog.Swatch3D), QColor(12, 34, 56));
  });
  ASSERT_EQ(Prompter.ColorsOffered.size(), 2u);
  EXPECT_EQ(Prompter.ColorsOffered[0], (QlmRgb{84, 10, 255}));
  EXPECT_EQ(Prompter.ColorsOffered[1], (QlmRgb{84, 10, 255}));
  EXPECT_FLOAT_EQ(dialog.Color3D[0], 12.0f);
  EXPECT_FLOAT_EQ(dialog.Color3D[2], 56.0f);
  // The 2D views' colours are black, as their backgrounds are.
  EXPECT_FLOAT_EQ(dialog.AxialColor[0] + dialog.CrossColor[1] + dialog.PanoramicColor[2], 0.0f);
}

// --- indicators ---

constexpr UINT StepEdit = 1083;
constexpr UINT BackgroundChecks[] = {1087, 1088, 1089, 1090, 1091, 1092, 1101};

bool BackgroundChecksEnabled(const CDialog& dialog, bool enabled) {
  for (UINT id : BackgroundChecks) {
    if (Item(dialog, id)->isEnabled() != enabled) return false;
  }
  return true;
}

TEST_F(ViewOptionDialogs, TheIndicatorDefaultsAreTheTableOfTheSettings) {
  CDialogIndicators dialog;
  dialog.SetDefaults();
  const int expected[] = {0, 0, 5, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 0, 1, 1};
  const int actual[] = {dialog.ShowNumbers,
                        dialog.AllSections,
                        dialog.Step,
                        dialog.Axial3D,
                        dialog.Cross3D,
                        dialog.Pan3D,
                        dialog.CrossAxial,
                        dialog.PanAxial,
                        dialog.AxialCross,
                        dialog.PanCross,
                        dialog.AxialPan,
                        dialog.CrossPan,
                        dialog.CoordinatesBackground,
                        dialog.NumbersBackground,
                        dialog.OrientationBackground,
                        dialog.RulerNumbersBackground,
                        dialog.TitleBackground,
                        dialog.Profile,
                        dialog.Backgrounds,
                        dialog.RulerMeasuresBackground,
                        dialog.ImplantLabelsBackground};
  EXPECT_TRUE(std::equal(std::begin(expected), std::end(expected), std::begin(actual)));
  CDialogIndicators fresh;
  EXPECT_EQ(fresh.Profile, -1);
  EXPECT_EQ(fresh.Step, 0);
}

TEST_F(ViewOptionDialogs, TheSwitchesEnableTheStepAndTheBackgroundsWithoutChangingThem) {
  CDialogIndicators dialog;
  dialog.SetDefaults();
  dialog.AllSections = 1;
  dialog.Step = 7;
  const INT_PTR result = QlmOpenDialog::Run(dialog, [&] {
    EXPECT_TRUE(Item(dialog, StepEdit)->isEnabled());
    EXPECT_TRUE(BackgroundChecksEnabled(dialog, false));
    Press(dialog, 1078);  // all sections off
    EXPECT_FALSE(Item(dialog, StepEdit)->isEnabled());
    EXPECT_EQ(Text(dialog, StepEdit), "7");
    Press(dialog, 1130);  // backgrounds on
    EXPECT_TRUE(BackgroundChecksEnabled(dialog, true));
    Press(dialog, 1091);
    Press(dialog, 1125);  // strong profile
    Press(dialog, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.AllSections, 0);
  EXPECT_EQ(dialog.Step, 7);
  EXPECT_EQ(dialog.Backgrounds, 1);
  EXPECT_EQ(dialog.RulerNumbersBackground, 1);
  EXPECT_EQ(dialog.Profile, 1);
}

TEST_F(ViewOptionDialogs, TheIndicatorDefaultsButtonResetsTheStepAndDisablesWhatItsSwitchesTurnOff) {
  CDialogIndicators dialog;
  dialog.AllSections = 1;
  dialog.Backgrounds = 1;
  dialog.Step = 20;
  dialog.Profile = 1;
  QlmOpenDialog::Run(dialog, [&] {
    EXPECT_TRUE(BackgroundChecksEnabled(dialog, true));
    Press(dialog, 1128);
    EXPECT_EQ(Text(dialog, StepEdit), "5");
    EXPECT_FALSE(Checked(dialog, 1078));
    EXPECT_FALSE(Item(dialog, StepEdit)->isEnabled());
    EXPECT_TRUE(BackgroundChecksEnabled(dialog, false));
    EXPECT_TRUE(Checked(dialog, 1126));
    EXPECT_FALSE(Checked(dialog, 1125));
  });
}

TEST_F(ViewOptionDialogs, AStepOutside1To50KeepsTheIndicatorDialogOpenWithTheRangeMessage) {
  struct Case {
    const char* Typed;
    INT_PTR Result;
    const char* Message;
  };
  const Case cases[] = {{"0", QlmOpenDialog::StillOpen, "Digite um número inteiro entre 1 e 50."},
                        {"51", QlmOpenDialog::StillOpen, "Digite um número inteiro entre 1 e 50."},
                        {"-3", QlmOpenDialog::StillOpen, "Digite um número inteiro entre 1 e 50."},
                        {"x", QlmOpenDialog::StillOpen, "Digite um número inteiro."},
                        {"1", IDOK, nullptr},
                        {"50", IDOK, nullptr}};
  for (const Case& test : cases) {
    SCOPED_TRACE(test.Typed);
    CQlmScriptedPrompter prompter;
    CDialogIndicators dialog;
    dialog.SetDefaults();
    dialog.AllSections = 1;
    const INT_PTR result = QlmOpenDialog::Run(dialog, [&] {
      qobject_cast<QLineEdit*>(Item(dialog, StepEdit))->setText(test.Typed);
      Press(dialog, IDOK);
    });
    EXPECT_EQ(result, test.Result);
    if (test.Message) {
      ASSERT_EQ(prompter.Messages.size(), 1u);
      EXPECT_EQ(prompter.Messages[0].Text, CString(test.Message));
    } else {
      EXPECT_TRUE(prompter.Messages.empty());
      EXPECT_EQ(dialog.Step, std::stoi(test.Typed));
    }
  }
}

// --- reformat ---

TEST_F(ViewOptionDialogs, TheReformatDialogExchangesItsValuesWithoutRangeChecks) {
  CDialogReformat dialog;
  EXPECT_EQ(dialog.ThickImage, 1);
  EXPECT_FLOAT_EQ(dialog.Thickness, 22.0f);
  EXPECT_EQ(dialog.Reconstruction, 2);
  dialog.Curves = 11;
  dialog.CurveSpacing = 0.957f;
  dialog.SectionWidth = 40.0f;
  dialog.SectionSpacing = 2.5f;
  const INT_PTR result = QlmOpenDialog::Run(dialog, [&] {
    EXPECT_EQ(Text(dialog, 1004), "11");
    EXPECT_EQ(Text(dialog, 1006), "0.957");
    EXPECT_EQ(Text(dialog, 1205), "22");
    EXPECT_TRUE(Checked(dialog, 1204));
    Type(dialog, 1004, "60");
    Type(dialog, 1013, "0");
    Type(dialog, 1014, "0.05");
    Press(dialog, 1203);
    Press(dialog, 1052);
    Press(dialog, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.Curves, 60);
  EXPECT_FLOAT_EQ(dialog.SectionWidth, 0.0f);
  EXPECT_FLOAT_EQ(dialog.SectionSpacing, 0.05f);
  EXPECT_EQ(dialog.ThickImage, 0);
  EXPECT_EQ(dialog.Reconstruction, 1);
}

TEST_F(ViewOptionDialogs, CancelLeavesTheReformatFieldsAsTheCallerSetThem) {
  CDialogReformat dialog;
  dialog.Curves = 9;
  const INT_PTR result = QlmOpenDialog::Run(dialog, [&] {
    Type(dialog, 1004, "30");
    Press(dialog, IDCANCEL);
  });
  EXPECT_EQ(result, IDCANCEL);
  EXPECT_EQ(dialog.Curves, 9);
}

// --- implants ---

TEST_F(ViewOptionDialogs, TheImplantDialogPaintsItsColoursAndChoosesThemOnA0To255Scale) {
  CDialogImplantAdv dialog;
  EXPECT_EQ(dialog.Fill, -1);
  EXPECT_EQ(dialog.Description, -1);
  EXPECT_EQ(dialog.FontSize, 1);
  const float implant[3] = {1.0f, 0.5f, 0.0f};
  const float connector[3] = {0.0f, 0.0f, 1.0f};
  std::copy(std::begin(implant), std::end(implant), dialog.ImplantColor);
  std::copy(std::begin(connector), std::end(connector), dialog.ConnectorColor);
  Prompter.QueueColor(QlmRgb{51, 102, 255});
  const INT_PTR result = QlmOpenDialog::Run(dialog, [&] {
    EXPECT_EQ(SwatchColour(dialog.SwatchImplant), QColor(255, 127, 0));
    EXPECT_EQ(SwatchColour(dialog.SwatchConnector), QColor(0, 0, 255));
    EXPECT_TRUE(Checked(dialog, 1019));
    EXPECT_FALSE(Checked(dialog, 1051) || Checked(dialog, 1052) || Checked(dialog, 1055) || Checked(dialog, 1056));
    Press(dialog, 1010);
    EXPECT_EQ(SwatchColour(dialog.SwatchImplant), QColor(51, 102, 255));
    Press(dialog, 1011);  // cancelled: nothing queued
    Press(dialog, 1052);
    Press(dialog, 1056);
    Press(dialog, 1141);
    Press(dialog, 1020);
    Press(dialog, IDOK);
  });
  EXPECT_EQ(result, IDOK);
  ASSERT_EQ(Prompter.ColorsOffered.size(), 2u);
  EXPECT_EQ(Prompter.ColorsOffered[0], (QlmRgb{255, 127, 0}));
  EXPECT_EQ(Prompter.ColorsOffered[1], (QlmRgb{0, 0, 255}));
  EXPECT_FLOAT_EQ(dialog.ImplantColor[0], 0.2f);
  EXPECT_FLOAT_EQ(dialog.ImplantColor[1], 0.4f);
  EXPECT_FLOAT_EQ(dialog.ImplantColor[2], 1.0f);
  EXPECT_FLOAT_EQ(dialog.ConnectorColor[2], 1.0f);
  EXPECT_EQ(dialog.Fill, 1);
  EXPECT_EQ(dialog.Description, 1);
  EXPECT_EQ(dialog.ShowAxis, 1);
  EXPECT_EQ(dialog.ShowDescription, 0);
  EXPECT_EQ(dialog.FontSize, 2);
}

}  // namespace
