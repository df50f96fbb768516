#include "ViewWindowsFixture.h"

#include <vtkImageData.h>
#include <vtkRenderWindow.h>

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <cstdint>
#include <cstdlib>

#include "QlmDisplay.h"
#include "QlmGuiTestApp.h"
#include "QlmViewSetUp.h"
#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmResourceIds.h"
#include "app/QlmResourceScript.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmPanoramicCalc.h"
#include "platform/CString.h"
#include "platform/gui/CDialog.h"
#include "views/C3DFrame.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/QlmView.h"

namespace {

const char* const StageNames[CQlmPositionListener::StageCount] = {
    "Indicators", "Implants", "OrtoImps", "EndoImps",    "Geoms",        "Dentes",         "ImplantRings",
    "Geometries", "Nerves",   "Rullers",  "AxialNumber", "CrossNumbers", "PanoramicNumber"};

std::string Number(float value) { return CString::Formatted("%.2f", value).Str(); }

}  // namespace

void RecordingFollower::Add(const std::string& call, int index, int filterIndex) {
  if (this->Controller) this->Log->push_back("filter " + std::to_string(filterIndex));
  this->Log->push_back(this->Name + " " + call + " " + std::to_string(index));
}

void RecordingFollower::SetAxialIndex(int index) {
  const CQlmCTFilter* filters = this->Controller ? this->Controller->CTFilter : nullptr;
  this->Add("SetAxialIndex", index, filters ? filters->GetAxialFilter()->GetCurrentSlice() : 0);
}

void RecordingFollower::SetCrossIndex(int index) {
  const CQlmCTFilter* filters = this->Controller ? this->Controller->CTFilter : nullptr;
  this->Add("SetCrossIndex", index, filters ? filters->GetCrossFilter()->GetFirstIndex() : 0);
}

void RecordingFollower::SetPanoramicIndex(int index) {
  const CQlmCTFilter* filters = this->Controller ? this->Controller->CTFilter : nullptr;
  this->Add("SetPanoramicIndex", index, filters ? filters->GetCalc()->GetCurrentCurve() : 0);
}

void RecordingFollower::SetNumber(float number) { this->Log->push_back(this->Name + " SetNumber " + Number(number)); }

void RecordingFollower::SetNumbers(const float* numbers) {
  this->Log->push_back(this->Name + " SetNumbers " + Number(numbers[0]) + ".." + Number(numbers[8]));
}

int RecordingFollower::IsIndicatorVisible(int position, int shownIn) const {
  return this->Visible && this->Visible->count({position, shownIn}) ? 1 : 0;
}

void ViewWindowsFixture::SetUp() {
  QlmGuiTestApp::Instance();
  QLM_REQUIRE_DISPLAY();
  ::setenv("QLM_COMMON_APPDATA", this->AppData.Path().c_str(), 1);
  ::unsetenv("QLM_WEB_SERVER");
  QlmRegisterResources();
  CDialog::SetModalHook([](CDialog&) { return INT_PTR(IDCANCEL); });
  this->Frame = std::make_unique<CMainFrame>();
  this->App.m_pMainWnd = this->Frame.get();
  ASSERT_TRUE(this->Frame->LoadFrame(IDR_MAINFRAME));
  QlmGuiTestApp::Wait(20);
  this->Q = this->Frame->GetController();
  for (int stage = 0; stage < CQlmPositionListener::StageCount; ++stage) {
    this->Followers[stage].Name = StageNames[stage];
    this->Followers[stage].Log = &this->Log;
    this->Q->PositionListeners[stage] = &this->Followers[stage];
  }
  this->Followers[CQlmPositionListener::Indicators].Controller = this->Q;
  this->Followers[CQlmPositionListener::Indicators].Visible = &this->VisibleIndicators;
  this->LogRenders(this->Q->WindowAxial->RenderWindow, "axial");
  this->LogRenders(this->Q->WindowCross->RenderWindow, "cross");
  this->LogRenders(this->Q->WindowPanoramic->RenderWindow, "panoramic");
  this->LogRenders(this->Q->Window3D->RenderWindow, "3D");
}

void ViewWindowsFixture::TearDown() {
  if (this->Frame) this->Frame->DestroyWindow();
  this->Frame.reset();
  this->App.m_pMainWnd = nullptr;
  CDialog::SetModalHook(nullptr);
  ::unsetenv("QLM_COMMON_APPDATA");
}

