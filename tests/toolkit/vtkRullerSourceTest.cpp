#include "toolkit/vtkRullerSource.h"

#include <gtest/gtest.h>
#include <vtkActor2D.h>
#include <vtkCoordinate.h>
#include <vtkMath.h>
#include <vtkPolyData.h>

#include <cmath>
#include <string>

#include "QlmProcessLocale.h"
#include "toolkit/vtkWin32TextMapper2.h"

namespace {

// The unit direction of output `port`'s one segment.
void SegmentDirection(vtkRullerSource* source, int port, double direction[3]) {
  vtkPolyData* segment = source->GetOutput(port);
  ASSERT_EQ(segment->GetNumberOfPoints(), 2);
  double a[3], b[3];
  segment->GetPoint(0, a);
  segment->GetPoint(1, b);
  for (int i = 0; i < 3; ++i) direction[i] = b[i] - a[i];
  vtkMath::Normalize(direction);
}

}  // namespace

TEST(vtkRullerSource, LineTicksAndLabelFollowThePoints) {
  struct Case {
    const char* Name;
    int Is3d;
    float P1[3];
    float P2[3];
    const char* Label;
  };
  const Case cases[] = {
      {"axial, along x", 0, {-5, 2, 0}, {7.5f, 2, 0}, "12.50 mm"},
      {"panoramic, diagonal", 0, {0, 0, 0}, {3, 4, 0}, "5.00 mm"},
      {"3D, along z", 1, {1, 1, -2}, {1, 1, 8.333f}, "10.33 mm"},
      {"3D, slanted", 1, {0, 0, 0}, {2, 3, 6}, "7.00 mm"},
      {"both ends in one point", 0, {4, 4, 0}, {4, 4, 0}, "0.00 mm"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    vtkNew<vtkRullerSource> source;
    source->SetIs3d(c.Is3d);
    source->SetPoint1(c.P1[0], c.P1[1], c.P1[2]);
    source->SetPoint2(c.P2[0], c.P2[1], c.P2[2]);
    source->Update(0);
    source->Update(1);
    source->Update(2);
    EXPECT_EQ(std::string(source->GetTextMapper()->GetInput()), c.Label);
    double line[3];
    SegmentDirection(source, 0, line);
    for (int port : {1, 2}) {
      double tick[3];
      SegmentDirection(source, port, tick);
      EXPECT_NEAR(vtkMath::Dot(line, tick), 0.0, 1e-6) << "tick " << port << " across the line";
      if (!c.Is3d) {
        EXPECT_NEAR(tick[2], 0.0, 1e-9) << "tick " << port << " in the view plane";
      }
      double centre[3], a[3], b[3];
      source->GetOutput(port)->GetPoint(0, a);
      source->GetOutput(port)->GetPoint(1, b);
      for (int i = 0; i < 3; ++i) centre[i] = (a[i] + b[i]) / 2;
      const float* end = port == 1 ? c.P1 : c.P2;
      for (int i = 0; i < 3; ++i) EXPECT_NEAR(centre[i], end[i], 1e-5);
      EXPECT_NEAR(std::sqrt(vtkMath::Distance2BetweenPoints(a, b)), source->GetTipSize(), 1e-6);
    }
    // The label beside the middle of the line.
    const double* label = source->GetLabelActor()->GetPositionCoordinate()->GetValue();
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(label[i], (c.P1[i] + c.P2[i]) / 2, source->GetTipSize() + 1e-6);
    }
  }
}

TEST(vtkRullerSource, CalcSizeGivesTheLengthInTheCLocaleWhateverTheProcessLocale) {
  QlmProcessLocale portuguese("pt_BR.UTF-8");
  vtkNew<vtkRullerSource> source;
  source->SetPoint2(0, 2.345f, 0);
  EXPECT_EQ(source->GetSize(), 0.0f) << "until computed";
  source->CalcSize();
  EXPECT_FLOAT_EQ(source->GetSize(), 2.345f);
  EXPECT_EQ(std::string(source->GetTextMapper()->GetInput()), "2.35 mm");
}
