#include "objects/CQlmImplantRings.h"

#include <algorithm>

#include "objects/CQlmImplant3DList.h"
#include "objects/CQlmImplantPanoramicList.h"
#include "objects/CQlmImplantRingCreator.h"
#include "objects/QlmReformatFollower.h"

namespace {
constexpr CQlmImplantRings::RingSet RingSets[5] = {
    {3.0f, 1.5f, 0.0f, 8.0f}, {4.0f, 3.5f, 5.0f, 9.0f}, {5.0f, 4.1f, 5.0f, 9.0f},
    {6.0f, 5.1f, 5.0f, 9.0f}, {7.0f, 6.1f, 5.0f, 9.0f},
};
constexpr float ClassColors[5][3] = {{1, 1, 1}, {1, 0.1f, 0.1f}, {1, 1, 0}, {0, 0, 1}, {0, 1, 1}};
// Upper diameter bound of classes 0 to 3; class 0 starts at 0 inclusive, the others above the bound before.
constexpr float UpperBounds[4] = {2.0f, 3.5f, 4.1f, 6.0f};
}  // namespace

CQlmImplantRings::CQlmImplantRings()
    : List3D(CQlmImplantRing3DList::CreateObject()), ListAxial(CQlmImplantRingAxialList::CreateObject()),
      ListCross(CQlmImplantRingCross9List::CreateObject()),
      ListPanoramic(CQlmImplantRingPanoramicList::CreateObject()) {}

// The cuts go before the 3D rings whose meshes they read.
CQlmImplantRings::~CQlmImplantRings() {
  this->ListPanoramic.reset();
  this->ListCross.reset();
  this->ListAxial.reset();
  this->List3D.reset();
}

void CQlmImplantRings::SetWindows(CQlmLayeredWindow* window3D, CQlmLayeredWindow* axial, CQlmLayeredWindow9* cross,
                                  CQlmLayeredWindow* panoramic) {
  this->Window3D = window3D;
  this->WindowAxial = axial;
  this->WindowCross = cross;
  this->WindowPanoramic = panoramic;
}

void CQlmImplantRings::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing,
                                CQlmImplant3DList* implants, CQlmImplantPanoramicList* implantCuts) {
  this->Image = image;
  this->Calculator = calculator;
  this->Spacing = spacing;
  this->Implants = implants;
  this->ImplantCuts = implantCuts;
}

int CQlmImplantRings::DiameterClass(float diameter, int libraryImplant) {
  if (libraryImplant) return LibraryClass;
  if (diameter >= 0.0f && diameter <= UpperBounds[0]) return 0;
  for (int k = 1; k < 4; ++k) {
    if (diameter > UpperBounds[k - 1] && diameter <= UpperBounds[k]) return k;
  }
  return 4;
}

const CQlmImplantRings::RingSet& CQlmImplantRings::GetRingSet(int diameterClass) {
  return RingSets[diameterClass >= 0 && diameterClass < 5 ? diameterClass : 4];
}

const float* CQlmImplantRings::GetClassColor(int diameterClass) {
  return ClassColors[diameterClass >= 0 && diameterClass < 5 ? diameterClass : 4];
}

int CQlmImplantRings::AddRing(int k) {
  if (!this->Implants || !this->ImplantCuts || k < -1 || k > this->GetCount()) return 0;
  const int implantIndex = k == -1 ? this->Implants->GetCount() - 1 : k;
  CQlmImplant3D* implant = this->Implants->GetListItemAt(implantIndex);
  CQlmImplantPanoramic* implantCut = this->ImplantCuts->GetListItemAt(implantIndex);
  if (!implant || !implantCut) return 0;

  const int diameterClass = DiameterClass(implant->GetDiameter(), implant->LibraryImplant);
  CQlmImplantRingCreator creator;
  float color[3];
  if (diameterClass == LibraryClass) {
    const float* values = implant->RingValues;
    creator.Start = values[0], creator.End = values[1], creator.Outer = values[2], creator.Inner = values[3];
    std::copy(values + 4, values + 7, color);
  } else {
    const RingSet& set = GetRingSet(diameterClass);
    creator.Outer = set.Outer, creator.Inner = set.Inner, creator.Start = set.Start, creator.End = set.End;
    std::copy(GetClassColor(diameterClass), GetClassColor(diameterClass) + 3, color);
  }

  auto insert = [k](auto& list) { return k == -1 ? list->AddTail() : k == 0 ? list->AddHead() : list->InsertAfter(k - 1); };
  CQlmImplantRing3D* ring = insert(this->List3D);
  ring->SetPolyData(creator.GetOutput());
  ring->SetImplant(implant);
  ring->SetColor(color[0], color[1], color[2]);
  ring->SetWindow(this->Window3D);
  ring->AddToRenderer();
  ring->SetVisibility(1);

  CQlmImplantRingAxial* axial = insert(this->ListAxial);
  axial->SetRing(ring);
  axial->SetWindow(this->WindowAxial);
  axial->SetColor(color[0], color[1], color[2]);
  axial->SetInput(this->Image);
  axial->AddToRenderer();
  axial->SetAxialIndex(this->AxialIndex);
  axial->SetVisibility(1);

  CQlmImplantRingCross9* cross = insert(this->ListCross);
  cross->SetRing(ring);
  cross->SetWindow(this->WindowCross);
  cross->SetColor(color[0], color[1], color[2]);
  cross->SetInput(this->Image, this->Calculator, this->Spacing);
  cross->AddToRenderer();
  cross->SetCrossIndex(this->CrossIndex);
  cross->SetVisibility(1);

  CQlmImplantRingPanoramic* panoramic = insert(this->ListPanoramic);
  panoramic->SetRing(ring);
  panoramic->SetWindow(this->WindowPanoramic);
  panoramic->SetColor(color[0], color[1], color[2]);
  panoramic->SetInput(this->Image, this->Calculator, implantCut);
  panoramic->AddToRenderer();
  panoramic->SetVisibility(1);
  panoramic->SetThick(this->Thick);
  return 1;
}

