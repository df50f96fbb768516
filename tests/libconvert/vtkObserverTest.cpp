#include "QlmRecordingObserver.h"
#include "libconvert/vtkObserver.h"

#include <gtest/gtest.h>
#include <vtkNew.h>
#include <vtkSmoothPolyDataFilter.h>
#include <vtkSphereSource.h>

namespace {

struct ProgressCase {
  double Progress;
  long Current;
};

class vtkObserverProgress : public testing::TestWithParam<ProgressCase> {};

TEST_P(vtkObserverProgress, ReportsTruncatedPercentOfHundred)
{
  QlmRecordingObserver observer;
  vtkNew<vtkObserver> command;
  command->SetQlmObserver(&observer);
  vtkNew<vtkSphereSource> filter;
  filter->AddObserver(vtkCommand::ProgressEvent, command);

  filter->UpdateProgress(GetParam().Progress);

  ASSERT_EQ(observer.Calls.size(), 1u);
  EXPECT_EQ(observer.Calls[0], (QlmProgressCall{GetParam().Current, 100, 0}));
}

INSTANTIATE_TEST_SUITE_P(Cases, vtkObserverProgress,
  testing::Values(ProgressCase{0.0, 0}, ProgressCase{0.5, 50}, ProgressCase{0.999, 99},
                  ProgressCase{1.0, 100}));

vtkNew<vtkSmoothPolyDataFilter> MakeSmoothingOfSphere(vtkSphereSource* sphere)
{
  sphere->SetThetaResolution(64);
  sphere->SetPhiResolution(64);
  vtkNew<vtkSmoothPolyDataFilter> smooth;
  smooth->SetInputConnection(sphere->GetOutputPort());
  smooth->SetNumberOfIterations(20);
  return smooth;
}

TEST(vtkObserver, RealFilterUpdateReachesObserverFromStartToEnd)
{
  QlmRecordingObserver observer;
  vtkNew<vtkObserver> command;
  command->SetQlmObserver(&observer);
  vtkNew<vtkSphereSource> sphere;
  auto smooth = MakeSmoothingOfSphere(sphere);
  smooth->AddObserver(vtkCommand::ProgressEvent, command);

  smooth->Update();

  ASSERT_GE(observer.Calls.size(), 3u) << "start, at least one step, end";
  EXPECT_EQ(observer.Calls.front().Current, 0);
  EXPECT_EQ(observer.Calls.back().Current, 100);
  for (size_t i = 0; i < observer.Calls.size(); ++i) {
    EXPECT_EQ(observer.Calls[i].Total, 100u);
    EXPECT_EQ(observer.Calls[i].Param, 0);
    if (i > 0) {
      EXPECT_GE(observer.Calls[i].Current, observer.Calls[i - 1].Current);
    }
  }
}

TEST(vtkObserver, WithoutObserverIgnoresEvents)
{
  vtkNew<vtkObserver> command;
  vtkNew<vtkSphereSource> sphere;
  auto smooth = MakeSmoothingOfSphere(sphere);
  smooth->AddObserver(vtkCommand::ProgressEvent, command);

  smooth->Update();

  EXPECT_GT(smooth->GetOutput()->GetNumberOfPoints(), 0);
}

}  // namespace
