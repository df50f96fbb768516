#include "objects/CQlmImplants.h"

#include <vtkMatrix4x4.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkTransform.h>

#include <algorithm>

#include "ct/CQlmPanoramicCalc.h"
#include "libraries/CImpLibFile.h"
#include "objects/CQlmImplantCreator.h"
#include "objects/CQlmObjectPlacer.h"
#include "platform/CArchive.h"
#include "platform/CStringArray.h"

namespace {
// Library implants shown without a connector.
bool HasNoConnector(const CString& name) { return name == "Ancor Pin" || name == "Pino Fix"; }

int LoadImplantLibrary(vtkImplantLib* library) {
  CImpLibFile file;
  file.Library = library;
  return file.Load();
}
}  // namespace

CQlmImplants::CQlmImplants()
    : List3D(CQlmImplant3DList::CreateObject()),
      ListAxial(CQlmImplantAxialList::CreateObject()),
      ListCross(CQlmImplantCross9List::CreateObject()),
      ListPanoramic(CQlmImplantPanoramicList::CreateObject()),
      Creator(CQlmImplantCreator::New()),
      Placer(CQlmObjectPlacer::New()),
      Libraries(LoadImplantLibrary) {}

// The cuts go before the 3D implants whose meshes they read.
CQlmImplants::~CQlmImplants() {
  this->ListPanoramic.reset();
  this->ListCross.reset();
  this->ListAxial.reset();
  this->List3D.reset();
}

