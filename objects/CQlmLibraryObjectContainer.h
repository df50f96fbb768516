#pragma once
// The placed objects of one library kind (teeth, library meshes, endodontic
// or orthodontic objects): four parallel lists (3D, axial, cross-section,
// panoramic; item i of each is one object, numbered i + 1), the creator and
// placer of new objects, the library look-up and the label settings fanned
// out to every representation.
//
// `Kind` names the kind's classes: Object (3D) and its List3D, Axial,
// Cross, Panoramic and their AxialList, CrossList, PanoramicList, Creator
// (with `Item`, `Create`) and Library (with `ItemType` and `FindItem`).
#include <vtkMatrix4x4.h>

#include <algorithm>
#include <memory>

#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmLibraryLookup.h"
#include "objects/CQlmObjectContainer.h"
#include "platform/CStringArray.h"
#include "views/CQlmLabelOptions.h"

class CQlmIndicator;

template <class Kind>
class CQlmLibraryObjectContainer
    : public CQlmObjectContainer<typename Kind::Axial, typename Kind::Cross, typename Kind::Panoramic>,
      public CQlmLabelOptions {
public:
  using Object = typename Kind::Object;
  using Axial = typename Kind::Axial;
  using Cross = typename Kind::Cross;
  using Panoramic = typename Kind::Panoramic;
  using Library = typename Kind::Library;
  using Item = typename Library::ItemType;
  using Loader = typename CQlmLibraryLookup<Library>::Loader;

  // The cuts go before the 3D objects whose meshes they read.
  ~CQlmLibraryObjectContainer() override {
    this->ListPanoramic.reset();
    this->ListCross.reset();
    this->ListAxial.reset();
    this->List3D.reset();
  }

  // Image, arch geometry, section spacing (mm) and the indicators whose
  // picker places axial clicks (none owned; no indicators: the first nine sections).
  void SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing, CQlmIndicator* indicator) {
    this->SetImage(image, calculator, spacing);
    this->Placer->SetInput(image, calculator);
    this->Placer->SetSpacing(spacing);
    this->Placer->SetIndicator(indicator);
  }
  // The library in use for the kind (not owned) and the names of its library files to search after it.
  void SetLibraries(Library* current, const CStringArray& names) {
    this->Libraries.SetCurrent(current);
    this->Libraries.SetNames(names);
  }
  // Reads the library file of `library->Name`; the kind's file reader unless replaced.
  void SetLibraryLoader(Loader loader) { this->Libraries.SetLoader(std::move(loader)); }
  // While on, each library file is read at most once (a project open's look-ups).
  void KeepLibrariesLoaded(bool keep) { this->Libraries.SetKeepLoaded(keep); }

  // The item named `itemName` of `library` when the library's identifier is
  // `libraryId` (its name is not compared); null otherwise or without a library.
  static Item* FindItemInLibrary(Library* library, const CString&, const CString& itemName, const CString& libraryId) {
    return library ? library->FindItem(libraryId, itemName) : nullptr;
  }

  // Replaces object `index` by the item, keeping its placement and selection
  // and deselecting the others; 0, changing nothing, when no library holds
  // the item or the index does not exist.
  int ReplaceObject(const CString& libraryName, const CString& libraryId, const CString& itemName, int index) {
    Object* old = this->List3D->GetListItemAt(index);
    if (!old || !this->BuildCreator(libraryName, libraryId, itemName)) return 0;
    double placement[16];
    std::copy(old->GetMatrix()->GetData(), old->GetMatrix()->GetData() + 16, placement);
    const int selected = old->GetSelected();
    this->RemoveObjectAt(*this->List3D, index);
    Object* object = this->InsertNew(index);
    this->SelectOnly(index, selected);
    this->ApplyLabels(index);
    object->SetMatrix(placement);
    return 1;
  }
  // Removes every selected object and renumbers the rest 1..n; 1 when any was removed.
  int RemoveSelected() { return this->RemoveSelectedObjects(*this->List3D); }
  // The cuts of objects a project reader put into the 3D list (the cut lists empty).
  void BuildViewObjects() {
    for (int i = 0; i < this->List3D->GetCount(); ++i) {
      Object* object = this->List3D->GetListItemAt(i);
      object->SetWindow(this->Window3D);
      object->AddToRenderer();
      this->PrepareCuts(object, this->ListAxial->AddTail(), this->ListCross->AddTail(), this->ListPanoramic->AddTail());
    }
  }
  // Object `index` (de)selected in all four views; nothing for an index out of range.
  void SetSelected(int index, int selected) {
    if (index < 0 || index >= this->GetCount()) return;
    this->ForObject(index, [selected](auto* representation) { representation->SetSelected(selected); });
  }

  // Also the arch geometry's current curve, which the panoramic cuts read.
  void SetPanoramicIndex(int index) override {
    this->PanoramicIndex = index;
    if (this->Calculator) this->Calculator->SetCurrentCurve(index);
  }
  // Also the placer's spacing.
  void SetCrossSpacing(float spacing) override {
    this->CQlmObjectContainer<Axial, Cross, Panoramic>::SetCrossSpacing(spacing);
    this->Placer->SetSpacing(spacing);
  }
  // Label settings, stored for new objects: background, mode (0 number,
  // 1 name) and shown (1 at first) on all four representations, font size
  // (12 at first) on the three cuts.
  void SetLabelBackground(int on) {
    this->LabelBackground = on;
    this->ForEachObject([on](auto* representation) { representation->SetLabelBackground(on); });
  }
  void SetLabelMode(int mode) override {
    this->LabelMode = mode;
    this->ForEachObject([mode](auto* representation) { representation->SetLabelMode(mode); });
  }
  void SetVisibilityNumber(int on) override {
    this->LabelVisible = on;
    this->ForEachObject([on](auto* representation) { representation->SetVisibilityNumber(on); });
  }
  void SetFontSize(int size) override {
    this->FontSize = size;
    this->ForEachCut([size](auto* cut) { cut->SetFontSize(size); });
  }

  int GetCount() const { return this->List3D->GetCount(); }
  typename Kind::List3D* GetList3D() const { return this->List3D.get(); }
  typename Kind::AxialList* GetListAxial() const { return this->ListAxial.get(); }
  typename Kind::CrossList* GetListCross() const { return this->ListCross.get(); }
  typename Kind::PanoramicList* GetListPanoramic() const { return this->ListPanoramic.get(); }

