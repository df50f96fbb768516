// The four pick-lists in both modes: entries, preselection, title, the
// results of Enter, a double click and Escape with their outputs, and the
// window kept on screen.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QGuiApplication>
#include <QListWidget>
#include <QScreen>
#include <QTest>
#include <functional>
#include <memory>

#include "QlmGuiTestApp.h"
#include "QlmOpenDialog.h"
#include "libraries/CDialogCustomList.h"
#include "libraries/CDialogEndoImpList.h"
#include "libraries/CDialogGeomsList.h"
#include "libraries/CDialogOrtoImpList.h"
#include "libraries/vtkEndoImpLib.h"
#include "libraries/vtkGeomsLib.h"
#include "libraries/vtkImplantLib.h"
#include "libraries/vtkOrtoImpLib.h"

namespace {

template <class Item>
Item* Add(vtkCollection* items, const char* name) {
  vtkNew<Item> item;
  item->Name = name;
  items->AddItem(item);
  return item;
}

// One library of each kind, identifier "  12".
struct Libraries {
  Libraries() {
    for (vtkLibrary* library : {static_cast<vtkLibrary*>(Teeth), static_cast<vtkLibrary*>(Implants),
                                static_cast<vtkLibrary*>(Endo), static_cast<vtkLibrary*>(Orto)}) {
      library->Identifier = "  12";
    }
    Teeth->Name = "Dentes Padrão";
    for (const char* name : {"Molar", "Canino", "Molar"}) Add<vtkGeom>(Teeth->Items, name);
    Implants->Name = "Cone Morse";
    for (const char* name : {"Cone 4.1", "Reto 3.5"}) Add<vtkImplantCustom>(Implants->Implants, name);
    for (const char* name : {"Pilar", "Munhão"}) Add<vtkImplantCustom>(Implants->Components, name);
    Endo->Name = "Canais";
    for (const char* name : {"Canal A", "Canal B"}) Add<vtkEndoImplant>(Endo->Items, name);
    for (int position = 0; position < 3; ++position) Endo->GetItem(0)->AddPosition();
    for (const char* name : {"Lima 25", "Lima 30"}) Add<vtkEndoImpSec>(Endo->GetItem(0)->GetPosition(2), name);
    Orto->Name = "Braquetes";
    Add<vtkOrtoImplant>(Orto->Items, "Braquete");
    Add<vtkOrtoImpSec>(Orto->GetItem(0)->AddPosition(), "Gancho");
  }
  vtkNew<vtkGeomsLib> Teeth;
  vtkNew<vtkImplantLib> Implants;
  vtkNew<vtkEndoImpLib> Endo;
  vtkNew<vtkOrtoImpLib> Orto;
};

struct ListCase {
  const char* Name;
  std::function<std::unique_ptr<CQlmPickList>(Libraries&)> Make;
  const char* LibraryId;
  const char* ItemName;
  std::vector<std::string> Entries;
  int Preselected;
  std::string Title;
};

std::unique_ptr<CQlmPickList> Geoms(Libraries& l) {
  auto list = std::make_unique<CDialogGeomsList>();
  list->Library = l.Teeth;
  return list;
}
std::unique_ptr<CQlmPickList> Custom(Libraries& l, int mode) {
  auto list = std::make_unique<CDialogCustomList>();
  list->Library = l.Implants;
  list->Mode = mode;
  return list;
}
template <class List>
std::unique_ptr<CQlmPickList> MultiPart(vtkLibrary* library, vtkMultiPartItem* main, int mode, int position) {
  auto list = std::make_unique<List>();
  list->Library = library;
  list->Mode = mode;
  list->MainItem = mode == 2 ? main : nullptr;
  list->PositionIndex = position;
  return list;
}

std::vector<ListCase> Cases() {
  return {
      {"teeth", Geoms, "  12", "Molar", {"Molar", "Canino", "Molar"}, 2, "Dentes Padrão"},
      {"teeth of another library", Geoms, "  13", "Molar", {"Molar", "Canino", "Molar"}, LB_ERR, "Dentes Padrão"},
      {"implants", [](Libraries& l) { return Custom(l, 1); }, "  12", "Reto 3.5", {"Cone 4.1", "Reto 3.5"}, 1,
       "Cone Morse"},
      {"components", [](Libraries& l) { return Custom(l, 2); }, "  12", "Munhão", {"Standard", "Pilar", "Munhão"}, 2,
       "Cone Morse"},
      {"standard component", [](Libraries& l) { return Custom(l, 2); }, "  12", "Standard",
       {"Standard", "Pilar", "Munhão"}, LB_ERR, "Cone Morse"},
      {"endodontic items",
       [](Libraries& l) { return MultiPart<CDialogEndoImpList>(l.Endo, nullptr, 1, 0); }, "  12", "Canal B",
       {"Canal A", "Canal B"}, 1, "Canais"},
      {"endodontic sections",
       [](Libraries& l) { return MultiPart<CDialogEndoImpList>(l.Endo, l.Endo->GetItem(0), 2, 2); }, "  12",
       "Lima 30", {"Lima 25", "Lima 30"}, 1, "Canal A - 3"},
      {"orthodontic items",
       [](Libraries& l) { return MultiPart<CDialogOrtoImpList>(l.Orto, nullptr, 1, 0); }, "  12", "Braquete",
       {"Braquete"}, 0, "Braquetes"},
      {"orthodontic sections",
       [](Libraries& l) { return MultiPart<CDialogOrtoImpList>(l.Orto, l.Orto->GetItem(0), 2, 0); }, " 12",
       "Gancho", {"Gancho"}, LB_ERR, "Braquete - 1"},
  };
}

QListWidget* ListOf(CQlmPickList& dialog) {
  return qobject_cast<QListWidget*>(dialog.FindControl(CQlmPickList::ListID));
}

class PickListFixture : public ::testing::Test {
protected:
  void SetUp() override { QlmGuiTestApp::Instance(); }
  Libraries Libs;
};

TEST_F(PickListFixture, EachListShowsItsEntriesTitleAndPreselection) {
  for (const ListCase& c : Cases()) {
    SCOPED_TRACE(c.Name);
    auto dialog = c.Make(this->Libs);
    dialog->LibraryId = c.LibraryId;
    dialog->ItemName = c.ItemName;
    std::vector<std::string> entries;
    int selected = -2;
    std::string title;
    QlmOpenDialog::Run(*dialog, [&] {
      QListWidget* list = ListOf(*dialog);
      ASSERT_NE(list, nullptr);
      for (int row = 0; row < list->count(); ++row) entries.push_back(list->item(row)->text().toStdString());
      selected = list->selectedItems().isEmpty() ? LB_ERR : list->row(list->selectedItems().front());
      title = dialog->GetSafeHwnd()->windowTitle().toStdString();
    });
    EXPECT_EQ(entries, c.Entries);
    EXPECT_EQ(selected, c.Preselected);
    EXPECT_EQ(title, c.Title);
  }
}

enum class Act { Enter, DoubleClickFirst, DoubleClickBelow, Escape };

void Perform(CQlmPickList& dialog, Act act) {
  dialog.GetSafeHwnd()->show();
  QListWidget* list = ListOf(dialog);
  switch (act) {
    case Act::Enter:
      QTest::keyClick(list, Qt::Key_Return);
      break;
    case Act::Escape:
      QTest::keyClick(list, Qt::Key_Escape);
      break;
    case Act::DoubleClickFirst:
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(0)).center());
      break;
    case Act::DoubleClickBelow:
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                         QPoint(5, list->viewport()->height() - 3));
      break;
  }
  QApplication::processEvents();
}

