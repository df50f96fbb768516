// The teeth, mesh and composite tools on the sample project of the real head
// CT, with teeth and mesh libraries of real STL models: the tools are driven
// through the views' state records as the mouse styles fill them (tables of
// modes, undo actions and double clicks) and, end to end, with real mouse
// events. With QLM_TOOTH_SCREENSHOT set, the main window is saved there after
// the end-to-end test's drags.
#include <vtkActor.h>
#include <vtkCallbackCommand.h>
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>
#include <vtkRenderer.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "QlmPopupMenuScript.h"
#include "QlmStlLibraries.h"
#include "QlmViewMouse.h"
#include "SampleCrowns.h"
#include "SampleProjectFixture.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "libraries/CQlmPickList.h"
#include "libraries/vtkGeomsLib.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmGeoms.h"
#include "platform/gui/CDialog.h"
#include "toolkit/vtkGeomAxial.h"
#include "tools/CQlmCoreCores.h"
#include "tools/CQlmCoreDentes.h"
#include "tools/CQlmCoreGeoms.h"
#include "tools/CQlmCoreImplant.h"
#include "views/C3DWnd.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlmIndicator.h"
#include "views/CQlmInteractorStyle2.h"
#include "views/CQlmInteractorStyle29.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"
#include "views/QlmView.h"

namespace {

using Vector = SampleCrowns::Vector;

constexpr UINT InsertTeethCommand = 33262;
constexpr UINT MoveTeethCommand = 33273;
constexpr UINT ScaleTeethCommand = 33282;

// What undo and redo must give back: per object its item, colour, visibility and placement.
struct ObjectState {
  std::string Name;
  std::array<float, 3> Color;
  int Visible;
  std::array<double, 16> Placement;
  bool operator==(const ObjectState&) const = default;
};

void PrintTo(const ObjectState& s, std::ostream* out) {
  *out << s.Name << " rgb(" << s.Color[0] << "," << s.Color[1] << "," << s.Color[2] << ") visible " << s.Visible
       << " at (" << s.Placement[3] << "," << s.Placement[7] << "," << s.Placement[11] << ") x-axis (" << s.Placement[0]
       << "," << s.Placement[4] << "," << s.Placement[8] << ")";
}

class ObjectToolsTest : public SampleProjectFixture {
protected:
  void SetUp() override {
    SampleProjectFixture::SetUp();
    if (!this->Opened()) return;
    std::string why;
    if (!QlmStlLibraries::WriteAndLoad(this->Stl, why)) GTEST_SKIP() << why;
    this->UseLibrary(CQlmQuorvantile::Teeth, this->Stl.Teeth, this->Q->MainFrame->DentesToolBar);
    this->UseLibrary(CQlmQuorvantile::Meshes, this->Stl.Meshes, this->Q->MainFrame->GeomsToolBar);
    const float arch = this->Q->PanoramicCalc->GetArchLength();
    double enamel = 0.0;
    this->Crown = SampleCrowns::CrownPoint(*this->Q, 0.4f * arch, 0.0, HUGE_VAL, enamel);
    this->Q->AxialView->SetSlice(SampleCrowns::SliceAt(*this->Q, this->Crown[2]));
  }

  // The items of `source` in the controller's library of `kind`, offered by `bar`.
  void UseLibrary(CQlmQuorvantile::LibraryKind kind, vtkGeomsLib* source, CLibraryToolBar& bar) {
    auto* library = vtkGeomsLib::SafeDownCast(this->Q->Libraries[kind]);
    ASSERT_NE(library, nullptr);
    library->Clear();
    library->Name = source->Name;
    library->Identifier = source->Identifier;
    for (int i = 0; i < source->Items->GetNumberOfItems(); ++i)
      library->Items->AddItem(source->Items->GetItemAsObject(i));
    bar.RefillItemList(library);
    this->Q->LibraryAvailable[kind] = 1;
  }

  CQlmInteractorRecord& Record(int view) {
    CQlmQuorvantile& q = *this->Q;
    if (view == QlmView::Axial) return *q.StyleAxial->GetRecord();
    if (view == QlmView::Panoramic) return *q.StylePanoramic->GetRecord();
    if (view == QlmView::Cross) return *q.StyleCross->GetRecord();
    return *q.Style3D->GetRecord();
  }

