#include "QlmJawVolume.h"

#include "QlmTestData.h"
#include "platform/QlmParallelFor.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

namespace {

// Where the crop lies in the head CT (mm from its first voxel): the centre of
// the dental arch in x and y, and the height 10 mm below the first slice.
constexpr double ArchCentreX = 126.3;
constexpr double ArchCentreY = 179.8;
constexpr double CropBottom = -10.0;
constexpr int16_t Air = -1024;

struct HeadCt {
  std::vector<int16_t> Voxels;
  int16_t At(int x, int y, int z) const {
    const auto& d = QlmTestData::CraniumDims;
    if (x < 0 || y < 0 || z < 0 || x >= d[0] || y >= d[1] || z >= d[2]) return Air;
    return this->Voxels[(static_cast<size_t>(z) * d[1] + y) * d[0] + x];
  }
  double Trilinear(double x, double y, double z) const {
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y)),
              z0 = static_cast<int>(std::floor(z));
    const double fx = x - x0, fy = y - y0, fz = z - z0;
    double value = 0;
    for (int k = 0; k < 2; ++k)
      for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
          const double w = (i ? fx : 1 - fx) * (j ? fy : 1 - fy) * (k ? fz : 1 - fz);
          if (w != 0) value += w * this->At(x0 + i, y0 + j, z0 + k);
        }
    return value;
  }
};

}  // namespace

vtkSmartPointer<vtkImageData> QlmJawVolume::Make(const int dimensions[3], double spacing, std::string& why) {
  if (!QlmTestData::Has(QlmTestData::CraniumMatrix, why)) return nullptr;
  const auto& d = QlmTestData::CraniumDims;
  HeadCt head;
  head.Voxels.resize(static_cast<size_t>(d[0]) * d[1] * d[2]);
  std::ifstream in(QlmTestData::Path(QlmTestData::CraniumMatrix), std::ios::binary);
  if (!in.read(reinterpret_cast<char*>(head.Voxels.data()), static_cast<std::streamsize>(head.Voxels.size() * 2))) {
    why = "head CT too short";
    return nullptr;
  }

  auto volume = vtkSmartPointer<vtkImageData>::New();
  volume->SetDimensions(dimensions[0], dimensions[1], dimensions[2]);
  volume->SetSpacing(spacing, spacing, spacing);
  volume->AllocateScalars(VTK_SHORT, 1);
  auto* voxels = static_cast<int16_t*>(volume->GetScalarPointer());
  const double* source = QlmTestData::CraniumSpacing;
  const double left = ArchCentreX - (dimensions[0] - 1) * spacing / 2;
  const double front = ArchCentreY + (dimensions[1] - 1) * spacing / 2;
  QlmParallelFor::Run(dimensions[2], [&](int z) {
    int16_t* out = voxels + static_cast<size_t>(z) * dimensions[0] * dimensions[1];
    const double sz = (CropBottom + z * spacing) / source[2];
    for (int y = 0; y < dimensions[1]; ++y) {
      const double sy = (front - y * spacing) / source[1];
      for (int x = 0; x < dimensions[0]; ++x) {
        const double hu = head.Trilinear((left + x * spacing) / source[0], sy, sz);
        *out++ = static_cast<int16_t>(std::clamp(std::lround(hu) + 1024, 0L, 4010L));
      }
    }
  });
  return volume;
}
