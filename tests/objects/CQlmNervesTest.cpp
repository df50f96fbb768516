#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkProperty.h>

#include <string>
#include <vector>

#include "ArchScene.h"
#include "objects/CQlmNerves.h"
#include "platform/CArchive.h"
#include "platform/CMemFile.h"
#include "toolkit/vtkNerveTubeFilter.h"
#include "toolkit/vtkPolyDataCutterAxial.h"
#include "toolkit/vtkPolyDataCutterCross9.h"

namespace {

// The arch scene and the nerves on its windows.
struct NerveScene : public ::testing::Test, public ArchScene {
  NerveScene() { this->Wire(this->Nerves); }
  void Wire(CQlmNerves& nerves) {
    nerves.SetWindows(&this->Window3D, &this->Axial, &this->Cross, &this->Panoramic);
    nerves.SetInput(this->Image, &this->Calculator, 2.0f);
  }
  std::vector<std::string> Names(CQlmNerves& nerves) const {
    std::vector<std::string> names;
    nerves.GetNerveList()->ForEach([&names](CQlmNerve* nerve) { names.push_back(nerve->GetName().Str()); });
    return names;
  }
  // Whether nerve i's tube and cuts are in their renderers.
  bool InRenderers(CQlmNerves& nerves, int i) const {
    return this->Window3D.Holds(3, nerves.GetList3D()->GetListItemAt(i)->GetActor()) &&
           this->Axial.Holds(2, nerves.GetListAxial()->GetListItemAt(i)->GetActor()) &&
           this->Cross.Holds(4, 2, nerves.GetListCross()->GetListItemAt(i)->GetActor(4)) &&
           this->Panoramic.Holds(2, nerves.GetListPanoramic()->GetListItemAt(i)->GetActor());
  }