  // An event of `view` as its style hands it to `core`: the event word and the picked actor, no modifier held.
  void Send(CQlmCore& core, int view, int event, vtkActor* picked = nullptr) {
    CQlmInteractorRecord& record = this->Record(view);
    record.Event = event;
    record.PickedActor = picked;
    record.Shift = false;
    record.Control = false;
    CQlmQuorvantile& q = *this->Q;
    if (view == QlmView::Cross) {
      core.DispatchCrossViewEvent(q.WindowCross);
    } else {
      core.DispatchMainViewEvent(view == QlmView::Axial       ? q.WindowAxial
                                 : view == QlmView::Panoramic ? q.WindowPanoramic
                                                              : q.Window3D);
    }
  }

  // The teeth tool's insert: a left click on empty space of the axial view at `offset` mm from the crown.
  void InsertTooth(double offset = 0.0) {
    CQlmQuorvantile& q = *this->Q;
    q.SetInsertDentesMode();
    const Vector planning = SampleCrowns::ToPlanning(q, this->Crown);
    float* cursor = this->Record(QlmView::Axial).CursorPoint;
    cursor[0] = float(planning[0] + offset);
    cursor[1] = float(planning[1]);
    cursor[2] = 0.0f;
    this->Send(*q.CoreDentes, QlmView::Axial, QlmEvent::LeftDown);
    this->Send(*q.CoreDentes, QlmView::Axial, QlmEvent::LeftUp);
  }

  CQlmDentes& Teeth() const { return *this->Q->DentesContainer; }
  vtkActor* Actor3D(int i) const { return this->Teeth().GetList3D()->GetListItemAt(i)->GetActor(); }
  vtkActor* AxialActor(int i) const { return this->Teeth().GetListAxial()->GetListItemAt(i)->GetActor(); }

  std::vector<ObjectState> State() const {
    std::vector<ObjectState> state;
    for (int i = 0; i < this->Teeth().GetCount(); ++i) {
      const CQlmGeom3D& tooth = *this->Teeth().GetList3D()->GetListItemAt(i);
      ObjectState s{tooth.GetName().Str(), {}, tooth.GetVisible(), {}};
      std::copy_n(tooth.GetColor(), 3, s.Color.begin());
      vtkMatrix4x4::DeepCopy(s.Placement.data(), tooth.GetMatrix());
      state.push_back(s);
    }
    return state;
  }

  // A right press on the selected tooth in the 3D view, answered with the menu entry `entry`.
  std::vector<std::string> ContextMenu(const std::string& entry) {
    QlmPopupMenuScript script(entry);
    CQlmQuorvantile& q = *this->Q;
    q.SetMoveDentesMode();
    this->Send(*q.CoreCores, QlmView::View3D, QlmEvent::RightDown,
               this->Actor3D(this->Teeth().GetList3D()->GetSelectedIndex()));
    return script.Menus.empty() ? std::vector<std::string>() : script.Menus[0];
  }

  // A drag of the selected tooth in the axial view by (dx, dy) mm with the move tool.
  void DragInAxialView(double dx, double dy) {
    CQlmQuorvantile& q = *this->Q;
    q.SetMoveDentesMode();
    const int selected = this->Teeth().GetList3D()->GetSelectedIndex();
    this->Send(*q.CoreCores, QlmView::Axial, QlmEvent::LeftDown, this->AxialActor(selected));
    this->Record(QlmView::Axial).ObjectTransform->Translate(dx, dy, 0.0);
    this->Send(*q.CoreCores, QlmView::Axial, QlmEvent::MouseMove);
    this->Send(*q.CoreCores, QlmView::Axial, QlmEvent::LeftUp);
  }

  CString Status() const { return this->Q->MainFrame->StatusBar.GetPaneText(1); }

