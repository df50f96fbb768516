#include "libraries/CQlmLibraryWriter.h"

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkFloatArray.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "libraries/CQlmLibraryFileError.h"
#include "libraries/vtkEndoImpLib.h"
#include "libraries/vtkGeomsLib.h"
#include "libraries/vtkImplantLib.h"
#include "libraries/vtkOrtoImpLib.h"
#include "platform/CArchive.h"
#include "platform/QlmCodePage1252.h"

namespace {

// Points and indices are written this many values at a time.
constexpr size_t BlockValues = 3 * 8192;

// Calls `visit(ids)` for the first three ids of every polygon of three or more points.
template <class Visit>
void ForEachTriangle(vtkCellArray* polygons, Visit visit) {
  if (!polygons) return;
  auto it = vtkSmartPointer<vtkCellArrayIterator>::Take(polygons->NewIterator());
  vtkIdType size = 0;
  const vtkIdType* ids = nullptr;
  for (it->GoToFirstCell(); !it->IsDoneWithTraversal(); it->GoToNextCell()) {
    it->GetCurrentCell(size, ids);
    if (size >= 3) visit(ids);
  }
}

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
    for (vtkIdType i = 0; i < count; ++i) {
      double* xyz = &this->Coordinates[3 * i];
      if (floats) {
        const float* stored = floats->GetPointer(3 * (first + i));
        xyz[0] = stored[0], xyz[1] = stored[1], xyz[2] = stored[2];
      } else {
        points->GetPoint(first + i, xyz);
      }
    }
    this->Archive.Write(this->Coordinates.data(), 3 * count * sizeof(double));
    first += count;
  }

  vtkCellArray* polygons = pointCount ? mesh->GetPolys() : nullptr;
  int64_t triangleCount = 0;
  ForEachTriangle(polygons, [&](const vtkIdType* ids) {
    for (int k = 0; k < 3; ++k) {
      if (ids[k] < 0 || ids[k] >= pointCount)
        this->Fail(CString::Formatted("polígono com índice %lld fora da malha de %lld pontos",
                                      static_cast<long long>(ids[k]), static_cast<long long>(pointCount)));
    }
    ++triangleCount;
  });
  this->WriteCount(triangleCount, "triângulos");
  this->Indices.clear();
  ForEachTriangle(polygons, [&](const vtkIdType* ids) {
    for (int k = 0; k < 3; ++k) this->Indices.push_back(static_cast<int32_t>(ids[k]));
    if (this->Indices.size() >= BlockValues) {
      this->Archive.Write(this->Indices.data(), this->Indices.size() * sizeof(int32_t));
      this->Indices.clear();
    }
  });
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
