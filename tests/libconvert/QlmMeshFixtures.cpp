#include "QlmMeshFixtures.h"

#include <vtkCellArray.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkSphereSource.h>
#include <vtkUnsignedCharArray.h>
#include <zlib.h>

#include <cstring>
#include <stdexcept>

namespace QlmMeshFixtures {

vtkSmartPointer<vtkPolyData> Mesh(const std::vector<float>& xyz,
                                  std::initializer_list<std::initializer_list<vtkIdType>> polygons)
{
  auto points = vtkSmartPointer<vtkPoints>::New();
  points->SetDataTypeToFloat();
  for (size_t i = 0; i + 2 < xyz.size(); i += 3) {
    points->InsertNextPoint(xyz[i], xyz[i + 1], xyz[i + 2]);
  }
  auto polys = vtkSmartPointer<vtkCellArray>::New();
  for (const auto& polygon : polygons) {
    std::vector<vtkIdType> ids(polygon);
    polys->InsertNextCell(static_cast<vtkIdType>(ids.size()), ids.data());
  }
  auto mesh = vtkSmartPointer<vtkPolyData>::New();
  mesh->SetPoints(points);
  mesh->SetPolys(polys);
  return mesh;
}

vtkSmartPointer<vtkPolyData> Sphere(int resolution)
{
  auto source = vtkSmartPointer<vtkSphereSource>::New();
  source->SetThetaResolution(resolution);
  source->SetPhiResolution(resolution);
  source->SetRadius(10.0);
  source->Update();
  return source->GetOutput();
}

Bytes Deflate(const Bytes& raw)
{
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes packed(size);
  const uint8_t empty = 0;
  if (compress2(packed.data(), &size, raw.empty() ? &empty : raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK) {
    throw std::runtime_error("compress2 failed");
  }
  packed.resize(size);
  return packed;
}

void PutInt32(Bytes& bytes, size_t offset, int32_t value)
{
  std::memcpy(bytes.data() + offset, &value, sizeof value);
}

int32_t GetInt32(const Bytes& bytes, size_t offset)
{
  int32_t value = 0;
  std::memcpy(&value, bytes.data() + offset, sizeof value);
  return value;
}

void AppendInt32(Bytes& bytes, int32_t value)
{
  const auto* first = reinterpret_cast<const uint8_t*>(&value);
  bytes.insert(bytes.end(), first, first + sizeof value);
}

void AppendFloat(Bytes& bytes, float value)
{
  const auto* first = reinterpret_cast<const uint8_t*>(&value);
  bytes.insert(bytes.end(), first, first + sizeof value);
}

}  // namespace QlmMeshFixtures