  QlmStlLibraries::Loaded Stl;
  Vector Crown{};
};

// Counts the renders of each view window.
class RenderLog {
public:
  explicit RenderLog(CQlmQuorvantile& q) {
    this->Watch(q.WindowAxial->RenderWindow, "axial");
    this->Watch(q.WindowPanoramic->RenderWindow, "panoramic");
    this->Watch(q.WindowCross->RenderWindow, "cross");
    this->Watch(q.Window3D->RenderWindow, "3D");
  }
  ~RenderLog() {
    for (auto& [window, tag] : this->Observers) window->RemoveObserver(tag);
  }
  std::vector<std::string> Take() { return std::exchange(this->Renders, {}); }

private:
  void Watch(vtkRenderWindow* window, const char* name) {
    vtkNew<vtkCallbackCommand> callback;
    callback->SetClientData(this);
    this->Names[window] = name;
    callback->SetCallback([](vtkObject* caller, unsigned long, void* self, void*) {
      auto& log = *static_cast<RenderLog*>(self);
      log.Renders.push_back(log.Names[caller]);
    });
    this->Observers.emplace_back(window, window->AddObserver(vtkCommand::EndEvent, callback));
  }
  std::map<vtkObject*, std::string> Names;
  std::vector<std::pair<vtkRenderWindow*, unsigned long>> Observers;
  std::vector<std::string> Renders;
};

TEST_F(ObjectToolsTest, TheCompositeSetsItsChildrensModesByItsOwn) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  const struct {
    int composite, implant, mesh, tooth;
  } cases[] = {{0, 0, 0, 0}, {1, 9, 9, 9}, {2, 2, 2, 2}, {3, 3, 3, 3}, {4, 4, 4, 4}, {5, 4, 5, 5}, {7, 9, 9, 9}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.composite);
    for (CQlmCore* child : {static_cast<CQlmCore*>(q.CoreImplant), static_cast<CQlmCore*>(q.CoreGeoms),
                            static_cast<CQlmCore*>(q.CoreDentes)})
      child->Mode = 9;
    q.CoreCores->Mode = c.composite;
    this->Send(*q.CoreCores, QlmView::Axial, QlmEvent::MouseMove);
    EXPECT_EQ(q.CoreImplant->Mode, c.implant);
    EXPECT_EQ(q.CoreGeoms->Mode, c.mesh);
    EXPECT_EQ(q.CoreDentes->Mode, c.tooth);
  }
  // A child that is not set is skipped.
  q.CoreCores->Implant = nullptr;
  q.CoreCores->Mode = 2;
  this->Send(*q.CoreCores, QlmView::Cross, QlmEvent::LeftDown);
  EXPECT_EQ(q.CoreDentes->Mode, 2);
}

TEST_F(ObjectToolsTest, AttachingTheCompositeAgainDoesNotActivateItAgain) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  q.SetMoveDentesMode();
  CQlmInteractorStruct& axial = *q.StyleAxial->GetRecord();
  EXPECT_EQ(axial.PickRenderer, axial.Renderer2) << "the objects' layer";
  axial.PickRenderer = axial.Renderer;
  q.SetRotateDentesMode();
  EXPECT_EQ(axial.PickRenderer, axial.Renderer) << "no second activation";
  EXPECT_EQ(q.CoreCores->Mode, CQlmCoreCores::Rotate);
}

