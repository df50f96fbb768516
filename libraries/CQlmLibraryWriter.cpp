#include "libraries/CQlmLibraryWriter.h"

#include <vtkCellArray.h>
#include <vtkFloatArray.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "libraries/CQlmLibraryFileError.h"
#include "libraries/QlmBlockConversions.h"
#include "libraries/vtkEndoImpLib.h"
#include "libraries/vtkGeomsLib.h"
#include "libraries/vtkImplantLib.h"
#include "libraries/vtkOrtoImpLib.h"
#include "platform/CArchive.h"
#include "platform/QlmCodePage1252.h"

namespace {

// Points are written this many coordinates at a time.
constexpr size_t BlockValues = 3 * 8192;

// An id that is not one of the mesh's points.
struct OutsideId {
  bool Found = false;
  vtkIdType Id = 0;
};

// Appends the first three ids of every polygon of three or more points to
// `ids`, and notes the first id outside the points.
struct CollectTriangles {
  template <class CellState>
  void operator()(CellState& state, vtkIdType pointCount, std::vector<int32_t>& ids, OutsideId& outside) const {
    const auto* offsets = state.GetOffsets()->GetPointer(0);
    const auto* connectivity = state.GetConnectivity()->GetPointer(0);
    for (vtkIdType cell = 0, cellCount = state.GetNumberOfCells(); cell < cellCount; ++cell) {
      const auto first = offsets[cell];
      if (offsets[cell + 1] - first < 3) continue;
      for (int k = 0; k < 3; ++k) {
        const vtkIdType id = connectivity[first + k];
        if ((id < 0 || id >= pointCount) && !outside.Found) outside = {true, id};
        ids.push_back(static_cast<int32_t>(id));
      }
    }
  }
};

}  // namespace

CQlmLibraryWriter::CQlmLibraryWriter(CArchive& archive) : Archive(archive) {}

void CQlmLibraryWriter::Fail(const CString& problem) const {
  throw CQlmLibraryFileError((problem + this->Place).Str());
}

void CQlmLibraryWriter::WriteString(const CString& text, const char* what) {
  if (!QlmCodePage1252::CanEncode(text.Str()))
    this->Fail(CString(what) + " com caracteres que o arquivo não pode guardar");
  this->Archive << text;
}

void CQlmLibraryWriter::WriteCount(int64_t count, const char* what) {
  if (count > std::numeric_limits<int32_t>::max()) this->Fail(CString::Formatted("%s demais", what));
  this->Archive << static_cast<int32_t>(count);
}

void CQlmLibraryWriter::WriteColor(const float (&color)[3]) { this->Archive << color[0] << color[1] << color[2]; }

void CQlmLibraryWriter::WriteHeader(vtkLibrary* library) {
  this->Place = " no cabeçalho";
  this->WriteString(library->Name, "nome da biblioteca");
  this->WriteString(library->Password, "senha");
  this->WriteString(library->Identifier, "identificador");
  this->Place.Empty();
}

void CQlmLibraryWriter::WriteMesh(vtkPolyData* mesh) {
  vtkPoints* points = mesh->GetPoints();
  const vtkIdType pointCount = points ? points->GetNumberOfPoints() : 0;
  this->WriteCount(pointCount, "pontos");
  this->Coordinates.resize(std::min<size_t>(BlockValues, 3 * static_cast<size_t>(pointCount)));
  auto* floats = points ? vtkFloatArray::FastDownCast(points->GetData()) : nullptr;
  for (vtkIdType first = 0; first < pointCount;) {
    const vtkIdType count = std::min<vtkIdType>(BlockValues / 3, pointCount - first);
    double* xyz = this->Coordinates.data();
    if (floats) {
      QlmBlockConversions::Widen(floats->GetPointer(3 * first), xyz, 3 * count);
    } else {
      for (vtkIdType i = 0; i < count; ++i) points->GetPoint(first + i, xyz + 3 * i);
    }
    this->Archive.Write(xyz, 3 * count * sizeof(double));
    first += count;
  }

  this->Indices.clear();
  OutsideId outside;
  if (vtkCellArray* polygons = pointCount ? mesh->GetPolys() : nullptr) {
    this->Indices.reserve(3 * polygons->GetNumberOfCells());
    polygons->Visit(CollectTriangles{}, pointCount, this->Indices, outside);
  }
  if (outside.Found)
    this->Fail(CString::Formatted("polígono com índice %lld fora da malha de %lld pontos",
                                  static_cast<long long>(outside.Id), static_cast<long long>(pointCount)));
  this->WriteCount(static_cast<int64_t>(this->Indices.size() / 3), "triângulos");
  this->Archive.Write(this->Indices.data(), this->Indices.size() * sizeof(int32_t));
}

