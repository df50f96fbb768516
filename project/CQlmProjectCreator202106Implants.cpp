// The implants of an 800901 file (section 6): each record rebuilt from its
// library item, or as a generic implant after a warning when no library holds it.
#include <vtkMatrix4x4.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <algorithm>
#include <memory>

#include "app/CQlmQuorvantile.h"
#include "libraries/vtkImplantCustom.h"
#include "libraries/vtkImplantLib.h"
#include "objects/CQlmImplant3D.h"
#include "objects/CQlmImplantCreator.h"
#include "objects/CQlmImplantRings.h"
#include "objects/CQlmImplants.h"
#include "platform/CQlmPrompter.h"
#include "project/CQlmProjectCreator202106.h"
#include "project/CQlmProjectData.h"

namespace {

constexpr const char* StandardComponent = "Standard";

void WarnMissing(const char* format, const CString& library, int number) {
  QlmMessageBox(CString::Formatted(format, library.c_str(), number), "Bibliotecas", QlmButtons::Ok, QlmIcon::Warning);
}

// The creator set for the record: the library implant with its component or
// the generic connector where the libraries hold them, else the generic
// implant of the record's dimensions. Returns the library implant, or null.
vtkSmartPointer<vtkImplantCustom> PrepareCreator(CQlmImplants& implants, const CQlmImplantRecord& record, int number,
                                                 CQlmImplantCreator& creator) {
  creator.Mode = CQlmImplantCreator::Generic;
  creator.Diameter = record.Diameter;
  creator.Length = record.Length;
  creator.ConectorHeight = record.ConnectorHeight;
  if (record.LibraryFlag != 1) return nullptr;
  vtkSmartPointer<vtkImplantCustom> item =
      implants.FindLibraryImplant(record.LibraryIdentifier, record.LibraryName, record.ImplantName);
  if (!item) {
    WarnMissing("Biblioteca %s não encontrada para o implante %d, um Implante genérico será criado",
                record.LibraryName, number);
    return nullptr;
  }
  vtkSmartPointer<vtkImplantCustom> component;
  if (record.ComponentName != StandardComponent) {
    component = implants.FindLibraryComponent(record.LibraryIdentifier, record.LibraryName, record.ComponentName);
    if (!component) {
      WarnMissing("Biblioteca %s não encontrada para o componente %d, um componente genérico será criado",
                  record.LibraryName, number);
    }
  }
  creator.Diameter = item->Diameter;
  creator.Length = item->Length;
  creator.LibraryImplantMesh = item->Mesh.GetPointer();
  if (component) {
    creator.Mode = CQlmImplantCreator::LibraryWithComponent;
    creator.ConectorHeight = component->Length;
    creator.LibraryConectorMesh = component->Mesh.GetPointer();
  } else {
    creator.Mode = CQlmImplantCreator::LibraryWithGenericConnector;
  }
  return item;
}

void TakeRingValues(const vtkImplantCustom& item, CQlmImplant3D& implant) {
  const float ring[7] = {item.WasherDistance,      item.WasherHeight + item.WasherDistance,
                         item.WasherOuterDiameter, item.WasherInnerDiameter,
                         item.WasherColor[0],      item.WasherColor[1],
                         item.WasherColor[2]};
  std::copy_n(ring, 7, implant.RingValues);
}

// The record's values through the implant's setters, in the file's order. The
// selected colours need no step: the two colour setters make them white.
void TakeRecord(const CQlmImplantRecord& record, CQlmImplant3D& implant) {
  implant.SetDimensions(record.Diameter, record.Length, record.ConnectorHeight);
  implant.LibraryImplant = record.LibraryFlag;
  implant.ImplantName = record.ImplantName;
  implant.ComponentName = record.ComponentName;
  implant.Platform = record.LibraryName;
  implant.LibraryIdentifier = record.LibraryIdentifier;
  implant.ComponentAngle = record.ComponentValue;
  implant.GenericComponent = record.GenericComponent;
  implant.SetScrewColor(record.ScrewColor[0], record.ScrewColor[1], record.ScrewColor[2]);
  implant.SetConectorColor(record.ConnectorColor[0], record.ConnectorColor[1], record.ConnectorColor[2]);
  implant.SetVisibility(record.Visible);
  implant.SetVisibilityScrew(record.ScrewShown);
  implant.SetVisibilityConector(record.ConnectorShown);
  implant.SetSelected(record.Selected);
  implant.SetVisibilityScrewLine(record.ScrewLine);
  implant.SetVisibilityConectorLine(record.ConnectorLine);
  implant.SetNumber(record.Number);
  implant.SetVisibilityNumber(record.NumberShown);
  implant.SetShowExtension(record.ExtensionShown);
  implant.RingVisible = record.RingShown;
  implant.SetMatrix(record.Matrix);
  implant.SetConectorMatrix(record.ConnectorMatrix);
}

// The ring's own state when implant i has its ring, else what the implant carries.
int RingShown(const CQlmImplantRings* rings, int i, const CQlmImplant3D& implant) {
  if (rings && i < rings->GetCount()) {
    const CQlmImplantRing3D* ring = rings->GetList3D()->GetListItemAt(i);
    if (ring && ring->GetImplant() == &implant) return ring->GetVisible();
  }
  return implant.RingVisible;
}

CQlmImplantRecord GiveRecord(const CQlmImplant3D& implant) {
  CQlmImplantRecord record;
  record.Diameter = implant.GetDiameter();
  record.Length = implant.GetLength();
  record.ConnectorHeight = implant.GetConectorHeight();
  record.LibraryFlag = implant.LibraryImplant;
  record.ImplantName = implant.ImplantName;
  record.ComponentName = implant.ComponentName;
  record.LibraryName = implant.Platform;
  record.LibraryIdentifier = implant.LibraryIdentifier;
  record.ComponentValue = implant.ComponentAngle;
  record.GenericComponent = implant.GenericComponent;
  std::copy_n(implant.GetScrewColor(), 3, record.ScrewColor);
  std::copy_n(implant.GetConectorColor(), 3, record.ConnectorColor);
  std::copy_n(implant.GetSelectedScrewColor(), 3, record.SelectedScrewColor);
  std::copy_n(implant.GetSelectedConectorColor(), 3, record.SelectedConnectorColor);
  record.Visible = implant.GetVisible();
  record.ScrewShown = implant.GetShowScrew();
  record.ConnectorShown = implant.GetShowConector();
  record.Selected = implant.GetSelected();
  record.ScrewLine = implant.GetShowScrewLine();
  record.ConnectorLine = implant.GetShowConectorLine();
  record.Number = implant.GetNumber();
  record.NumberShown = implant.GetNumberVisible();
  record.ExtensionShown = implant.GetShowExtension();
  std::copy_n(&implant.GetMatrix()->Element[0][0], 16, record.Matrix);
  std::copy_n(&implant.GetConectorMatrix()->Element[0][0], 16, record.ConnectorMatrix);
  return record;
}

}  // namespace

