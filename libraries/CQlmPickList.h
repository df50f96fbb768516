#pragma once
// A pick-list: a small modal window that opens at a screen point, lists
// entries of one library and lets the user choose one by a double click
// (result DoubleClickResult) or Enter (IDOK); Escape gives IDCANCEL. The
// caller sets the inputs between construction and DoModal and reads the
// outputs afterwards:
//
//   CDialogGeomsList list;
//   list.X = point.x; list.Y = point.y;
//   list.Library = teeth; list.LibraryId = object->LibraryId; list.ItemName = object->Name;
//   const INT_PTR result = list.DoModal();
//   if ((result == IDOK || result == CQlmPickList::DoubleClickResult) && list.EntryChosen) use(list.ChosenItem);
//
// EntryChosen tells a choice from none: Enter or a double click while no
// entry is selected ends the list without a choice, and a chosen entry may
// carry no item ("Standard" among the components). The list only reads the
// library; the library must outlive the run.
//
// See also: CDialogGeomsList, CDialogCustomList, CDialogEndoImpList, CDialogOrtoImpList.
#include "platform/gui/CDialog.h"
#include "platform/gui/CListBox.h"

class vtkCollection;
class vtkLibrary;
class vtkLibraryItem;

class CQlmPickList : public CDialog {
public:
  static constexpr int DoubleClickResult = 300;
  static constexpr UINT ListID = 1025;
  // The teeth and mesh list's resource and that of the others (the same layout).
  static constexpr UINT GeomsTemplateID = 314;
  static constexpr UINT OthersTemplateID = 287;

  // Screen point of the window's top-left corner; the window is kept inside
  // the available area of the screen holding it, as near the point as fits.
  int X = 0;
  int Y = 0;
  // The library to list; not owned.
  vtkLibrary* Library = nullptr;
  // The placed object's library identifier and library name (the name is
  // not used here), and the name to preselect. An entry is preselected only
  // when LibraryId equals the library's identifier; of equal names the later.
  CString LibraryId;
  CString LibraryName;
  CString ItemName;
  // 1 or 2 where the kind of list has two modes.
  int Mode = 1;

  // Outputs: whether an entry was chosen, and its item (null for an entry
  // without item). In mode 2 of the multi-part lists the main item.
  bool EntryChosen = false;
  vtkLibraryItem* ChosenItem = nullptr;

protected:
  explicit CQlmPickList(UINT templateId);

  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* exchange) override;
  // Enter: the selected entry, then IDOK.
  void OnOK() override;

  // Adds the entries through AddEntry / AddEntries.
  virtual void AddAllEntries() = 0;
  virtual CString Title() const = 0;
  // Sets the outputs from the chosen entry's item.
  virtual void TakeChoice(vtkLibraryItem* item) { this->ChosenItem = item; }

  // `item` may be null; `preselectable` false keeps the entry from being preselected.
  void AddEntry(const CString& name, vtkLibraryItem* item, bool preselectable = true);
  // Every item of `items` (null: none) in collection order.
  void AddEntries(vtkCollection* items);

  CListBox List;

private:
  void EndWithChoice(int result);
  void Place();

  int Preselected = LB_ERR;
};
