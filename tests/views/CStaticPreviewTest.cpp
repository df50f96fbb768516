// The dialogs' picture controls in a template dialog: the 3D preview with the
// real bunny mesh (trackball rotate and roll, cursors, middle-button pan,
// wheel zoom) and the 2D preview (no clicks in state 0, middle-button pan).
#include <gtest/gtest.h>
#include <vtkActor.h>
#include <vtkCamera.h>
#include <vtkCellArray.h>
#include <vtkMath.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QWheelEvent>
#include <array>
#include <functional>
#include <string>
#include <memory>

#include "../libmeshcodec/MeshCodecFixtures.h"
#include "QlmColourPrinter.h"
#include "QlmDisplay.h"
#include "QlmGuiTestApp.h"
#include "QlmOpenDialog.h"
#include "QlmRenderCounter.h"
#include "QlmTestData.h"
#include "app/QlmResourceScript.h"
#include "platform/gui/CDataExchange.h"
#include "platform/gui/CDialog.h"
#include "platform/gui/QlmResource.h"
#include "toolkit/vtkRullerWindowHU.h"
#include "toolkit/vtkWin32TextMapper2.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmBorderWindow.h"
#include "views/CQlmRullerWindowHU.h"
#include "views/CQlmTitleWindow.h"
#include "views/CStatic2D.h"
#include "views/CStaticVTK.h"
#include "views/QlmInteraction.h"

namespace {

constexpr UINT Plot = 1153;
constexpr const char* Bunny = "meshes/bunny00.off";

const QlmDialogTemplate& PreviewTemplate() {
  static const QlmDialogTemplate dialog{204,
                                        "Visualização",
                                        316,
                                        150,
                                        {QlmDialogItem::Static(Plot, {7, 7, 231, 136}, SS_SUNKEN | SS_NOTIFY),
                                         QlmDialogItem::DefaultButton(IDOK, "Fechar", {259, 129, 50, 14})}};
  return dialog;
}

template <class Preview>
class PreviewDialog : public CDialog {
public:
  PreviewDialog() : CDialog(PreviewTemplate()) {}
  Preview Control;

protected:
  void DoDataExchange(CDataExchange* exchange) override { DDX_Control(exchange, Plot, this->Control); }
};

vtkSmartPointer<vtkActor> BunnyActor() {
  const MeshCodecFixtures::IndexedMesh mesh = MeshCodecFixtures::ReadOff(QlmTestData::Path(Bunny));
  vtkNew<vtkPoints> points;
  for (size_t v = 0; v < mesh.Vertices.size(); v += 3) {
    points->InsertNextPoint(mesh.Vertices[v], mesh.Vertices[v + 1], mesh.Vertices[v + 2]);
  }
  vtkNew<vtkCellArray> triangles;
  for (size_t c = 0; c < mesh.Corners.size(); c += 3) {
    const vtkIdType ids[3] = {mesh.Corners[c], mesh.Corners[c + 1], mesh.Corners[c + 2]};
    triangles->InsertNextCell(3, ids);
  }
  vtkNew<vtkPolyData> surface;
  surface->SetPoints(points);
  surface->SetPolys(triangles);
  vtkNew<vtkPolyDataMapper> mapper;
  mapper->SetInputData(surface);
  auto actor = vtkSmartPointer<vtkActor>::New();
  actor->SetMapper(mapper);
  return actor;
}

using Vector = std::array<double, 3>;

double AngleBetween(const Vector& a, const Vector& b) {
  return vtkMath::DegreesFromRadians(vtkMath::AngleBetweenVectors(a.data(), b.data()));
}

template <class Preview>
class PreviewFixture : public ::testing::Test {
protected:
  void SetUp() override {
    QLM_REQUIRE_DISPLAY();
    QlmGuiTestApp::Instance();
    QlmRegisterResources();
    this->Dialog = std::make_unique<PreviewDialog<Preview>>();
  }

  // Runs `check` with the dialog open and its picture drawn once.
  void WhileOpen(const std::function<void()>& check) {
    QlmOpenDialog::Run(*this->Dialog, [this, &check] {
      this->Wrapper()->Render();
      check();
    });
  }

  QWidget* Widget() { return this->Dialog->Control.GetSafeHwnd(); }
  CQlm3DWindow* Wrapper() { return this->Dialog->Control.GetWrapper(); }
  vtkCamera* Camera() { return this->Dialog->Control.GetInteractorStyle()->GetCamera(); }
  QPoint Centre() { return QPoint(this->Widget()->width() / 2, this->Widget()->height() / 2); }
  Vector Direction() {
    Vector direction;
    this->Camera()->GetDirectionOfProjection(direction.data());
    return direction;
  }
  Vector ViewUp() {
    Vector up;
    this->Camera()->GetViewUp(up.data());
    return up;
  }
  Vector FocalPoint() {
    Vector focus;
    this->Camera()->GetFocalPoint(focus.data());
    return focus;
  }

