#pragma once
// The placed endodontic or orthodontic objects of the project (CQlmEndoImps
// and CQlmOrtoImps differ only in the classes `Kind` names): the library
// objects' container, whose objects also switch a part to another variant
// of its section.
#include "libraries/vtkMultiPartItem.h"
#include "objects/CQlmLibraryObjectContainer.h"

template <class Kind>
class CQlmMultiPartContainer : public CQlmLibraryObjectContainer<Kind> {
public:
  using Item = typename CQlmLibraryObjectContainer<Kind>::Item;

  // A new object of the item for a click at `point` in `window`; see CQlmLibraryObjectContainer::Add.
  int AddObject(const void* window, const double point[3], const CString& libraryName, const CString& libraryId,
                const CString& itemName, int cell, int position) {
    return this->Add(window, point, libraryName, libraryId, itemName, cell, position);
  }
  Item* FindLibraryItem(const CString& libraryName, const CString& itemName, const CString& libraryId) {
    return this->Find(libraryName, itemName, libraryId);
  }

  // Part `k` of object `index` shows the variant named `variantName` of its
  // section, in the 3D view and in the cuts. 0, changing nothing, when the
  // object does not exist or came from another library or item, no library
  // holds the item, the object has no part k, or the section offers no variant of that name.
  int SetPartSection(int index, const CString& libraryName, const CString& libraryId, const CString& itemName, int k,
                     const CString& variantName) {
    if (!this->LoadPartSection(index, libraryName, libraryId, itemName, k, variantName)) return 0;
    const CString name = this->GetList3D()->GetListItemAt(index)->GetPartName(k);
    this->ForCuts(index, [k, &name](auto* cut) { cut->SetPartName(k, name); });
    return 1;
  }
  // The same for the 3D object only (a project reader, before BuildViewObjects).
  int LoadPartSection(int index, const CString& libraryName, const CString& libraryId, const CString& itemName, int k,
                      const CString& variantName) {
    auto* object = this->GetList3D()->GetListItemAt(index);
    if (!object || object->LibraryId != libraryId || object->GetName() != itemName || !object->HasPart(k)) return 0;
    Item* item = this->Find(libraryName, itemName, libraryId);
    if (!item || k >= item->GetNumberOfPositions()) return 0;
    const int variant = FindVariant(item, k, variantName);
    if (variant < 0) return 0;
    auto* creator = this->GetCreator();
    creator->Item = item;
    const bool made = creator->CreatePartVariant(k, variant);
    creator->Item = nullptr;
    if (!made) return 0;
    object->SetPartFromCreator(creator, k);
    return 1;
  }

protected:
  using CQlmLibraryObjectContainer<Kind>::CQlmLibraryObjectContainer;

private:
  // The first variant of section k named `name`; -1 when none is.
  static int FindVariant(Item* item, int k, const CString& name) {
    for (int variant = 0; variant < item->GetNumberOfSections(k); ++variant) {
      auto* section = item->GetSection(k, variant);
      if (section && section->Name == name) return variant;
    }
    return -1;
  }
  template <typename Visit>
  void ForCuts(int index, Visit visit) {
    visit(this->GetListAxial()->GetListItemAt(index));
    visit(this->GetListCross()->GetListItemAt(index));
    visit(this->GetListPanoramic()->GetListItemAt(index));
  }
};
