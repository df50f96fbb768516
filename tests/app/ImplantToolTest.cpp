// The implant tool on the sample project of the real head CT: inserts by
// real clicks, the context menu opened by a real right click with its value
// boxes and pick-lists answered by a modal hook, drags through the views'
// state records, and the undo snapshots walked back and forth. With
// QLM_IMPLANT_TOOL_SCREENSHOT set, the end-to-end scenario saves the main
// window there.
#include <vtkActor.h>
#include <vtkMatrix4x4.h>
#include <vtkTransform.h>

#include <QWidget>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "QlmLibraryFolderFiles.h"
#include "QlmViewMouse.h"
#include "SampleCrowns.h"
#include "SampleProjectFixture.h"
#include "app/CQlmQuorvantile.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTData.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "ct/CQlmResliceGeometry.h"
#include "libraries/CDialogCustomList.h"
#include "libraries/vtkImplantCustom.h"
#include "libraries/vtkImplantLib.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplantAxial.h"
#include "objects/CQlmImplantCross9.h"
#include "objects/CQlmImplantPanoramic.h"
#include "objects/CQlmImplantRing3D.h"
#include "objects/CQlmImplantRings.h"
#include "objects/CQlmImplants.h"
#include "QlmPopupMenuPicker.h"
#include "toolkit/QlmPlanningFrame.h"
#include "toolkit/vtkImplantAxial.h"
#include "toolkit/vtkImplantPanoramic.h"
#include "tools/CQlmCoreImplant.h"
#include "views/C3DWnd.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CDialogFloat.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"

namespace {

using Vector = SampleCrowns::Vector;
using Matrix = std::array<double, 16>;

constexpr UINT MaxillaCommand = 32937;
constexpr UINT InsertImplantCommand = 32856;
constexpr UINT MoveImplantCommand = 32857;
constexpr int MiddleCell = 4;

bool IsIdentityTopRows(vtkMatrix4x4* matrix) {
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 4; ++column) {
      if (matrix->GetElement(row, column) != (row == column ? 1.0 : 0.0)) return false;
    }
  }
  return true;
}

Matrix Elements(vtkMatrix4x4* matrix) {
  Matrix elements;
  std::copy_n(&matrix->Element[0][0], 16, elements.begin());
  return elements;
}

// Answers the value boxes and pick-lists that the tool opens, in place of the user.
class ScriptedBoxes {
public:
  // In place of the fixture's hook, which Remove puts back.
  void Install() {
    this->Previous = CDialog::SetModalHook([this](CDialog& dialog) -> INT_PTR {
      if (auto* box = dynamic_cast<CDialogFloat*>(&dialog)) {
        this->Shown.push_back(box->Text.Str());
        box->Text = this->Typed;
        return this->Result;
      }
      if (auto* list = dynamic_cast<CDialogCustomList*>(&dialog)) {
        this->ListModes.push_back(list->Mode);
        list->EntryChosen = this->EntryChosen;
        list->ChosenItem = this->Chosen;
        return this->Result;
      }
      return IDCANCEL;
    });
  }
  void Remove() { CDialog::SetModalHook(this->Previous); }

  // The next answer.
  void Answer(const std::string& typed, INT_PTR result) {
    this->Typed = typed;
    this->Result = result;
  }
  void Choose(bool chosen, vtkLibraryItem* item, INT_PTR result) {
    this->EntryChosen = chosen;
    this->Chosen = item;
    this->Result = result;
  }

  std::vector<std::string> Shown;
  std::vector<int> ListModes;

private:
  CDialog::ModalHook Previous;
  std::string Typed;
  INT_PTR Result = IDCANCEL;
  bool EntryChosen = false;
  vtkLibraryItem* Chosen = nullptr;
};

// The library "Genéricos" (identifier " 12": "Cônico", "Reto", component "Pilar") is the one in use.
class ImplantToolTest : public SampleProjectFixture {
protected:
  void SetUp() override {
    SampleProjectFixture::SetUp();
    this->Boxes.Install();
  }
  void TearDown() override {
    this->Boxes.Remove();
    SampleProjectFixture::TearDown();
  }

  void WriteSettings() override {
    std::string why;
    ASSERT_TRUE(QlmLibraryFolderFiles::WriteImplantLibrary("Genéricos", ".imp", why)) << why;
    LibrariesFound[CQlmQuorvantile::Implants] = 1;
  }

  CQlmImplants& Implants() const { return *this->Q->ImplantContainer; }
  CQlmImplant3D& Implant(int i) const { return *this->Implants().GetList3D()->GetListItemAt(i); }
  CQlmCoreImplant& Core() const { return *this->Q->CoreImplant; }
  vtkImplantLib& Library() const { return *vtkImplantLib::SafeDownCast(this->Q->Libraries[CQlmQuorvantile::Implants]); }
  vtkImplantCustom* LibraryImplant(int k) const { return this->Library().GetImplant(k); }

  // Implant 0 becomes "Reto" of "Genéricos" with `component` ("Standard": the generic connector).
  void MakeLibraryImplant(const char* component) {
    const float height = std::string(component) == "Standard" ? 2.5f : 2.0f;
    this->Implants().ChangeLibraryImplant(0, " 12", "Genéricos", "Reto", component, 3.75f, 13.0f, height);
    this->Q->RingContainer->RebuildRing(0);
  }