void ViewWindowsFixture::LogRenders(vtkRenderWindow* window, const char* view) {
  this->RenderLogs.push_back(std::make_unique<RenderLog>(RenderLog{&this->Log, std::string("render ") + view}));
  auto command = vtkSmartPointer<vtkCallbackCommand>::New();
  command->SetClientData(this->RenderLogs.back().get());
  command->SetCallback([](vtkObject*, unsigned long, void* data, void*) {
    auto* render = static_cast<RenderLog*>(data);
    render->Log->push_back(render->Entry);
  });
  window->AddObserver(vtkCommand::StartEvent, command);
  this->RenderCommands.push_back(command);
}

vtkSmartPointer<vtkImageData> ViewWindowsFixture::Volume(int slices) {
  auto volume = vtkSmartPointer<vtkImageData>::New();
  volume->SetDimensions(48, 48, slices);
  volume->SetSpacing(1.0, 1.0, SliceSpacing);
  volume->SetOrigin(0.0, 0.0, Origin);
  volume->AllocateScalars(VTK_UNSIGNED_SHORT, 1);
  auto* voxels = static_cast<uint16_t*>(volume->GetScalarPointer());
  for (vtkIdType i = 0; i < volume->GetNumberOfPoints(); ++i) voxels[i] = static_cast<uint16_t>((i * 37) % 4000);
  return volume;
}

void ViewWindowsFixture::Show(vtkImageData* volume) {
  QlmViewSetUp::ShowVolume(*this->Frame, volume);
  for (int position : {QlmView::Axial, QlmView::Cross, QlmView::Panoramic}) {
    for (int shownIn : {QlmView::Axial, QlmView::Cross, QlmView::Panoramic, QlmView::View3D}) {
      if (position != shownIn) this->VisibleIndicators.insert({position, shownIn});
    }
  }
  this->Q->Modified = 0;
  QlmGuiTestApp::Wait(20);
  this->Log.clear();
}

std::vector<std::string> ViewWindowsFixture::FanOut(int view, int index) const {
  const char* call = view == QlmView::Axial   ? "SetAxialIndex"
                     : view == QlmView::Cross ? "SetCrossIndex"
                                              : "SetPanoramicIndex";
  std::vector<std::string> calls{"filter " + std::to_string(index)};
  for (int stage = CQlmPositionListener::Indicators; stage <= CQlmPositionListener::Rullers; ++stage) {
    if (view == QlmView::Panoramic && stage != CQlmPositionListener::Indicators &&
        stage != CQlmPositionListener::Rullers) {
      continue;
    }
    calls.push_back(std::string(StageNames[stage]) + " " + call + " " + std::to_string(index));
  }
  if (view == QlmView::Axial) {
    calls.push_back("AxialNumber SetNumber " + Number(static_cast<float>(index * SliceSpacing + Origin)));
  } else if (view == QlmView::Cross) {
    const float spacing = this->Q->CTFilter->GetCrossFilter()->GetSectionSpacing();
    calls.push_back("CrossNumbers SetNumbers " + Number(index * spacing) + ".." + Number((index + 8) * spacing));
  } else {
    const CQlmPanoramicCalc* calc = this->Q->PanoramicCalc;
    calls.push_back("PanoramicNumber SetNumber " + Number((index - calc->GetMiddleCurve()) * calc->GetCurveSpacing()));
  }
  return calls;
}

CWnd* ViewWindowsFixture::Window(int view) const {
  switch (view) {
    case QlmView::Axial:
      return this->Frame->AxialView;
    case QlmView::Cross:
      return this->Frame->CrossView;
    case QlmView::Panoramic:
      return this->Frame->PanoramicView;
    default:
      return this->Frame->View3D;
  }
}

QScrollBar* ViewWindowsFixture::Bar(int view) const { return this->Window(view)->GetVerticalScrollBar(); }

int ViewWindowsFixture::IndexOf(int view) const {
  switch (view) {
    case QlmView::Axial:
      return this->Q->CTFilter->GetAxialFilter()->GetCurrentSlice();
    case QlmView::Cross:
      return this->Q->CTFilter->GetCrossFilter()->GetFirstIndex();
    default:
      return this->Q->PanoramicCalc->GetCurrentCurve();
  }
}

int ViewWindowsFixture::PositionOf(int view) const { return this->Window(view)->GetScrollPos(SB_VERT); }

void ViewWindowsFixture::Press(int view, int key, bool autoRepeat) const {
  QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
  QApplication::sendEvent(this->Window(view)->GetSafeHwnd(), &event);
}

void ViewWindowsFixture::Release(int view, int key, bool autoRepeat) const {
  QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier, QString(), autoRepeat);
  QApplication::sendEvent(this->Window(view)->GetSafeHwnd(), &event);
}
