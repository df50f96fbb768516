#include "objects/CQlmImplants.h"

#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkTransform.h>

#include "ct/CQlmPanoramicCalc.h"
#include "objects/CQlmImplantCreator.h"
#include "objects/CQlmImplantPlacer.h"
#include "platform/CArchive.h"

CQlmImplants::CQlmImplants()
    : List3D(CQlmImplant3DList::CreateObject()), ListAxial(CQlmImplantAxialList::CreateObject()),
      ListCross(CQlmImplantCross9List::CreateObject()), ListPanoramic(CQlmImplantPanoramicList::CreateObject()),
      Creator(CQlmImplantCreator::New()), Placer(CQlmImplantPlacer::New()) {}

// The cuts go before the 3D implants whose meshes they read.
CQlmImplants::~CQlmImplants() {
  this->ListPanoramic.reset();
  this->ListCross.reset();
  this->ListAxial.reset();
  this->List3D.reset();
}

void CQlmImplants::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing,
                            CQlmIndicator* indicator) {
  this->Image = image;
  this->Calculator = calculator;
  this->Spacing = spacing;
  this->Placer->SetInput(image, calculator);
  this->Placer->SetSpacing(spacing);
  this->Placer->SetIndicator(indicator);
}

void CQlmImplants::SetWindows(CQlmLayeredWindow* window3D, CQlmLayeredWindow* axial, CQlmLayeredWindow9* cross,
                              CQlmLayeredWindow* panoramic) {
  this->Window3D = window3D;
  this->WindowAxial = axial;
  this->WindowCross = cross;
  this->WindowPanoramic = panoramic;
}

template <typename Visit>
void CQlmImplants::ForEachImplant(Visit visit) {
  for (int i = 0; i < this->List3D->GetCount(); ++i) {
    visit(this->List3D->GetListItemAt(i), this->ListAxial->GetListItemAt(i), this->ListCross->GetListItemAt(i),
          this->ListPanoramic->GetListItemAt(i));
  }
}

void CQlmImplants::BuildCuts(int i, CQlmImplant3D* implant) {
  auto insert = [i](auto& list) { return i == 0 ? list->AddHead() : list->InsertAfter(i - 1); };
  CQlmImplantAxial* axial = insert(this->ListAxial);
  axial->SetWindow(this->WindowAxial);
  axial->BuildFromImplant3D(implant);
  axial->SetInput(this->Image);
  axial->SetAxialIndex(this->AxialIndex);
  axial->SetLibraryImplant(implant->LibraryImplant);
  axial->AddToRenderer();
  CQlmImplantCross9* cross = insert(this->ListCross);
  cross->SetWindow(this->WindowCross);
  cross->BuildFromImplant3D(implant);
  cross->SetInput(this->Image, this->Calculator, this->Spacing);
  cross->SetCrossIndex(this->CrossIndex);
  cross->SetLibraryImplant(implant->LibraryImplant);
  cross->AddToRenderer();
  CQlmImplantPanoramic* panoramic = insert(this->ListPanoramic);
  panoramic->SetWindow(this->WindowPanoramic);
  panoramic->BuildFromImplant3D(implant);
  panoramic->SetInput(this->Image, this->Calculator);
  panoramic->SetLibraryImplant(implant->LibraryImplant);
  panoramic->AddToRenderer();
}

int CQlmImplants::ViewOf(const void* window, int cell, int& index) const {
  if (window && window == this->WindowAxial) {
    index = this->AxialIndex;
    return CQlmImplantPlacer::Axial;
  }
  if (window && window == this->WindowCross) {
    index = this->CrossIndex + cell;
    return CQlmImplantPlacer::Cross;
  }
  if (window && window == this->WindowPanoramic) {
    index = this->PanoramicIndex;
    return CQlmImplantPlacer::Panoramic;
  }
  return -1;
}

int CQlmImplants::AddImplant(const void* window, const double point[3], float diameter, float length,
                             float connectorHeight, int cell, int position) {
  const int count = this->GetCount();
  if (position < -1 || position > count) return 0;
  const int i = position == -1 ? count : position;
  this->Creator->Mode = CQlmImplantCreator::Generic;
  this->Creator->Diameter = diameter;
  this->Creator->Length = length;
  this->Creator->ConectorHeight = connectorHeight;
  CQlmImplant3D* implant = i == 0 ? this->List3D->AddHead() : this->List3D->InsertAfter(i - 1);
  implant->SetWindow(this->Window3D);
  implant->BuildFromCreator(this->Creator.get());
  implant->Added = 1;
  implant->AddToRenderer();
  this->BuildCuts(i, implant);
  this->Renumber();

  int index = 0;
  const int view = this->ViewOf(window, cell, index);
  this->Placer->Place(view, index, point, implant);
  if (this->Flip) {
    vtkNew<vtkTransform> turned;
    turned->SetMatrix(implant->GetMatrix());
    turned->RotateX(180.0);
    implant->SetMatrix(&turned->GetMatrix()->Element[0][0]);
  }
  for (int k = 0; k < this->GetCount(); ++k) this->SetSelected(k, k == i);
  this->ApplySettings(i);
  return 1;
}