  QPoint AxialMiddle() const {
    const QWidget* widget = this->Q->AxialView->GetSafeHwnd();
    return {widget->width() / 2, widget->height() / 2};
  }

  // A generic implant inserted by a click at `at` of the axial view; it is the selected one.
  void InsertInAxial(const QPoint& at) {
    this->Frame->RunCommand(InsertImplantCommand);
    QlmViewMouse::Click(*this->Q->AxialView, at);
  }

  const ImplantUndoRecord& UndoRecord(int k) const { return this->Core().GetRecords().GetUndoList()[k]; }
  const ImplantUndoRecord& RedoRecord(int k) const { return this->Core().GetRecords().GetRedoList()[k]; }
  int UndoCount() const {
    const auto& list = this->Core().GetRecords().GetUndoList();
    return int(std::count_if(list.begin(), list.end(), [](const ImplantUndoRecord& record) { return record.Valid; }));
  }

  // A right click at `at` of `view`, the menu that opens walked along `path` (empty: only looked at).
  QlmPopupMenuPicker Menu(CWnd& view, const QPoint& at, std::vector<QString> path) {
    QlmPopupMenuPicker picker(std::move(path));
    picker.Run([&] {
      QlmViewMouse::Send(view, QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, at);
      QlmViewMouse::Send(view, QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, at);
    });
    return picker;
  }
  QlmPopupMenuPicker AxialMenu(std::vector<QString> path) { return this->Menu(*this->Q->AxialView, this->AxialMiddle(), std::move(path)); }
  // The same through the axial style's record, the press on implant `i`'s outline (a library
  // implant's outline is not filled, so a press inside it hits nothing).
  QlmPopupMenuPicker OutlineMenu(int i, std::vector<QString> path) {
    QlmPopupMenuPicker picker(std::move(path));
    picker.Run([&] {
      CQlmInteractorRecord& record = *this->Q->StyleAxial->GetRecord();
      record.Event = QlmEvent::RightDown;
      record.PickedActor = this->Implants().GetListAxial()->GetListItemAt(i)->GetScrewActor();
      record.RightPressWindow[0] = this->AxialMiddle().x();
      record.RightPressWindow[1] = this->AxialMiddle().y();
      this->Core().DispatchMainViewEvent(this->Q->WindowAxial);
    });
    return picker;
  }

  // The tool in `mode` on the four views, the styles in the states that mode starts in.
  void UseTool(int mode, int state2D, int state3D) {
    CQlmQuorvantile& q = *this->Q;
    q.CoreImplant->Mode = mode;
    q.Style3D->SetCore(q.CoreImplant);
    q.StyleAxial->SetCore(q.CoreImplant);
    q.StylePanoramic->SetCore(q.CoreImplant);
    q.StyleCross->SetCore(q.CoreImplant);
    q.Style3D->SetMode(state3D);
    q.StyleAxial->SetMode(state2D);
    q.StylePanoramic->SetMode(state2D);
    q.StyleCross->SetMode(state2D);
  }

  // One event of the panoramic view as its style hands it on: the event, the picked actor and the drag so far.
  void PanoramicEvent(int event, vtkActor* picked, vtkMatrix4x4* drag = nullptr) {
    CQlmInteractorRecord& record = *this->Q->StylePanoramic->GetRecord();
    record.Event = event;
    record.PickedActor = picked;
    if (drag) record.ObjectTransform->SetMatrix(drag);
    this->Core().DispatchMainViewEvent(this->Q->WindowPanoramic);
  }

  // A generic implant inserted by a click in the middle of the panoramic view, on the arch's own curve.
  void InsertInPanoramic() {
    CQlmQuorvantile& q = *this->Q;
    q.PanoramicView->SetSlice(q.PanoramicCalc->GetMiddleCurve());
    this->Frame->RunCommand(InsertImplantCommand);
    const QWidget* panoramic = q.PanoramicView->GetSafeHwnd();
    QlmViewMouse::Click(*q.PanoramicView, QPoint(panoramic->width() / 2, panoramic->height() / 2));
  }

  std::string Status() const { return this->Frame->StatusBar.GetPaneText(1).Str(); }

  ScriptedBoxes Boxes;
};

