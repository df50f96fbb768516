#include "libconvert/CQlmPolyDataCompressor2.h"

#include "libconvert/CQlmByteReader.h"
#include "libconvert/CQlmByteWriter.h"
#include "libconvert/CQlmZStream.h"

#include <vtkCellArray.h>
#include <vtkFloatArray.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkUnsignedCharArray.h>

#include <climits>
#include <cstring>
#include <new>

namespace {

// Reads one int32 raw length, int32 packed length and packed stream, and inflates it.
bool ReadStream(CQlmByteReader& reader, int& rawSize, int& packedSize, std::vector<unsigned char>& raw)
{
  int32_t storedRaw = 0;
  int32_t storedPacked = 0;
  const uint8_t* packed = nullptr;
  if (!reader.ReadInt32(storedRaw) || !reader.ReadInt32(storedPacked) || storedRaw < 0 || storedPacked < 0 ||
      !reader.ReadBytes(static_cast<size_t>(storedPacked), packed)) {
    return false;
  }
  rawSize = storedRaw;
  packedSize = storedPacked;
  return CQlmZStream::InflateExact(packed, static_cast<size_t>(storedPacked), static_cast<size_t>(storedRaw), raw);
}

// x, y, z of every point as floats, in point order.
void FillVertices(vtkPoints* points, vtkIdType count, std::vector<float>& vertices)
{
  vertices.resize(3 * static_cast<size_t>(count));
  if (count == 0) {
    return;
  }
  if (auto* floats = vtkFloatArray::SafeDownCast(points->GetData())) {
    std::memcpy(vertices.data(), floats->GetPointer(0), vertices.size() * sizeof(float));
    return;
  }
  for (vtkIdType p = 0; p < count; ++p) {
    double point[3];
    points->GetPoint(p, point);
    for (int axis = 0; axis < 3; ++axis) {
      vertices[3 * static_cast<size_t>(p) + axis] = static_cast<float>(point[axis]);
    }
  }
}

bool FitsInt32(size_t size)
{
  return size <= static_cast<size_t>(INT32_MAX);
}

}  // namespace

CQlmPolyDataCompressor2* CQlmPolyDataCompressor2::New()
{
  return new (std::nothrow) CQlmPolyDataCompressor2;
}

void CQlmPolyDataCompressor2::Delete()
{
  delete this;
}

void CQlmPolyDataCompressor2::Delete(CQlmPolyDataCompressor2* compressor)
{
  delete compressor;
}

int CQlmPolyDataCompressor2::Compress()
{
  if (!this->PolyData || !this->BufferCompressed) {
    return 0;
  }
  try {
    if (!this->FillMeshCompToEncode() || this->Mesh.Encode() != MeshCodecError::Success || !this->CompressZLib()) {
      return 0;
    }
    this->FillBufferCompressed();
    return 1;
  } catch (const std::exception&) {
    return 0;
  }
}

int CQlmPolyDataCompressor2::Decompress()
{
  if (!this->PolyData || !this->BufferCompressed) {
    return 0;
  }
  try {
    if (!this->DecompressZLib_FillMeshCompToDecode() || this->Mesh.Decode() != MeshCodecError::Success) {
      return 0;
    }
    return this->FillPolyData() ? 1 : 0;
  } catch (const std::exception&) {
    return 0;
  }
}

bool CQlmPolyDataCompressor2::FillMeshCompToEncode()
{
  const vtkIdType pointCount = this->PolyData->GetNumberOfPoints();
  if (pointCount > INT_MAX / 3) {
    return false;
  }
  FillVertices(this->PolyData->GetPoints(), pointCount, this->Mesh.Vertices);
  this->Mesh.Corners.clear();
  vtkCellArray* polys = this->PolyData->GetPolys();
  if (!polys) {
    return true;
  }
  this->Mesh.Corners.reserve(3 * static_cast<size_t>(polys->GetNumberOfCells()));
  vtkIdType size = 0;
  const vtkIdType* ids = nullptr;
  for (polys->InitTraversal(); polys->GetNextCell(size, ids);) {
    if (size < 3) {
      continue;
    }
    for (vtkIdType j = 0; j < 3; ++j) {
      if (ids[j] < 0 || ids[j] >= pointCount) {
        return false;
      }
      this->Mesh.Corners.push_back(static_cast<int>(ids[j]));
    }
  }
  return true;
}

