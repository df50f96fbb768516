// One frame of a camera drag in an 800 x 600 3D view that holds the head
// CT's bone surface (399,757 triangles) as an imported object: the mouse move
// through the 3D style (the reduced display's StartInteraction, the rotation,
// the render and the copy into the host widget).
//   DragFrame/0  the reduced display off: the surface is drawn every frame
//   DragFrame/1  the reduced display on (as the program starts)
// Wall-clock time. Target: DragFrame/1 <= 0.5 x DragFrame/0. Run under Xvfb:
//   xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp"
//     env QT_QPA_PLATFORM=offscreen LP_NUM_THREADS=2 ./ReducedDisplayBenchmark
#include <benchmark/benchmark.h>
#include <vtkNew.h>
#include <vtkPolyData.h>
#include <vtkRenderer.h>
#include <vtkSmartPointer.h>
#include <vtkXMLPolyDataReader.h>

#include <QWidget>
#include <memory>
#include <string>

#include "QlmBenchSlice.h"
#include "QlmDisplay.h"
#include "QlmTestData.h"
#include "app/CQlmDegradationQuorvantile.h"
#include "objects/CQlmObject.h"
#include "objects/CQlmObjectList.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlmInteractorStyle3.h"
#include "views/QlmInteraction.h"

namespace {

constexpr int ViewWidth = 800;
constexpr int ViewHeight = 600;
constexpr int DragStep = 4;
constexpr int DragSpan = 200;

// The 3D view with the surface imported, its camera fitted, the style in the
// rotation about the centre and the reduced display hooked in.
class DraggedView {
public:
  explicit DraggedView(vtkPolyData* surface) {
    this->Host.resize(ViewWidth, ViewHeight);
    this->Host.show();
    this->Window.reset(CQlm3DWindow::New(2));
    this->Window->SetHostWindow(&this->Host);
    CQlmObject* object = this->Objects.AddNewObject();
    object->SetPolyData(surface);
    object->SetVisibility(1);
    object->SetWindow(this->Window.get());
    object->AddToRenderer();
    this->Window->Renderer3->ResetCamera();
    this->Reduction.Objects = &this->Objects;
    this->Style.reset(CQlmInteractorStyle3::New());
    this->Style->SetWindow(this->Window.get());
    this->Style->SetDegradation(&this->Reduction);
    this->Style->SetMode(QlmState::RotateAboutCenter);
    this->Window->Render();
  }

  void Press(int reduced) {
    this->Reduction.Enabled = reduced;
    this->X = ViewWidth / 2 - DragSpan / 2;
    this->Style->OnLeftButtonDown(QlmMouseFlag::LeftButton, this->X, ViewHeight / 2);
  }
  // The next mouse move, back and forth across the span.
  void Move() {
    if (this->X + this->Direction * DragStep > ViewWidth / 2 + DragSpan / 2 ||
        this->X + this->Direction * DragStep < ViewWidth / 2 - DragSpan / 2)
      this->Direction = -this->Direction;
    this->X += this->Direction * DragStep;
    this->Style->OnMouseMove(QlmMouseFlag::LeftButton, this->X, ViewHeight / 2);
    this->Host.repaint();
  }
  void Release() { this->Style->OnLeftButtonUp(0, this->X, ViewHeight / 2); }

private:
  QWidget Host;
  std::unique_ptr<CQlm3DWindow> Window;
  CQlmObjectList Objects;
  CQlmDegradationQuorvantile Reduction;
  std::unique_ptr<CQlmInteractorStyle3> Style;
  int X = 0;
  int Direction = 1;
};

vtkSmartPointer<vtkPolyData> BoneSurface() {
  vtkNew<vtkXMLPolyDataReader> reader;
  reader->SetFileName(QlmTestData::Path(QlmTestData::CraniumSurface).c_str());
  reader->Update();
  return reader->GetOutput();
}

// The view, made once; null, with the benchmark skipped, without a display or the data.
DraggedView* View(benchmark::State& state) {
  std::string why;
  if (!QlmDisplay::Available()) why = "no X display: run under xvfb-run";
  if (why.empty()) QlmTestData::Has(QlmTestData::CraniumSurface, why);
  if (!why.empty()) {
    state.SkipWithError(why.c_str());
    return nullptr;
  }
  QlmBenchSlice::Application();
  // Kept to the end of the process: the host widget outlives the benchmark loop.
  static DraggedView* view = new DraggedView(BoneSurface());
  return view;
}

void DragFrame(benchmark::State& state) {
  DraggedView* view = View(state);
  if (!view) return;
  view->Press(int(state.range(0)));
  for (auto _ : state) view->Move();
  view->Release();
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(DragFrame)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