void CQlmImplants::SetSelected(int index, int selected) {
  if (index < 0 || index >= this->GetCount()) return;
  this->List3D->GetListItemAt(index)->SetSelected(selected);
  this->ListAxial->GetListItemAt(index)->SetSelected(selected);
  this->ListCross->GetListItemAt(index)->SetSelected(selected);
  this->ListPanoramic->GetListItemAt(index)->SetSelected(selected);
}

void CQlmImplants::ApplySettings(int i) {
  CQlmImplant3D* implant = this->List3D->GetListItemAt(i);
  CQlmImplantCut* cuts[3] = {this->ListAxial->GetListItemAt(i), this->ListCross->GetListItemAt(i),
                             this->ListPanoramic->GetListItemAt(i)};
  implant->SetUniformColor(this->UniformColor);
  implant->SetLabelBackground(this->LabelBackground);
  implant->SetLabelMode(this->LabelMode);
  implant->SetVisibilityNumber(this->Numbers);
  implant->SetScrewColor(this->ScrewColor[0], this->ScrewColor[1], this->ScrewColor[2]);
  implant->SetConectorColor(this->ConectorColor[0], this->ConectorColor[1], this->ConectorColor[2]);
  implant->SetVisibilityScrewLine(this->AxisLines);
  implant->SetVisibilityConectorLine(this->AxisLines);
  for (CQlmImplantCut* cut : cuts) {
    cut->SetUniformColor(this->UniformColor);
    cut->SetLabelBackground(this->LabelBackground);
    cut->SetLabelMode(this->LabelMode);
    cut->SetFontSize(this->FontSize);
    cut->SetVisibilityNumber(this->Numbers);
    cut->SetScrewColor(this->ScrewColor[0], this->ScrewColor[1], this->ScrewColor[2]);
    cut->SetConectorColor(this->ConectorColor[0], this->ConectorColor[1], this->ConectorColor[2]);
    cut->SetVisibilityScrewLine(this->AxisLines);
    cut->SetVisibilityConectorLine(this->AxisLines);
  }
  cuts[0]->SetFill(this->Fill && !implant->LibraryImplant);
  cuts[1]->SetFill(this->Fill && !implant->LibraryImplant);
  cuts[2]->SetFill(this->Fill);
  static_cast<CQlmImplantPanoramic*>(cuts[2])->SetThick(this->Thick);
}

void CQlmImplants::Renumber() {
  int number = 1;
  this->ForEachImplant([&number](CQlmImplant3D* implant, CQlmImplantAxial* axial, CQlmImplantCross9* cross,
                                 CQlmImplantPanoramic* panoramic) {
    implant->SetNumber(number);
    axial->SetNumber(number);
    cross->SetNumber(number);
    panoramic->SetNumber(number);
    ++number;
  });
}

int CQlmImplants::RemoveSelected() {
  int removed = 0;
  for (int i = 0; i < this->List3D->GetCount();) {
    if (!this->List3D->GetListItemAt(i)->GetSelected()) {
      ++i;
      continue;
    }
    this->ListPanoramic->DeleteListItemAt(i);
    this->ListCross->DeleteListItemAt(i);
    this->ListAxial->DeleteListItemAt(i);
    this->List3D->DeleteListItemAt(i);
    removed = 1;
    i = 0;
  }
  this->Renumber();
  return removed;
}

void CQlmImplants::BuildViewObjects() {
  for (int i = 0; i < this->List3D->GetCount(); ++i) {
    CQlmImplant3D* implant = this->List3D->GetListItemAt(i);
    implant->SetWindow(this->Window3D);
    implant->AddToRenderer();
    this->BuildCuts(i, implant);
    this->ApplySettings(i);
  }
}

void CQlmImplants::SetAxialIndex(int index) {
  this->AxialIndex = index;
  this->ForEachImplant([index](auto*, CQlmImplantAxial* axial, auto*, auto*) { axial->SetAxialIndex(index); });
}

void CQlmImplants::SetCrossIndex(int index) {
  this->CrossIndex = index;
  this->ForEachImplant([index](auto*, auto*, CQlmImplantCross9* cross, auto*) { cross->SetCrossIndex(index); });
}

