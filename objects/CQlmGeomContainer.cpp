#include "objects/CQlmGeomContainer.h"

#include <vtkMatrix4x4.h>

#include <algorithm>

#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmGeomCreator.h"
#include "platform/CStringArray.h"

CQlmGeomContainer::CQlmGeomContainer(Loader loader)
    : List3D(CQlmGeom3DList::CreateObject()),
      ListAxial(CQlmGeomAxialList::CreateObject()),
      ListCross(CQlmGeomCross9List::CreateObject()),
      ListPanoramic(CQlmGeomPanoramicList::CreateObject()),
      Creator(CQlmGeomCreator::New()),
      Placer(CQlmGeomPlacer::New()),
      Libraries(std::move(loader)) {}

// The cuts go before the 3D objects whose meshes they read.
CQlmGeomContainer::~CQlmGeomContainer() {
  this->ListPanoramic.reset();
  this->ListCross.reset();
  this->ListAxial.reset();
  this->List3D.reset();
}

void CQlmGeomContainer::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing,
                                 CQlmIndicator* indicator) {
  this->SetImage(image, calculator, spacing);
  this->Placer->SetInput(image, calculator);
  this->Placer->SetSpacing(spacing);
  this->Placer->SetIndicator(indicator);
}

void CQlmGeomContainer::SetLibraries(vtkGeomsLib* current, const CStringArray& names) {
  this->Libraries.SetCurrent(current);
  this->Libraries.SetNames(names);
}

void CQlmGeomContainer::SetLibraryLoader(Loader loader) { this->Libraries.SetLoader(std::move(loader)); }

vtkGeom* CQlmGeomContainer::FindItemInLibrary(vtkGeomsLib* library, const CString&, const CString& itemName,
                                              const CString& libraryId) {
  return library ? library->FindItem(libraryId, itemName) : nullptr;
}

vtkGeom* CQlmGeomContainer::Find(const CString& libraryName, const CString& itemName, const CString& libraryId) {
  return this->Libraries.Find(
      [&](vtkGeomsLib* library) { return FindItemInLibrary(library, libraryName, itemName, libraryId); });
}

template <typename Visit>
void CQlmGeomContainer::ForEachObject(Visit visit) {
  for (int i = 0; i < this->List3D->GetCount(); ++i) {
    visit(this->List3D->GetListItemAt(i), this->ListAxial->GetListItemAt(i), this->ListCross->GetListItemAt(i),
          this->ListPanoramic->GetListItemAt(i));
  }
}

bool CQlmGeomContainer::BuildCreator(const CString& libraryName, const CString& libraryId, const CString& itemName) {
  vtkGeom* item = this->Find(libraryName, itemName, libraryId);
  if (!item) return false;
  this->Creator->Item = item;
  this->Creator->Create();
  this->Creator->Item = nullptr;
  return true;
}

// The four representations of a new object at index i, built from the creator and numbered.
CQlmGeom3D* CQlmGeomContainer::InsertNew(int i) {
  auto insert = [i](auto& list) { return i == 0 ? list->AddHead() : list->InsertAfter(i - 1); };
  CQlmGeom3D* object = insert(this->List3D);
  object->SetWindow(this->Window3D);
  object->BuildFromCreator(this->Creator.get());
  object->AddToRenderer();
  CQlmGeomAxial* axial = insert(this->ListAxial);
  CQlmGeomCross9* cross = insert(this->ListCross);
  CQlmGeomPanoramic* panoramic = insert(this->ListPanoramic);
  this->PrepareCuts(object, axial, cross, panoramic);
  axial->SetAxialIndex(this->AxialIndex);
  cross->SetCrossIndex(this->CrossIndex);
  this->RenumberObjects(*this->List3D);
  return object;
}

