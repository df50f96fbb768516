#include <gtest/gtest.h>
#include <vtkCamera.h>
#include <vtkCubeSource.h>
#include <vtkMath.h>
#include <vtkPolyDataMapper.h>
#include <vtkRenderWindow.h>

#include <cmath>
#include <functional>
#include <memory>

#include "QlmSceneFixtures.h"
#include "views/CQlm3DInteractor.h"
#include "views/CQlm3DWindow.h"
#include "views/QlmInteraction.h"

namespace {

constexpr int Width = 400;
constexpr int Height = 300;

class CQlm3DInteractorTest : public ::testing::Test {
protected:
  void SetUp() override {
    this->Window.reset(CQlm3DWindow::New(2));
    this->Window->RenderWindow->SetSize(Width, Height);
    this->Interactor.reset(CQlm3DInteractor::New());
    this->Interactor->SetWindow(this->Window.get());
    this->Camera()->SetPosition(0, 0, 100);
    this->Camera()->SetClippingRange(1, 1000);
  }

  vtkCamera* Camera() { return this->Window->Renderer3->GetActiveCamera(); }
  CQlmInteractorStruct* Record() { return this->Interactor->GetRecord(); }

  void ExpectOnScreenAt(const double world[3], double x, double y, double tolerance) {
    double display[3];
    this->Interactor->WorldToDisplay(world[0], world[1], world[2], display);
    EXPECT_NEAR(display[0], x, tolerance);
    EXPECT_NEAR(display[1], y, tolerance);
  }