template <class Item, class Visit>
void CQlmLibraryWriter::WriteItems(vtkCollection* items, const char* what, const char* placeFormat, Visit visit) {
  this->WriteCount(items->GetNumberOfItems(), what);
  const CString outerPlace = this->Place;
  vtkCollectionSimpleIterator it;
  items->InitTraversal(it);
  for (int number = 1; vtkObject* object = items->GetNextItemAsObject(it); ++number) {
    this->Place = outerPlace + CString::Formatted(placeFormat, number);
    auto* item = Item::SafeDownCast(object);
    if (!item) this->Fail(CString::Formatted("objeto da classe %s", object->GetClassName()));
    visit(item);
  }
  this->Place = outerPlace;
}

void CQlmLibraryWriter::Write(vtkGeomsLib* library) {
  this->WriteHeader(library);
  this->WriteItems<vtkGeom>(library->Items, "itens", " no item %d", [&](vtkGeom* item) {
    this->WriteString(item->Name, "nome");
    this->WriteColor(item->Color);
    this->WriteMesh(item->Mesh);
  });
}

template <class Library>
void CQlmLibraryWriter::WriteMultiPartItems(Library* library) {
  using Item = typename Library::ItemType;
  using Section = typename Item::SectionType;
  this->WriteHeader(library);
  this->WriteItems<Item>(library->Items, "itens", " no item %d", [&](Item* item) {
    this->WriteString(item->Name, "nome");
    this->WriteColor(item->Color);
    this->WriteMesh(item->Mesh);
    this->WriteItems<vtkCollection>(item->Positions, "posições", ", posição %d", [&](vtkCollection* sections) {
      this->WriteItems<Section>(sections, "seções", ", seção %d", [&](Section* section) {
        this->WriteColor(section->Color);
        this->WriteString(section->Name, "nome");
        this->WriteMesh(section->Mesh);
      });
    });
  });
}

void CQlmLibraryWriter::Write(vtkEndoImpLib* library) { this->WriteMultiPartItems(library); }

void CQlmLibraryWriter::Write(vtkOrtoImpLib* library) { this->WriteMultiPartItems(library); }

void CQlmLibraryWriter::WriteImplant(vtkImplantCustom* item, bool withWasher) {
  this->WriteString(item->Name, "nome");
  this->Archive << item->Diameter << item->Length << item->Angle;
  this->WriteColor(item->Color);
  if (withWasher) {
    this->Archive << item->WasherHeight << item->WasherDistance << item->WasherOuterDiameter
                  << item->WasherInnerDiameter;
    this->WriteColor(item->WasherColor);
  }
  this->WriteMesh(item->Mesh);
}

void CQlmLibraryWriter::Write(vtkImplantLib* library) {
  this->WriteHeader(library);
  this->WriteItems<vtkImplantCustom>(library->Implants, "implantes", " no implante %d",
                                     [&](vtkImplantCustom* implant) { this->WriteImplant(implant, true); });
  this->WriteItems<vtkImplantCustom>(library->Components, "componentes", " no componente %d",
                                     [&](vtkImplantCustom* component) { this->WriteImplant(component, false); });
}
