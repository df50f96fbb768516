// The label and font options of each object kind and the implant options:
// what reaches the kind's container, the controller fields, the settings
// lines and the modified flag.
#include <optional>
#include <string>
#include <vector>

#include "ShellFixture.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfigFile.h"
#include "project/CQlmProjectCreator202106.h"
#include "views/CDialogImplantAdv.h"


namespace {

using Kind = CQlmQuorvantile::LibraryKind;

// Records every option call as text.
class RecordingOptions : public CQlmImplantOptions {
public:
  void SetVisibilityNumber(int on) override { this->Calls.push_back("numbers " + std::to_string(on)); }
  void SetLabelMode(int mode) override { this->Calls.push_back("mode " + std::to_string(mode)); }
  void SetFontSize(int size) override { this->Calls.push_back("font " + std::to_string(size)); }
  void SetLabelBackground(int on) override { this->Calls.push_back("box " + std::to_string(on)); }
  void SetFill(int on) override { this->Calls.push_back("fill " + std::to_string(on)); }
  void SetVisibilityAxisLines(int on) override { this->Calls.push_back("axis " + std::to_string(on)); }
  void SetScrewColor(float r, float g, float b) override { this->Calls.push_back("screw " + Rgb(r, g, b)); }
  void SetConectorColor(float r, float g, float b) override { this->Calls.push_back("connector " + Rgb(r, g, b)); }

  std::vector<std::string> Calls;

private:
  static std::string Rgb(float r, float g, float b) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %.2f %.2f", r, g, b);
    return text;
  }
};

class LabelOptionsFixture : public ShellFixture {
protected:
  void SetUp() override {
    ShellFixture::SetUp();
    this->Frame = StartFrame();
    this->Q = this->Frame->GetController();
    for (int kind = 0; kind < CQlmQuorvantile::LibraryKinds; ++kind) this->Q->LabelOptions[kind] = &this->Options[kind];
  }

  void TearDown() override {
    for (CQlmLabelOptions*& options : this->Q->LabelOptions) options = nullptr;
    this->Frame.reset();
    ShellFixture::TearDown();
  }

  static std::optional<std::string> Setting(const char* key) { return QlmConfigFile::ReadValue(key); }

  std::unique_ptr<CMainFrame> Frame;
  CQlmQuorvantile* Q = nullptr;
  RecordingOptions Options[CQlmQuorvantile::LibraryKinds];
};

using Calls = std::vector<std::string>;

TEST_F(LabelOptionsFixture, IndexOrNameShowsTheLabelsAndWritesModeAndFontSize) {
  Q->FontSizes[Kind::Teeth] = 18;
  Q->SetDentesLabelIndex();
  EXPECT_EQ(Setting("Dentes_ Advan: "), "0;18");
  EXPECT_EQ(Options[Kind::Teeth].Calls, (Calls{"numbers 1", "mode 0"}));
  EXPECT_EQ(Q->Modified, 1);

  Q->SetGeomsLabelName();
  EXPECT_EQ(Setting("Geometr Advan: "), "1;12");
  EXPECT_EQ(Q->LabelModes[Kind::Meshes], 1);
  Q->SetEndoLabelName();
  EXPECT_EQ(Setting("EndoImp Advan: "), "1;12");
  Q->SetOrtoLabelIndex();
  EXPECT_EQ(Setting("OrtoImp Advan: "), "0;12");
  EXPECT_TRUE(Options[Kind::Implants].Calls.empty());
}

TEST_F(LabelOptionsFixture, HidingOnlyHidesAndAFontChangeKeepsTheStoredMode) {
  Q->HideGeomsLabels();
  EXPECT_EQ(Setting("Geometr Advan: "), std::nullopt);
  EXPECT_EQ(Q->Modified, 0);
  EXPECT_EQ(Q->LabelsShown[Kind::Meshes], 0);
  EXPECT_EQ(Options[Kind::Meshes].Calls, Calls{"numbers 0"});

  Q->LabelModes[Kind::Meshes] = 1;
  Q->SetGeomsFontSmall();
  EXPECT_EQ(Setting("Geometr Advan: "), "1;7");
  EXPECT_EQ(Q->LabelsShown[Kind::Meshes], 0);
  EXPECT_EQ(Options[Kind::Meshes].Calls.back(), "font 7");
  EXPECT_EQ(Q->Modified, 1);
  Q->SetDentesFontLarge();
  Q->SetEndoFontMedium();
  EXPECT_EQ(Setting("Dentes_ Advan: "), "0;18");
  EXPECT_EQ(Setting("EndoImp Advan: "), "0;12");
}