void CQlmProjectCreator202106::TakeImplants(const CQlmProjectData& data) {
  CQlmQuorvantile& controller = *this->Controller;
  CQlmImplants& implants = *controller.ImplantContainer;
  implants.SetLibraries(vtkImplantLib::SafeDownCast(controller.Libraries[CQlmQuorvantile::Implants]),
                        controller.LibraryNames[CQlmQuorvantile::Implants]);
  CQlmImplant3DList& list = *implants.GetList3D();
  int number = 0;
  for (const CQlmImplantRecord& record : data.Implants) {
    ++number;
    CQlmImplant3D& implant = *list.AddTail();
    const std::unique_ptr<CQlmImplantCreator> creator(CQlmImplantCreator::New());
    const vtkSmartPointer<vtkImplantCustom> item = PrepareCreator(implants, record, number, *creator);
    implant.SetPolyData(creator->GetScrewOutput(), creator->GetConectorOutput(), creator->GetExtensionOutput());
    if (item) TakeRingValues(*item, implant);
    TakeRecord(record, implant);
    list.SetShowExtension(record.ExtensionShown);
  }
}

void CQlmProjectCreator202106::GiveImplants(CQlmProjectData& data) const {
  const CQlmQuorvantile& controller = *this->Controller;
  data.Implants.clear();
  int i = 0;
  controller.ImplantContainer->GetList3D()->ForEach([&](const CQlmImplant3D* implant) {
    CQlmImplantRecord& record = data.Implants.emplace_back(GiveRecord(*implant));
    record.RingShown = RingShown(controller.RingContainer, i++, *implant);
  });
}