// The menu of a generic implant, a library implant with "Standard" and one
// with a component: its entries, the checks of the three "Mostrar" entries
// and the entries disabled for each; without a loaded library "Implante" is
// disabled as well.
TEST_F(ImplantToolTest, TheMenuChecksAndDisablesItsEntriesByTheImplant) {
  if (!this->Opened()) return;
  this->InsertInAxial(this->AxialMiddle());
  ASSERT_EQ(this->Implants().GetCount(), 1);
  struct Case {
    const char* Name;
    const char* Component;  // null: generic
    int LibraryRead;
    int RingShown;
    std::vector<std::string> Disabled;
  };
  const Case cases[] = {
      {"generic", nullptr, 1, 1, {"Conector"}},
      {"generic, no library read", nullptr, 0, 0, {"Implante", "Conector"}},
      {"library, Standard", "Standard", 1, 1, {"Diâmetro Imp", "Comprim Imp"}},
      {"library, component", "Pilar", 1, 0, {"Diâmetro Imp", "Comprim Imp", "Altura Conect", "Ângulo Conect"}},
  };
  const std::vector<std::string> entries = {"Implante",     "Conector",      "Diâmetro Imp",     "Comprim Imp",
                                            "Altura Conect", "Ângulo Conect", "Mais",             "Cor Implante",
                                            "Cor Conector", "Mostrar Implante", "Mostrar Conector", "Mostrar Anilha",
                                            "Deletar"};
  for (const Case& test : cases) {
    SCOPED_TRACE(test.Name);
    if (test.Component) this->MakeLibraryImplant(test.Component);
    this->Q->LibraryAvailable[CQlmQuorvantile::Implants] = test.LibraryRead;
    this->Q->RingContainer->SetVisibility(0, test.RingShown);
    this->Implants().SetSelected(0, 1);
    const QlmPopupMenuPicker menu = this->OutlineMenu(0, {});
    std::vector<std::string> texts;
    for (const auto& entry : menu.Entries) texts.push_back(entry.Text);
    ASSERT_EQ(texts, entries);
    for (const auto& entry : menu.Entries) {
      const bool disabled = std::find(test.Disabled.begin(), test.Disabled.end(), entry.Text) != test.Disabled.end();
      EXPECT_EQ(entry.Enabled, !disabled) << entry.Text;
    }
    EXPECT_TRUE(menu.Find("Mostrar Implante")->Checked);
    EXPECT_TRUE(menu.Find("Mostrar Conector")->Checked);
    EXPECT_EQ(menu.Find("Mostrar Anilha")->Checked, test.RingShown == 1);
  }
  EXPECT_EQ(this->UndoCount(), 1) << "only the insert";
}

// What an undo or redo must bring back of one implant.
struct Kept {
  Matrix Placement;
  Matrix Connector;
  std::array<float, 3> Size;
  std::array<float, 3> Screw;
  int ConnectorShown;
  int RingShown;
  int Visible;
  bool operator==(const Kept&) const = default;
};

// Every row of the action table, undone and redone: the insert (0), the
// screw colour (4), the connector hidden (5), the connector tilt (6), the
// diameter (2) and the delete (1) of the middle one of three implants; its
// hidden ring is not undoable. Undone, the deleted implant comes back at its
// index with what it had; redone, the changes come back in order.
TEST_F(ImplantToolTest, EveryChangeIsUndoneAndRedone) {
  if (!this->Opened()) return;
  const QPoint middle = this->AxialMiddle();
  for (int dx : {-70, 0, 70}) this->InsertInAxial(middle + QPoint(dx, 0));
  ASSERT_EQ(this->Implants().GetCount(), 3);
  QlmViewMouse::Click(*this->Q->AxialView, middle);
  ASSERT_EQ(this->Implants().GetList3D()->GetSelectedIndex(), 1);
  auto kept = [this](int i) {
    const CQlmImplant3D& implant = this->Implant(i);
    const float* screw = implant.GetScrewColor();
    return Kept{Elements(implant.GetMatrix()),
                Elements(implant.GetConectorMatrix()),
                {implant.GetDiameter(), implant.GetLength(), implant.GetConectorHeight()},
                {screw[0], screw[1], screw[2]},
                implant.GetShowConector(),
                this->Q->RingContainer->GetList3D()->GetListItemAt(i)->GetVisible(),
                implant.GetVisible()};
  };
  const CQlmImplant3D* third = &this->Implant(2);
  std::vector<Kept> states = {kept(1)};

  const std::array<float, 3> screwBytes = {this->Implant(1).GetScrewColor()[0] * 255, this->Implant(1).GetScrewColor()[1] * 255,
                                           this->Implant(1).GetScrewColor()[2] * 255};
  Prompter.QueueColor(QlmRgb{255, 128, 0});
  this->OutlineMenu(1, {"Mais", "Cor Implante"});
  ASSERT_EQ(Prompter.ColorsOffered.size(), 1u);
  EXPECT_EQ(Prompter.ColorsOffered[0], (QlmRgb{int(screwBytes[0]), int(screwBytes[1]), int(screwBytes[2])}));
  EXPECT_FLOAT_EQ(this->Implant(1).GetScrewColor()[1], 128 / 255.0f);
  states.push_back(kept(1));
  this->OutlineMenu(1, {"Mais", "Mostrar Conector"});
  EXPECT_EQ(this->Implant(1).GetShowConector(), 0);
  EXPECT_EQ(this->Implants().GetListAxial()->GetListItemAt(1)->GetCutter()->GetVisibilityConector(), 0);
  states.push_back(kept(1));
  this->Boxes.Answer("20", IDOK);
  this->OutlineMenu(1, {"Ângulo Conect"});
  EXPECT_NEAR(this->Implant(1).GetConectorAngle(), 20.0f, 1e-3);
  states.push_back(kept(1));
  const int snapshots = this->UndoCount();
  this->OutlineMenu(1, {"Mais", "Mostrar Anilha"});
  EXPECT_EQ(this->UndoCount(), snapshots) << "the ring is not undoable";
  this->Boxes.Answer("3.3", IDOK);
  this->OutlineMenu(1, {"Diâmetro Imp"});
  EXPECT_FLOAT_EQ(this->Implant(1).GetDiameter(), 3.3f);
  states.push_back(kept(1));
  EXPECT_EQ(states.back().RingShown, 0);
  this->OutlineMenu(1, {"Deletar"});
  ASSERT_EQ(this->Implants().GetCount(), 2);
  ASSERT_EQ(this->Q->RingContainer->GetCount(), 2);
  EXPECT_EQ(&this->Implant(1), third);
  const std::vector<int> actions = {1, 2, 6, 5, 4, 0, 0, 0};
  ASSERT_EQ(this->UndoCount(), int(actions.size()));
  for (size_t k = 0; k < actions.size(); ++k) EXPECT_EQ(this->UndoRecord(int(k)).Action, actions[k]) << k;

  // The delete undone: back at index 1, with its placement, tilt, colours, connector and ring as they were.
  this->Core().Undo();
  ASSERT_EQ(this->Implants().GetCount(), 3);
  EXPECT_EQ(&this->Implant(2), third);
  EXPECT_EQ(this->Q->RingContainer->GetList3D()->GetListItemAt(1)->GetImplant(), &this->Implant(1));
  EXPECT_EQ(kept(1), states[4]);
  EXPECT_EQ(this->Implants().GetListAxial()->GetListItemAt(1)->GetCutter()->GetVisibilityConector(), 0);
  for (int k = 3; k >= 0; --k) {
    SCOPED_TRACE(k);
    this->Core().Undo();
    // Hiding the ring is not undone; undoing the connector's visibility brings back the ring's of that time.
    Kept expected = states[k];
    if (k >= 2) expected.RingShown = 0;
    EXPECT_EQ(kept(1), expected);
  }
  EXPECT_EQ(this->Implants().GetListAxial()->GetListItemAt(1)->GetCutter()->GetVisibilityConector(), 1);
  // The third insert undone, then redone at its index with its placement.
  const Kept thirdKept = kept(2);
  this->Core().Undo();
  ASSERT_EQ(this->Implants().GetCount(), 2);
  this->Core().Redo();
  ASSERT_EQ(this->Implants().GetCount(), 3);
  EXPECT_EQ(kept(2).Placement, thirdKept.Placement);
  for (int k = 1; k <= 4; ++k) {
    SCOPED_TRACE(k);
    this->Core().Redo();
    Kept expected = states[k];
    if (k >= 2) expected.RingShown = 0;
    EXPECT_EQ(kept(1), expected);
  }
  this->Core().Redo();
  EXPECT_EQ(this->Implants().GetCount(), 2) << "the delete redone";
  EXPECT_FALSE(this->RedoRecord(0).Valid);
  this->Core().Redo();
  EXPECT_EQ(this->Implants().GetCount(), 2) << "nothing left to redo";
}

