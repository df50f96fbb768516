#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkActor2D.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>

#include <array>
#include <vector>

#include "../ct/ArchTestSupport.h"
#include "ct/CQlmLayeredWindow9.h"
#include "objects/CQlmRullers.h"
#include "toolkit/vtkRullerSource.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {

using Rgb = std::array<double, 3>;

class TestWindow9 : public CQlmLayeredWindow9 {
public:
  vtkRenderer* GetCellLayerRenderer(int cell, int layer) const override {
    return cell >= 0 && cell < 9 && layer >= 0 && layer < 4 ? this->Layers[cell][layer].GetPointer() : nullptr;
  }
  // The cells whose layer 1 holds `prop`.
  std::vector<int> CellsHolding(vtkProp* prop) const {
    std::vector<int> cells;
    for (int cell = 0; cell < 9; ++cell) {
      if (this->Layers[cell][1]->GetViewProps()->IsItemPresent(prop)) cells.push_back(cell);
    }
    return cells;
  }

private:
  vtkNew<vtkRenderer> Layers[9][4];
};

Rgb ActorColour(vtkActor* actor) {
  Rgb rgb;
  actor->GetProperty()->GetColor(rgb.data());
  return rgb;
}
Rgb TextColour(const CQlmRullerBase& ruller) {
  Rgb rgb;
  ruller.GetSource()->GetTextMapper()->GetColor(rgb.data());
  return rgb;
}
Rgb BoxColour(const CQlmRullerBase& ruller) {
  Rgb rgb;
  ruller.GetSource()->GetTextMapper()->GetColorBackground(rgb.data());
  return rgb;
}
// Line, both tips and label shown.
bool Shown(const CQlmRullerBase& ruller) {
  return ruller.GetLineActor()->GetVisibility() && ruller.GetTip1Actor()->GetVisibility() &&
         ruller.GetTip2Actor()->GetVisibility() && ruller.GetLabelActor()->GetVisibility();
}
bool Hidden(const CQlmRullerBase& ruller) {
  return !ruller.GetLineActor()->GetVisibility() && !ruller.GetTip1Actor()->GetVisibility() &&
         !ruller.GetTip2Actor()->GetVisibility() && !ruller.GetLabelActor()->GetVisibility();
}

void ExpectRgb(const Rgb& actual, const Rgb& expected, const char* what) {
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-6) << what << " component " << i;
}

class CQlmRullersTest : public ::testing::Test {
protected:
  void SetUp() override { this->Rullers.SetWindows(&this->Axial, &this->Panoramic, &this->Cross, &this->Window3D); }
  int SelectedCount() {
    int selected = 0;
    auto count = [&selected](CQlmRullerBase* ruller) { selected += ruller->GetSelected(); };
    this->Rullers.GetListAxial()->ForEach(count);
    this->Rullers.GetListPanoramic()->ForEach(count);
    this->Rullers.GetListCross()->ForEach(count);
    this->Rullers.GetList3D()->ForEach(count);
    return selected;
  }

  ArchTestWindow Axial, Panoramic, Window3D;
  TestWindow9 Cross;
  CQlmRullers Rullers;
};

}  // namespace

