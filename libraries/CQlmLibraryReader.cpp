#include "libraries/CQlmLibraryReader.h"

#include <vtkCellArray.h>
#include <vtkFloatArray.h>
#include <vtkIdTypeArray.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>

#include <algorithm>

#include "libraries/CQlmLibraryFileError.h"
#include "libraries/vtkEndoImpLib.h"
#include "libraries/vtkGeomsLib.h"
#include "libraries/vtkImplantLib.h"
#include "libraries/vtkOrtoImpLib.h"
#include "platform/CArchive.h"

namespace {

// Smallest stored size of each record: strings take at least their length byte.
constexpr size_t PointSize = 3 * sizeof(double);
constexpr size_t TriangleSize = 3 * sizeof(int32_t);
constexpr size_t ColorSize = 3 * sizeof(float);
constexpr size_t EmptyMeshSize = 2 * sizeof(int32_t);
constexpr size_t ItemSize = 1 + ColorSize + EmptyMeshSize;
constexpr size_t MainItemSize = ItemSize + sizeof(int32_t);
constexpr size_t PositionSize = sizeof(int32_t);
constexpr size_t SectionSize = ColorSize + 1 + EmptyMeshSize;
constexpr size_t ComponentSize = 1 + 3 * sizeof(float) + ColorSize + EmptyMeshSize;
constexpr size_t ImplantSize = ComponentSize + 4 * sizeof(float) + ColorSize;

// Points and indices are read this many values at a time.
constexpr size_t BlockValues = 3 * 8192;

}  // namespace

CQlmLibraryReader::CQlmLibraryReader(CArchive& archive) : Archive(archive) {}

void CQlmLibraryReader::Fail(const CString& problem) const {
  throw CQlmLibraryFileError((problem + this->Place).Str());
}

template <class Body>
void CQlmLibraryReader::Guarded(Body body) {
  try {
    body();
  } catch (const CArchiveException& error) {
    this->Fail(error.m_cause == CArchiveException::endOfFile ? "fim inesperado do arquivo" : "arquivo danificado");
  }
}

int32_t CQlmLibraryReader::ReadCount(const char* what, size_t minimumRecordSize) {
  int32_t count = 0;
  this->Archive >> count;
  if (count < 0) this->Fail(CString::Formatted("número de %s negativo (%d)", what, count));
  if (static_cast<uint64_t>(count) * minimumRecordSize > this->Archive.GetBytesLeft())
    this->Fail(CString::Formatted("número de %s (%d) maior do que o arquivo comporta", what, count));
  return count;
}

void CQlmLibraryReader::ReadColor(float (&color)[3]) { this->Archive >> color[0] >> color[1] >> color[2]; }

void CQlmLibraryReader::ReadHeader(vtkLibrary* library) {
  this->Place = " no cabeçalho";
  this->Archive >> library->Name >> library->Password >> library->Identifier;
}

void CQlmLibraryReader::ReadMesh(vtkPolyData* mesh) {
  const int32_t pointCount = this->ReadCount("pontos", PointSize);
  vtkNew<vtkFloatArray> coordinates;
  coordinates->SetNumberOfComponents(3);
  coordinates->SetNumberOfTuples(pointCount);
  float* xyz = coordinates->GetPointer(0);
  const size_t coordinateCount = 3 * static_cast<size_t>(pointCount);
  this->Coordinates.resize(std::min(BlockValues, coordinateCount));
  for (size_t done = 0, total = coordinateCount; done < total;) {
    const size_t count = std::min(BlockValues, total - done);
    this->Archive.ReadExact(this->Coordinates.data(), count * sizeof(double));
    for (size_t k = 0; k < count; ++k) xyz[done + k] = static_cast<float>(this->Coordinates[k]);
    done += count;
  }

  const int32_t triangleCount = this->ReadCount("triângulos", TriangleSize);
  vtkNew<vtkIdTypeArray> offsets;
  offsets->SetNumberOfValues(static_cast<vtkIdType>(triangleCount) + 1);
  for (vtkIdType cell = 0; cell <= triangleCount; ++cell) offsets->SetValue(cell, 3 * cell);
  vtkNew<vtkIdTypeArray> connectivity;
  connectivity->SetNumberOfValues(3 * static_cast<vtkIdType>(triangleCount));
  vtkIdType* ids = connectivity->GetPointer(0);
  const size_t indexCount = 3 * static_cast<size_t>(triangleCount);
  this->Indices.resize(std::min(BlockValues, indexCount));
  for (size_t done = 0, total = indexCount; done < total;) {
    const size_t count = std::min(BlockValues, total - done);
    this->Archive.ReadExact(this->Indices.data(), count * sizeof(int32_t));
    for (size_t k = 0; k < count; ++k) {
      const int32_t id = this->Indices[k];
      if (id < 0 || id >= pointCount)
        this->Fail(CString::Formatted("índice de triângulo %d fora da malha de %d pontos", id, pointCount));
      ids[done + k] = id;
    }
    done += count;
  }

  vtkNew<vtkPoints> points;
  points->SetData(coordinates);
  vtkNew<vtkCellArray> polygons;
  polygons->SetData(offsets, connectivity);
  mesh->SetPoints(points);
  mesh->SetPolys(polygons);
}