// "Mostrar Implante" hides the implant with its ring and deselects it; undone, both show again, unselected.
TEST_F(ImplantToolTest, HidingAnImplantHidesItsRingAndIsUndone) {
  if (!this->Opened()) return;
  this->InsertInAxial(this->AxialMiddle());
  this->AxialMenu({"Mais", "Mostrar Implante"});
  EXPECT_EQ(this->Implant(0).GetVisible(), 0);
  EXPECT_EQ(this->Q->RingContainer->GetList3D()->GetListItemAt(0)->GetVisible(), 0);
  EXPECT_EQ(this->Implant(0).RingVisible, 0);
  EXPECT_EQ(this->Implants().GetList3D()->GetSelectedIndex(), -1);
  EXPECT_EQ(this->UndoRecord(0).Action, 5);
  this->Core().Undo();
  EXPECT_EQ(this->Implant(0).GetVisible(), 1);
  EXPECT_EQ(this->Q->RingContainer->GetList3D()->GetListItemAt(0)->GetVisible(), 1);
  EXPECT_EQ(this->Implants().GetList3D()->GetSelectedIndex(), -1);
}

// Twenty-six changes keep the newest 25 snapshots; a change after an undo empties the redo snapshots.
TEST_F(ImplantToolTest, TheSnapshotsKeepTheNewest25) {
  if (!this->Opened()) return;
  this->InsertInAxial(this->AxialMiddle());
  for (int k = 0; k < 26; ++k) this->Core().PushUndo(4, -1, 0);
  EXPECT_EQ(this->UndoCount(), 25);
  EXPECT_EQ(this->UndoRecord(24).Action, 4) << "the insert fell off";
  this->Core().Undo();
  this->Core().Undo();
  EXPECT_TRUE(this->RedoRecord(1).Valid);
  this->Core().Redo();
  EXPECT_TRUE(this->RedoRecord(0).Valid) << "a redo keeps the other redo snapshots";
  this->Core().PushUndo(4, -1, 0);
  EXPECT_FALSE(this->RedoRecord(0).Valid);
}