TEST_F(CQlmRullersTest, A2DRulerShowsOnlyOnItsOwnSliceAnd3DRulersOnEverySlice) {
  CQlmRuller* axial = this->Rullers.AddRuller(&this->Axial, 40, 40);
  CQlmRuller* panoramic = this->Rullers.AddRuller(&this->Panoramic, 8, 8);
  CQlmRuller* ruller3D = this->Rullers.AddRuller(&this->Window3D, -1, -1);
  ASSERT_TRUE(axial && panoramic && ruller3D);
  EXPECT_TRUE(this->Axial.Holds(1, axial->GetLineActor()));
  EXPECT_TRUE(this->Axial.Holds(1, axial->GetLabelActor()));
  EXPECT_TRUE(this->Window3D.Holds(3, ruller3D->GetLineActor()));
  EXPECT_TRUE(Shown(*axial));

  this->Rullers.SetAxialIndex(41);
  EXPECT_TRUE(Hidden(*axial));
  EXPECT_TRUE(Shown(*panoramic)) << "the panoramic view did not move";
  this->Rullers.SetAxialIndex(40);
  EXPECT_TRUE(Shown(*axial));
  this->Rullers.SetPanoramicIndex(9);
  EXPECT_TRUE(Hidden(*panoramic));

  for (int slice : {0, 40, 41, 200}) {
    ruller3D->SetCurrentSlice(slice);
    EXPECT_TRUE(Shown(*ruller3D)) << "slice " << slice;
  }
  // A hidden ruler stays hidden on its slice, and shows again when made visible.
  axial->SetVisibility(0);
  EXPECT_TRUE(Hidden(*axial));
  axial->SetVisibility(1);
  EXPECT_TRUE(Shown(*axial));
  ruller3D->SetPickable(0);
  EXPECT_EQ(ruller3D->GetLineActor()->GetPickable() + ruller3D->GetTip2Actor()->GetPickable() +
                ruller3D->GetLabelActor()->GetPickable(),
            0);
  // 3D rulers are wider.
  EXPECT_EQ(ruller3D->GetLineActor()->GetProperty()->GetLineWidth(), 5.0f);
  EXPECT_EQ(axial->GetLineActor()->GetProperty()->GetLineWidth(), 3.0f);
}

TEST_F(CQlmRullersTest, ACrossSectionRulerMovesWithTheFirstSectionAndLeavesWithItsSection) {
  // Drawn in cell 6 while the first section is 10: its section is 12.
  CQlmRuller9* ruller = this->Rullers.AddCrossRuller(12, 10);
  vtkActor* line = ruller->GetLineActor();
  struct Case {
    int First;
    std::vector<int> Cells;
  };
  for (const Case& c : {Case{10, {6}}, Case{11, {5}}, Case{16, {0}}, Case{17, {}}, Case{8, {8}}, Case{7, {}},
                        Case{12, {4}}}) {
    this->Rullers.SetCrossIndex(c.First);
    EXPECT_EQ(this->Cross.CellsHolding(line), c.Cells) << "first section " << c.First;
    EXPECT_EQ(this->Cross.CellsHolding(ruller->GetLabelActor()), c.Cells) << "first section " << c.First;
  }
  // Sections read from a damaged file, far apart, put it in no cell.
  ruller->SetSections(INT32_MAX, INT32_MIN);
  EXPECT_TRUE(this->Cross.CellsHolding(line).empty());
  this->Rullers.GetListCross()->RemoveAt(0);
  ruller = this->Rullers.AddCrossRuller(3, 3);
  vtkActor2D* label = ruller->GetLabelActor();
  EXPECT_EQ(this->Cross.CellsHolding(label), std::vector<int>{4});
  this->Rullers.GetListCross()->RemoveAt(0);
  EXPECT_TRUE(this->Cross.CellsHolding(label).empty()) << "a deleted ruler leaves its cell";
}