  std::unique_ptr<CQlm3DWindow> Window;
  std::unique_ptr<CQlm3DInteractor> Interactor;
};

TEST_F(CQlm3DInteractorTest, PanKeepsTheGrabbedPointUnderThePointer) {
  struct Case {
    double scale;
    double up[3];
    int from[2];
    int to[2];
  };
  const Case cases[] = {{60, {0, 1, 0}, {200, 150}, {260, 110}},
                        {12.5, {0, 1, 0}, {10, 290}, {390, 5}},
                        {60, {1, 1, 0}, {300, 40}, {120, 200}}};
  for (const Case& c : cases) {
    this->Camera()->SetParallelScale(c.scale);
    this->Camera()->SetViewUp(c.up);
    double focus[3];
    double focusDisplay[3];
    this->Camera()->GetFocalPoint(focus);
    this->Interactor->WorldToDisplay(focus[0], focus[1], focus[2], focusDisplay);
    double grabbed[4];
    this->Interactor->DisplayToWorld(c.from[0], c.from[1], focusDisplay[2], grabbed);

    // The styles pass the new pointer first, then the last one.
    this->Interactor->Pan(c.to[0], c.to[1], c.from[0], c.from[1]);
    this->ExpectOnScreenAt(grabbed, c.to[0], c.to[1], 0.01);
  }
}

TEST_F(CQlm3DInteractorTest, PivotMovesKeepThePivotOnScreen) {
  const float pivot[4] = {20.0f, -10.0f, 0.0f, 1.0f};
  std::copy(pivot, pivot + 4, this->Record()->PivotPoint);
  double pivotWorld[3] = {pivot[0], pivot[1], pivot[2]};
  double before[3];
  this->Interactor->WorldToDisplay(pivot[0], pivot[1], pivot[2], before);

  const std::function<void()> moves[] = {[this] { this->Interactor->ZoomAboutPivot(0, 15); },
                                         [this] { this->Interactor->ZoomAboutPivot(0, -30); },
                                         [this] { this->Interactor->RotateAboutPivot(25, -12); },
                                         [this] { this->Interactor->RollAboutPivot(300, 200, 250, 260); }};
  for (const auto& move : moves) {
    move();
    this->ExpectOnScreenAt(pivotWorld, before[0], before[1], 1.0);
  }
}

TEST_F(CQlm3DInteractorTest, DragZoomChangesTheScaleByTheDragAlongTheViewHeight) {
  this->Camera()->SetParallelScale(40);
  this->Interactor->ZoomAboutCenter(0, 30);
  // 1.1 ^ (10 x 30 / 150): dragging up zooms in.
  EXPECT_NEAR(this->Camera()->GetParallelScale(), 40 / std::pow(1.1, 2.0), 1e-9);
}

TEST_F(CQlm3DInteractorTest, ZoomStepsInThenOutReturnTheCamera) {
  const std::pair<std::function<void()>, std::function<void()>> steps[] = {
      {[this] { this->Interactor->ZoomIn(); }, [this] { this->Interactor->ZoomOut(); }},
      {[this] { this->Interactor->WheelZoomIn(); }, [this] { this->Interactor->WheelZoomOut(); }}};
  for (const auto& [in, out] : steps) {
    this->Camera()->SetParallelScale(37.3);
    in();
    EXPECT_LT(this->Camera()->GetParallelScale(), 37.3);
    out();
    EXPECT_NEAR(this->Camera()->GetParallelScale(), 37.3, 37.3 * 1e-6);
  }
}

TEST_F(CQlm3DInteractorTest, AreaZoomCentresTheBandAndZoomsByTheWholeTimesItFits) {
  struct Case {
    int press[2];
    int release[2];
    double scaleDivisor;  // 0: the camera does not move at all
  };
  const Case cases[] = {{{150, 125}, {250, 175}, 4},  // 100 x 50: fits 4 times across
                        {{250, 175}, {150, 125}, 4},  // drawn the other way
                        {{-100, 40}, {500, 60}, 1},   // wider than the view: centred, no zoom
                        {{120, 80}, {120, 200}, 0},   // empty
                        {{50, 50}, {50, 50}, 0}};
  for (const Case& c : cases) {
    this->Camera()->SetFocalPoint(0, 0, 0);
    this->Camera()->SetPosition(0, 0, 100);
    this->Camera()->SetParallelScale(60);
    const int centre[2] = {(c.press[0] + c.release[0]) / 2, (c.press[1] + c.release[1]) / 2};
    double bandCentre[4];
    this->Interactor->DisplayToWorld(centre[0], centre[1], 0.5, bandCentre);
    std::copy(c.press, c.press + 2, this->Interactor->PressPosition);
    std::copy(c.release, c.release + 2, this->Interactor->ReleasePosition);

    this->Interactor->AreaZoom();

    if (c.scaleDivisor == 0) {
      EXPECT_DOUBLE_EQ(this->Camera()->GetFocalPoint()[0], 0.0);
      EXPECT_DOUBLE_EQ(this->Camera()->GetParallelScale(), 60.0);
      continue;
    }
    EXPECT_NEAR(this->Camera()->GetParallelScale(), 60.0 / c.scaleDivisor, 1e-9);
    this->ExpectOnScreenAt(bandCentre, Width / 2, Height / 2, 0.5);
  }
}

TEST_F(CQlm3DInteractorTest, StandardViewsLookFromTheirSides) {
  vtkNew<vtkCubeSource> cube;
  vtkNew<vtkPolyDataMapper> mapper;
  mapper->SetInputConnection(cube->GetOutputPort());
  vtkNew<vtkActor> actor;
  actor->SetMapper(mapper);
  this->Window->Renderer3->AddActor(actor);

  const double h = std::sqrt(0.5);
  struct Case {
    const char* name;
    void (CQlm3DInteractor::*view)();
    double eye[3];  // unit direction from the focal point to the camera
    double up[3];
  };
  const Case cases[] = {{"Frente", &CQlm3DInteractor::ViewFront, {0, -1, 0}, {0, 0, 1}},
                        {"Atrás", &CQlm3DInteractor::ViewBack, {0, 1, 0}, {0, 0, 1}},
                        {"Esquerda", &CQlm3DInteractor::ViewLeft, {1, 0, 0}, {0, 0, 1}},
                        {"Direita", &CQlm3DInteractor::ViewRight, {-1, 0, 0}, {0, 0, 1}},
                        {"Topo", &CQlm3DInteractor::ViewTop, {0, 0, 1}, {0, 1, 0}},
                        {"Fundo", &CQlm3DInteractor::ViewBottom, {0, 0, -1}, {0, -1, 0}},
                        {"IsoMand", &CQlm3DInteractor::ViewIsoMand, {-0.5, -0.5, h}, {0.5, 0.5, h}},
                        {"IsoMax", &CQlm3DInteractor::ViewIsoMax, {-0.5, 0.5, -h}, {0.5, -0.5, -h}}};
  for (const Case& c : cases) {
    this->Camera()->SetParallelScale(60);
    (this->Interactor.get()->*c.view)();
    double eye[3];
    const double* position = this->Camera()->GetPosition();
    const double* focus = this->Camera()->GetFocalPoint();
    for (int i = 0; i < 3; ++i) eye[i] = position[i] - focus[i];
    vtkMath::Normalize(eye);
    const double* up = this->Camera()->GetViewUp();
    for (int i = 0; i < 3; ++i) {
      EXPECT_NEAR(focus[i], 0.0, 1e-9) << c.name;
      EXPECT_NEAR(eye[i], c.eye[i], 1e-9) << c.name << " eye " << i;
      EXPECT_NEAR(up[i], c.up[i], 1e-9) << c.name << " up " << i;
    }
    // Reset to the cube's bounding sphere, then zoomed 1.5.
    EXPECT_NEAR(this->Camera()->GetParallelScale(), std::sqrt(0.75) / 1.5, 1e-9) << c.name;
  }
}

TEST_F(CQlm3DInteractorTest, IsometricViewsKeepAFlatObjectInsideTheClippingRange) {
  // A 100 mm square in the y-z plane: no depth at all when seen from the side.
  auto flat = QlmSceneFixtures::Square(0, 0, 0, 100, 1, 1, 1);
  flat->RotateY(90);
  this->Window->Renderer3->AddActor(flat);
  for (void (CQlm3DInteractor::*view)() : {&CQlm3DInteractor::ViewIsoMand, &CQlm3DInteractor::ViewIsoMax}) {
    (this->Interactor.get()->*view)();
    double range[2];
    this->Camera()->GetClippingRange(range);
    const double* bounds = flat->GetBounds();
    double direction[3];
    this->Camera()->GetDirectionOfProjection(direction);
    const double* eye = this->Camera()->GetPosition();
    for (int corner = 0; corner < 8; ++corner) {
      const double point[3] = {bounds[corner & 1], bounds[2 + ((corner >> 1) & 1)], bounds[4 + ((corner >> 2) & 1)]};
      const double depth = (point[0] - eye[0]) * direction[0] + (point[1] - eye[1]) * direction[1] +
                           (point[2] - eye[2]) * direction[2];
      EXPECT_GT(depth, range[0]) << "corner " << corner;
      EXPECT_LT(depth, range[1]) << "corner " << corner;
    }
  }
}

TEST_F(CQlm3DInteractorTest, PickSearchFindsAThinLineWithinTheRadius) {
  auto line = QlmSceneFixtures::Line(0, -50, 0, 50, 0);
  this->Window->Renderer3->AddActor(line);
  double lineDisplay[3];
  this->Interactor->WorldToDisplay(0, 0, 0, lineDisplay);
  const int x = static_cast<int>(std::lround(lineDisplay[0]));
  const int y = static_cast<int>(std::lround(lineDisplay[1]));

  struct Case {
    int radius;
    int offset;
    bool hits;
  };
  const Case cases[] = {{0, 0, true}, {0, 2, false}, {1, 2, false}, {2, 2, true}, {2, -2, true}, {2, 4, false}};
  for (const Case& c : cases) {
    this->Interactor->PickSearchRadius = c.radius;
    this->Interactor->Pick(x + c.offset, y);
    EXPECT_EQ(this->Record()->PickedActor == line.Get(), c.hits) << "radius " << c.radius << " offset " << c.offset;
  }
}

TEST_F(CQlm3DInteractorTest, PlaneMovesFollowThePointerWhereverTheFrameIs) {
  // Frames anywhere in the world: the moved object stays under the pointer.
  const double origins[][3] = {{0, 0, 0}, {30, 20, -15}};
  for (const auto& origin : origins) {
    this->Record()->FrameTransform->Identity();
    this->Record()->FrameTransform->Translate(origin);
    this->Record()->ObjectTransform->Identity();
    this->Interactor->SetMode(QlmState::MoveInPlaneXY);
    this->Interactor->LastPosition[0] = 200;
    this->Interactor->LastPosition[1] = 150;
    double from[4];
    double to[4];
    this->Interactor->DisplayToWorld(200, 150, 0, from);
    this->Interactor->DisplayToWorld(260, 90, 0, to);

    this->Interactor->MoveObject(260, 90);

    double moved[3];
    this->Record()->ObjectTransform->GetPosition(moved);
    EXPECT_NEAR(moved[0], to[0] - from[0], 1e-9);
    EXPECT_NEAR(moved[1], to[1] - from[1], 1e-9);
    EXPECT_NEAR(moved[2], 0.0, 1e-9);
  }
}

TEST_F(CQlm3DInteractorTest, AxisScaleStretchesTheObjectAlongItsOwnAxis) {
  // The object's x axis is the world's y axis, its origin (5, 0, 0).
  vtkTransform* frame = this->Record()->FrameTransform;
  frame->Translate(5, 0, 0);
  frame->RotateZ(90);
  this->Interactor->SetMode(QlmState::ScaleX);
  this->Interactor->ScaleObject(0, -Height / 10);

  const double grow = std::pow(1.1, 2.0);
  double alongX[3];
  double alongY[3];
  double origin[3];
  this->Record()->ObjectTransform->TransformPoint(std::array<double, 3>{5, 1, 0}.data(), alongX);
  this->Record()->ObjectTransform->TransformPoint(std::array<double, 3>{4, 0, 0}.data(), alongY);
  this->Record()->ObjectTransform->TransformPoint(std::array<double, 3>{5, 0, 0}.data(), origin);
  EXPECT_NEAR(alongX[0], 5, 1e-6);
  EXPECT_NEAR(alongX[1], grow, 1e-6);
  EXPECT_NEAR(alongY[0], 4, 1e-6);
  EXPECT_NEAR(alongY[1], 0, 1e-6);
  EXPECT_NEAR(origin[0], 5, 1e-6);
}

TEST_F(CQlm3DInteractorTest, PointOnPlaneLiesOnTheFramesPlane) {
  vtkTransform* frame = this->Record()->FrameTransform;
  frame->Translate(0, 0, 7);
  this->Interactor->SetMode(QlmState::PointOnPlaneZ);
  double pointer[4];
  this->Interactor->DisplayToWorld(300, 100, 0, pointer);
  this->Interactor->PickPointOnPlane(300, 100);
  const float* cursor = this->Record()->CursorPoint;
  EXPECT_NEAR(cursor[0], pointer[0], 1e-4);
  EXPECT_NEAR(cursor[1], pointer[1], 1e-4);
  EXPECT_NEAR(cursor[2], 7, 1e-4);
  EXPECT_EQ(cursor[3], 1.0f);

  // The frame's y = 0 plane contains the view direction: no point.
  this->Interactor->SetMode(QlmState::PointOnPlaneY);
  this->Interactor->PickPointOnPlane(300, 100);
  EXPECT_EQ(std::vector<float>(cursor, cursor + 4), (std::vector<float>{0, 0, 0, 1}));
}

}  // namespace