// The library choices: "Implante" takes the chosen implant, keeping the
// component; "Conector" the chosen component or "Standard" of 2.5 mm; a
// list ended without a chosen entry changes nothing; a size change of a
// library implant with "Standard" keeps it a library implant; undone, the
// implant is rebuilt from the recorded library items.
TEST_F(ImplantToolTest, TheLibraryChoicesRebuildTheImplantFromTheLibrary) {
  if (!this->Opened()) return;
  this->InsertInAxial(this->AxialMiddle());
  this->MakeLibraryImplant("Pilar");
  const int snapshots = this->UndoCount();

  this->Boxes.Choose(true, this->LibraryImplant(0), CQlmPickList::DoubleClickResult);
  this->OutlineMenu(0, {"Implante"});
  EXPECT_EQ(this->Implant(0).ImplantName.Str(), "Cônico");
  EXPECT_EQ(this->Implant(0).ComponentName.Str(), "Pilar");
  EXPECT_FLOAT_EQ(this->Implant(0).GetDiameter(), 4.0f);
  EXPECT_EQ(this->Status(), "Imp.: Cônico    Conect.: Pilar");

  this->Boxes.Choose(false, nullptr, IDOK);
  this->OutlineMenu(0, {"Conector"});
  EXPECT_EQ(this->Implant(0).ComponentName.Str(), "Pilar") << "no entry chosen: no choice";
  this->Boxes.Choose(true, nullptr, IDOK);
  this->OutlineMenu(0, {"Conector"});
  EXPECT_EQ(this->Implant(0).ComponentName.Str(), "Standard");
  EXPECT_FLOAT_EQ(this->Implant(0).GetConectorHeight(), 2.5f);
  EXPECT_EQ(this->Boxes.ListModes, (std::vector<int>{1, 2, 2}));
  EXPECT_EQ(this->UndoCount(), snapshots + 2);

  this->Boxes.Answer("3.0", IDOK);
  this->OutlineMenu(0, {"Altura Conect"});
  EXPECT_EQ(this->Implant(0).LibraryImplant, 1);
  EXPECT_EQ(this->Implant(0).ComponentName.Str(), "Standard");
  EXPECT_FLOAT_EQ(this->Implant(0).GetConectorHeight(), 3.0f);

  this->Core().Undo();
  this->Core().Undo();
  EXPECT_EQ(this->Implant(0).ComponentName.Str(), "Pilar");
  EXPECT_EQ(this->Implant(0).ImplantName.Str(), "Cônico");
  this->Core().Undo();
  EXPECT_EQ(this->Implant(0).ImplantName.Str(), "Reto");
  EXPECT_FLOAT_EQ(this->Implant(0).GetDiameter(), 3.75f);
}

// Rotate mode in the panoramic view: the grabbed connector of a generic implant
// turns alone and the ring stays; a library implant with a component turns
// whole. A committed turn updates the status and pushes one snapshot; a
// turn that ends where it began pushes none.
TEST_F(ImplantToolTest, TurningTheConnectorOfAGenericImplantTurnsItAlone) {
  if (!this->Opened()) return;
  this->InsertInPanoramic();
  ASSERT_EQ(this->Implants().GetCount(), 1);
  this->UseTool(CQlmCoreImplant::Rotate, QlmState::RotateInView, QlmState::RotateAboutZ);
  auto connectorActor = [this] { return this->Implants().GetListPanoramic()->GetListItemAt(0)->GetConectorActor(); };
  vtkNew<vtkTransform> turn;
  turn->RotateZ(10.0);
  bool ringTurned = false;
  auto drag = [&](vtkActor* grabbed, vtkMatrix4x4* matrix) {
    this->PanoramicEvent(QlmEvent::LeftDown, grabbed);
    this->PanoramicEvent(QlmEvent::MouseMove, grabbed, matrix);
    vtkTransform* ringPreview = this->Q->RingContainer->GetListPanoramic()->GetListItemAt(0)->GetUserTransform();
    ringTurned = !IsIdentityTopRows(ringPreview->GetMatrix());
    this->PanoramicEvent(QlmEvent::LeftUp, grabbed);
  };
  const Matrix placement = Elements(this->Implant(0).GetMatrix());
  const int snapshots = this->UndoCount();
  vtkNew<vtkMatrix4x4> identity;
  drag(connectorActor(), identity);
  EXPECT_EQ(this->UndoCount(), snapshots) << "a turn back to the start";

  drag(connectorActor(), turn->GetMatrix());
  EXPECT_EQ(Elements(this->Implant(0).GetMatrix()), placement) << "the implant stays";
  EXPECT_FALSE(ringTurned) << "the ring stays";
  EXPECT_NEAR(this->Implant(0).GetConectorAngle(), 10.0f, 0.01);
  EXPECT_NE(this->Status().find("Ângulo: 10.0"), std::string::npos) << this->Status();
  EXPECT_EQ(this->UndoCount(), snapshots + 1);
  EXPECT_EQ(this->UndoRecord(0).Action, 6);
  EXPECT_TRUE(IsIdentityTopRows(this->Q->StylePanoramic->GetRecord()->ObjectTransform->GetMatrix()));

  this->MakeLibraryImplant("Pilar");
  const Matrix connector = Elements(this->Implant(0).GetConectorMatrix());
  drag(connectorActor(), turn->GetMatrix());
  EXPECT_NE(Elements(this->Implant(0).GetMatrix()), placement) << "the implant turned whole";
  EXPECT_TRUE(ringTurned) << "the ring turned with it";
  EXPECT_EQ(Elements(this->Implant(0).GetConectorMatrix()), connector);
}