TEST_F(CQlmRullersTest, EachViewHandsOutTheThreeColoursInTurnAndOnlyTheNewRulerIsSelected) {
  const Rgb palette[3] = {{1, 0.5, 0}, {0.5, 1, 0.5}, {1, 0.5, 1}};
  for (int k = 0; k < 4; ++k) {
    CQlmRuller* axial = this->Rullers.AddRuller(&this->Axial, 1, 1);
    ExpectRgb(ActorColour(axial->GetLineActor()), palette[k % 3], "axial");
    ExpectRgb(ActorColour(axial->GetTip2Actor()), palette[k % 3], "axial tip");
    EXPECT_EQ(this->SelectedCount(), 1);
    CQlmRuller9* cross = this->Rullers.AddCrossRuller(1, 1);
    ExpectRgb(ActorColour(cross->GetLineActor()), palette[k % 3], "cross-section");
    EXPECT_EQ(this->SelectedCount(), 1);
    EXPECT_EQ(cross->GetSelected(), 1);
    EXPECT_EQ(cross->GetSource()->GetTextMapper()->GetBold(), 1);
  }
  EXPECT_EQ(this->Rullers.NextColor[CQlmRullers::AxialTurn], 1);
  EXPECT_EQ(this->Rullers.NextColor[CQlmRullers::PanoramicTurn], 0);
  CQlmRuller* panoramic = this->Rullers.AddRuller(&this->Panoramic, 1, 1);
  ExpectRgb(ActorColour(panoramic->GetLineActor()), palette[0], "first panoramic");
  EXPECT_EQ(this->Rullers.AddRuller(nullptr, 1, 1), nullptr);
  ArchTestWindow stranger;
  EXPECT_EQ(this->Rullers.AddRuller(&stranger, 1, 1), nullptr);
  EXPECT_EQ(this->SelectedCount(), 0) << "every ruler unselected even so";
  EXPECT_EQ(this->Rullers.GetListAxial()->GetCount(), 4);
}

TEST_F(CQlmRullersTest, UnselectAndDeleteActOnTheSelectedRulerOfOneView) {
  this->Rullers.AddRuller(&this->Axial, 1, 1);
  CQlmRuller* second = this->Rullers.AddRuller(&this->Axial, 1, 1);
  EXPECT_EQ(this->Rullers.UnselectPanoramic(), 0);
  EXPECT_EQ(this->Rullers.DeleteSelectedCross(), 0);
  EXPECT_EQ(this->Rullers.GetListAxial()->FindByActor(second->GetTip1Actor()), 1);
  EXPECT_EQ(this->Rullers.GetListAxial()->FindByActor(nullptr), -1);
  vtkActor* line = second->GetLineActor();
  EXPECT_EQ(this->Rullers.DeleteSelectedAxial(), 1);
  EXPECT_EQ(this->Rullers.GetListAxial()->GetCount(), 1);
  EXPECT_FALSE(this->Axial.Holds(1, line)) << "a deleted ruler leaves the renderer";
  EXPECT_EQ(this->Rullers.DeleteSelectedAxial(), 0) << "the other one was never selected again";
  this->Rullers.GetListAxial()->GetListItemAt(0)->SetSelected(1);
  EXPECT_EQ(this->Rullers.UnselectAxial(), 1);
  EXPECT_EQ(this->Rullers.UnselectAxial(), 0);
  EXPECT_EQ(this->Rullers.GetListAxial()->GetListItemAt(0)->GetSource()->GetTextMapper()->GetItalic(), 0);
}

// Colours with the label background and the uniform colour, for both ruler kinds.
TEST_F(CQlmRullersTest, LabelsTakeTheColourOrABoxLightenedByThreeTenths) {
  CQlmRuller* axial = this->Rullers.AddRuller(&this->Axial, 1, 1);
  CQlmRuller9* cross = this->Rullers.AddCrossRuller(1, 1);
  CQlmRuller* ruller3D = this->Rullers.AddRuller(&this->Window3D, -1, -1);
  for (CQlmRullerBase* ruller : std::initializer_list<CQlmRullerBase*>{axial, cross}) {
    SCOPED_TRACE(ruller == axial ? "axial" : "cross-section");
    ruller->SetColor(0.2f, 0.9f, 0.5f);
    ExpectRgb(TextColour(*ruller), {0.2, 0.9, 0.5}, "text without background");
    this->Rullers.SetLabelBackground(1);
    ruller->SetColor(0.4f, 0.8f, 0.0f);
    ExpectRgb(ActorColour(ruller->GetLineActor()), {0.4, 0.8, 0.0}, "line");
    ExpectRgb(ActorColour(ruller->GetTip1Actor()), {0.4, 0.8, 0.0}, "tip");
    ExpectRgb(TextColour(*ruller), {0, 0, 0}, "text on the box");
    ExpectRgb(BoxColour(*ruller), {0.7, 1.0, 0.3}, "box");
    EXPECT_EQ(ruller->GetSource()->GetTextMapper()->GetBackground(), 1);

    this->Rullers.SetUniformColor(1);
    ruller->SetColor(0.1f, 0.1f, 0.1f);
    ExpectRgb(ActorColour(ruller->GetLineActor()), {1, 1, 0.5}, "uniform line");
    ExpectRgb(BoxColour(*ruller), {1, 1, 0.5}, "uniform box");
    this->Rullers.SetLabelBackground(0);
    ExpectRgb(TextColour(*ruller), {1, 1, 0.5}, "uniform text");
    this->Rullers.SetLabelBackground(1);
    // Back to its own colour: the box is lightened by 0.3 for both kinds.
    this->Rullers.SetUniformColor(0);
    ExpectRgb(ActorColour(ruller->GetLineActor()), {0.1, 0.1, 0.1}, "own line");
    ExpectRgb(BoxColour(*ruller), {0.4, 0.4, 0.4}, "own box");
    this->Rullers.SetLabelBackground(0);
  }
  EXPECT_EQ(ruller3D->GetSource()->GetTextMapper()->GetBackground(), 0) << "3D rulers keep their label";
}

