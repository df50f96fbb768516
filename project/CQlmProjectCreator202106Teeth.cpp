// The library meshes and teeth of an 800901 file (sections 9 and 10): each
// record rebuilt from its library item; a file naming an item that no
// library holds is refused before anything reaches the controller.
#include <vtkMatrix4x4.h>

#include <algorithm>
#include <memory>

#include "app/CQlmQuorvantile.h"
#include "libraries/vtkGeomsLib.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmGeom3D.h"
#include "objects/CQlmGeomCreator.h"
#include "objects/CQlmGeoms.h"
#include "platform/CQlmPrompter.h"
#include "project/CQlmProjectCreator202106.h"
#include "project/CQlmProjectData.h"

namespace {

// Each library file of the container's kind is read at most once while the items of one file are looked up.
class KeptLibraries {
public:
  explicit KeptLibraries(CQlmGeomContainer& container) : Container(container) {
    container.KeepLibrariesLoaded(true);
  }
  ~KeptLibraries() { this->Container.KeepLibrariesLoaded(false); }
  KeptLibraries(const KeptLibraries&) = delete;
  KeptLibraries& operator=(const KeptLibraries&) = delete;

private:
  CQlmGeomContainer& Container;
};

// The items of `records` in order; false, after the message naming the library, at the first one missing.
// `find` is the container's own look-up (library name, item name, library identifier).
template <class Container, typename Find>
bool Resolve(Container& container, Find find, const std::vector<CQlmLibraryObjectRecord>& records,
             std::vector<vtkSmartPointer<vtkGeom>>& items) {
  const KeptLibraries kept(container);
  for (const CQlmLibraryObjectRecord& record : records) {
    vtkGeom* item = (container.*find)(record.LibraryName, record.ItemName, record.LibraryIdentifier);
    if (!item) {
      QlmMessageBox("Biblioteca: " + record.LibraryName + " não encontrada", "Carregando Projeto", QlmButtons::Ok,
                    QlmIcon::Error);
      return false;
    }
    items.emplace_back(item);
  }
  return true;
}

void Take(CQlmGeomContainer& container, CQlmGeomCreator& creator, const std::vector<CQlmLibraryObjectRecord>& records,
          const std::vector<vtkSmartPointer<vtkGeom>>& items) {
  CQlmGeom3DList& list = *container.GetList3D();
  for (size_t k = 0; k < records.size(); ++k) {
    const CQlmLibraryObjectRecord& record = records[k];
    creator.Item = items[k];
    creator.Create();
    CQlmGeom3D& object = *list.AddTail();
    object.BuildFromCreator(&creator);
    object.SetColor(record.Color);
    object.SetVisibility(record.Visible);
    object.SetSelected(record.Selected);
    object.SetMatrix(record.Matrix);
    object.SetNumber(static_cast<int>(k) + 1);
  }
  creator.Item = nullptr;
}

void Give(const CQlmGeomContainer& container, std::vector<CQlmLibraryObjectRecord>& records) {
  records.clear();
  container.GetList3D()->ForEach([&records](const CQlmGeom3D* object) {
    CQlmLibraryObjectRecord& record = records.emplace_back();
    record.ItemName = object->GetName();
    record.LibraryName = object->LibraryName;
    record.LibraryIdentifier = object->LibraryId;
    std::copy_n(object->GetColor(), 3, record.Color);
    record.Visible = object->GetVisible();
    record.Selected = object->GetSelected();
    std::copy_n(&object->GetMatrix()->Element[0][0], 16, record.Matrix);
  });
}

}  // namespace

bool CQlmProjectCreator202106::ResolveLibraryObjects(const CQlmProjectData& data, LibraryItems& items) {
  CQlmQuorvantile& controller = *this->Controller;
  controller.GeomsContainer->SetLibraries(vtkGeomsLib::SafeDownCast(controller.Libraries[CQlmQuorvantile::Meshes]),
                                          controller.LibraryNames[CQlmQuorvantile::Meshes]);
  controller.DentesContainer->SetLibraries(vtkGeomsLib::SafeDownCast(controller.Libraries[CQlmQuorvantile::Teeth]),
                                           controller.LibraryNames[CQlmQuorvantile::Teeth]);
  return Resolve(*controller.GeomsContainer, &CQlmGeoms::FindLibraryItem, data.LibraryMeshes, items.Meshes) &&
         Resolve(*controller.DentesContainer, &CQlmDentes::FindItem, data.Teeth, items.Teeth);
}

void CQlmProjectCreator202106::TakeLibraryObjects(const CQlmProjectData& data, const LibraryItems& items) {
  CQlmQuorvantile& controller = *this->Controller;
  const std::unique_ptr<CQlmGeomCreator> creator(CQlmGeomCreator::New());
  Take(*controller.GeomsContainer, *creator, data.LibraryMeshes, items.Meshes);
  Take(*controller.DentesContainer, *creator, data.Teeth, items.Teeth);
}

void CQlmProjectCreator202106::GiveLibraryObjects(CQlmProjectData& data) const {
  Give(*this->Controller->GeomsContainer, data.LibraryMeshes);
  Give(*this->Controller->DentesContainer, data.Teeth);
}