void CQlmImplantRings::Remove(int i) {
  this->ListPanoramic->DeleteListItemAt(i);
  this->ListCross->DeleteListItemAt(i);
  this->ListAxial->DeleteListItemAt(i);
  this->List3D->DeleteListItemAt(i);
}

void CQlmImplantRings::SetVisibility(int i, int visible) {
  this->List3D->GetListItemAt(i)->SetVisibility(visible);
  this->ListAxial->GetListItemAt(i)->SetVisibility(visible);
  this->ListCross->GetListItemAt(i)->SetVisibility(visible);
  this->ListPanoramic->GetListItemAt(i)->SetVisibility(visible);
}

void CQlmImplantRings::RebuildRing(int i) {
  if (i < 0 || i >= this->GetCount()) return;
  const int visible = this->List3D->GetListItemAt(i)->GetVisible();
  this->Remove(i);
  if (this->AddRing(i)) this->SetVisibility(i, visible);
}

int CQlmImplantRings::RemoveSelected() {
  int removed = 0;
  for (int i = 0; i < this->GetCount();) {
    CQlmImplant3D* implant = this->List3D->GetListItemAt(i)->GetImplant();
    if (!implant || !implant->GetSelected()) {
      ++i;
      continue;
    }
    this->Remove(i);
    removed = 1;
  }
  return removed;
}

void CQlmImplantRings::SetAxialIndex(int index) {
  this->AxialIndex = index;
  this->ListAxial->ForEach([index](CQlmImplantRingAxial* axial) { axial->SetAxialIndex(index); });
}

void CQlmImplantRings::SetCrossIndex(int index) {
  this->CrossIndex = index;
  this->ListCross->ForEach([index](CQlmImplantRingCross9* cross) { cross->SetCrossIndex(index); });
}

void CQlmImplantRings::SetCrossSpacing(float spacing) {
  this->Spacing = spacing;
  this->ListCross->ForEach([spacing](CQlmImplantRingCross9* cross) { cross->SetCrossSpacing(spacing); });
}

void CQlmImplantRings::SetSingleCrossSection(int on) {
  this->ListCross->ForEach([on](CQlmImplantRingCross9* cross) { cross->SetSingleCrossSection(on); });
}

void CQlmImplantRings::SetPanoramicThick(int on) {
  this->Thick = on;
  this->ListPanoramic->ForEach([on](CQlmImplantRingPanoramic* panoramic) { panoramic->SetThick(on); });
}

void CQlmImplantRings::UpdateCutters() {
  this->ListCross->ForEach([](CQlmImplantRingCross9* cross) { cross->UpdateCutters(); });
}

void CQlmImplantRings::FollowReformat(int thickPanoramic, int singleSection, float crossSpacing, int axialSlice,
                                      int firstSection, int curve) {
  QlmFollowReformat(*this, thickPanoramic, singleSection, crossSpacing, axialSlice, firstSection, curve);
}

void CQlmImplantRings::ShowInPanoramic(int shown) {
  this->ListPanoramic->ForEach([shown](CQlmImplantRingPanoramic* panoramic) {
    if (shown)
      panoramic->AddToRenderer();
    else
      panoramic->RemoveFromRenderer();
  });
}