TEST_F(ObjectToolsTest, ADoubleClickMovesTheOtherViewsToThePointInModes2To5) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  const Vector planning = SampleCrowns::ToPlanning(q, this->Crown);
  double world[4];
  const auto positions = [&q] {
    return std::array<int, 3>{q.CTFilter->GetAxialFilter()->GetCurrentSlice(), q.PanoramicCalc->GetCurrentCurve(),
                              q.CTFilter->GetCrossFilter()->GetFirstIndex()};
  };
  // A double click on the crown in the axial view: the curve and the sections move there, the slice stays.
  const auto doubleClickOnCrown = [&](int mode) {
    double display[3];
    q.StyleAxial->WorldToDisplay(planning[0], planning[1], 0.0, display);
    int* at = this->Record(QlmView::Axial).DoubleClickDisplay;
    at[0] = int(std::lround(display[0]));
    at[1] = int(std::lround(display[1]));
    q.StyleAxial->DisplayToWorld(at[0], at[1], 0.0, world);
    q.CoreCores->Mode = mode;
    this->Send(*q.CoreCores, QlmView::Axial, QlmEvent::LeftDoubleClick);
  };
  q.PanoramicView->SetSlice(0);
  q.CrossView->SetSlice(0);
  const std::array<int, 3> before = positions();
  for (int mode : {0, 1}) {
    doubleClickOnCrown(mode);
    EXPECT_EQ(positions(), before) << "mode " << mode << " moves nothing";
  }
  RenderLog log(q);
  q.SetMoveDentesMode();
  doubleClickOnCrown(2);
  const std::array<int, 3> expected = {before[0], q.Indicator->GetCurveIndexAtAxialPoint(world),
                                       q.Indicator->GetCrossIndexAtAxialPoint(world)};
  EXPECT_EQ(positions(), expected);
  EXPECT_NE(positions(), before);
  const std::vector<std::string> renders = log.Take();
  ASSERT_GE(renders.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(renders.begin(), renders.begin() + 3),
            (std::vector<std::string>{"axial", "panoramic", "cross"}));

  // The panoramic view: the slice and the sections move, the curve stays.
  int* at = this->Record(QlmView::Panoramic).DoubleClickDisplay;
  int width = 0, height = 0;
  q.StylePanoramic->GetWindowSize(width, height);
  at[0] = width / 3;
  at[1] = height / 3;
  q.StylePanoramic->DisplayToWorld(at[0], at[1], 0.0, world);
  const std::array<int, 3> fromPanoramic = {q.Indicator->GetAxialIndexAtPanoramicPoint(world), positions()[1],
                                            q.Indicator->GetCrossIndexAtPanoramicPoint(world)};
  this->Send(*q.CoreCores, QlmView::Panoramic, QlmEvent::LeftDoubleClick);
  EXPECT_EQ(positions(), fromPanoramic);

  // The 3D view moves the views only when the press picked something.
  const std::array<int, 3> now = positions();
  this->Send(*q.CoreCores, QlmView::View3D, QlmEvent::LeftDoubleClick);
  EXPECT_EQ(positions(), now);
}

TEST_F(ObjectToolsTest, APressOnAToothWhileAMeshIsSelectedSelectsTheToothAlone) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  this->InsertTooth();
  q.SetInsertGeomsMode();
  this->Send(*q.CoreGeoms, QlmView::Axial, QlmEvent::LeftDown);
  ASSERT_EQ(q.GeomsContainer->GetCount(), 1);
  ASSERT_EQ(q.GeomsContainer->GetList3D()->GetSelectedIndex(), 0);
  EXPECT_EQ(this->Teeth().GetList3D()->GetSelectedIndex(), -1) << "an insert deselects every kind";
  EXPECT_EQ(this->Status(), CString("Geom: ") + q.GeomsContainer->GetList3D()->GetListItemAt(0)->GetName());

  q.SetMoveDentesMode();
  this->Send(*q.CoreCores, QlmView::Axial, QlmEvent::LeftDown, this->AxialActor(0));
  EXPECT_EQ(this->Teeth().GetList3D()->GetSelectedIndex(), 0);
  EXPECT_EQ(q.GeomsContainer->GetList3D()->GetSelectedIndex(), -1);
  this->Send(*q.CoreCores, QlmView::Axial, QlmEvent::LeftUp);

  // A right press on empty space keeps both selections; a left press there clears them.
  q.GeomsContainer->SetSelected(0, 1);
  this->Send(*q.CoreCores, QlmView::Axial, QlmEvent::RightDown);
  EXPECT_EQ(this->Teeth().GetList3D()->GetSelectedIndex(), 0);
  EXPECT_EQ(q.GeomsContainer->GetList3D()->GetSelectedIndex(), 0);
  this->Send(*q.CoreCores, QlmView::Axial, QlmEvent::LeftDown);
  EXPECT_EQ(this->Teeth().GetList3D()->GetSelectedIndex(), -1);
  EXPECT_EQ(q.GeomsContainer->GetList3D()->GetSelectedIndex(), -1);
  EXPECT_EQ(this->Status(), CString("Dente: "));
}

