// The library tool bars' drop-down list: the frame follows hover, focus and
// the button; Alt+letter is inert; a refill sorts the items and selects the
// first; a library cleared while listed leaves an empty list.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTest>
#include <vtkWeakPointer.h>

#include "QlmComboEntries.h"
#include "QlmGuiTestApp.h"
#include "libraries/CQlmFlatComboBox.h"
#include "libraries/vtkGeomsLib.h"
#include "libraries/vtkImplantLib.h"
#include "platform/gui/QlmControlStyles.h"

namespace {

class FlatComboFixture : public ::testing::Test {
protected:
  void SetUp() override {
    QlmGuiTestApp::Instance();
    ASSERT_TRUE(this->Host.Create(0, CRect(0, 0, 400, 300), nullptr, 0));
    ASSERT_TRUE(this->Combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS |
                                       CBS_SORT,
                                   CRect(10, 2, 220, 252), &this->Host, 302));
    this->Host.ShowWindow(SW_SHOW);
  }

  QComboBox* Widget() { return static_cast<QComboBox*>(this->Combo.GetSafeHwnd()); }

  void Send(QEvent::Type type) {
    if (type == QEvent::Enter) {
      QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
      QApplication::sendEvent(this->Widget(), &enter);
    } else {
      QMouseEvent mouse(type, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                        type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
      QEvent leave(QEvent::Leave);
      QApplication::sendEvent(this->Widget(), type == QEvent::Leave ? &leave : static_cast<QEvent*>(&mouse));
    }
  }

  std::vector<std::string> Entries() { return QlmComboEntries(this->Combo); }

  CWnd Host;
  CQlmFlatComboBox Combo;
};

vtkSmartPointer<vtkGeomsLib> Teeth(const std::vector<std::string>& names) {
  auto library = vtkSmartPointer<vtkGeomsLib>::New();
  library->Name = "Dentes Padrão";
  library->Identifier = "  12";
  for (const std::string& name : names) {
    vtkNew<vtkGeom> item;
    item->Name = name;
    library->Items->AddItem(item);
  }
  return library;
}

TEST_F(FlatComboFixture, TheFrameFollowsHoverFocusAndTheButton) {
  using State = CQlmFlatComboBox::FrameState;
  EXPECT_EQ(this->Combo.GetFrameState(), State::Flat);

  Send(QEvent::Enter);
  EXPECT_EQ(this->Combo.GetFrameState(), State::Raised);
  Send(QEvent::Leave);
  EXPECT_EQ(this->Combo.GetFrameState(), State::Flat);

  // With the focus the frame stays raised after the pointer leaves.
  this->Host.GetSafeHwnd()->activateWindow();
  QApplication::setActiveWindow(this->Host.GetSafeHwnd());
  this->Widget()->setFocus();
  QApplication::processEvents();
  ASSERT_TRUE(this->Widget()->hasFocus());
  EXPECT_EQ(this->Combo.GetFrameState(), State::Raised);
  Send(QEvent::Enter);
  Send(QEvent::Leave);
  EXPECT_EQ(this->Combo.GetFrameState(), State::Raised);

  Send(QEvent::Enter);
  Send(QEvent::MouseButtonPress);
  EXPECT_TRUE(this->Combo.IsButtonDown());
  EXPECT_EQ(this->Combo.GetFrameState(), State::Pressed);
  // The press dropped the list; closing it ends the press as a release would.
  this->Widget()->hidePopup();
  EXPECT_FALSE(this->Combo.IsButtonDown());
  EXPECT_EQ(this->Combo.GetFrameState(), State::Raised);
  Send(QEvent::MouseButtonPress);
  Send(QEvent::MouseButtonRelease);
  this->Widget()->hidePopup();
  EXPECT_EQ(this->Combo.GetFrameState(), State::Raised);

  this->Widget()->clearFocus();
  Send(QEvent::Leave);
  EXPECT_EQ(this->Combo.GetFrameState(), State::Flat);
}

TEST_F(FlatComboFixture, AltLetterNeitherSearchesTheListNorReachesAShortcut) {
  auto library = Teeth({"Molar", "Canino", "Incisivo"});
  this->Combo.FillFromLibrary(library);
  int triggered = 0;
  QAction shortcut(this->Host.GetSafeHwnd());
  shortcut.setShortcut(QKeySequence(Qt::ALT | Qt::Key_M));
  this->Host.GetSafeHwnd()->addAction(&shortcut);
  QObject::connect(&shortcut, &QAction::triggered, [&triggered] { ++triggered; });
  QApplication::setActiveWindow(this->Host.GetSafeHwnd());
  this->Widget()->setFocus();
  ASSERT_EQ(this->Combo.GetCurSel(), 0);  // "Canino"

  QTest::keyClick(this->Widget(), Qt::Key_M, Qt::AltModifier);
  EXPECT_EQ(this->Combo.GetCurSel(), 0);
  EXPECT_EQ(triggered, 0);
  // The same letter without Alt searches the list.
  QTest::keyClick(this->Widget(), Qt::Key_M);
  EXPECT_EQ(this->Combo.GetWindowText(), CString("Molar"));
}

TEST_F(FlatComboFixture, ARefillListsTheItemsSortedWithTheFirstSelected) {
  auto library = Teeth({"bloco", "Ápice", "Canino", "Bloco", "apice", "árvore"});
  this->Combo.AddItem("antigo", nullptr);
  this->Combo.FillFromLibrary(library);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"apice", "Ápice", "árvore", "bloco", "Bloco", "Canino"}));
  EXPECT_EQ(this->Combo.GetCurSel(), 0);
  for (int index = 0; index < this->Combo.GetCount(); ++index) {
    ASSERT_NE(this->Combo.GetItem(index), nullptr);
    EXPECT_EQ(this->Combo.GetItem(index)->Name, Entries()[index]);
  }
  // Equal names keep the library's order.
  EXPECT_EQ(this->Combo.GetItem(3), library->GetItem(0));
  EXPECT_EQ(this->Combo.GetItem(4), library->GetItem(3));

  this->Combo.FillFromLibrary(Teeth({}));
  EXPECT_EQ(this->Combo.GetCount(), 0);
  EXPECT_EQ(this->Combo.GetCurSel(), CB_ERR);
}