  CQlmNerves Nerves;
};

TEST_F(NerveScene, AddedNervesAlternateSidesWithUniqueNames) {
  for (int k = 0; k < 5; ++k) this->Nerves.AddNerve();
  EXPECT_EQ(this->Names(this->Nerves), (std::vector<std::string>{"Nervo Direito", "Nervo Esquerdo", "Nervo Direito 02",
                                                                 "Nervo Esquerdo 02", "Nervo Direito 03"}));
  const int sides[5] = {0, 1, 0, 1, 0};
  for (int i = 0; i < 5; ++i) {
    const CQlmNerve* nerve = this->Nerves.GetNerveList()->GetListItemAt(i);
    EXPECT_EQ(nerve->GetSide(), sides[i]);
    EXPECT_EQ(nerve->GetAxialLine().GetShapeIndex(), sides[i]);
    EXPECT_EQ(nerve->GetPanoramicLine().GetShapeIndex(), 2 + sides[i]);
  }
  EXPECT_EQ(this->Nerves.GetCurrent(), 4);
  // Only the name list decides: a nerve renamed away frees its name.
  this->Nerves.GetNerveList()->GetListItemAt(0)->SetName("Nervo Direito 03");
  this->Nerves.AddNerve();
  this->Nerves.AddNerve();
  EXPECT_EQ(this->Names(this->Nerves)[5], "Nervo Esquerdo 03");
  EXPECT_EQ(this->Names(this->Nerves)[6], "Nervo Direito");
}

TEST_F(NerveScene, NewNerveHasItsColourPlaceAndRadius) {
  this->Nerves.AddNerve();
  const CQlmNerve* nerve = this->Nerves.GetCurrentNerve();
  EXPECT_EQ(std::vector<float>(nerve->GetColor(), nerve->GetColor() + 3), (std::vector<float>{1.0f, 0.3f, 0.0f}));
  EXPECT_EQ(std::vector<float>(nerve->GetTranslation(), nerve->GetTranslation() + 3),
            (std::vector<float>{30.0f, 30.0f, 19.5f}));
  EXPECT_FLOAT_EQ(nerve->GetDiameter(), 3.0f);
  // Regression: the tube had no radius until the diameter was set.
  EXPECT_DOUBLE_EQ(this->Nerves.GetList3D()->GetListItemAt(0)->GetTube()->GetRadius(), 1.5);
  double colour[3];
  this->Nerves.GetListAxial()->GetListItemAt(0)->GetActor()->GetProperty()->GetColor(colour);
  EXPECT_DOUBLE_EQ(colour[1], 0.3f);
  // The view objects wait for the selection to join their renderers.
  EXPECT_FALSE(this->InRenderers(this->Nerves, 0));
}

TEST_F(NerveScene, SelectionShowsOnlyTheCurrentNerve) {
  for (int k = 0; k < 3; ++k) this->Nerves.AddNerve();
  this->Nerves.SelectNerve(1);
  EXPECT_EQ(this->Nerves.GetCurrent(), 1);
  EXPECT_FALSE(this->InRenderers(this->Nerves, 0));
  EXPECT_TRUE(this->InRenderers(this->Nerves, 1));
  EXPECT_FALSE(this->InRenderers(this->Nerves, 2));
  // The current visibility (0 at first) hides the cuts; lines and tube show.
  EXPECT_EQ(this->Nerves.GetListAxial()->GetListItemAt(1)->GetVisible(), 0);
  EXPECT_EQ(this->Nerves.GetList3D()->GetListItemAt(1)->GetVisibility(), 1);
  EXPECT_EQ(this->Nerves.GetEditor()->GetNerve(), this->Nerves.GetNerveList()->GetListItemAt(1));
  EXPECT_TRUE(this->Axial.Holds(1, this->Nerves.GetCurrentNerve()->GetAxialLine().GetLineActor()));
  EXPECT_TRUE(this->Panoramic.Holds(1, this->Nerves.GetCurrentNerve()->GetPanoramicLine().GetLineActor()));

  this->Nerves.SetCurrentVisibility(1);
  EXPECT_EQ(this->Nerves.GetListCross()->GetListItemAt(1)->GetVisible(), 1);
  // The nerve left behind is shown whole again.
  this->Nerves.SelectNerve(2);
  EXPECT_EQ(this->Nerves.GetListPanoramic()->GetListItemAt(1)->GetVisible(), 1);
  for (int index : {-1, 3}) {
    this->Nerves.SelectNerve(index);
    EXPECT_EQ(this->Nerves.GetCurrent(), 2) << index;
  }
}

TEST_F(NerveScene, DeletionSelectsTheNextOrThePreviousNerve) {
  struct Case {
    int current;
    std::vector<std::string> left;
    int newCurrent;
  } cases[] = {{0, {"Nervo Esquerdo", "Nervo Direito 02"}, 0},
               {1, {"Nervo Direito", "Nervo Direito 02"}, 0},
               {2, {"Nervo Direito", "Nervo Esquerdo"}, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.current);
    CQlmNerves nerves;
    this->Wire(nerves);
    for (int k = 0; k < 3; ++k) nerves.AddNerve();
    nerves.SelectNerve(c.current);
    nerves.DeleteCurrentNerve();
    EXPECT_EQ(this->Names(nerves), c.left);
    EXPECT_EQ(nerves.GetCurrent(), c.newCurrent);
    EXPECT_EQ(nerves.GetListCross()->GetCount(), 2);
    EXPECT_TRUE(this->InRenderers(nerves, c.newCurrent));
  }
  this->Nerves.AddNerve();
  this->Nerves.SelectNerve(0);
  this->Nerves.DeleteCurrentNerve();
  EXPECT_EQ(this->Nerves.GetCount(), 0);
  EXPECT_EQ(this->Nerves.GetEditor()->GetNerve(), nullptr);
  this->Nerves.DeleteCurrentNerve();
  EXPECT_EQ(this->Nerves.GetList3D()->GetCount(), 0);
}

// Saved and read back, then built as after a load: stored fields and both
// lines kept, every nerve in its views by its own flag, radius half the diameter.
TEST_F(NerveScene, NervesReadBackAreBuiltIntoTheViews) {
  this->Nerves.AddNerve();
  this->Nerves.AddNerve();
  CQlmNerve& left = *this->Nerves.GetNerveList()->GetListItemAt(1);
  left.SetDiameter(4.0f);
  left.SetVisible(0);
  left.SetColor(0.2f, 0.4f, 0.6f);
  const float moved[6] = {-5, 1, 0, 7, 2, 0};
  left.GetAxialLine().SetPoints(2, moved);

  CMemFile file;
  {
    CArchive archive(&file, CArchive::store);
    this->Nerves.Serialize(archive);
  }
  file.SeekToBegin();
  CQlmNerves read;
  this->Wire(read);
  {
    CArchive archive(&file, CArchive::load);
    read.Serialize(archive);
  }
  ASSERT_EQ(read.GetCount(), 2);
  const CQlmNerve& copy = *read.GetNerveList()->GetListItemAt(1);
  EXPECT_EQ(std::string(copy.GetName().Str()), "Nervo Esquerdo");
  EXPECT_EQ(copy.GetSide(), 1);
  EXPECT_FLOAT_EQ(copy.GetDiameter(), 4.0f);
  EXPECT_EQ(copy.GetVisible(), 0);
  EXPECT_FLOAT_EQ(copy.GetColor()[2], 0.6f);
  ASSERT_EQ(copy.GetAxialLine().GetBalls().GetCount(), 2);
  EXPECT_EQ(copy.GetPanoramicLine().GetBalls().GetCount(), 9);
  EXPECT_EQ(copy.GetPanoramicLine().GetShapeIndex(), 3);
  double point[3];
  copy.GetAxialLine().GetLinePolyData()->GetPoint(1, point);
  EXPECT_DOUBLE_EQ(point[0], 7);

  read.BuildViewObjects();
  EXPECT_TRUE(this->InRenderers(read, 0));
  EXPECT_TRUE(this->InRenderers(read, 1));
  EXPECT_EQ(read.GetList3D()->GetListItemAt(1)->GetVisibility(), 0);
  EXPECT_EQ(read.GetListPanoramic()->GetListItemAt(1)->GetVisible(), 0);
  EXPECT_EQ(read.GetListAxial()->GetListItemAt(0)->GetVisible(), 1);
  EXPECT_DOUBLE_EQ(read.GetList3D()->GetListItemAt(1)->GetTube()->GetRadius(), 2.0);
}

// A straight nerve 5.2 mm above the volume centre (z 24.7), radius 1.5: the
// axial cut shows on slices 24 to 26 (slice i at z = i) and on no other.
TEST_F(NerveScene, AxialCutShowsOnTheSlicesTheTubeCrosses) {
  this->Nerves.AddNerve();
  CQlmNerve& nerve = *this->Nerves.GetCurrentNerve();
  const float axial[6] = {-10, 0, 0, 10, 0, 0};
  const float panoramic[6] = {-20, 5.2f, 0, 20, 5.2f, 0};
  nerve.GetAxialLine().SetPoints(2, axial);
  nerve.GetPanoramicLine().SetPoints(2, panoramic);
  vtkPolyDataCutterAxial* cutter = this->Nerves.GetListAxial()->GetListItemAt(0)->GetAxialCutter();
  for (int slice = 20; slice <= 30; ++slice) {
    this->Nerves.SetAxialIndex(slice);
    cutter->Update();
    const bool crossed = slice >= 24 && slice <= 26;
    EXPECT_EQ(cutter->GetOutput()->GetNumberOfLines() > 0, crossed) << "slice " << slice;
  }
}

// Largest first indices 22, 0 and -8 (no arch): the index follows a spacing
// change within 0 .. max(0, largest), never dividing by the old largest.
TEST_F(NerveScene, CrossIndexFollowsSpacingWithinItsRange) {
  CQlmPolyLine shortArch;
  shortArch.SetStraightLine(-8.5f, 10, 8.5f, 10);
  CQlmPanoramicCalc shortCalculator, noArch;
  shortCalculator.SetPolyLine(&shortArch);
  shortCalculator.Update();
  struct Case {
    const char* name;
    CQlmPanoramicCalc* calculator;
    int index;
    int largest;
    float spacing;
    int newLargest;
    int newIndex;
  } cases[] = {{"60 mm arch", &this->Calculator, 11, 22, 4.0f, 7, 3},
               {"17 mm arch", &shortCalculator, 0, 0, 1.0f, 9, 0},
               {"no arch", &noArch, -10, -8, 1.0f, -9, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CQlmNerveCross9 cross;
    cross.SetInput(this->Image, c.calculator, 2.0f);
    EXPECT_EQ(cross.GetLargestIndex(), c.largest);
    cross.SetCrossIndex(c.index);
    cross.SetCrossSpacing(c.spacing);
    EXPECT_EQ(cross.GetLargestIndex(), c.newLargest);
    EXPECT_EQ(cross.GetCrossIndex(), c.newIndex);
  }
}

// The cutter gets the index shift since its last cut, 0 after a reset.
TEST_F(NerveScene, OptimizeIsTheShiftOrZeroAfterAReset) {
  CQlmNerveCross9 cross;
  cross.SetInput(this->Image, &this->Calculator, 2.0f);
  vtkPolyDataCutterCross9* cutter = cross.GetCrossCutter();
  struct Step {
    const char* name;
    void (*apply)(CQlmNerveCross9&);
    int optimize;
  } steps[] = {{"first index, from -10", [](CQlmNerveCross9& c) { c.SetCrossIndex(5); }, 15},
               {"two on", [](CQlmNerveCross9& c) { c.SetCrossIndex(7); }, 2},
               {"one back", [](CQlmNerveCross9& c) { c.SetCrossIndex(6); }, -1},
               {"after Invalidate", [](CQlmNerveCross9& c) { c.Invalidate(), c.SetCrossIndex(8); }, 0},
               {"after visibility", [](CQlmNerveCross9& c) { c.SetVisibility(1), c.SetCrossIndex(9); }, 0},
               {"after spacing", [](CQlmNerveCross9& c) { c.SetCrossSpacing(2.0f), c.SetCrossIndex(4); }, 0}};
  for (const Step& step : steps) {
    step.apply(cross);
    EXPECT_EQ(cutter->GetOptimize(), step.optimize) << step.name;
  }
}

}  // namespace