// Each change of the tools' own paths, undone and redone.
TEST_F(ObjectToolsTest, EveryChangeIsUndoneAndRedone) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  vtkGeomsLib* library = vtkGeomsLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Teeth]);
  vtkLibraryItem* other = vtkLibraryItem::SafeDownCast(library->Items->GetItemAsObject(2));
  const auto selectSecond = [&] {
    this->Teeth().SetSelected(this->Teeth().GetList3D()->GetSelectedIndex(), 0);
    this->Teeth().SetSelected(1, 1);
  };
  const struct {
    const char* name;
    std::function<void()> change;
  } cases[] = {
      {"create", [&] { this->InsertTooth(12.0); }},
      {"delete the middle one",
       [&] {
         selectSecond();
         this->ContextMenu("Delete");
       }},
      {"item",
       [&] {
         selectSecond();
         const CDialog::ModalHook previous = CDialog::SetModalHook([other](CDialog& dialog) -> INT_PTR {
           auto& list = static_cast<CQlmPickList&>(dialog);
           list.EntryChosen = true;
           list.ChosenItem = other;
           return CQlmPickList::DoubleClickResult;
         });
         this->ContextMenu(this->Teeth().GetList3D()->GetListItemAt(1)->GetName().Str());
         CDialog::SetModalHook(previous);
         // The two moves after the double click that closed the list move nothing, the third does.
         for (int move = 1; move <= 3; ++move) {
           this->Record(QlmView::Axial).ObjectTransform->Translate(1.0, 0.0, 0.0);
           this->Send(*q.CoreCores, QlmView::Axial, QlmEvent::MouseMove);
           const bool identity =
               CQlmCoreObject::IsIdentity(this->Teeth().GetListAxial()->GetListItemAt(1)->GetInteractionMatrix());
           EXPECT_EQ(identity, move <= 2) << move;
         }
         this->Record(QlmView::Axial).ObjectTransform->Identity();
         this->Teeth().GetListAxial()->GetListItemAt(1)->SetInteractionMatrix(
             this->Record(QlmView::Axial).ObjectTransform->GetMatrix()->GetData());
       }},
      {"colour",
       [&] {
         selectSecond();
         this->Prompter.QueueColor(QlmRgb{255, 0, 51});
         this->ContextMenu("Cor");
       }},
      {"visibility",
       [&] {
         selectSecond();
         this->ContextMenu("Visibilidade");
       }},
      {"placement",
       [&] {
         selectSecond();
         this->DragInAxialView(3.0, -2.0);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    while (this->Teeth().GetCount() > 0) {
      this->Teeth().SetSelected(0, 1);
      this->Teeth().RemoveSelected();
    }
    for (double offset : {-6.0, 0.0, 6.0}) this->InsertTooth(offset);
    const std::vector<ObjectState> before = this->State();
    c.change();
    const std::vector<ObjectState> after = this->State();
    ASSERT_NE(after, before);
    EXPECT_TRUE(q.CoreDentes->Undo());
    EXPECT_EQ(this->State(), before);
    EXPECT_TRUE(q.CoreDentes->Redo());
    EXPECT_EQ(this->State(), after);
    EXPECT_FALSE(q.CoreDentes->Redo());
  }
}

TEST_F(ObjectToolsTest, TheContextMenuOffersTheItemColourVisibilityAndDelete) {
  if (!this->Opened()) return;
  this->InsertTooth();
  const std::string name = this->Teeth().GetList3D()->GetListItemAt(0)->GetName().Str();
  EXPECT_EQ(this->ContextMenu(""),
            (std::vector<std::string>{name + " = 1", "---", "Cor = 2", "Visibilidade = 3", "Delete = 4"}));
  EXPECT_EQ(this->State().size(), 1u) << "dismissed: nothing changes";
  EXPECT_EQ(this->Q->CoreDentes->GetRecords().GetUndoList()[0].Action, QlmUndoAction::Created);
  // A colour dialog closed with Cancel records nothing.
  this->Prompter.QueueColor(std::nullopt);
  this->ContextMenu("Cor");
  EXPECT_EQ(this->Q->CoreDentes->GetRecords().GetUndoList()[0].Action, QlmUndoAction::Created);
}

TEST_F(ObjectToolsTest, OnlyTheNewest25ChangesAreKeptAndANewChangeEmptiesTheRedoRecords) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  this->InsertTooth();
  for (int i = 1; i <= 26; ++i) this->DragInAxialView(0.5, 0.0);
  const std::vector<ObjectState> afterAll = this->State();
  for (int i = 0; i < 25; ++i) EXPECT_TRUE(q.CoreDentes->Undo()) << i;
  EXPECT_FALSE(q.CoreDentes->Undo()) << "the creation and the first move are gone";
  EXPECT_EQ(this->Teeth().GetCount(), 1);
  EXPECT_TRUE(q.CoreDentes->Redo());
  this->DragInAxialView(0.0, 1.0);
  EXPECT_FALSE(q.CoreDentes->Redo());
  EXPECT_NE(this->State(), afterAll);
}