bool CQlmPolyDataCompressor2::CompressZLib()
{
  const std::vector<unsigned char>& a = this->Mesh.CoordinateBytes;
  const std::vector<unsigned char>& b = this->Mesh.GateBytes;
  if (!CQlmZStream::DeflateAll({{a.data(), a.size(), &this->PackedA}, {b.data(), b.size(), &this->PackedB}})) {
    return false;
  }
  if (!FitsInt32(a.size()) || !FitsInt32(b.size()) || !FitsInt32(40 + this->PackedA.size() + this->PackedB.size())) {
    return false;
  }
  this->RawSizeA = static_cast<int>(a.size());
  this->PackedSizeA = static_cast<int>(this->PackedA.size());
  this->RawSizeB = static_cast<int>(b.size());
  this->PackedSizeB = static_cast<int>(this->PackedB.size());
  return true;
}

void CQlmPolyDataCompressor2::FillBufferCompressed()
{
  CQlmByteWriter writer;
  for (float bound : {this->Mesh.XMin, this->Mesh.XMax, this->Mesh.YMin, this->Mesh.YMax, this->Mesh.ZMin,
                      this->Mesh.ZMax}) {
    writer.WriteFloat(bound);
  }
  writer.WriteInt32(this->RawSizeA);
  writer.WriteInt32(this->PackedSizeA);
  writer.WriteBytes(this->PackedA.data(), this->PackedA.size());
  writer.WriteInt32(this->RawSizeB);
  writer.WriteInt32(this->PackedSizeB);
  writer.WriteBytes(this->PackedB.data(), this->PackedB.size());
  writer.CopyTo(this->BufferCompressed);
}

bool CQlmPolyDataCompressor2::DecompressZLib_FillMeshCompToDecode()
{
  const auto size = static_cast<size_t>(this->BufferCompressed->GetNumberOfValues());
  CQlmByteReader reader(size ? this->BufferCompressed->GetPointer(0) : nullptr, size);
  float* bounds[6] = {&this->Mesh.XMin, &this->Mesh.XMax, &this->Mesh.YMin,
                      &this->Mesh.YMax, &this->Mesh.ZMin, &this->Mesh.ZMax};
  for (float* bound : bounds) {
    if (!reader.ReadFloat(*bound)) {
      return false;
    }
  }
  return ReadStream(reader, this->RawSizeA, this->PackedSizeA, this->Mesh.CoordinateBytes) &&
         ReadStream(reader, this->RawSizeB, this->PackedSizeB, this->Mesh.GateBytes);
}

bool CQlmPolyDataCompressor2::FillPolyData()
{
  const std::vector<float>& vertices = this->Mesh.Vertices;
  const std::vector<int>& corners = this->Mesh.Corners;
  const auto vertexCount = static_cast<vtkIdType>(vertices.size() / 3);
  if (vertices.size() % 3 != 0 || corners.size() % 3 != 0) {
    return false;
  }
  vtkNew<vtkPoints> points;
  points->SetDataTypeToFloat();
  points->SetNumberOfPoints(vertexCount);
  if (vertexCount > 0) {
    std::memcpy(points->GetVoidPointer(0), vertices.data(), vertices.size() * sizeof(float));
  }
  vtkNew<vtkCellArray> polys;
  polys->AllocateExact(static_cast<vtkIdType>(corners.size() / 3), static_cast<vtkIdType>(corners.size()));
  for (size_t t = 0; t < corners.size(); t += 3) {
    const vtkIdType triangle[3] = {corners[t], corners[t + 1], corners[t + 2]};
    for (vtkIdType id : triangle) {
      if (id < 0 || id >= vertexCount) {
        return false;
      }
    }
    polys->InsertNextCell(3, triangle);
  }
  this->PolyData->SetPoints(points);
  this->PolyData->SetPolys(polys);
  return true;
}