void CQlmImplants::SetPanoramicIndex(int index) {
  this->PanoramicIndex = index;
  if (this->Calculator) this->Calculator->SetCurrentCurve(index);
}

void CQlmImplants::SetCrossSpacing(float spacing) {
  this->Spacing = spacing;
  this->Placer->SetSpacing(spacing);
  this->ForEachImplant([spacing](auto*, auto*, CQlmImplantCross9* cross, auto*) { cross->SetCrossSpacing(spacing); });
}

void CQlmImplants::UpdateCutters() {
  this->ForEachImplant([](auto*, auto*, CQlmImplantCross9* cross, auto*) { cross->UpdateCutters(); });
}

void CQlmImplants::SetSingleCrossSection(int on) {
  this->ForEachImplant([on](auto*, auto*, CQlmImplantCross9* cross, auto*) { cross->SetSingleCrossSection(on); });
}

void CQlmImplants::SetPanoramicThick(int on) {
  this->Thick = on;
  this->ForEachImplant([on](auto*, auto*, auto*, CQlmImplantPanoramic* panoramic) { panoramic->SetThick(on); });
}

void CQlmImplants::SetFill(int on) {
  this->Fill = on;
  this->ForEachImplant([on](CQlmImplant3D* implant, CQlmImplantAxial* axial, CQlmImplantCross9* cross,
                            CQlmImplantPanoramic* panoramic) {
    axial->SetFill(on && !implant->LibraryImplant);
    cross->SetFill(on && !implant->LibraryImplant);
    panoramic->SetFill(on);
  });
}

#define QLM_FAN_OUT_CUTS(Setter, Member, Type)                                                            \
  void CQlmImplants::Setter(Type value) {                                                                 \
    this->Member = value;                                                                                 \
    this->ForEachImplant([value](CQlmImplant3D*, CQlmImplantAxial* axial, CQlmImplantCross9* cross,       \
                                 CQlmImplantPanoramic* panoramic) {                                       \
      axial->Setter(value);                                                                               \
      cross->Setter(value);                                                                               \
      panoramic->Setter(value);                                                                           \
    });                                                                                                   \
  }
QLM_FAN_OUT_CUTS(SetFontSize, FontSize, int)
#undef QLM_FAN_OUT_CUTS

#define QLM_FAN_OUT_ALL(Setter, Member)                                                                   \
  void CQlmImplants::Setter(int value) {                                                                  \
    this->Member = value;                                                                                 \
    this->ForEachImplant([value](CQlmImplant3D* implant, CQlmImplantAxial* axial, CQlmImplantCross9* cross, \
                                 CQlmImplantPanoramic* panoramic) {                                       \
      implant->Setter(value);                                                                             \
      axial->Setter(value);                                                                               \
      cross->Setter(value);                                                                               \
      panoramic->Setter(value);                                                                           \
    });                                                                                                   \
  }
QLM_FAN_OUT_ALL(SetUniformColor, UniformColor)
QLM_FAN_OUT_ALL(SetLabelBackground, LabelBackground)
QLM_FAN_OUT_ALL(SetLabelMode, LabelMode)
QLM_FAN_OUT_ALL(SetVisibilityNumber, Numbers)
#undef QLM_FAN_OUT_ALL

void CQlmImplants::SetVisibilityAxisLines(int on) {
  this->AxisLines = on;
  this->ForEachImplant([on](CQlmImplant3D* implant, CQlmImplantAxial* axial, CQlmImplantCross9* cross,
                            CQlmImplantPanoramic* panoramic) {
    implant->SetVisibilityScrewLine(on);
    implant->SetVisibilityConectorLine(on);
    for (CQlmImplantCut* cut : {static_cast<CQlmImplantCut*>(axial), static_cast<CQlmImplantCut*>(cross),
                                static_cast<CQlmImplantCut*>(panoramic)}) {
      cut->SetVisibilityScrewLine(on);
      cut->SetVisibilityConectorLine(on);
    }
  });
}

void CQlmImplants::SetScrewColor(float r, float g, float b) {
  this->ScrewColor[0] = r, this->ScrewColor[1] = g, this->ScrewColor[2] = b;
}

void CQlmImplants::SetConectorColor(float r, float g, float b) {
  this->ConectorColor[0] = r, this->ConectorColor[1] = g, this->ConectorColor[2] = b;
}

void CQlmImplants::Serialize(CArchive& archive) {
  this->List3D->Serialize(archive);
  if (archive.IsStoring()) {
    archive << int32_t(this->Flip) << int32_t(0) << this->Spacing << int32_t(this->Fill);
    return;
  }
  int32_t flip, unused, fill;
  archive >> flip >> unused >> this->Spacing >> fill;
  this->Flip = flip;
  this->Fill = fill;
}