TEST_F(LabelOptionsFixture, AnImplantFillOrLabelChangeWritesAllElevenValues) {
  float (&colors)[4][3] = Q->Creator202106->ImplantDefaults.Colors;
  colors[0][0] = 0.5f;
  Q->SetImplantFillOutline();
  EXPECT_EQ(Setting("Implants Advanced: "), ";0.500000;0.000000;1.000000;0.000000;1.000000;1.000000;0;0;1;1;12;");
  EXPECT_EQ(Options[Kind::Implants].Calls, Calls{"fill 0"});
  EXPECT_EQ(Q->Modified, 1);
  Q->SetImplantLabelSize();
  EXPECT_EQ(Setting("Implants Advanced: "), ";0.500000;0.000000;1.000000;0.000000;1.000000;1.000000;1;0;1;1;12;");
  EXPECT_EQ(Options[Kind::Implants].Calls, (Calls{"fill 0", "mode 1"}));
}

// The dialog starts from the settings line; Cancel keeps every field, line and view, even after a colour was chosen.
TEST_F(LabelOptionsFixture, TheImplantOptionsDialogAppliesOnlyOnOk) {
  const std::string line = ";0.250000;0.500000;0.750000;1.000000;0.000000;0.000000;1;0;0;1;18;";
  ASSERT_TRUE(QlmConfigFile::Replace("Implants Advanced: ", line));
  int fontRadio = -1;
  CDialog::SetModalHook([&fontRadio](CDialog& dialog) {
    auto& options = dynamic_cast<CDialogImplantAdv&>(dialog);
    fontRadio = options.FontSize;
    options.ImplantColor[0] = 0.0f;
    return INT_PTR(IDCANCEL);
  });
  Q->EditImplantOptions();
  EXPECT_EQ(fontRadio, 2);
  EXPECT_EQ(Setting("Implants Advanced: "), line);
  EXPECT_EQ(Q->Modified, 0);
  EXPECT_TRUE(Options[Kind::Implants].Calls.empty());
  EXPECT_FLOAT_EQ(Q->Creator202106->ImplantDefaults.Colors[0][0], 0.25f);

  CDialog::SetModalHook([](CDialog& dialog) {
    auto& options = dynamic_cast<CDialogImplantAdv&>(dialog);
    EXPECT_EQ(options.Fill, 0);
    EXPECT_EQ(options.Description, 1);
    EXPECT_EQ(options.ShowDescription, 0);
    EXPECT_EQ(options.ShowAxis, 1);
    EXPECT_FLOAT_EQ(options.ConnectorColor[0], 1.0f);
    options.Fill = 1;
    options.ShowDescription = 1;
    options.FontSize = 0;
    options.ImplantColor[2] = 0.0f;
    return INT_PTR(IDOK);
  });
  Q->EditImplantOptions();
  EXPECT_EQ(Setting("Implants Advanced: "), ";0.250000;0.500000;0.000000;1.000000;0.000000;0.000000;1;1;1;1;7;");
  EXPECT_EQ(Options[Kind::Implants].Calls,
            (Calls{"fill 1", "mode 1", "numbers 1", "axis 1", "screw 0.25 0.50 0.00", "connector 1.00 0.00 0.00",
                   "mode 1", "font 7"}));
  EXPECT_EQ(Q->FontSizes[Kind::Implants], 7);
  EXPECT_EQ(Q->Modified, 1);
}

// A size the dialog does not offer leaves its preset "Médio".
TEST_F(LabelOptionsFixture, AnUnofferedFontSizePresetsMedium) {
  ASSERT_TRUE(QlmConfigFile::Replace("Implants Advanced: ", ";1;0;1;0;1;1;0;1;1;1;10;"));
  int fontRadio = -1;
  CDialog::SetModalHook([&fontRadio](CDialog& dialog) {
    fontRadio = dynamic_cast<CDialogImplantAdv&>(dialog).FontSize;
    return INT_PTR(IDCANCEL);
  });
  Q->EditImplantOptions();
  EXPECT_EQ(fontRadio, 1);
}

}  // namespace