protected:
  explicit CQlmLibraryObjectContainer(Loader loader)
      : List3D(Kind::List3D::CreateObject()), ListAxial(Kind::AxialList::CreateObject()),
        ListCross(Kind::CrossList::CreateObject()), ListPanoramic(Kind::PanoramicList::CreateObject()),
        Creator(Kind::Creator::New()), Placer(CQlmObjectPlacer::New()), Libraries(std::move(loader)) {}

  // Reads the library named by `library->Name` from its file of the kind `File`; 1 when read.
  template <class File>
  static int LoadFile(Library* library) {
    File file;
    file.Library = library;
    return file.Load();
  }

  // The item in the current library, else in the library files in order; null when none holds it.
  Item* Find(const CString& libraryName, const CString& itemName, const CString& libraryId) {
    return this->Libraries.Find(
        [&](Library* library) { return FindItemInLibrary(library, libraryName, itemName, libraryId); });
  }
  // A new object of the item for a click at `point` in `window` (cell `cell`
  // of the cross-sections) at list position `position`: -1 or the count
  // appends, 0 puts it first, k gives it index k. 1; 0, changing nothing, when
  // no library holds the item or the position lies outside -1 .. count.
  int Add(const void* window, const double point[3], const CString& libraryName, const CString& libraryId,
          const CString& itemName, int cell, int position) {
    if (position < -1 || position > this->GetCount()) return 0;
    if (!this->BuildCreator(libraryName, libraryId, itemName)) return 0;
    const int i = position == -1 ? this->GetCount() : position;
    Object* object = this->InsertNew(i);
    int index = 0;
    const int view = this->ViewOf(window, cell, index);
    this->Placer->Place(view, index, point, object);
    this->SelectOnly(i, 1);
    this->ApplyLabels(i);
    return 1;
  }
  // The creator holding the item; false, the creator untouched, when no library holds it.
  bool BuildCreator(const CString& libraryName, const CString& libraryId, const CString& itemName) {
    Item* item = this->Find(libraryName, itemName, libraryId);
    if (!item) return false;
    this->Creator->Item = item;
    this->Creator->Create();
    this->Creator->Item = nullptr;
    return true;
  }
  typename Kind::Creator* GetCreator() const { return this->Creator.get(); }

  // Calls `visit` with object `i`'s 3D object, then its axial, cross-section and panoramic cuts.
  template <typename Visit>
  void ForObject(int i, Visit visit) {
    visit(this->List3D->GetListItemAt(i));
    visit(this->ListAxial->GetListItemAt(i));
    visit(this->ListCross->GetListItemAt(i));
    visit(this->ListPanoramic->GetListItemAt(i));
  }

  CQlmPlanningList<Axial>& AxialCuts() override { return *this->ListAxial; }
  CQlmPlanningList<Cross>& CrossCuts() override { return *this->ListCross; }
  CQlmPlanningList<Panoramic>& PanoramicCuts() override { return *this->ListPanoramic; }

