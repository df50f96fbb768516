#include "ct/CQlmResliceGeometry.h"

#include "CTFilterFixtures.h"

#include <gtest/gtest.h>
#include <vtkMatrix4x4.h>
#include <vtkNew.h>

#include <cmath>

namespace {

using Range = CQlmResliceGeometry::Range;

struct ColumnsCase {
  int Pixels;
  int First, Last;
};

TEST(CQlmResliceGeometry, PlanesAreCentredOnA512VoxelVolume) {
  CQlmResliceGeometry geometry;
  geometry.SetVolume(ShapeOnlyVolume(512, 512, 300, 0.3), QlmImageSampler::Interpolation::Linear);
  EXPECT_FALSE(geometry.CanSample()) << "no voxels to sample";
  // A 22 mm slab (73 pixels, odd), a 32 mm section (107 pixels, odd), an even strip.
  for (const ColumnsCase& c : {ColumnsCase{73, 219, 293}, ColumnsCase{107, 202, 310}, ColumnsCase{76, 218, 293}}) {
    const Range columns = geometry.CentredColumns(c.Pixels);
    EXPECT_EQ(columns.First, c.First) << c.Pixels;
    EXPECT_EQ(columns.Last, c.Last) << c.Pixels;
  }
  const Range rows = geometry.HeightRows(CQlmResliceGeometry::Precision::Double);
  EXPECT_EQ(rows.First, 106);
  EXPECT_EQ(rows.Last, 405);
  EXPECT_FLOAT_EQ(geometry.GetVolumeCentre()[0], 76.65f);
}

TEST(CQlmResliceGeometry, AnOddHeightGainsARowAtTheTop) {
  CQlmResliceGeometry geometry;
  geometry.SetVolume(ShapeOnlyVolume(64, 64, 41, 0.5), QlmImageSampler::Interpolation::Linear);
  const Range rows = geometry.HeightRows(CQlmResliceGeometry::Precision::Single);
  EXPECT_EQ(rows.First, 12);
  EXPECT_EQ(rows.Last, 52);
  EXPECT_EQ(rows.Count(), 41);
}

// The flipped matrix equals diag(1, -1, 1) * M * diag(-1, 1, 1) for the section
// and strip matrices of the arch: y negated, horizontal axis reversed.
TEST(CQlmResliceGeometry, FlipMirrorsPlanningYAndKeepsThePictureUnmirrored) {
  DefaultArch arch;
  for (float s : {0.0f, 13.7f, 62.5f, 124.0f}) {
    double section[16];
    arch.Calc.GetSectionMatrix(s, section);
    vtkNew<vtkMatrix4x4> flipped;
    flipped->DeepCopy(section);
    CQlmResliceGeometry::FlipMatrixY(flipped);
    for (int row = 0; row < 4; ++row)
      for (int column = 0; column < 4; ++column) {
        const double expected = (row == 1 ? -1 : 1) * section[4 * row + column] * (column == 0 ? -1 : 1);
        EXPECT_NEAR(flipped->GetElement(row, column), expected, 2e-6) << "s " << s << " element " << row << column;
      }
  }
}

TEST(CQlmResliceGeometry, FlippedPlanningPointLandsInTheVolume) {
  // A volume centred on (100, 100, 50): planning (1, 2, 3) is volume (101, 98, 53).
  vtkNew<vtkMatrix4x4> placement;
  placement->SetElement(0, 3, 1);
  placement->SetElement(1, 3, 2);
  placement->SetElement(2, 3, 3);
  CQlmResliceGeometry::FlipMatrixY(placement);
  EXPECT_NEAR(100 + placement->GetElement(0, 3), 101, 1e-6);
  EXPECT_NEAR(100 + placement->GetElement(1, 3), 98, 1e-6);
  EXPECT_NEAR(50 + placement->GetElement(2, 3), 53, 1e-6);
}

}  // namespace
