// The library meshes and teeth of an 800901 file (sections 9 and 10): each
// record rebuilt from its library item; a file naming an item that no
// library holds is refused before anything reaches the controller.
#include <memory>

#include "app/CQlmQuorvantile.h"
#include "libraries/vtkGeomsLib.h"
#include "objects/CQlmDentes.h"
#include "objects/CQlmGeom3D.h"
#include "objects/CQlmGeomCreator.h"
#include "objects/CQlmGeoms.h"
#include "project/CQlmProjectCreator202106.h"
#include "project/CQlmProjectData.h"
#include "project/QlmLibraryObjectRecords.h"

namespace {

void Take(CQlmGeomContainer& container, CQlmGeomCreator& creator, const std::vector<CQlmLibraryObjectRecord>& records,
          const std::vector<vtkSmartPointer<vtkGeom>>& items) {
  CQlmGeom3DList& list = *container.GetList3D();
  for (size_t k = 0; k < records.size(); ++k) {
    const CQlmLibraryObjectRecord& record = records[k];
    creator.Item = items[k];
    creator.Create();
    CQlmGeom3D& object = *list.AddTail();
    object.BuildFromCreator(&creator);
    QlmTakeLibraryObject(record, object);
    object.SetNumber(static_cast<int>(k) + 1);
  }
  creator.Item = nullptr;
}

void Give(const CQlmGeomContainer& container, std::vector<CQlmLibraryObjectRecord>& records) {
  records.clear();
  container.GetList3D()->ForEach(
      [&records](const CQlmGeom3D* object) { QlmGiveLibraryObject(*object, records.emplace_back()); });
}

}  // namespace

bool CQlmProjectCreator202106::ResolveLibraryObjects(const CQlmProjectData& data, LibraryItems& items) {
  CQlmQuorvantile& controller = *this->Controller;
  controller.GeomsContainer->SetLibraries(vtkGeomsLib::SafeDownCast(controller.Libraries[CQlmQuorvantile::Meshes]),
                                          controller.LibraryNames[CQlmQuorvantile::Meshes]);
  controller.DentesContainer->SetLibraries(vtkGeomsLib::SafeDownCast(controller.Libraries[CQlmQuorvantile::Teeth]),
                                           controller.LibraryNames[CQlmQuorvantile::Teeth]);
  return QlmResolveLibraryItems(*controller.GeomsContainer, &CQlmGeoms::FindLibraryItem, data.LibraryMeshes,
                                items.Meshes) &&
         QlmResolveLibraryItems(*controller.DentesContainer, &CQlmDentes::FindItem, data.Teeth, items.Teeth);
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
