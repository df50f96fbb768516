#include "MeshCodecFixtures.h"

#include <vtkCellArray.h>
#include <vtkIdList.h>
#include <vtkNew.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkTriangleFilter.h>
#include <vtkXMLPolyDataReader.h>

#include <cmath>
#include <fstream>
#include <stdexcept>
#include <string>

namespace MeshCodecFixtures {

IndexedMesh Torus(int rings, int segments)
{
  IndexedMesh mesh;
  const double pi = std::acos(-1.0);
  for (int i = 0; i < rings; ++i)
  {
    const double around = 2 * pi * i / rings;
    for (int j = 0; j < segments; ++j)
    {
      const double tube = 2 * pi * j / segments;
      const double radius = 30 + 10 * std::cos(tube);
      mesh.Vertices.insert(mesh.Vertices.end(), {static_cast<float>(radius * std::cos(around)),
                                                 static_cast<float>(radius * std::sin(around)),
                                                 static_cast<float>(10 * std::sin(tube))});
    }
  }
  const auto id = [&](int i, int j) { return (i % rings) * segments + (j % segments); };
  for (int i = 0; i < rings; ++i)
  {
    for (int j = 0; j < segments; ++j)
    {
      mesh.Corners.insert(mesh.Corners.end(), {id(i, j), id(i + 1, j), id(i + 1, j + 1)});
      mesh.Corners.insert(mesh.Corners.end(), {id(i, j), id(i + 1, j + 1), id(i, j + 1)});
    }
  }
  return mesh;
}

IndexedMesh ReadOff(const std::filesystem::path& path)
{
  std::ifstream in(path);
  std::string magic;
  int vertexCount = 0;
  int faceCount = 0;
  int edgeCount = 0;
  if (!(in >> magic >> vertexCount >> faceCount >> edgeCount) || magic != "OFF")
  {
    throw std::runtime_error("not an OFF file: " + path.string());
  }
  IndexedMesh mesh;
  mesh.Vertices.resize(3 * static_cast<size_t>(vertexCount));
  for (float& value : mesh.Vertices)
  {
    in >> value;
  }
  for (int face = 0; face < faceCount; ++face)
  {
    int size = 0;
    in >> size;
    for (int k = 0; k < size; ++k)
    {
      int id = 0;
      in >> id;
      if (k < 3)
      {
        mesh.Corners.push_back(id);
      }
    }
  }
  if (!in)
  {
    throw std::runtime_error("truncated OFF file: " + path.string());
  }
  return mesh;
}

IndexedMesh ReadVtp(const std::filesystem::path& path)
{
  vtkNew<vtkXMLPolyDataReader> reader;
  reader->SetFileName(path.string().c_str());
  // Surfaces are often stored as triangle strips: split them into triangles.
  vtkNew<vtkTriangleFilter> triangles;
  triangles->SetInputConnection(reader->GetOutputPort());
  triangles->PassVertsOff();
  triangles->PassLinesOff();
  triangles->Update();
  vtkPolyData* polyData = triangles->GetOutput();
  IndexedMesh mesh;
  for (vtkIdType point = 0; point < polyData->GetNumberOfPoints(); ++point)
  {
    double xyz[3];
    polyData->GetPoint(point, xyz);
    mesh.Vertices.insert(mesh.Vertices.end(),
                         {static_cast<float>(xyz[0]), static_cast<float>(xyz[1]), static_cast<float>(xyz[2])});
  }
  vtkNew<vtkIdList> ids;
  vtkCellArray* polygons = polyData->GetPolys();
  for (vtkIdType cell = 0; cell < polygons->GetNumberOfCells(); ++cell)
  {
    polygons->GetCellAtId(cell, ids);
    if (ids->GetNumberOfIds() < 3)
    {
      continue;
    }
    for (vtkIdType k = 0; k < 3; ++k)
    {
      mesh.Corners.push_back(static_cast<int>(ids->GetId(k)));
    }
  }
  return mesh;
}

std::vector<int> UnpackGates(const std::vector<unsigned char>& bytes)
{
  std::vector<int> gates;
  for (const unsigned char byte : bytes)
  {
    for (int bit = 7; bit >= 0; --bit)
    {
      gates.push_back((byte >> bit) & 1);
    }
  }
  return gates;
}

std::vector<int> UnpackValues(const std::vector<unsigned char>& bytes)
{
  std::vector<int> values;
  for (size_t bit = 0; bit + 12 <= 8 * bytes.size(); bit += 12)
  {
    int code = 0;
    for (size_t k = bit; k < bit + 12; ++k)
    {
      code = (code << 1) | ((bytes[k / 8] >> (7 - k % 8)) & 1);
    }
    values.push_back(code - 2048);
  }
  return values;
}

std::vector<unsigned char> PackValues(const std::vector<int>& values)
{
  std::vector<unsigned char> bytes((12 * values.size() + 7) / 8, 0);
  for (size_t i = 0; i < values.size(); ++i)
  {
    const int code = values[i] + 2048;
    for (size_t k = 0; k < 12; ++k)
    {
      const size_t bit = 12 * i + k;
      if ((code >> (11 - k)) & 1)
      {
        bytes[bit / 8] |= static_cast<unsigned char>(0x80 >> (bit % 8));
      }
    }
  }
  return bytes;
}

}  // namespace MeshCodecFixtures
