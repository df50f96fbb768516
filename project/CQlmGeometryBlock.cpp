#include "project/CQlmGeometryBlock.h"

#include <vtkNew.h>
#include <vtkUnsignedCharArray.h>

#include <climits>
#include <cstdint>
#include <cstring>

#include "libconvert/CQlmPolyDataCompressor2.h"

namespace {

// Runs the packer on one mesh and one buffer; the packer is freed in any case.
bool RunPacker(vtkPolyData* mesh, vtkUnsignedCharArray* buffer, bool compress) {
  CQlmPolyDataCompressor2* packer = CQlmPolyDataCompressor2::New();
  if (!packer) return false;
  packer->LinkPolyData(mesh);
  packer->LinkBufferCompressed(buffer);
  const int done = compress ? packer->Compress() : packer->Decompress();
  packer->Delete();
  return done == 1;
}

}  // namespace

bool CQlmGeometryBlock::AppendMesh(vtkUnsignedCharArray* block, vtkPolyData* mesh) {
  vtkNew<vtkUnsignedCharArray> buffer;
  if (!block || !mesh || !RunPacker(mesh, buffer, true)) return false;
  const vtkIdType length = buffer->GetNumberOfValues();
  const vtkIdType oldSize = block->GetNumberOfValues();
  if (oldSize + 4 + length > INT32_MAX) return false;
  const auto storedLength = static_cast<int32_t>(length);
  unsigned char* end = block->WritePointer(oldSize, 4 + length);
  std::memcpy(end, &storedLength, 4);
  if (length) std::memcpy(end + 4, buffer->GetPointer(0), static_cast<size_t>(length));
  return true;
}

bool CQlmGeometryBlock::ExtractMeshes(vtkUnsignedCharArray* block, int count,
                                      std::vector<vtkSmartPointer<vtkPolyData>>& meshes) {
  meshes.clear();
  if (!block || count < 0) return false;
  const vtkIdType size = block->GetNumberOfValues();
  vtkIdType offset = 0;
  for (int k = 0; k < count; ++k) {
    int32_t length = 0;
    if (size - offset < 4) break;
    std::memcpy(&length, block->GetPointer(offset), 4);
    offset += 4;
    if (length < 0 || length > size - offset) break;
    vtkNew<vtkUnsignedCharArray> buffer;
    buffer->SetNumberOfValues(length);
    if (length) std::memcpy(buffer->GetPointer(0), block->GetPointer(offset), static_cast<size_t>(length));
    auto mesh = vtkSmartPointer<vtkPolyData>::New();
    if (!RunPacker(mesh, buffer, false)) break;
    meshes.push_back(mesh);
    offset += length;
  }
  if (static_cast<int>(meshes.size()) == count && offset == size) return true;
  meshes.clear();
  return false;
}
