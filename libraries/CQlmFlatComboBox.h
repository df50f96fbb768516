#pragma once
// The drop-down list of the library tool bars: a combo box with a flat frame
// that rises while the pointer is over it or it has the focus and looks
// pressed while the left button is down on it. Entries are drawn as one
// vertically centred line each. Alt+letter does nothing while it has the focus.
//
// The entries of a library's items hold a reference to their item, and the
// list empties itself when that library is cleared (vtkLibrary::ClearedEvent),
// so it never offers an item that its library has let go.
#include <vtkSmartPointer.h>
#include <vtkWeakPointer.h>
#include <vector>

#include "platform/gui/CComboBox.h"

class vtkLibrary;
class vtkLibraryItem;

class CQlmFlatComboBox : public CComboBox {
public:
  enum FrameState { Flat = 1, Raised = 2, Pressed = 3 };

  CQlmFlatComboBox();
  ~CQlmFlatComboBox() override;

  // The frame drawn now.
  FrameState GetFrameState() const { return this->State; }
  // Whether the left button is down on the control.
  bool IsButtonDown() const { return this->ButtonDown; }

  // The text of an item's entry.
  using EntryText = CString (*)(vtkLibraryItem* item);

  // Empties the list, adds `firstEntry` (when given) without item, then
  // every item of `library`'s collection `collection` by its name (or the
  // text `entryText` makes of it) with the item as data (sorted when the list
  // sorts), selects the first entry and follows the library until it is
  // cleared. A null library leaves the list empty.
  void FillFromLibrary(vtkLibrary* library, int collection = 0, const char* firstEntry = nullptr,
                       EntryText entryText = nullptr);
  // Adds `name` with `item` (may be null) as data and holds a reference to it.
  int AddItem(const CString& name, vtkLibraryItem* item);
  // The item of entry `index`; null for none or a bad index.
  vtkLibraryItem* GetItem(int index) const;
  // Empties the list, releases the items and stops following the library.
  void ResetContent();

protected:
  QWidget* CreateWidget(QWidget* parent) override;

private:
  friend class QlmFlatComboWidget;
  // The state the frame should show for the pointer, focus and button now.
  void UpdateFrameState();
  void Follow(vtkLibrary* library);
  void StopFollowing();

  FrameState State = Flat;
  bool ButtonDown = false;
  std::vector<vtkSmartPointer<vtkLibraryItem>> Held;
  vtkWeakPointer<vtkLibrary> Followed;
  unsigned long ClearedObserver = 0;
};
