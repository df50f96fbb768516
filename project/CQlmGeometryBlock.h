#pragma once
// The imported-geometry block of project files: for each imported geometry in
// list order, an int32 length L and L bytes of its compressed mesh buffer
// (CQlmPolyDataCompressor2). Nothing else is in the block.
#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <vector>

class vtkUnsignedCharArray;

class CQlmGeometryBlock {
public:
  // Compresses `mesh` and appends its length and buffer to `block`. False, with
  // the block unchanged, when the mesh cannot be compressed or the block would
  // outgrow an int32 byte count.
  static bool AppendMesh(vtkUnsignedCharArray* block, vtkPolyData* mesh);

  // Decompresses the `count` meshes of `block`, in order. False (and `meshes`
  // empty) when a length is negative or runs past the block, a buffer does not
  // decompress, or bytes remain after the last mesh.
  static bool ExtractMeshes(vtkUnsignedCharArray* block, int count, std::vector<vtkSmartPointer<vtkPolyData>>& meshes);
};
