// Delete in the views of the sample project: the selected implants and
// teeth go, each with its own undo snapshot, in the object tools only. The
// object tools stand in as snapshot doubles, except where the controller's
// own implant and teeth tools take the deleted objects back.
#include <gmock/gmock.h>
#include <vtkMatrix4x4.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "FixtureTeethLibrary.h"
#include "QlmSnapshotTool.h"
#include "QlmViewMouse.h"
#include "SampleProjectFixture.h"
#include "app/CUndoHistory.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmGeom3D.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplantRings.h"
#include "objects/CQlmImplants.h"
#include "tools/CQlmCoreDentes.h"
#include "tools/CQlmCoreImplant.h"
#include "tools/QlmUndoAction.h"
#include "views/CAxialWnd.h"
#include "views/CPanoramicWnd.h"

namespace {

using ::testing::ElementsAre;

// Two implants and a molar, none selected, in the select tool.
class DeleteScene : public SampleProjectFixture {
protected:
  void SetUp() override {
    SampleProjectFixture::SetUp();
    if (!this->Opened()) return;
    QLM_REQUIRE_TEST_DATA(FixtureTeethLibrary::ToothMesh);
    ASSERT_TRUE(FixtureTeethLibrary::Put(*this->Q));
    const double left[3] = {-12.0, 0.0, 0.0}, right[3] = {12.0, 0.0, 0.0}, middle[3] = {0.0, 5.0, 0.0};
    ASSERT_EQ(this->Q->ImplantContainer->AddImplant(this->Q->WindowPanoramic, left, 4.0f, 10.0f, 1.0f, 0, -1), 1);
    ASSERT_EQ(this->Q->ImplantContainer->AddImplant(this->Q->WindowPanoramic, right, 4.0f, 10.0f, 1.0f, 0, -1), 1);
    ASSERT_EQ(this->Q->DentesContainer->AddTooth(this->Q->WindowPanoramic, middle, FixtureTeethLibrary::Name,
                                                 FixtureTeethLibrary::Identifier, "Molar", 0, -1),
              1);
    this->Q->DeselectAllObjects();
    this->Q->SetSelectImplantMode();
  }
  void SelectAll() {
    this->Q->ImplantContainer->SetSelected(0, 1);
    this->Q->ImplantContainer->SetSelected(1, 1);
    this->Q->DentesContainer->SetSelected(0, 1);
  }
  void PressDelete(CWnd* view) { QlmViewMouse::PressKey(*view, Qt::Key_Delete); }
};

class ObjectDeleteTest : public DeleteScene {
protected:
  void SetUp() override {
    DeleteScene::SetUp();
    if (!this->Opened()) return;
    this->Q->SetUndoTool(CQlmUndoable::Implant, &this->Implants);
    this->Q->SetUndoTool(CQlmUndoable::Tooth, &this->Teeth);
  }
  std::vector<int> PushedIndices(const QlmSnapshotTool& tool) {
    std::vector<int> indices;
    for (const QlmSnapshotTool::Push& push : tool.Pushed) {
      EXPECT_EQ(push.Action, QlmUndoAction::Deleted);
      indices.push_back(push.Index);
    }
    return indices;
  }