void CQlmGeomContainer::PrepareCuts(CQlmGeom3D* object, CQlmGeomAxial* axial, CQlmGeomCross9* cross,
                                    CQlmGeomPanoramic* panoramic) {
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

int CQlmGeomContainer::Add(const void* window, const double point[3], const CString& libraryName,
                           const CString& libraryId, const CString& itemName, int cell, int position) {
  if (position < -1 || position > this->GetCount()) return 0;
  if (!this->BuildCreator(libraryName, libraryId, itemName)) return 0;
  const int i = position == -1 ? this->GetCount() : position;
  CQlmGeom3D* object = this->InsertNew(i);
  int index = 0;
  const int view = this->ViewOf(window, cell, index);
  this->Placer->Place(view, index, point, object);
  this->SelectOnly(i, 1);
  this->ApplyLabels(i);
  return 1;
}

int CQlmGeomContainer::ReplaceObject(const CString& libraryName, const CString& libraryId, const CString& itemName,
                                     int index) {
  CQlmGeom3D* old = this->List3D->GetListItemAt(index);
  if (!old || !this->BuildCreator(libraryName, libraryId, itemName)) return 0;
  double placement[16];
  std::copy(old->GetMatrix()->GetData(), old->GetMatrix()->GetData() + 16, placement);
  const int selected = old->GetSelected();
  this->RemoveObjectAt(*this->List3D, index);
  CQlmGeom3D* object = this->InsertNew(index);
  this->SelectOnly(index, selected);
  this->ApplyLabels(index);
  object->SetMatrix(placement);
  return 1;
}

void CQlmGeomContainer::SetSelected(int index, int selected) {
  if (index < 0 || index >= this->GetCount()) return;
  this->List3D->GetListItemAt(index)->SetSelected(selected);
  this->ListAxial->GetListItemAt(index)->SetSelected(selected);
  this->ListCross->GetListItemAt(index)->SetSelected(selected);
  this->ListPanoramic->GetListItemAt(index)->SetSelected(selected);
}

// Every other object deselected, object i given `selected`.
void CQlmGeomContainer::SelectOnly(int i, int selected) {
  for (int k = 0; k < this->GetCount(); ++k) this->SetSelected(k, k == i ? selected : 0);
}

void CQlmGeomContainer::ApplyLabels(int i) {
  CQlmGeom3D* object = this->List3D->GetListItemAt(i);
  object->SetLabelBackground(this->LabelBackground);
  object->SetLabelMode(this->LabelMode);
  object->SetVisibilityNumber(this->LabelVisible);
  CQlmGeomCut* cuts[3] = {this->ListAxial->GetListItemAt(i), this->ListCross->GetListItemAt(i),
                          this->ListPanoramic->GetListItemAt(i)};
  for (CQlmGeomCut* cut : cuts) {
    cut->SetLabelBackground(this->LabelBackground);
    cut->SetLabelMode(this->LabelMode);
    cut->SetVisibilityNumber(this->LabelVisible);
    cut->SetFontSize(this->FontSize);
  }
  this->ListPanoramic->GetListItemAt(i)->SetThick(this->Thick);
}

int CQlmGeomContainer::RemoveSelected() { return this->RemoveSelectedObjects(*this->List3D); }

void CQlmGeomContainer::BuildViewObjects() {
  for (int i = 0; i < this->List3D->GetCount(); ++i) {
    CQlmGeom3D* object = this->List3D->GetListItemAt(i);
    object->SetWindow(this->Window3D);
    object->AddToRenderer();
    this->PrepareCuts(object, this->ListAxial->AddTail(), this->ListCross->AddTail(), this->ListPanoramic->AddTail());
  }
}

void CQlmGeomContainer::SetPanoramicIndex(int index) {
  this->PanoramicIndex = index;
  if (this->Calculator) this->Calculator->SetCurrentCurve(index);
}

void CQlmGeomContainer::SetCrossSpacing(float spacing) {
  this->CQlmObjectContainer::SetCrossSpacing(spacing);
  this->Placer->SetSpacing(spacing);
}

#define QLM_FAN_OUT(Setter, Member, With3D)                                                                \
  void CQlmGeomContainer::Setter(int value) {                                                              \
    this->Member = value;                                                                                  \
    this->ForEachObject(                                                                                   \
        [value](auto* object, CQlmGeomAxial* axial, CQlmGeomCross9* cross, CQlmGeomPanoramic* panoramic) { \
          if constexpr (With3D) object->Setter(value);                                                     \
          axial->Setter(value);                                                                            \
          cross->Setter(value);                                                                            \
          panoramic->Setter(value);                                                                        \
        });                                                                                                \
  }
QLM_FAN_OUT(SetLabelBackground, LabelBackground, true)
QLM_FAN_OUT(SetLabelMode, LabelMode, true)
QLM_FAN_OUT(SetVisibilityNumber, LabelVisible, true)
QLM_FAN_OUT(SetFontSize, FontSize, false)
#undef QLM_FAN_OUT