// Move mode in the panoramic view with real drags on an implant of the
// maxilla (its body above the platform): the implant slides with
// its ring and the move is one snapshot, undone and redone. After a value
// box closed by a click outside it, the next two moves are skipped. A drag begun with Shift held turns the implant
// about its platform until the release, Shift let go or not.
TEST_F(ImplantToolTest, MoveModeDragsInThePanoramicView) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  this->Frame->RunCommand(MaxillaCommand);
  this->InsertInPanoramic();
  ASSERT_EQ(this->Implants().GetCount(), 1);
  this->UseTool(CQlmCoreImplant::Move, QlmState::MoveInPlaneXY, QlmState::MoveAlongZ);
  const double* fulcrum = this->Implants().GetListPanoramic()->GetListItemAt(0)->GetPanoramicCutter()->GetFulcrum();
  const QPoint grab = QlmViewMouse::WindowPoint(*q.StylePanoramic, fulcrum[0], fulcrum[1] + 4.0);
  const QPoint target = QlmViewMouse::WindowPoint(*q.StylePanoramic, fulcrum[0] + 8.0, fulcrum[1] + 4.0);
  auto platform = [this] {
    Vector position;
    this->Implant(0).GetPosition(position.data());
    return position;
  };
  const Vector start = platform();
  const Matrix placement = Elements(this->Implant(0).GetMatrix());
  const int snapshots = this->UndoCount();
  QlmViewMouse::Drag(*q.PanoramicView, grab, target);
  const double moved = QlmViewMouse::Distance(platform(), start);
  EXPECT_NEAR(moved, 8.0, 1.0) << "the implant slid along the curve";
  EXPECT_EQ(this->UndoCount(), snapshots + 1);
  EXPECT_TRUE(IsIdentityTopRows(q.StylePanoramic->GetRecord()->ObjectTransform->GetMatrix()));
  this->Core().Undo();
  EXPECT_EQ(Elements(this->Implant(0).GetMatrix()), placement);
  this->Core().Redo();
  EXPECT_NEAR(QlmViewMouse::Distance(platform(), start), moved, 1e-6);
  this->Core().Undo();

  // A value box closed by a click outside: of the four moves the first two are skipped.
  this->Boxes.Answer("5", CDialogFloat::ClickedOutside);
  this->Menu(*q.PanoramicView, grab, {"Diâmetro Imp"});
  ASSERT_EQ(this->Boxes.Shown.size(), 1u);
  QlmViewMouse::Drag(*q.PanoramicView, grab, target);
  EXPECT_NEAR(QlmViewMouse::Distance(platform(), start), 4.0, 1.0) << "half the drag";
  this->Core().Undo();

  // Shift at the press only: the implant turns about its platform.
  const QPoint side = QlmViewMouse::WindowPoint(*q.StylePanoramic, fulcrum[0] + 6.0, fulcrum[1] + 6.0);
  CWnd& panoramic = *q.PanoramicView;
  QlmViewMouse::Send(panoramic, QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, grab, Qt::ShiftModifier);
  QlmViewMouse::Send(panoramic, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, (grab + side) / 2);
  QlmViewMouse::Send(panoramic, QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, side);
  QlmViewMouse::Send(panoramic, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, side);
  EXPECT_LT(QlmViewMouse::Distance(platform(), start), 0.01) << "turned about the platform";
  EXPECT_NE(Elements(this->Implant(0).GetMatrix()), placement) << "turned";
  EXPECT_EQ(q.StylePanoramic->GetMode(), QlmState::RotateInView);
  QlmViewMouse::Drag(*q.PanoramicView, grab, target);
  EXPECT_EQ(q.StylePanoramic->GetMode(), QlmState::MoveInPlaneXY) << "the latch ended at the release";
}

// A 3D drag: each move sets the placement; the release records the
// placement of the press, which the undo brings back.
TEST_F(ImplantToolTest, ThreeDimensionalDragIsUndoneToThePlacementAtThePress) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  this->InsertInAxial(this->AxialMiddle());
  this->UseTool(CQlmCoreImplant::Move, QlmState::MoveInPlaneXY, QlmState::MoveAlongZ);
  CQlmInteractorRecord& record = *q.Style3D->GetRecord();
  const Matrix placement = Elements(this->Implant(0).GetMatrix());
  auto event = [&](int code) {
    record.Event = code;
    record.PickedActor = this->Implant(0).GetScrewActor();
    this->Core().DispatchMainViewEvent(q.Window3D);
  };
  event(QlmEvent::LeftDown);
  EXPECT_EQ(Elements(record.ObjectTransform->GetMatrix()), placement) << "the drag starts at the placement";
  const int snapshots = this->UndoCount();
  for (double step : {2.0, 5.0}) {
    vtkNew<vtkTransform> moved;
    moved->PostMultiply();
    moved->Concatenate(this->Implant(0).GetMatrix());
    moved->Translate(0.0, 0.0, step);
    record.ObjectTransform->SetMatrix(moved->GetMatrix());
    event(QlmEvent::MouseMove);
  }
  const Matrix end = Elements(this->Implant(0).GetMatrix());
  EXPECT_NE(end, placement);
  event(QlmEvent::LeftUp);
  EXPECT_EQ(this->UndoCount(), snapshots + 1);
  EXPECT_TRUE(IsIdentityTopRows(record.ObjectTransform->GetMatrix()));
  EXPECT_TRUE(IsIdentityTopRows(record.FrameTransform->GetMatrix()));
  this->Core().Undo();
  EXPECT_EQ(Elements(this->Implant(0).GetMatrix()), placement);
  this->Core().Redo();
  EXPECT_EQ(Elements(this->Implant(0).GetMatrix()), end);

  // A press and release without a move records nothing.
  event(QlmEvent::LeftDown);
  event(QlmEvent::LeftUp);
  EXPECT_EQ(this->UndoCount(), snapshots + 1);
}