TEST_F(ObjectToolsTest, UndoOfACreationDeletesItEvenWhenAnotherToothIsSelected) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  this->InsertTooth(-6.0);
  this->InsertTooth(6.0);
  this->Teeth().SetSelected(1, 0);
  this->Teeth().SetSelected(0, 1);
  EXPECT_TRUE(q.CoreDentes->Undo());
  ASSERT_EQ(this->Teeth().GetCount(), 1);
  EXPECT_EQ(this->Teeth().GetList3D()->GetSelectedIndex(), -1) << "the other tooth ends deselected";
}

TEST_F(ObjectToolsTest, InsertsAndRecordsThatCannotApplyChangeNothing) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  // No current item: nothing inserted, nothing recorded.
  q.MainFrame->DentesToolBar.ItemList.SetCurSel(-1);
  this->InsertTooth();
  EXPECT_EQ(this->Teeth().GetCount(), 0);
  EXPECT_FALSE(q.CoreDentes->GetRecords().GetUndoList()[0].Valid);
  // Nothing selected: a push of "the selected object" records nothing.
  q.CoreDentes->PushUndo(QlmUndoAction::Colour, -1, 0);
  EXPECT_FALSE(q.CoreDentes->GetRecords().GetUndoList()[0].Valid);

  // Undo of a deletion whose item is in no library any more: no tooth, the record dropped, the reason shown.
  q.MainFrame->DentesToolBar.ItemList.SetCurSel(0);
  this->InsertTooth();
  const CString name = this->Teeth().GetList3D()->GetListItemAt(0)->GetName();
  this->ContextMenu("Delete");
  ASSERT_EQ(this->Teeth().GetCount(), 0);
  auto* library = vtkGeomsLib::SafeDownCast(q.Libraries[CQlmQuorvantile::Teeth]);
  library->Identifier = "outra";
  EXPECT_FALSE(q.CoreDentes->Undo());
  EXPECT_EQ(this->Teeth().GetCount(), 0);
  EXPECT_EQ(this->Status(), CString("Item de biblioteca não encontrado: ") + name);
  EXPECT_FALSE(q.CoreDentes->Redo()) << "the dropped record left nothing to redo";
}

