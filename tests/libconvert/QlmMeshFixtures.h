#pragma once
// Small meshes and buffer helpers shared by the mesh packer tests.
#include <vtkSmartPointer.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "QlmBytes.h"

class vtkPolyData;

namespace QlmMeshFixtures {

using Bytes = std::vector<uint8_t>;

// A mesh from x, y, z triples and polygons of any size.
vtkSmartPointer<vtkPolyData> Mesh(const std::vector<float>& xyz,
                                  std::initializer_list<std::initializer_list<vtkIdType>> polygons);

// A closed, consistently oriented sphere of triangles.
vtkSmartPointer<vtkPolyData> Sphere(int resolution);

using QlmBytes::ToArray;
using QlmBytes::FromArray;

// zlib stream of level 9, as the packers write it.
Bytes Deflate(const Bytes& raw);

void PutInt32(Bytes& bytes, size_t offset, int32_t value);
int32_t GetInt32(const Bytes& bytes, size_t offset);
void AppendInt32(Bytes& bytes, int32_t value);
void AppendFloat(Bytes& bytes, float value);

}  // namespace QlmMeshFixtures