  void Mouse(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
    QMouseEvent event(type, QPointF(at), this->Widget()->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(this->Widget(), &event);
  }
  void Move(QPoint at, Qt::MouseButtons held = Qt::NoButton) { this->Mouse(QEvent::MouseMove, Qt::NoButton, held, at); }
  void Drag(Qt::MouseButton button, QPoint from, QPoint to) {
    this->Mouse(QEvent::MouseButtonPress, button, button, from);
    this->Move(to, button);
    this->Mouse(QEvent::MouseButtonRelease, button, Qt::NoButton, to);
  }
  void Wheel(int delta) {
    const QPoint at = this->Centre();
    QWheelEvent event(QPointF(at), this->Widget()->mapToGlobal(QPointF(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(this->Widget(), &event);
  }

  // Whether the control shows cursor resource `id` (0: the arrow).
  bool Shows(UINT id) {
    const QCursor shown = this->Widget()->cursor();
    if (id == 0) return shown.shape() == Qt::ArrowCursor;
    return shown.shape() == Qt::BitmapCursor &&
           shown.pixmap().toImage() == QlmResource::LoadCursor(id).pixmap().toImage();
  }

  // Made once the application and the cursors exist.
  std::unique_ptr<PreviewDialog<Preview>> Dialog;
};

class Preview3D : public PreviewFixture<CStaticVTK> {
protected:
  void SetUp() override {
    PreviewFixture::SetUp();
    if (this->IsSkipped()) return;
    QLM_REQUIRE_TEST_DATA(Bunny);
    this->Wrapper()->Renderer3->AddActor(BunnyActor());
  }

  // The bunny filling the view, camera reset.
  void ShowBunny() {
    this->Dialog->Control.GetInteractorStyle()->ResetZoom();
    this->Wrapper()->Render();
  }
};

TEST_F(Preview3D, TheControlHostsThePictureFromCreationAndTheFirstPaintShowsTheItem) {
  QlmOpenDialog::Run(*this->Dialog, [this] {
    EXPECT_EQ(this->Wrapper()->GetHostWindow(), this->Widget());
    EXPECT_EQ(this->Dialog->Control.GetInteractorStyle()->GetMode(), QlmState::DragZoom);
    EXPECT_EQ(this->Widget()->focusPolicy(), Qt::NoFocus);
    this->Dialog->Control.GetInteractorStyle()->ResetZoom();
    const QImage painted = this->Widget()->grab().toImage();
    ASSERT_EQ(painted.size(), this->Widget()->size());
    EXPECT_NE(painted.pixelColor(this->Centre()), QColor(Qt::black)) << "the bunny in the middle";
    EXPECT_EQ(painted.pixelColor(2, 2), QColor(Qt::black)) << "the background";
  });
  EXPECT_EQ(this->Wrapper()->GetHostWindow(), nullptr);
}

TEST_F(Preview3D, TheFrameAndTheTitleAreBlackOverlaysOfThePicture) {
  const CStaticVTK& control = this->Dialog->Control;
  vtkRenderer* top = this->Wrapper()->GetLayerRenderer(0);
  EXPECT_TRUE(top->HasViewProp(control.GetBorder()->GetActor()));
  EXPECT_TRUE(top->HasViewProp(control.GetTitle()->GetTextActor()));
  EXPECT_EQ(std::string(control.GetTitle()->GetTitleMapper()->GetInput()), "Geometria 3D");
  for (const float* colour : {control.GetBorder()->GetColor(), control.GetTitle()->GetColor()}) {
    EXPECT_EQ(colour[0] + colour[1] + colour[2], 0.0f);
  }
}

TEST_F(Preview3D, ALeftDragRotatesFromNearTheCentreAndRollsFromNearACorner) {
  this->WhileOpen([this] {
    this->ShowBunny();
    const QPoint centre = this->Centre();
    Vector direction = this->Direction();
    Vector up = this->ViewUp();
    this->Drag(Qt::LeftButton, centre, centre + QPoint(40, 0));
    EXPECT_GT(AngleBetween(this->Direction(), direction), 10.0) << "rotated";

    this->ShowBunny();
    direction = this->Direction();
    up = this->ViewUp();
    // Around the centre from the top-left corner towards the top-right one.
    this->Drag(Qt::LeftButton, QPoint(8, 8), QPoint(60, 8));
    EXPECT_LT(AngleBetween(this->Direction(), direction), 1e-6) << "the view direction stays";
    EXPECT_GT(AngleBetween(this->ViewUp(), up), 5.0) << "rolled";
  });
}

TEST_F(Preview3D, TheCursorShowsWhetherADragWouldRotateOrRoll) {
  this->WhileOpen([this] {
    const QPoint centre = this->Centre();
    const QPoint corner(5, 5);
    this->Move(centre);
    EXPECT_TRUE(this->Shows(148));
    this->Move(corner);
    EXPECT_TRUE(this->Shows(149));
    this->Move(centre);
    EXPECT_TRUE(this->Shows(148));
    // A drag keeps the cursor it started with; the release chooses again.
    this->Mouse(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, centre);
    this->Move(corner, Qt::LeftButton);
    EXPECT_TRUE(this->Shows(148));
    this->Mouse(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, corner);
    EXPECT_TRUE(this->Shows(149));
  });
}

TEST_F(Preview3D, TheMiddleButtonPansAndRendersOnRelease) {
  this->WhileOpen([this] {
    this->ShowBunny();
    const Vector focus = this->FocalPoint();
    const Vector direction = this->Direction();
    const QPoint centre = this->Centre();
    this->Mouse(QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, centre);
    this->Move(centre + QPoint(30, 20), Qt::MiddleButton);
    EXPECT_NE(this->FocalPoint(), focus);
    EXPECT_LT(AngleBetween(this->Direction(), direction), 1e-6) << "a pan does not turn";
    QlmRenderCounter renders(this->Wrapper()->RenderWindow);
    this->Mouse(QEvent::MouseButtonRelease, Qt::MiddleButton, Qt::NoButton, centre + QPoint(30, 20));
    EXPECT_EQ(renders.Count, 1);
  });
}

TEST_F(Preview3D, TheWheelZoomsInAwayFromTheUserAndOutTowardsThem) {
  this->WhileOpen([this] {
    this->ShowBunny();
    const double scale = this->Camera()->GetParallelScale();
    QlmRenderCounter renders(this->Wrapper()->RenderWindow);
    this->Wheel(120);
    const double zoomedIn = this->Camera()->GetParallelScale();
    EXPECT_LT(zoomedIn, scale);
    this->Wheel(-120);
    EXPECT_GT(this->Camera()->GetParallelScale(), zoomedIn);
    EXPECT_EQ(renders.Count, 2);
  });
}

using Preview2D = PreviewFixture<CStatic2D>;

TEST_F(Preview2D, ClicksDoNothingInStateZeroWhileTheMiddleButtonStillPans) {
  this->WhileOpen([this] {
    EXPECT_EQ(this->Dialog->Control.GetInteractorStyle()->GetMode(), QlmState::None);
    const Vector focus = this->FocalPoint();
    const double scale = this->Camera()->GetParallelScale();
    QlmRenderCounter renders(this->Wrapper()->RenderWindow);
    const QPoint centre = this->Centre();
    this->Drag(Qt::LeftButton, centre, centre + QPoint(40, 25));
    this->Drag(Qt::RightButton, centre, centre + QPoint(40, 25));
    EXPECT_EQ(this->FocalPoint(), focus);
    EXPECT_EQ(this->Camera()->GetParallelScale(), scale);
    EXPECT_EQ(renders.Count, 0);
    EXPECT_TRUE(this->Shows(0));

    // The pan starts where the pointer last moved: the press itself is not handled.
    this->Move(centre);
    this->Mouse(QEvent::MouseButtonPress, Qt::MiddleButton, Qt::MiddleButton, centre);
    this->Move(centre + QPoint(40, 25), Qt::MiddleButton);
    EXPECT_NE(this->FocalPoint(), focus);
    EXPECT_EQ(renders.Count, 1);
  });
}

TEST_F(Preview2D, AWhiteFrameTheTitleAndTheHUScaleAreDrawnOverThePlot) {
  const CStatic2D& control = this->Dialog->Control;
  vtkRenderer* top = this->Wrapper()->GetLayerRenderer(0);
  EXPECT_TRUE(top->HasViewProp(control.GetBorder()->GetActor()));
  EXPECT_TRUE(top->HasViewProp(control.GetTitle()->GetTextActor()));
  EXPECT_TRUE(top->HasViewProp(control.GetScale()->GetActor()));
  EXPECT_EQ(std::string(control.GetTitle()->GetTitleMapper()->GetInput()), "None");
  const int* size = static_cast<vtkRullerWindowHU*>(control.GetScale()->GetSource())->GetSize();
  EXPECT_EQ(size[0], 100);
  EXPECT_EQ(size[1], 100);
  this->WhileOpen([this] {
    const QImage painted = this->Widget()->grab().toImage();
    int white = 0;
    for (int y = 0; y < painted.height(); ++y) white += painted.pixelColor(1, y) == QColor(Qt::white);
    EXPECT_GT(white, painted.height() / 2) << "the frame along the left edge";
  });
}

// The cursor follows the state the owner chooses; other states keep it.
TEST_F(Preview2D, TheCursorFollowsTheStateTheOwnerChooses) {
  struct Case {
    int State;
    UINT Cursor;
  };
  const Case cases[] = {{QlmState::Pan, 146},     {QlmState::AreaZoom, 147},  {QlmState::ZoomIn, 174},
                        {QlmState::ZoomOut, 175}, {QlmState::ZoomReset, 176}, {QlmState::Select, 176},
                        {QlmState::None, 0}};
  this->WhileOpen([this, &cases] {
    for (const Case& test : cases) {
      SCOPED_TRACE(test.State);
      this->Dialog->Control.GetInteractorStyle()->SetMode(test.State);
      this->Move(this->Centre());
      EXPECT_TRUE(this->Shows(test.Cursor));
    }
  });
}

}  // namespace