// The user's way: the insert tool and a click on the crown, a drag, a Shift-drag and a 3D scale.
TEST_F(ObjectToolsTest, AToothIsInsertedMovedTurnedAndScaledWithTheMouse) {
  if (!this->Opened()) return;
  CQlmQuorvantile& q = *this->Q;
  this->Frame->RunCommand(InsertTeethCommand);
  ASSERT_EQ(q.Tool, 60);
  const Vector planning = SampleCrowns::ToPlanning(q, this->Crown);
  const QPoint onCrown = QlmViewMouse::WindowPoint(*q.StyleAxial, planning[0], planning[1]);
  QlmViewMouse::Click(*q.AxialView, onCrown);
  ASSERT_EQ(this->Teeth().GetCount(), 1);
  const CQlmGeom3D& tooth = *this->Teeth().GetList3D()->GetListItemAt(0);
  EXPECT_EQ(tooth.GetSelected(), 1);
  EXPECT_EQ(this->Status(), CString("Dente: ") + tooth.GetName());
  EXPECT_TRUE(q.Window3D->Renderer3->HasViewProp(tooth.GetActor()));
  EXPECT_TRUE(q.WindowAxial->Renderer2->HasViewProp(this->AxialActor(0)));
  const std::vector<ObjectState> inserted = this->State();

  // A drag from a point of the tooth's outline: only the axial view renders while it lasts.
  this->Frame->RunCommand(MoveTeethCommand);
  vtkGeomAxial& cut = *this->Teeth().GetListAxial()->GetListItemAt(0)->GetAxialCutter();
  cut.Update();
  ASSERT_GT(cut.GetOutput()->GetNumberOfPoints(), 0);
  const double* outline = cut.GetOutput()->GetPoint(0);
  const QPoint from = QlmViewMouse::WindowPoint(*q.StyleAxial, outline[0], outline[1]);
  RenderLog log(q);
  QlmViewMouse::Drag(*q.AxialView, from, from + QPoint(20, 10), false);
  for (const std::string& view : log.Take()) EXPECT_EQ(view, "axial");
  QlmViewMouse::Send(*q.AxialView, QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, from + QPoint(20, 10));
  const std::vector<std::string> atRelease = log.Take();
  for (const char* view : {"panoramic", "cross", "3D"})
    EXPECT_EQ(std::count(atRelease.begin(), atRelease.end(), view), 1) << view;
  const std::vector<ObjectState> moved = this->State();
  EXPECT_NE(moved, inserted);

  // A drag that ends where it began records nothing.
  const int records = q.CoreDentes->GetRecords().GetUndoList()[1].Valid;
  QlmViewMouse::Drag(*q.AxialView, from + QPoint(20, 10), from + QPoint(20, 10));
  EXPECT_EQ(this->State(), moved);
  EXPECT_EQ(q.CoreDentes->GetRecords().GetUndoList()[1].Valid, records);

  // Shift turns the drag into a rotation.
  cut.Update();
  const double* turned = cut.GetOutput()->GetPoint(0);
  const QPoint start = QlmViewMouse::WindowPoint(*q.StyleAxial, turned[0], turned[1]);
  QlmViewMouse::Drag(*q.AxialView, start, start + QPoint(0, 32), true, Qt::ShiftModifier);
  const std::vector<ObjectState> rotated = this->State();
  ASSERT_EQ(rotated.size(), 1u);
  EXPECT_NE(rotated, moved);
  const auto& m = rotated[0].Placement;
  const auto& n = moved[0].Placement;
  const std::array<double, 3> axesAfter = {m[0], m[1], m[4]}, axesBefore = {n[0], n[1], n[4]};
  EXPECT_NE(axesAfter, axesBefore) << "turned";

  // The scale tool in the 3D view: a drag on the tooth scales it.
  this->Frame->RunCommand(ScaleTeethCommand);
  q.Window3D->Render();
  double bounds[6];
  tooth.GetActor()->GetBounds(bounds);
  const QPoint centre = QlmViewMouse::WindowPoint(*q.Style3D, (bounds[0] + bounds[1]) / 2, (bounds[2] + bounds[3]) / 2,
                                                  (bounds[4] + bounds[5]) / 2);
  QlmViewMouse::Drag(*q.View3D, centre, centre + QPoint(0, -30));
  const std::vector<ObjectState> scaled = this->State();
  EXPECT_NE(scaled, rotated);

  if (const char* picture = std::getenv("QLM_TOOTH_SCREENSHOT")) {
    EXPECT_TRUE(this->SaveWindow(picture)) << picture;
  }

  // Ctrl+Z undoes each step, newest first; Ctrl+Y redoes them.
  const std::vector<std::vector<ObjectState>> steps = {{}, inserted, moved, rotated, scaled};
  for (int i = 3; i >= 0; --i) {
    this->TypeControlKey(Qt::Key_Z);
    EXPECT_EQ(this->State(), steps[i]) << "undo to step " << i;
  }
  for (int i = 1; i <= 4; ++i) {
    this->TypeControlKey(Qt::Key_Y);
    EXPECT_EQ(this->State(), steps[i]) << "redo to step " << i;
  }
}

}  // namespace
