// The orthodontic and endodontic objects of an 800901 file (sections 7 and 8):
// each record rebuilt from its library item, its parts given the record's
// variants, colours and visibility; a file naming an item that no library
// holds is refused before anything reaches the controller.
#include <algorithm>
#include <memory>

#include "app/CQlmQuorvantile.h"
#include "libraries/vtkEndoImpLib.h"
#include "libraries/vtkOrtoImpLib.h"
#include "objects/CQlmEndoImps.h"
#include "objects/CQlmMultiPartCreator.h"
#include "objects/CQlmOrtoImps.h"
#include "project/CQlmProjectCreator202106.h"
#include "project/CQlmProjectData.h"
#include "project/QlmLibraryObjectRecords.h"

namespace {

static_assert(CQlmMultiPartRecord::MaximumParts == CQlmMultiPart3D::MaximumParts);

// Entry j of the record goes to the object's j-th present part. Entries
// beyond the object's parts (an item with fewer sections than when the file
// was saved) are skipped; parts beyond the entries keep what the item gives them.
template <class Container>
void TakeParts(Container& container, int index, const CQlmMultiPartRecord& record, CQlmMultiPart3D& object) {
  size_t entry = 0;
  for (int slot = 0; slot < CQlmMultiPart3D::MaximumParts && entry < record.Parts.size(); ++slot) {
    if (!object.HasPart(slot)) continue;
    const CQlmMultiPartRecord::Part& part = record.Parts[entry++];
    // A variant the section no longer offers leaves the slot as the item built it.
    container.LoadPartSection(index, record.LibraryName, record.LibraryIdentifier, record.ItemName, slot,
                              part.SectionName);
    object.SetPartColor(slot, part.Color);
    object.SetPartVisibility(slot, part.Visible);
  }
}

template <class Container, class Item>
void Take(Container& container, const std::vector<CQlmMultiPartRecord>& records,
          const std::vector<vtkSmartPointer<Item>>& items) {
  const std::unique_ptr<CQlmMultiPartCreator> creator(CQlmMultiPartCreator::New());
  auto& list = *container.GetList3D();
  for (size_t k = 0; k < records.size(); ++k) {
    const CQlmMultiPartRecord& record = records[k];
    creator->Item = items[k];
    creator->Create();
    CQlmMultiPart3D& object = *list.AddTail();
    object.BuildFromCreator(creator.get());
    QlmTakeLibraryObject(record, object);
    TakeParts(container, list.GetCount() - 1, record, object);
    object.SetNumber(static_cast<int>(k) + 1);
  }
  creator->Item = nullptr;
}

// P is the number of present parts; their entries follow in slot order.
template <class Container>
void Give(const Container& container, std::vector<CQlmMultiPartRecord>& records) {
  records.clear();
  container.GetList3D()->ForEach([&records](const CQlmMultiPart3D* object) {
    CQlmMultiPartRecord& record = records.emplace_back();
    QlmGiveLibraryObject(*object, record);
    for (int slot = 0; slot < CQlmMultiPart3D::MaximumParts; ++slot) {
      if (!object->HasPart(slot)) continue;
      CQlmMultiPartRecord::Part& part = record.Parts.emplace_back();
      part.SectionName = object->GetPartName(slot);
      std::copy_n(object->GetPartColor(slot), 3, part.Color);
      part.Visible = object->GetPartVisible(slot);
    }
  });
}

}  // namespace

bool CQlmProjectCreator202106::ResolveMultiParts(const CQlmProjectData& data, LibraryItems& items) {
  CQlmQuorvantile& controller = *this->Controller;
  controller.OrtoImpsContainer->SetLibraries(
      vtkOrtoImpLib::SafeDownCast(controller.Libraries[CQlmQuorvantile::Orthodontic]),
      controller.LibraryNames[CQlmQuorvantile::Orthodontic]);
  controller.EndoImpsContainer->SetLibraries(
      vtkEndoImpLib::SafeDownCast(controller.Libraries[CQlmQuorvantile::Endodontic]),
      controller.LibraryNames[CQlmQuorvantile::Endodontic]);
  return QlmResolveLibraryItems(*controller.OrtoImpsContainer, &CQlmOrtoImps::FindLibraryItem, data.Orthodontic,
                                items.Orthodontic) &&
         QlmResolveLibraryItems(*controller.EndoImpsContainer, &CQlmEndoImps::FindLibraryItem, data.Endodontic,
                                items.Endodontic);
}

void CQlmProjectCreator202106::TakeMultiParts(const CQlmProjectData& data, const LibraryItems& items) {
  Take(*this->Controller->OrtoImpsContainer, data.Orthodontic, items.Orthodontic);
  Take(*this->Controller->EndoImpsContainer, data.Endodontic, items.Endodontic);
}

void CQlmProjectCreator202106::GiveMultiParts(CQlmProjectData& data) const {
  Give(*this->Controller->OrtoImpsContainer, data.Orthodontic);
  Give(*this->Controller->EndoImpsContainer, data.Endodontic);
}
