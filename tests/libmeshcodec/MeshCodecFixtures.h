#pragma once
// Meshes and stream readers shared by the mesh codec tests and benchmark.
#include <filesystem>
#include <vector>

namespace MeshCodecFixtures {

// Vertices as x, y, z floats; three vertex ids per triangle.
struct IndexedMesh
{
  std::vector<float> Vertices;
  std::vector<int> Corners;
};

// A closed, consistently oriented torus of 2 rings x segments triangles.
IndexedMesh Torus(int rings, int segments);

// An OFF file of triangles (other polygons give their first three ids).
IndexedMesh ReadOff(const std::filesystem::path& path);

// A VTK XML poly data file: points and its polygons and strips as triangles
// (first three ids of a larger polygon).
IndexedMesh ReadVtp(const std::filesystem::path& path);

// The gate bits of a packed gate stream, most significant bit first.
std::vector<int> UnpackGates(const std::vector<unsigned char>& bytes);

// The values of a packed coordinate stream: 12-bit codes minus 2048.
std::vector<int> UnpackValues(const std::vector<unsigned char>& bytes);

// A packed coordinate stream of the values: value + 2048 in 12 bits each.
std::vector<unsigned char> PackValues(const std::vector<int>& values);

}  // namespace MeshCodecFixtures