private:
  template <typename Visit>
  void ForEachObject(Visit visit) {
    for (int i = 0; i < this->GetCount(); ++i) this->ForObject(i, visit);
  }
  template <typename Visit>
  void ForEachCut(Visit visit) {
    this->ListAxial->ForEach(visit);
    this->ListCross->ForEach(visit);
    this->ListPanoramic->ForEach(visit);
  }

  // The four representations of a new object at index i, built from the creator and numbered.
  Object* InsertNew(int i) {
    auto insert = [i](auto& list) { return i == 0 ? list->AddHead() : list->InsertAfter(i - 1); };
    Object* object = insert(this->List3D);
    object->SetWindow(this->Window3D);
    object->BuildFromCreator(this->Creator.get());
    object->AddToRenderer();
    Axial* axial = insert(this->ListAxial);
    Cross* cross = insert(this->ListCross);
    Panoramic* panoramic = insert(this->ListPanoramic);
    this->PrepareCuts(object, axial, cross, panoramic);
    axial->SetAxialIndex(this->AxialIndex);
    cross->SetCrossIndex(this->CrossIndex);
    this->RenumberObjects(*this->List3D);
    return object;
  }
  void PrepareCuts(Object* object, Axial* axial, Cross* cross, Panoramic* panoramic) {
    axial->SetWindow(this->WindowAxial);
    axial->SetObject(object);
    axial->SetInput(this->Image);
    cross->SetWindow(this->WindowCross);
    cross->SetObject(object);
    cross->SetInput(this->Image, this->Calculator, this->Spacing);
    panoramic->SetWindow(this->WindowPanoramic);
    panoramic->SetObject(object);
    panoramic->SetInput(this->Image, this->Calculator);
    axial->AddToRenderer();
    cross->AddToRenderer();
    panoramic->AddToRenderer();
  }
  void ApplyLabels(int i) {
    const int background = this->LabelBackground, mode = this->LabelMode, shown = this->LabelVisible;
    this->ForObject(i, [background, mode, shown](auto* representation) {
      representation->SetLabelBackground(background);
      representation->SetLabelMode(mode);
      representation->SetVisibilityNumber(shown);
    });
    const int size = this->FontSize;
    this->ListAxial->GetListItemAt(i)->SetFontSize(size);
    this->ListCross->GetListItemAt(i)->SetFontSize(size);
    this->ListPanoramic->GetListItemAt(i)->SetFontSize(size);
    this->ListPanoramic->GetListItemAt(i)->SetThick(this->Thick);
  }
  // Every other object deselected, object i given `selected`.
  void SelectOnly(int i, int selected) {
    for (int k = 0; k < this->GetCount(); ++k) this->SetSelected(k, k == i ? selected : 0);
  }

  std::unique_ptr<typename Kind::List3D> List3D;
  std::unique_ptr<typename Kind::AxialList> ListAxial;
  std::unique_ptr<typename Kind::CrossList> ListCross;
  std::unique_ptr<typename Kind::PanoramicList> ListPanoramic;
  std::unique_ptr<typename Kind::Creator> Creator;
  std::unique_ptr<CQlmObjectPlacer> Placer;
  CQlmLibraryLookup<Library> Libraries;
  int LabelVisible = 1;
  int LabelBackground = 0;
  int LabelMode = 0;
  int FontSize = 12;
};
