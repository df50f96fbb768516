#include "libconvert/CQlmPolyDataCompressor.h"

#include "libconvert/CQlmByteReader.h"
#include "libconvert/CQlmByteWriter.h"
#include "libconvert/CQlmZStream.h"

#include <vtkCellArray.h>
#include <vtkIdList.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkUnsignedCharArray.h>

#include <climits>
#include <cstring>
#include <new>
#include <vector>

namespace {

constexpr int64_t RecordBytes = 12;

std::vector<int32_t> TriangleIds(vtkPolyData* polyData)
{
  std::vector<int32_t> ids;
  vtkCellArray* polys = polyData->GetPolys();
  if (!polys) {
    return ids;
  }
  vtkNew<vtkIdList> cell;
  for (vtkIdType c = 0; c < polys->GetNumberOfCells(); ++c) {
    polys->GetCellAtId(c, cell);
    if (cell->GetNumberOfIds() >= 3) {
      for (vtkIdType j = 0; j < 3; ++j) {
        ids.push_back(static_cast<int32_t>(cell->GetId(j)));
      }
    }
  }
  return ids;
}

void AppendPointFloats(vtkPolyData* polyData, std::vector<uint8_t>& raw)
{
  for (vtkIdType p = 0; p < polyData->GetNumberOfPoints(); ++p) {
    double point[3];
    polyData->GetPoint(p, point);
    for (double coordinate : point) {
      const float value = static_cast<float>(coordinate);
      const auto* bytes = reinterpret_cast<const uint8_t*>(&value);
      raw.insert(raw.end(), bytes, bytes + sizeof value);
    }
  }
}

bool BuildPolyData(const std::vector<uint8_t>& raw, int32_t cellCount, int32_t pointCount,
                   vtkPolyData* polyData)
{
  vtkNew<vtkCellArray> polys;
  polys->AllocateExact(cellCount, 3 * static_cast<vtkIdType>(cellCount));
  const uint8_t* at = raw.data();
  for (int32_t c = 0; c < cellCount; ++c) {
    int32_t ids[3];
    std::memcpy(ids, at, sizeof ids);
    at += sizeof ids;
    for (int32_t id : ids) {
      if (id < 0 || id >= pointCount) {
        return false;
      }
    }
    const vtkIdType cell[3] = {ids[0], ids[1], ids[2]};
    polys->InsertNextCell(3, cell);
  }
  vtkNew<vtkPoints> points;
  points->SetDataTypeToFloat();
  points->SetNumberOfPoints(pointCount);
  if (pointCount > 0) {
    std::memcpy(points->GetVoidPointer(0), at, static_cast<size_t>(pointCount) * RecordBytes);
  }
  polyData->SetPoints(points);
  polyData->SetPolys(polys);
  return true;
}

}  // namespace

CQlmPolyDataCompressor* CQlmPolyDataCompressor::New()
{
  return new (std::nothrow) CQlmPolyDataCompressor;
}

void CQlmPolyDataCompressor::Delete()
{
  delete this;
}

void CQlmPolyDataCompressor::Delete(CQlmPolyDataCompressor* compressor)
{
  delete compressor;
}

int CQlmPolyDataCompressor::Compress()
{
  if (!this->PolyData || !this->BufferCompressed) {
    return 0;
  }
  try {
    const std::vector<int32_t> ids = TriangleIds(this->PolyData);
    const int64_t cellCount = static_cast<int64_t>(ids.size() / 3);
    const int64_t pointCount = this->PolyData->GetNumberOfPoints();
    const int64_t rawSize = (cellCount + pointCount) * RecordBytes;
    if (rawSize > INT32_MAX) {
      return 0;
    }
    std::vector<uint8_t> raw(reinterpret_cast<const uint8_t*>(ids.data()),
                             reinterpret_cast<const uint8_t*>(ids.data() + ids.size()));
    AppendPointFloats(this->PolyData, raw);
    std::vector<uint8_t> packed;
    if (!CQlmZStream::Deflate(raw.data(), raw.size(), packed)) {
      return 0;
    }
    CQlmByteWriter writer;
    writer.WriteInt32(static_cast<int32_t>(cellCount));
    writer.WriteInt32(static_cast<int32_t>(pointCount));
    writer.WriteInt32(static_cast<int32_t>(rawSize));
    writer.WriteInt32(static_cast<int32_t>(packed.size()));
    writer.WriteBytes(packed.data(), packed.size());
    writer.CopyTo(this->BufferCompressed);
    return 1;
  } catch (const std::exception&) {
    return 0;
  }
}

int CQlmPolyDataCompressor::Decompress()
{
  if (!this->PolyData || !this->BufferCompressed) {
    return 0;
  }
  try {
    CQlmByteReader reader(this->BufferCompressed->GetPointer(0),
                          static_cast<size_t>(this->BufferCompressed->GetNumberOfValues()));
    int32_t cellCount = 0;
    int32_t pointCount = 0;
    int32_t rawSize = 0;
    int32_t packedSize = 0;
    const uint8_t* packed = nullptr;
    if (!reader.ReadInt32(cellCount) || !reader.ReadInt32(pointCount) || !reader.ReadInt32(rawSize) ||
        !reader.ReadInt32(packedSize) || cellCount < 0 || pointCount < 0 || packedSize < 0 ||
        rawSize != (static_cast<int64_t>(cellCount) + pointCount) * RecordBytes ||
        !reader.ReadBytes(static_cast<size_t>(packedSize), packed)) {
      return 0;
    }
    std::vector<uint8_t> raw;
    if (!CQlmZStream::InflateExact(packed, static_cast<size_t>(packedSize), static_cast<size_t>(rawSize), raw)) {
      return 0;
    }
    return BuildPolyData(raw, cellCount, pointCount, this->PolyData) ? 1 : 0;
  } catch (const std::exception&) {
    return 0;
  }
}