// Inserts: a press in the 3D view and the second press of a double click
// insert nothing; a press on an implant's ring selects the implant.
TEST_F(ImplantToolTest, Only2DPressesOnEmptySpaceInsert) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  const QPoint middle = this->AxialMiddle();
  this->InsertInAxial(middle);
  this->InsertInAxial(middle + QPoint(80, 0));
  ASSERT_EQ(this->Implants().GetCount(), 2);
  QlmViewMouse::Send(*q.AxialView, QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, middle + QPoint(0, 80));
  EXPECT_EQ(this->Implants().GetCount(), 2) << "double click";
  QlmViewMouse::Click(*q.View3D, QPoint(q.View3D->GetSafeHwnd()->width() / 2, 10));
  EXPECT_EQ(this->Implants().GetCount(), 2) << "3D view";

  CQlmInteractorRecord& record = *q.StyleAxial->GetRecord();
  record.Event = QlmEvent::LeftDown;
  record.PickedActor = this->Q->RingContainer->GetListAxial()->GetListItemAt(0)->GetActor();
  this->Core().DispatchMainViewEvent(q.WindowAxial);
  EXPECT_EQ(this->Implants().GetCount(), 2) << "ring";
  EXPECT_EQ(this->Implants().GetList3D()->GetSelectedIndex(), 0);
}

// As a user plans: the maxilla, a generic implant inserted in the middle
// cross-section over a maxillary crown, its connector tilted from the menu
// of the cross-section, the implant moved along the panoramic view with the
// move tool, the move undone with Ctrl+Z and redone with Ctrl+Y.
TEST_F(ImplantToolTest, AnImplantIsPlacedTiltedMovedUndoneAndRedone) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  this->Frame->RunCommand(MaxillaCommand);
  this->Frame->RunCommand(InsertImplantCommand);
  double enamel = 0.0;
  const float arch = q.PanoramicCalc->GetArchLength();
  const Vector crown = SampleCrowns::CrownPoint(q, 0.45f * arch, 0.0, HUGE_VAL, enamel);
  const Vector planning = SampleCrowns::ToPlanning(q, crown);
  const int first = q.Indicator->GetCrossIndexAtAxialPoint(planning.data());
  q.CrossView->SetSlice(first);
  double sectionMatrix[16];
  q.PanoramicCalc->GetSectionMatrix((first + MiddleCell) * q.CTFilter->GetCrossFilter()->GetSectionSpacing(),
                                    sectionMatrix);
  vtkNew<vtkMatrix4x4> toSection;
  toSection->DeepCopy(sectionMatrix);
  CQlmResliceGeometry::FlipMatrixY(toSection);
  toSection->Invert();
  const QlmPlanningFrame planningFrame(q.CTData->ImageData);
  const float* centre = planningFrame.GetCentre();
  const double fromCentre[4] = {crown[0] - centre[0], crown[1] - centre[1], crown[2] - centre[2], 1.0};
  double inCell[4];
  toSection->MultiplyPoint(fromCentre, inCell);
  q.StyleCross->GetRecord()->CurrentCell = MiddleCell;
  const QPoint onCrown = QlmViewMouse::WindowPoint(*q.StyleCross, inCell[0], inCell[1]);
  QlmViewMouse::Click(*q.CrossView, onCrown);
  ASSERT_EQ(this->Implants().GetCount(), 1);

  this->Boxes.Answer("25", IDOK);
  const QPoint onImplant = QlmViewMouse::WindowPoint(*q.StyleCross, inCell[0], inCell[1] + 4.0);
  this->Menu(*q.CrossView, onImplant, {"Ângulo Conect"});
  EXPECT_NEAR(this->Implant(0).GetConectorAngle(), 25.0f, 1e-3);
  EXPECT_NE(this->Status().find("Ângulo: 25.0"), std::string::npos) << this->Status();

  this->Frame->RunCommand(MoveImplantCommand);
  ASSERT_EQ(q.Tool, 8);
  q.PanoramicView->SetSlice(q.PanoramicCalc->GetMiddleCurve());
  const double* fulcrum = this->Implants().GetListPanoramic()->GetListItemAt(0)->GetPanoramicCutter()->GetFulcrum();
  const double grabAt[2] = {fulcrum[0], fulcrum[1] + 4.0};
  const Matrix tilted = Elements(this->Implant(0).GetMatrix());
  QlmViewMouse::Drag(*q.PanoramicView, QlmViewMouse::WindowPoint(*q.StylePanoramic, grabAt[0], grabAt[1]),
                     QlmViewMouse::WindowPoint(*q.StylePanoramic, grabAt[0] + 6.0, grabAt[1]));
  const Matrix moved = Elements(this->Implant(0).GetMatrix());
  EXPECT_NE(moved, tilted);
  this->TypeControlKey(Qt::Key_Z);
  EXPECT_EQ(Elements(this->Implant(0).GetMatrix()), tilted);
  this->TypeControlKey(Qt::Key_Y);
  EXPECT_EQ(Elements(this->Implant(0).GetMatrix()), moved);
  EXPECT_NEAR(this->Implant(0).GetConectorAngle(), 25.0f, 1e-3) << "the tilt stays";

  if (const char* picture = std::getenv("QLM_IMPLANT_TOOL_SCREENSHOT")) {
    Vector platform;
    this->Implant(0).GetPosition(platform.data());
    q.AxialView->SetSlice(SampleCrowns::SliceAt(q, platform[2]) + 3);
    const Vector onPlanning = SampleCrowns::ToPlanning(q, platform);
    q.CrossView->SetSlice(q.Indicator->GetCrossIndexAtAxialPoint(onPlanning.data()));
    EXPECT_TRUE(this->SaveWindow(picture)) << picture;
  }
}