TEST_F(FlatComboFixture, ComponentsFollowTheStandardEntryUnsorted) {
  CQlmFlatComboBox components;
  ASSERT_TRUE(components.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 30, 220, 280), &this->Host, 304));
  vtkNew<vtkImplantLib> library;
  for (const char* name : {"Pilar", "Munhão"}) {
    vtkNew<vtkImplantCustom> component;
    component->Name = name;
    library->Components->AddItem(component);
  }
  components.FillFromLibrary(library, 1, "Standard");
  ASSERT_EQ(components.GetCount(), 3);
  CString first;
  components.GetLBText(0, first);
  EXPECT_EQ(first, CString("Standard"));
  EXPECT_EQ(components.GetItem(0), nullptr);
  EXPECT_EQ(components.GetItem(2), library->GetComponent(1));
  EXPECT_EQ(components.GetCurSel(), 0);
}

// The items stay alive while listed, and a cleared library empties the list
// and lets them go; under AddressSanitizer a released item read here fails.
TEST_F(FlatComboFixture, AClearedLibraryLeavesAnEmptyListAndNoReleasedItem) {
  auto library = Teeth({"Molar", "Canino"});
  this->Combo.FillFromLibrary(library);
  vtkWeakPointer<vtkGeom> molar = library->GetItem(0);

  library->Items->RemoveAllItems();  // not through Clear: the list still holds the items
  ASSERT_TRUE(molar);
  EXPECT_EQ(this->Combo.GetItem(1)->Name, CString("Molar"));

  this->Combo.FillFromLibrary(library);
  EXPECT_FALSE(molar);
  auto refilled = Teeth({"Pré-molar"});
  this->Combo.FillFromLibrary(refilled);
  vtkWeakPointer<vtkGeom> premolar = refilled->GetItem(0);
  refilled->Clear();
  EXPECT_EQ(this->Combo.GetCount(), 0);
  EXPECT_EQ(this->Combo.GetItem(0), nullptr);
  EXPECT_FALSE(premolar);

  // A library deleted while followed: clearing the list afterwards is safe.
  auto gone = Teeth({"Siso"});
  this->Combo.FillFromLibrary(gone);
  gone = nullptr;
  EXPECT_EQ(this->Combo.GetItem(0)->Name, CString("Siso"));
  this->Combo.ResetContent();
  EXPECT_EQ(this->Combo.GetCount(), 0);
}

}  // namespace
