#include "libraries/CQlmFlatComboBox.h"

#include <vtkCallbackCommand.h>

#include "libraries/QlmFlatComboWidget.h"
#include "libraries/vtkLibrary.h"
#include "libraries/vtkLibraryItem.h"

CQlmFlatComboBox::CQlmFlatComboBox() = default;

CQlmFlatComboBox::~CQlmFlatComboBox() { this->StopFollowing(); }

QWidget* CQlmFlatComboBox::CreateWidget(QWidget* parent) {
  auto* combo = new QlmFlatComboWidget(*this, parent);
  combo->setEditable(false);
  combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  return combo;
}

void CQlmFlatComboBox::UpdateFrameState() {
  auto* combo = static_cast<QlmFlatComboWidget*>(this->GetSafeHwnd());
  FrameState state = Flat;
  if (this->ButtonDown) {
    state = Pressed;
  } else if (combo && (combo->IsPointerOver() || combo->hasFocus())) {
    state = Raised;
  }
  if (state == this->State) return;
  this->State = state;
  if (combo) combo->update();
}

void CQlmFlatComboBox::FillFromLibrary(vtkLibrary* library, int collection, const char* firstEntry,
                                       EntryText entryText) {
  this->ResetContent();
  if (!library || collection < 0 || collection >= library->GetNumberOfCollections()) return;
  if (firstEntry) this->AddItem(firstEntry, nullptr);
  vtkCollection* items = library->GetCollection(collection);
  vtkCollectionSimpleIterator it;
  items->InitTraversal(it);
  while (vtkObject* object = items->GetNextItemAsObject(it)) {
    if (auto* item = vtkLibraryItem::SafeDownCast(object)) this->AddItem(entryText ? entryText(item) : item->Name, item);
  }
  this->SetCurSel(0);
  this->Follow(library);
}

int CQlmFlatComboBox::AddItem(const CString& name, vtkLibraryItem* item) {
  const int index = this->AddString(name);
  if (index < 0) return index;
  this->SetItemDataPtr(index, item);
  if (item) this->Held.emplace_back(item);
  return index;
}

vtkLibraryItem* CQlmFlatComboBox::GetItem(int index) const {
  if (index < 0 || index >= this->GetCount()) return nullptr;
  return static_cast<vtkLibraryItem*>(this->GetItemDataPtr(index));
}

void CQlmFlatComboBox::ResetContent() {
  CComboBox::ResetContent();
  this->Held.clear();
  this->StopFollowing();
}

void CQlmFlatComboBox::Follow(vtkLibrary* library) {
  vtkNew<vtkCallbackCommand> cleared;
  cleared->SetClientData(this);
  cleared->SetCallback([](vtkObject*, unsigned long, void* list, void*) {
    static_cast<CQlmFlatComboBox*>(list)->ResetContent();
  });
  this->ClearedObserver = library->AddObserver(vtkLibrary::ClearedEvent, cleared);
  this->Followed = library;
}

void CQlmFlatComboBox::StopFollowing() {
  if (this->Followed) this->Followed->RemoveObserver(this->ClearedObserver);
  this->Followed = nullptr;
  this->ClearedObserver = 0;
}