// A right click beside the selected implant opens no menu.
TEST_F(ImplantToolTest, ARightClickOnEmptySpaceOpensNoMenuAndKeepsTheSelection) {
  if (!this->Opened()) return;
  this->InsertInAxial(this->AxialMiddle());
  const QlmPopupMenuPicker menu = this->Menu(*this->Q->AxialView, this->AxialMiddle() + QPoint(80, 0), {});
  EXPECT_TRUE(menu.Entries.empty());
  EXPECT_EQ(this->Implants().GetList3D()->GetSelectedIndex(), 0);
}

// The four value boxes: a value is taken only after OK, inside the range
// (compared as a float) and other than the current one; each change pushes
// one snapshot of action 2 (size) or 6 (connector angle).
TEST_F(ImplantToolTest, TheValueBoxesTakeOnlyNewValuesInsideTheirRanges) {
  if (!this->Opened()) return;
  this->InsertInAxial(this->AxialMiddle());
  ASSERT_EQ(this->Implants().GetCount(), 1);
  struct Case {
    const char* Entry;
    const char* Typed;
    INT_PTR Result;
    std::optional<float> Taken;  // the new value, none when nothing changes
  };
  const Case cases[] = {
      {"Diâmetro Imp", "0.1", IDOK, {}},         {"Diâmetro Imp", "10", IDOK, {}},
      {"Diâmetro Imp", "0.11", IDOK, 0.11f},     {"Diâmetro Imp", "9,99", IDOK, 9.99f},
      {"Diâmetro Imp", "9.99", IDOK, {}},        {"Diâmetro Imp", "5", IDCANCEL, {}},
      {"Diâmetro Imp", "5", 200, {}},            {"Diâmetro Imp", "abc", IDOK, {}},
      {"Diâmetro Imp", "nan", IDOK, {}},         {"Comprim Imp", "1", IDOK, {}},
      {"Comprim Imp", "100", IDOK, {}},          {"Comprim Imp", "1.01", IDOK, 1.01f},
      {"Comprim Imp", "99.99", IDOK, 99.99f},    {"Altura Conect", "0.1", IDOK, 0.1f},
      {"Altura Conect", "100", IDOK, {}},        {"Altura Conect", "0.09", IDOK, {}},
      {"Altura Conect", "99,9", IDOK, 99.9f},    {"Ângulo Conect", "15", IDOK, 15.0f},
      {"Ângulo Conect", "15", IDOK, {}},         {"Ângulo Conect", "inf", IDOK, {}},
      {"Ângulo Conect", "-20", 200, {}},         {"Ângulo Conect", "30", IDOK, 30.0f},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(std::string(test.Entry) + " " + test.Typed);
    const std::string entry = test.Entry;
    const int which = entry == "Diâmetro Imp" ? 0 : entry == "Comprim Imp" ? 1 : entry == "Altura Conect" ? 2 : 3;
    auto values = [this] {
      const CQlmImplant3D& implant = this->Implant(0);
      return std::array<float, 4>{implant.GetDiameter(), implant.GetLength(), implant.GetConectorHeight(),
                                  implant.GetConectorAngle()};
    };
    const std::array<float, 4> before = values();
    const int snapshots = this->UndoCount();
    this->Boxes.Answer(test.Typed, test.Result);
    this->AxialMenu({test.Entry});
    ASSERT_FALSE(this->Boxes.Shown.empty());
    EXPECT_EQ(this->Boxes.Shown.back(), CString::Formatted("%.2f", before[which]).Str()) << "the box shows the value";
    std::array<float, 4> expected = before;
    if (test.Taken) expected[which] = *test.Taken;
    const std::array<float, 4> after = values();
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(after[k], expected[k], 1e-4) << k;
    EXPECT_EQ(this->UndoCount(), snapshots + (test.Taken ? 1 : 0));
    if (test.Taken) {
      EXPECT_EQ(this->UndoRecord(0).Action, which == 3 ? 6 : 2);
    }
  }
}

}  // namespace
