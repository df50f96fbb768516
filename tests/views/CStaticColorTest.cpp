// The colour swatch in a template dialog: its colour, without outline, inside
// the sunken edge, and nothing when disabled.
#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <limits>

#include "QlmColourPrinter.h"
#include "QlmOpenDialog.h"
#include "QlmTestApplication.h"
#include "platform/gui/CDataExchange.h"
#include "platform/gui/CDialog.h"
#include "views/CStaticColor.h"

namespace {

constexpr UINT Swatch = 1124;
constexpr UINT DisabledSwatch = 1121;

const QlmDialogTemplate& SwatchTemplate() {
  static const QlmDialogTemplate dialog{
      183,
      "Cores",
      120,
      40,
      {QlmDialogItem::Static(Swatch, {10, 10, 30, 20}, SS_SUNKEN | SS_NOTIFY),
       QlmDialogItem::Static(DisabledSwatch, {60, 10, 30, 20}, SS_SUNKEN | SS_NOTIFY | WS_DISABLED)}};
  return dialog;
}

class SwatchDialog : public CDialog {
public:
  SwatchDialog() : CDialog(SwatchTemplate()) {}
  CStaticColor Colour;
  CStaticColor Disabled;

protected:
  void DoDataExchange(CDataExchange* exchange) override {
    DDX_Control(exchange, Swatch, this->Colour);
    DDX_Control(exchange, DisabledSwatch, this->Disabled);
  }
};

QImage Painted(CWnd& swatch) { return swatch.GetSafeHwnd()->grab().toImage(); }

QColor Middle(const QImage& image) { return image.pixelColor(image.width() / 2, image.height() / 2); }

TEST(CStaticColor, EachComponentPaintsAsTheLowByteOfItsWholePart) {
  QlmTestApplication();
  struct Case {
    float Red, Green, Blue;
    QColor Painted;
  };
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const Case cases[] = {{255.0f, 128.9f, 0.0f, QColor(255, 128, 0)},
                        {256.0f, -1.0f, 511.7f, QColor(0, 255, 255)},
                        {84.15f, 84.15f, 84.15f, QColor(84, 84, 84)},
                        {nan, 1e10f, -1e10f, QColor(0, 0, 0)}};
  SwatchDialog dialog;
  QlmOpenDialog::Run(dialog, [&dialog, &cases] {
    for (const Case& test : cases) {
      SCOPED_TRACE(testing::Message() << test.Red << " " << test.Green << " " << test.Blue);
      dialog.Colour.SetColor(test.Red, test.Green, test.Blue);
      const QImage image = Painted(dialog.Colour);
      EXPECT_EQ(Middle(image), test.Painted);
      EXPECT_EQ(image.pixelColor(1, 1), test.Painted) << "no outline inside the edge";
    }
  });
}

TEST(CStaticColor, TheSunkenEdgeStaysAndADisabledSwatchIsNotFilled) {
  QlmTestApplication();
  SwatchDialog dialog;
  QlmOpenDialog::Run(dialog, [&dialog] {
    const QImage unfilled = Painted(dialog.Disabled);
    dialog.Colour.SetColor(255, 0, 255);
    dialog.Disabled.SetColor(255, 0, 255);
    EXPECT_NE(Painted(dialog.Colour).pixelColor(0, 0), QColor(255, 0, 255));
    EXPECT_EQ(Painted(dialog.Disabled), unfilled);
    EXPECT_NE(Middle(unfilled), QColor(255, 0, 255));
  });
}

}  // namespace