struct ResultCase {
  const char* Name;
  int ListCase;     // index into Cases()
  int Select;       // entry selected before the act; -1 keeps the preselection
  Act What;
  INT_PTR Result;
  bool Chosen;
  std::function<vtkLibraryItem*(Libraries&)> Item;
  std::function<vtkLibraryItem*(Libraries&)> Section;
};

vtkLibraryItem* None(Libraries&) { return nullptr; }

TEST_F(PickListFixture, EnterADoubleClickAndEscapeGiveTheirResultsAndOutputs) {
  const ResultCase cases[] = {
      {"Enter on the preselected tooth", 0, -1, Act::Enter, IDOK, true,
       [](Libraries& l) { return l.Teeth->GetItem(2); }, None},
      {"double click on a tooth", 1, -1, Act::DoubleClickFirst, CQlmPickList::DoubleClickResult, true,
       [](Libraries& l) { return l.Teeth->GetItem(0); }, None},
      {"Enter with nothing selected", 1, -1, Act::Enter, IDOK, false, None, None},
      {"double click below the entries", 1, -1, Act::DoubleClickBelow, CQlmPickList::DoubleClickResult, false, None,
       None},
      {"Escape", 0, -1, Act::Escape, IDCANCEL, false, None, None},
      {"Standard chosen", 3, 0, Act::Enter, IDOK, true, None, None},
      {"standard by double click", 4, -1, Act::DoubleClickFirst, CQlmPickList::DoubleClickResult, true, None, None},
      {"component", 3, 1, Act::Enter, IDOK, true, [](Libraries& l) { return l.Implants->GetComponent(0); }, None},
      {"implant", 2, -1, Act::Enter, IDOK, true, [](Libraries& l) { return l.Implants->GetImplant(1); }, None},
      {"section", 6, -1, Act::Enter, IDOK, true, [](Libraries& l) { return l.Endo->GetItem(0); },
       [](Libraries& l) { return l.Endo->GetItem(0)->GetSection(2, 1); }},
      {"section by double click", 8, -1, Act::DoubleClickFirst, CQlmPickList::DoubleClickResult, true,
       [](Libraries& l) { return l.Orto->GetItem(0); },
       [](Libraries& l) { return l.Orto->GetItem(0)->GetSection(0, 0); }},
  };
  const std::vector<ListCase> lists = Cases();
  for (const ResultCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const ListCase& list = lists[c.ListCase];
    auto dialog = list.Make(this->Libs);
    dialog->LibraryId = list.LibraryId;
    dialog->ItemName = list.ItemName;
    const INT_PTR result = QlmOpenDialog::Run(*dialog, [&] {
      if (c.Select >= 0) ListOf(*dialog)->setCurrentRow(c.Select);
      Perform(*dialog, c.What);
    });
    EXPECT_EQ(result, c.Result);
    EXPECT_EQ(dialog->EntryChosen, c.Chosen);
    EXPECT_EQ(dialog->ChosenItem, c.Item(this->Libs));
    if (auto* multiPart = dynamic_cast<CQlmMultiPartPickList*>(dialog.get())) {
      EXPECT_EQ(multiPart->ChosenSection, c.Section(this->Libs));
    }
  }
}

TEST_F(PickListFixture, TheWindowOpensAtThePointAndStaysOnTheScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  struct Place {
    QPoint Wanted;
    bool Moved;
  };
  const Place places[] = {{area.topLeft() + QPoint(20, 30), false},
                          {area.bottomRight() - QPoint(5, 5), true},
                          {area.topLeft() - QPoint(40, 40), true}};
  for (const Place& place : places) {
    SCOPED_TRACE(place.Wanted.x());
    CDialogGeomsList dialog;
    dialog.Library = this->Libs.Teeth;
    dialog.X = place.Wanted.x();
    dialog.Y = place.Wanted.y();
    QRect frame;
    QlmOpenDialog::Run(dialog, [&] { frame = dialog.GetSafeHwnd()->frameGeometry(); });
    EXPECT_TRUE(area.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x"
                                      << frame.height();
    if (!place.Moved) {
      EXPECT_EQ(frame.topLeft(), place.Wanted);
    }
  }
}

}  // namespace
