#include "CTVolumeFixtures.h"

#include <vtkPointData.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <random>

#include "QlmTestData.h"

namespace CTVolumeFixtures {

vtkSmartPointer<vtkImageData> MakeVolume(int x, int y, int z, int low, int high) {
  auto image = vtkSmartPointer<vtkImageData>::New();
  image->SetDimensions(x, y, z);
  image->SetSpacing(0.25, 0.5, 0.75);
  image->SetOrigin(-12.5, 3.25, 100.0);
  const bool isSigned = low < 0;
  image->AllocateScalars(isSigned ? VTK_SHORT : VTK_UNSIGNED_SHORT, 1);
  std::mt19937 random(7);
  std::uniform_int_distribution<int> noise(-20, 20);
  const double span = high - low;
  for (int k = 0; k < z; ++k) {
    for (int j = 0; j < y; ++j) {
      for (int i = 0; i < x; ++i) {
        const double wave = 0.5 + 0.45 * std::sin(0.3 * i + 0.2 * j + 0.5 * k);
        const int value = std::clamp(low + static_cast<int>(wave * span) + noise(random), low, high);
        if (isSigned) {
          *static_cast<int16_t*>(image->GetScalarPointer(i, j, k)) = static_cast<int16_t>(value);
        } else {
          *static_cast<uint16_t*>(image->GetScalarPointer(i, j, k)) = static_cast<uint16_t>(value);
        }
      }
    }
  }
  return image;
}

vtkSmartPointer<vtkImageData> LoadCranium(bool shiftToUnsigned) {
  const auto& d = QlmTestData::CraniumDims;
  auto image = vtkSmartPointer<vtkImageData>::New();
  image->SetDimensions(d[0], d[1], d[2]);
  image->SetSpacing(QlmTestData::CraniumSpacing[0], QlmTestData::CraniumSpacing[1], QlmTestData::CraniumSpacing[2]);
  image->AllocateScalars(shiftToUnsigned ? VTK_UNSIGNED_SHORT : VTK_SHORT, 1);
  const size_t count = static_cast<size_t>(d[0]) * d[1] * d[2];
  std::vector<int16_t> voxels(count);
  std::ifstream in(QlmTestData::Path(QlmTestData::CraniumMatrix), std::ios::binary);
  in.read(reinterpret_cast<char*>(voxels.data()), static_cast<std::streamsize>(count * sizeof(int16_t)));
  auto* out = static_cast<uint16_t*>(image->GetScalarPointer());
  for (size_t i = 0; i < count; ++i) {
    out[i] = static_cast<uint16_t>(voxels[i] + (shiftToUnsigned ? 1024 : 0));
  }
  return image;
}

bool SameVoxels(vtkImageData* a, vtkImageData* b) {
  int da[3], db[3];
  a->GetDimensions(da);
  b->GetDimensions(db);
  if (!std::equal(da, da + 3, db) || a->GetScalarType() != b->GetScalarType()) {
    return false;
  }
  const vtkIdType count = a->GetNumberOfPoints();
  return count == 0 || std::memcmp(a->GetScalarPointer(), b->GetScalarPointer(), static_cast<size_t>(count) * 2) == 0;
}

void PutInt32(std::vector<uint8_t>& bytes, int32_t value) {
  const size_t at = bytes.size();
  bytes.resize(at + 4);
  std::memcpy(bytes.data() + at, &value, 4);
}

void PutFloat(std::vector<uint8_t>& bytes, float value) {
  const size_t at = bytes.size();
  bytes.resize(at + 4);
  std::memcpy(bytes.data() + at, &value, 4);
}

void PokeInt32(std::vector<uint8_t>& bytes, size_t offset, int32_t value) {
  std::memcpy(bytes.data() + offset, &value, 4);
}

int32_t PeekInt32(const std::vector<uint8_t>& bytes, size_t offset) {
  int32_t value = 0;
  std::memcpy(&value, bytes.data() + offset, 4);
  return value;
}

}  // namespace CTVolumeFixtures