void CQlmLibraryReader::Read(vtkGeomsLib* library) {
  this->Guarded([&] {
    this->ReadHeader(library);
    this->Place.Empty();
    const int32_t count = this->ReadCount("itens", ItemSize);
    for (int32_t i = 0; i < count; ++i) {
      this->Place = CString::Formatted(" no item %d", i + 1);
      vtkNew<vtkGeom> item;
      this->Archive >> item->Name;
      this->ReadColor(item->Color);
      this->ReadMesh(item->Mesh);
      item->LibraryId = library->Identifier;
      item->LibraryName = library->Name;
      library->Items->AddItem(item);
    }
  });
}

template <class Library>
void CQlmLibraryReader::ReadMultiPartItems(Library* library) {
  using Item = typename Library::ItemType;
  using Section = typename Item::SectionType;
  this->Guarded([&] {
    this->ReadHeader(library);
    this->Place.Empty();
    const int32_t count = this->ReadCount("itens", MainItemSize);
    for (int32_t i = 0; i < count; ++i) {
      const CString itemPlace = CString::Formatted(" no item %d", i + 1);
      this->Place = itemPlace;
      vtkNew<Item> item;
      this->Archive >> item->Name;
      this->ReadColor(item->Color);
      this->ReadMesh(item->Mesh);
      item->LibraryId = library->Identifier;
      item->LibraryName = library->Name;
      library->Items->AddItem(item);
      const int32_t positionCount = this->ReadCount("posições", PositionSize);
      for (int32_t p = 0; p < positionCount; ++p) {
        this->Place = itemPlace + CString::Formatted(", posição %d", p + 1);
        vtkCollection* sections = item->AddPosition();
        const int32_t sectionCount = this->ReadCount("seções", SectionSize);
        for (int32_t s = 0; s < sectionCount; ++s) {
          this->Place = itemPlace + CString::Formatted(", posição %d, seção %d", p + 1, s + 1);
          vtkNew<Section> section;
          sections->AddItem(section);
          this->ReadColor(section->Color);
          this->Archive >> section->Name;
          this->ReadMesh(section->Mesh);
        }
      }
    }
  });
}

void CQlmLibraryReader::Read(vtkEndoImpLib* library) { this->ReadMultiPartItems(library); }

void CQlmLibraryReader::Read(vtkOrtoImpLib* library) { this->ReadMultiPartItems(library); }

void CQlmLibraryReader::ReadImplant(vtkImplantCustom* item, bool withWasher) {
  this->Archive >> item->Name >> item->Diameter >> item->Length >> item->Angle;
  this->ReadColor(item->Color);
  if (withWasher) {
    this->Archive >> item->WasherHeight >> item->WasherDistance >> item->WasherOuterDiameter >>
        item->WasherInnerDiameter;
    this->ReadColor(item->WasherColor);
  }
  this->ReadMesh(item->Mesh);
}

void CQlmLibraryReader::Read(vtkImplantLib* library) {
  this->Guarded([&] {
    this->ReadHeader(library);
    this->Place.Empty();
    const int32_t implantCount = this->ReadCount("implantes", ImplantSize);
    for (int32_t i = 0; i < implantCount; ++i) {
      this->Place = CString::Formatted(" no implante %d", i + 1);
      vtkNew<vtkImplantCustom> implant;
      this->ReadImplant(implant, true);
      library->Implants->AddItem(implant);
    }
    this->Place.Empty();
    const int32_t componentCount = this->ReadCount("componentes", ComponentSize);
    for (int32_t k = 0; k < componentCount; ++k) {
      this->Place = CString::Formatted(" no componente %d", k + 1);
      vtkNew<vtkImplantCustom> component;
      this->ReadImplant(component, false);
      library->Components->AddItem(component);
    }
  });
}