  std::vector<std::string> Calls;
  QlmSnapshotTool Implants{CQlmUndoable::Implant, "implant", &Calls};
  QlmSnapshotTool Teeth{CQlmUndoable::Tooth, "teeth", &Calls};
};

TEST_F(ObjectDeleteTest, DeleteRemovesEverySelectedObjectWithASnapshotEach) {
  if (!this->Opened()) return;
  this->SelectAll();
  this->PressDelete(this->Q->PanoramicView);
  EXPECT_EQ(this->Q->ImplantContainer->GetCount(), 0);
  EXPECT_EQ(this->Q->DentesContainer->GetCount(), 0);
  EXPECT_THAT(this->PushedIndices(this->Implants), ElementsAre(1, 0));
  EXPECT_THAT(this->PushedIndices(this->Teeth), ElementsAre(0));
  EXPECT_THAT(this->Calls, ElementsAre("implant status", "teeth status"));

  this->Calls.clear();
  for (int step = 0; step < 3; ++step) this->Q->Undo();
  EXPECT_THAT(this->Calls, ElementsAre("teeth undo", "implant undo", "implant undo"));
}

TEST_F(ObjectDeleteTest, OnlyTheSelectedObjectsGoAndTheRestAreNumberedAgain) {
  if (!this->Opened()) return;
  this->Q->ImplantContainer->SetSelected(0, 1);
  this->PressDelete(this->Q->AxialView);
  ASSERT_EQ(this->Q->ImplantContainer->GetCount(), 1);
  EXPECT_EQ(this->Q->ImplantContainer->GetList3D()->GetListItemAt(0)->GetNumber(), 1);
  EXPECT_EQ(this->Q->DentesContainer->GetCount(), 1);
  EXPECT_THAT(this->PushedIndices(this->Implants), ElementsAre(0));
  EXPECT_TRUE(this->Teeth.Pushed.empty());
}

TEST_F(ObjectDeleteTest, WithNothingSelectedOrOutsideTheObjectToolsDeleteChangesNothing) {
  if (!this->Opened()) return;
  this->Q->Modified = 0;
  this->PressDelete(this->Q->AxialView);
  this->SelectAll();
  this->Q->SetRulerMode();
  this->PressDelete(this->Q->AxialView);
  this->Q->SetTool(54);
  this->PressDelete(this->Q->PanoramicView);
  EXPECT_EQ(this->Q->ImplantContainer->GetCount(), 2);
  EXPECT_EQ(this->Q->DentesContainer->GetCount(), 1);
  EXPECT_EQ(this->Q->Modified, 0);
  EXPECT_TRUE(this->Implants.Pushed.empty());
}

TEST_F(ObjectDeleteTest, DeselectingClearsEverySelectedObjectOfEachKind) {
  if (!this->Opened()) return;
  this->SelectAll();
  this->Q->DeselectAllObjects();
  EXPECT_EQ(this->Q->ImplantContainer->GetList3D()->GetSelectedIndex(), -1);
  EXPECT_EQ(this->Q->ImplantContainer->GetListAxial()->GetSelectedIndex(), -1);
  EXPECT_EQ(this->Q->DentesContainer->GetList3D()->GetSelectedIndex(), -1);
}

// The controller's own implant and teeth tools take the snapshots.
using ObjectDeleteWithToolsTest = DeleteScene;

// What the three objects look like: each object's name (the tooth's item) and placement, implants first.
struct Placed {
  std::string Name;
  std::array<double, 16> Placement;
  bool operator==(const Placed&) const = default;
};

void PrintTo(const Placed& placed, std::ostream* out) {
  *out << placed.Name << " at (" << placed.Placement[3] << "," << placed.Placement[7] << "," << placed.Placement[11]
       << ")";
}

std::vector<Placed> Scene(CQlmQuorvantile& q) {
  std::vector<Placed> scene;
  auto add = [&scene](std::string name, vtkMatrix4x4* matrix) {
    Placed placed{std::move(name), {}};
    vtkMatrix4x4::DeepCopy(placed.Placement.data(), matrix);
    scene.push_back(placed);
  };
  for (int i = 0; i < q.ImplantContainer->GetCount(); ++i) {
    const CQlmImplant3D& implant = *q.ImplantContainer->GetList3D()->GetListItemAt(i);
    add("implant " + std::to_string(implant.GetNumber()), implant.GetMatrix());
  }
  for (int i = 0; i < q.DentesContainer->GetCount(); ++i) {
    const CQlmGeom3D& tooth = *q.DentesContainer->GetList3D()->GetListItemAt(i);
    add(tooth.GetName().Str(), tooth.GetMatrix());
  }
  return scene;
}

template <class Records>
std::vector<int> DeletedIndices(const Records& records) {
  std::vector<int> indices;
  for (const auto& record : records.GetUndoList())
    if (record.Valid && record.Action == QlmUndoAction::Deleted) indices.push_back(record.Index);
  return indices;
}

TEST_F(ObjectDeleteWithToolsTest, ThreeUndoStepsBringBackTheTwoImplantsAndTheToothAsTheyWere) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  const std::vector<Placed> before = Scene(q);
  ASSERT_EQ(before.size(), 3u);
  this->SelectAll();
  this->PressDelete(q.PanoramicView);
  EXPECT_TRUE(Scene(q).empty());
  EXPECT_EQ(q.RingContainer->GetCount(), 0);
  EXPECT_THAT(DeletedIndices(q.CoreImplant->GetRecords()), ElementsAre(0, 1)) << "newest first";
  EXPECT_THAT(DeletedIndices(q.CoreDentes->GetRecords()), ElementsAre(0));

  q.Undo();
  EXPECT_EQ(q.DentesContainer->GetCount(), 1) << "the tooth went last";
  EXPECT_EQ(q.ImplantContainer->GetCount(), 0);
  q.Undo();
  q.Undo();
  EXPECT_EQ(Scene(q), before);
  EXPECT_EQ(q.RingContainer->GetCount(), 2);
  EXPECT_EQ(q.UndoHistory->GetNewestUndo(), 0);

  for (int step = 0; step < 3; ++step) q.Redo();
  EXPECT_TRUE(Scene(q).empty()) << "redone, the three are deleted again";
}

}  // namespace