void CQlmImplants::SetInput(vtkImageData* image, CQlmPanoramicCalc* calculator, float spacing,
                            CQlmIndicator* indicator) {
  this->SetImage(image, calculator, spacing);
  this->Placer->SetInput(image, calculator);
  this->Placer->SetSpacing(spacing);
  this->Placer->SetIndicator(indicator);
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

int CQlmImplants::AddImplant(const void* window, const double point[3], float diameter, float length,
                             float connectorHeight, int cell, int position) {
  if (position < -1 || position > this->GetCount()) return 0;
  this->Creator->Mode = CQlmImplantCreator::Generic;
  this->Creator->Diameter = diameter;
  this->Creator->Length = length;
  this->Creator->ConectorHeight = connectorHeight;
  const int i = position == -1 ? this->GetCount() : position;
  this->InsertNew(window, point, cell, position, 0);
  this->ApplySettings(i, this->ScrewColor, this->ConectorColor);
  return 1;
}

// Steps shared by the generic and the library implant: the four
// representations from the creator at `position`, numbers, the first
// placement, the jaw's turn and the selection.
CQlmImplant3D* CQlmImplants::InsertNew(const void* window, const double point[3], int cell, int position, int library) {
  const int i = position == -1 ? this->GetCount() : position;
  CQlmImplant3D* implant = i == 0 ? this->List3D->AddHead() : this->List3D->InsertAfter(i - 1);
  implant->SetWindow(this->Window3D);
  implant->BuildFromCreator(this->Creator.get());
  implant->Added = 1;
  implant->LibraryImplant = library;
  implant->AddToRenderer();
  this->BuildCuts(i, implant);
  this->RenumberObjects(*this->List3D);

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
  return implant;
}

void CQlmImplants::SetSelected(int index, int selected) {
  if (index < 0 || index >= this->GetCount()) return;
  this->List3D->GetListItemAt(index)->SetSelected(selected);
  this->ListAxial->GetListItemAt(index)->SetSelected(selected);
  this->ListCross->GetListItemAt(index)->SetSelected(selected);
  this->ListPanoramic->GetListItemAt(index)->SetSelected(selected);
}

void CQlmImplants::ApplySettings(int i, const float screwColor[3], const float connectorColor[3]) {
  CQlmImplant3D* implant = this->List3D->GetListItemAt(i);
  CQlmImplantCut* cuts[3] = {this->ListAxial->GetListItemAt(i), this->ListCross->GetListItemAt(i),
                             this->ListPanoramic->GetListItemAt(i)};
  implant->SetUniformColor(this->UniformColor);
  implant->SetLabelBackground(this->LabelBackground);
  implant->SetLabelMode(this->LabelMode);
  implant->SetVisibilityNumber(this->Numbers);
  implant->SetScrewColor(screwColor[0], screwColor[1], screwColor[2]);
  implant->SetConectorColor(connectorColor[0], connectorColor[1], connectorColor[2]);
  implant->SetVisibilityScrewLine(this->AxisLines);
  implant->SetVisibilityConectorLine(this->AxisLines);
  for (CQlmImplantCut* cut : cuts) {
    cut->SetUniformColor(this->UniformColor);
    cut->SetLabelBackground(this->LabelBackground);
    cut->SetLabelMode(this->LabelMode);
    cut->SetFontSize(this->FontSize);
    cut->SetVisibilityNumber(this->Numbers);
    cut->SetScrewColor(screwColor[0], screwColor[1], screwColor[2]);
    cut->SetConectorColor(connectorColor[0], connectorColor[1], connectorColor[2]);
    cut->SetVisibilityScrewLine(this->AxisLines);
    cut->SetVisibilityConectorLine(this->AxisLines);
  }
  cuts[0]->SetFill(this->Fill && !implant->LibraryImplant);
  cuts[1]->SetFill(this->Fill && !implant->LibraryImplant);
  cuts[2]->SetFill(this->Fill);
  static_cast<CQlmImplantPanoramic*>(cuts[2])->SetThick(this->Thick);
}

int CQlmImplants::RemoveSelected() { return this->RemoveSelectedObjects(*this->List3D); }

void CQlmImplants::BuildViewObjects() {
  for (int i = 0; i < this->List3D->GetCount(); ++i) {
    CQlmImplant3D* implant = this->List3D->GetListItemAt(i);
    implant->SetWindow(this->Window3D);
    implant->AddToRenderer();
    this->BuildCuts(i, implant);
    this->ApplySettings(i, implant->GetScrewColor(), implant->GetConectorColor());
  }
}

void CQlmImplants::SetPanoramicIndex(int index) {
  this->PanoramicIndex = index;
  if (this->Calculator) this->Calculator->SetCurrentCurve(index);
}

void CQlmImplants::SetCrossSpacing(float spacing) {
  this->CQlmObjectContainer::SetCrossSpacing(spacing);
  this->Placer->SetSpacing(spacing);
}

void CQlmImplants::SetFill(int on) {
  this->Fill = on;
  this->ForEachImplant(
      [on](CQlmImplant3D* implant, CQlmImplantAxial* axial, CQlmImplantCross9* cross, CQlmImplantPanoramic* panoramic) {
        axial->SetFill(on && !implant->LibraryImplant);
        cross->SetFill(on && !implant->LibraryImplant);
        panoramic->SetFill(on);
      });
}

#define QLM_FAN_OUT_CUTS(Setter, Member, Type)                                                                        \
  void CQlmImplants::Setter(Type value) {                                                                             \
    this->Member = value;                                                                                             \
    this->ForEachImplant(                                                                                             \
        [value](CQlmImplant3D*, CQlmImplantAxial* axial, CQlmImplantCross9* cross, CQlmImplantPanoramic* panoramic) { \
          axial->Setter(value);                                                                                       \
          cross->Setter(value);                                                                                       \
          panoramic->Setter(value);                                                                                   \
        });                                                                                                           \
  }
QLM_FAN_OUT_CUTS(SetFontSize, FontSize, int)
#undef QLM_FAN_OUT_CUTS

#define QLM_FAN_OUT_ALL(Setter, Member)                                                                     \
  void CQlmImplants::Setter(int value) {                                                                    \
    this->Member = value;                                                                                   \
    this->ForEachImplant([value](CQlmImplant3D* implant, CQlmImplantAxial* axial, CQlmImplantCross9* cross, \
                                 CQlmImplantPanoramic* panoramic) {                                         \
      implant->Setter(value);                                                                               \
      axial->Setter(value);                                                                                 \
      cross->Setter(value);                                                                                 \
      panoramic->Setter(value);                                                                             \
    });                                                                                                     \
  }
QLM_FAN_OUT_ALL(SetUniformColor, UniformColor)
QLM_FAN_OUT_ALL(SetLabelBackground, LabelBackground)
QLM_FAN_OUT_ALL(SetLabelMode, LabelMode)
QLM_FAN_OUT_ALL(SetVisibilityNumber, Numbers)
#undef QLM_FAN_OUT_ALL

void CQlmImplants::SetVisibilityAxisLines(int on) {
  this->AxisLines = on;
  this->ForEachImplant(
      [on](CQlmImplant3D* implant, CQlmImplantAxial* axial, CQlmImplantCross9* cross, CQlmImplantPanoramic* panoramic) {
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

void CQlmImplants::SetLibraries(vtkImplantLib* current, const CStringArray& names) {
  this->Libraries.SetCurrent(current);
  this->Libraries.SetNames(names);
}

void CQlmImplants::SetLibraryLoader(CQlmLibraryLookup<vtkImplantLib>::Loader loader) {
  this->Libraries.SetLoader(std::move(loader));
}

vtkImplantCustom* CQlmImplants::FindLibraryImplant(const CString& identifier, const CString&, const CString& name) {
  return this->Libraries.Find([&](vtkImplantLib* library) { return library->FindImplant(identifier, name); });
}

vtkImplantCustom* CQlmImplants::FindLibraryComponent(const CString& identifier, const CString&, const CString& name) {
  return this->Libraries.Find([&](vtkImplantLib* library) { return library->FindComponent(identifier, name); });
}

// The creator set from the library implant and its component (the generic
// connector for "Standard" or a component no library holds); false when no
// library holds the implant.
bool CQlmImplants::SetLibraryCreator(const CString& identifier, const CString& platform, const CString& implantName,
                                     const CString& componentName, float connectorHeight,
                                     vtkSmartPointer<vtkImplantCustom>& implant,
                                     vtkSmartPointer<vtkImplantCustom>& component) {
  // Held here: the component look-up may read another file into the scratch library.
  implant = this->FindLibraryImplant(identifier, platform, implantName);
  if (!implant) return false;
  component = componentName == "Standard" ? nullptr : this->FindLibraryComponent(identifier, platform, componentName);
  CQlmImplantCreator* creator = this->Creator.get();
  creator->Diameter = implant->Diameter;
  creator->Length = implant->Length;
  creator->LibraryImplantMesh = vtkSmartPointer<vtkPolyData>::New();
  creator->LibraryImplantMesh->DeepCopy(implant->Mesh);
  if (component) {
    creator->Mode = CQlmImplantCreator::LibraryWithComponent;
    creator->ConectorHeight = component->Length;
    creator->LibraryConectorMesh = vtkSmartPointer<vtkPolyData>::New();
    creator->LibraryConectorMesh->DeepCopy(component->Mesh);
  } else {
    creator->Mode = CQlmImplantCreator::LibraryWithGenericConnector;
    creator->ConectorHeight = connectorHeight;
  }
  return true;
}

// Names, flags, guide-ring values and the hidden connector of a library implant at index i.
void CQlmImplants::TakeLibraryItem(int i, vtkImplantCustom* item, vtkImplantCustom* component,
                                   const CString& identifier, const CString& platform) {
  CQlmImplant3D* implant = this->List3D->GetListItemAt(i);
  implant->ImplantName = item->Name;
  implant->LibraryIdentifier = identifier;
  implant->Platform = platform;
  implant->ComponentName = component ? component->Name : CString("Standard");
  implant->ComponentAngle = component ? component->Angle : 0.0f;
  implant->GenericComponent = component ? 0 : 1;
  const float ring[7] = {item->WasherDistance,      item->WasherHeight + item->WasherDistance,
                         item->WasherOuterDiameter, item->WasherInnerDiameter,
                         item->WasherColor[0],      item->WasherColor[1],
                         item->WasherColor[2]};
  std::copy(ring, ring + 7, implant->RingValues);
  if (!HasNoConnector(implant->ImplantName)) return;
  implant->SetVisibilityConector(0);
  this->ListAxial->GetListItemAt(i)->SetVisibilityConector(0);
  this->ListCross->GetListItemAt(i)->SetVisibilityConector(0);
  this->ListPanoramic->GetListItemAt(i)->SetVisibilityConector(0);
}

int CQlmImplants::AddLibraryImplant(const void* window, const double point[3], const CString& identifier,
                                    const CString& platform, const CString& implantName, const CString& componentName,
                                    float diameter, float length, float connectorHeight, int cell, int position) {
  if (position < -1 || position > this->GetCount()) return 0;
  vtkSmartPointer<vtkImplantCustom> item, component;
  if (!this->SetLibraryCreator(identifier, platform, implantName, componentName, connectorHeight, item, component))
    return this->AddImplant(window, point, diameter, length, connectorHeight, cell, position);
  const int i = position == -1 ? this->GetCount() : position;
  this->InsertNew(window, point, cell, position, 1);
  this->TakeLibraryItem(i, item, component, identifier, platform);
  this->ApplySettings(i, item->Color, component ? component->Color : this->ConectorColor);
  return 1;
}

struct CQlmImplants::Kept {
  double Placement[16];
  double Conector[16];
  int ShowConector;
  float ScrewColor[3];
  float ConectorColor[3];
  int ScrewLine;
  int ConectorLine;
  int Selected;
};

CQlmImplants::Kept CQlmImplants::Keep(int i) {
  CQlmImplant3D* implant = this->List3D->GetListItemAt(i);
  Kept kept;
  std::copy(implant->GetMatrix()->GetData(), implant->GetMatrix()->GetData() + 16, kept.Placement);
  std::copy(implant->GetConectorMatrix()->GetData(), implant->GetConectorMatrix()->GetData() + 16, kept.Conector);
  kept.ShowConector = implant->GetShowConector();
  std::copy(implant->GetScrewColor(), implant->GetScrewColor() + 3, kept.ScrewColor);
  std::copy(implant->GetConectorColor(), implant->GetConectorColor() + 3, kept.ConectorColor);
  kept.ScrewLine = implant->GetShowScrewLine();
  kept.ConectorLine = implant->GetShowConectorLine();
  kept.Selected = implant->GetSelected();
  return kept;
}

// The four representations of implant i again from the creator, with the kept placement and flags.
CQlmImplant3D* CQlmImplants::Rebuild(int i, const Kept& kept) {
  CQlmImplant3D* implant = i == 0 ? this->List3D->AddHead() : this->List3D->InsertAfter(i - 1);
  implant->SetWindow(this->Window3D);
  implant->BuildFromCreator(this->Creator.get());
  implant->SetNumber(i + 1);
  implant->AddToRenderer();
  implant->SetMatrix(kept.Placement);
  implant->SetConectorMatrix(kept.Conector);
  implant->SetSelected(kept.Selected);
  implant->SetScrewColor(kept.ScrewColor[0], kept.ScrewColor[1], kept.ScrewColor[2]);
  implant->SetConectorColor(kept.ConectorColor[0], kept.ConectorColor[1], kept.ConectorColor[2]);
  implant->SetVisibilityConector(kept.ShowConector);
  implant->SetVisibilityScrewLine(kept.ScrewLine);
  implant->SetVisibilityConectorLine(kept.ConectorLine);
  return implant;
}

void CQlmImplants::ChangeImplant(int i, float diameter, float length, float connectorHeight) {
  if (i < 0 || i >= this->GetCount()) return;
  const Kept kept = this->Keep(i);
  this->RemoveObjectAt(*this->List3D, i);
  this->Creator->Mode = CQlmImplantCreator::Generic;
  this->Creator->Diameter = diameter;
  this->Creator->Length = length;
  this->Creator->ConectorHeight = connectorHeight;
  CQlmImplant3D* implant = this->Rebuild(i, kept);
  this->BuildCuts(i, implant);
  this->ApplySettings(i, kept.ScrewColor, kept.ConectorColor);
}

void CQlmImplants::ChangeLibraryImplant(int i, const CString& identifier, const CString& platform,
                                        const CString& implantName, const CString& componentName, float diameter,
                                        float length, float connectorHeight) {
  if (i < 0 || i >= this->GetCount()) return;
  vtkSmartPointer<vtkImplantCustom> item, component;
  if (!this->SetLibraryCreator(identifier, platform, implantName, componentName, connectorHeight, item, component)) {
    this->ChangeImplant(i, diameter, length, connectorHeight);
    return;
  }
  const Kept kept = this->Keep(i);
  this->RemoveObjectAt(*this->List3D, i);
  CQlmImplant3D* implant = this->Rebuild(i, kept);
  implant->LibraryImplant = 1;
  this->BuildCuts(i, implant);
  this->TakeLibraryItem(i, item, component, identifier, platform);
  this->ApplySettings(i, item->Color, kept.ConectorColor);
}