TEST_F(CQlmRullersTest, SavedRulersComeBackInTheirViewsWithTheirColoursSelectionAndLength) {
  CQlmRuller* axial = this->Rullers.AddRuller(&this->Axial, 40, 40);
  axial->GetSource()->SetPoint1(-5, 0, 0);
  axial->GetSource()->SetPoint2(7, 5, 0);
  this->Rullers.AddRuller(&this->Panoramic, 3, 5);
  CQlmRuller9* cross = this->Rullers.AddCrossRuller(12, 10);
  cross->GetSource()->SetPoint2(0, 2.5f, 0);
  this->Rullers.AddRuller(&this->Window3D, -1, -1);
  cross->SetSelected(1);
  const std::vector<uint8_t> bytes = StoreBytes(this->Rullers);
  EXPECT_EQ(bytes.size(), 3 * 4 + 3 * 4 + 3 * 12 * 4u) << "counters, three counts, three rulers; no 3D ruler";

  ArchTestWindow axialView, panoramicView, view3D;
  TestWindow9 crossView;
  CQlmRullers read;
  read.SetWindows(&axialView, &panoramicView, &crossView, &view3D);
  EXPECT_EQ(LoadBytes(read, bytes), 0u);
  EXPECT_EQ(StoreBytes(read), bytes);
  EXPECT_EQ(read.NextColor[CQlmRullers::AxialTurn], 1);
  EXPECT_EQ(read.GetList3D()->GetCount(), 0);
  CQlmRuller* readAxial = read.GetListAxial()->GetFirst();
  ASSERT_NE(readAxial, nullptr);
  EXPECT_FLOAT_EQ(readAxial->GetSource()->GetSize(), 13.0f);
  EXPECT_TRUE(axialView.Holds(1, readAxial->GetLineActor()));
  ExpectRgb(ActorColour(readAxial->GetLineActor()), {1, 0.5, 0}, "axial colour");
  EXPECT_EQ(readAxial->GetSelected(), 0);
  EXPECT_TRUE(Shown(*readAxial));
  CQlmRuller* readPanoramic = read.GetListPanoramic()->GetFirst();
  EXPECT_TRUE(panoramicView.Holds(1, readPanoramic->GetLineActor()));
  EXPECT_TRUE(Hidden(*readPanoramic)) << "drawn on curve 3, saved while on 5";
  CQlmRuller9* readCross = read.GetListCross()->GetFirst();
  EXPECT_EQ(readCross->GetSelected(), 1);
  EXPECT_EQ(readCross->GetSource()->GetTextMapper()->GetItalic(), 1);
  EXPECT_EQ(crossView.CellsHolding(readCross->GetLineActor()), std::vector<int>{6});
}
