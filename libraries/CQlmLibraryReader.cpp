#include "libraries/CQlmLibraryReader.h"

#include <vtkCellArray.h>
#include <vtkFloatArray.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkTypeInt32Array.h>

#include <algorithm>
#include <limits>

#include "libraries/CQlmLibraryFileError.h"
#include "libraries/QlmBlockConversions.h"
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
// Offsets of a 32-bit cell array reach 3 x this.
constexpr int32_t MaximumTriangles = std::numeric_limits<int32_t>::max() / 3;

using QlmBlockConversions::Lanes;

// Without a branch, so that blocks of them use vector instructions.
bool Outside(int32_t id, int32_t pointCount) { return (id < 0) | (id >= pointCount); }

bool AnyOutside(const int32_t* ids, size_t count, int32_t pointCount) {
  int outside = 0;
  size_t i = 0;
  for (; i + Lanes <= count; i += Lanes) {
    for (size_t k = 0; k < Lanes; ++k) outside |= Outside(ids[i + k], pointCount);
  }
  for (; i < count; ++i) outside |= Outside(ids[i], pointCount);
  return outside;
}

// Offsets of `count` triangles: 0, 3, 6, ..., 3 x count.
void FillTriangleOffsets(int32_t* offsets, int32_t count) {
  int32_t i = 0;
  for (; i + static_cast<int32_t>(Lanes) <= count; i += Lanes) {
    for (int32_t k = 0; k < static_cast<int32_t>(Lanes); ++k) offsets[i + k] = 3 * (i + k);
  }
  for (; i <= count; ++i) offsets[i] = 3 * i;
}

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
  this->Place.Empty();
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
    QlmBlockConversions::Narrow(this->Coordinates.data(), xyz + done, count);
    done += count;
  }

  // Indices go straight into a 32-bit cell array.
  const int32_t triangleCount = this->ReadCount("triângulos", TriangleSize);
  if (triangleCount > MaximumTriangles)
    this->Fail(CString::Formatted("número de triângulos (%d) grande demais", triangleCount));
  vtkNew<vtkTypeInt32Array> connectivity;
  connectivity->SetNumberOfValues(3 * triangleCount);
  int32_t* ids = connectivity->GetPointer(0);
  // Checked block by block while the block is still in the cache.
  for (size_t done = 0, total = 3 * static_cast<size_t>(triangleCount); done < total;) {
    const size_t count = std::min(BlockValues, total - done);
    int32_t* block = ids + done;
    this->Archive.ReadExact(block, count * sizeof(int32_t));
    if (AnyOutside(block, count, pointCount)) {
      const int32_t id = *std::find_if(block, block + count, [&](int32_t id) { return Outside(id, pointCount); });
      this->Fail(CString::Formatted("índice de triângulo %d fora da malha de %d pontos", id, pointCount));
    }
    done += count;
  }
  vtkNew<vtkTypeInt32Array> offsets;
  offsets->SetNumberOfValues(triangleCount + 1);
  FillTriangleOffsets(offsets->GetPointer(0), triangleCount);

  vtkNew<vtkPoints> points;
  points->SetData(coordinates);
  vtkNew<vtkCellArray> polygons;
  polygons->SetData(offsets, connectivity);
  mesh->SetPoints(points);
  mesh->SetPolys(polygons);
}

template <class Item, class Fill>
void CQlmLibraryReader::ReadItems(vtkCollection* items, const char* what, size_t minimumSize, const char* placeFormat,
                                  Fill fill) {
  const CString outerPlace = this->Place;
  const int32_t count = this->ReadCount(what, minimumSize);
  for (int32_t number = 1; number <= count; ++number) {
    this->Place = outerPlace + CString::Formatted(placeFormat, number);
    vtkNew<Item> item;
    items->AddItem(item);
    fill(item.Get());
  }
  this->Place = outerPlace;
}

void CQlmLibraryReader::Read(vtkGeomsLib* library) {
  this->Guarded([&] {
    this->ReadHeader(library);
    this->ReadItems<vtkGeom>(library->Items, "itens", ItemSize, " no item %d", [&](vtkGeom* item) {
      this->Archive >> item->Name;
      this->ReadColor(item->Color);
      this->ReadMesh(item->Mesh);
      item->LibraryId = library->Identifier;
      item->LibraryName = library->Name;
    });
  });
}

template <class Library>
void CQlmLibraryReader::ReadMultiPartItems(Library* library) {
  using Item = typename Library::ItemType;
  using Section = typename Item::SectionType;
  this->Guarded([&] {
    this->ReadHeader(library);
    this->ReadItems<Item>(library->Items, "itens", MainItemSize, " no item %d", [&](Item* item) {
      this->Archive >> item->Name;
      this->ReadColor(item->Color);
      this->ReadMesh(item->Mesh);
      item->LibraryId = library->Identifier;
      item->LibraryName = library->Name;
      this->ReadItems<vtkCollection>(
          item->Positions, "posições", PositionSize, ", posição %d", [&](vtkCollection* sections) {
            this->ReadItems<Section>(sections, "seções", SectionSize, ", seção %d", [&](Section* section) {
              this->ReadColor(section->Color);
              this->Archive >> section->Name;
              this->ReadMesh(section->Mesh);
            });
          });
    });
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
    this->ReadItems<vtkImplantCustom>(library->Implants, "implantes", ImplantSize, " no implante %d",
                                      [&](vtkImplantCustom* implant) { this->ReadImplant(implant, true); });
    this->ReadItems<vtkImplantCustom>(library->Components, "componentes", ComponentSize, " no componente %d",
                                      [&](vtkImplantCustom* component) { this->ReadImplant(component, false); });
  });
}
