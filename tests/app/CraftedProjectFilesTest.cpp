// Copies of the sample project with one value changed, opened through the
// main window as File/Abrir and the command line open them. A view-state or
// controller value out of its range gives way to that of a new project; a CT
// volume out of range or a malformed count refuses the file. Either way within 2 s, and never an
// abort, a collapsed or empty view.
#include <gmock/gmock.h>
#include <vtkCamera.h>
#include <vtkImageData.h>
#include <vtkRenderer.h>

#include <QMainWindow>
#include <QWidget>
#include <bitset>
#include <chrono>
#include <cmath>
#include <cstring>
#include <functional>
#include <iostream>
#include <limits>
#include <type_traits>

#include "ProjectFixtures.h"
#include "ProjectFrameFixture.h"
#include "QlmBytes.h"
#include "QlmTestData.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfig.h"
#include "ct/CQlmCTAxialFilter.h"
#include "ct/CQlmCTCrossFilter9.h"
#include "ct/CQlmCTFilter.h"
#include "ct/CQlmCTPanFilter.h"
#include "ct/CQlmImageCompressor.h"
#include "ct/CQlmPanoramicCalc.h"
#include "platform/gui/CStatusBar.h"
#include "views/CAxialWnd.h"
#include "views/CCrossWnd.h"
#include "views/CPanoramicWnd.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"
#include "views/CQlmInteractorStyle2.h"

// Qt's and the system libraries' own allocations that live for the whole process.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\nleak:libQt6Gui\nleak:libQt6Core\nleak:libglib\nleak:libX11\nleak:libxcb\n";
}

namespace {

using Bytes = std::vector<uint8_t>;
using Clock = std::chrono::steady_clock;

// A crafted value that slips through runs the reformat for minutes or
// aborts; a sound open takes a second or two, more on a loaded machine.
constexpr std::chrono::seconds RunawayOpen{20};

// One value of the file, set from a double (exact for every value tried on an
// int), and the values that make it a malformed file rather than a value out
// of range (none for most).
struct Field {
  std::string Name;
  bool Integral;
  std::function<void(CQlmProjectData&, double)> Set;
  std::function<bool(double)> Malformed = [](double) { return false; };
};

template <typename At>
Field MakeField(std::string name, At at) {
  using T = std::remove_reference_t<decltype(at(std::declval<CQlmProjectData&>()))>;
  return {std::move(name), std::is_integral_v<T>,
          [at](CQlmProjectData& data, double value) { at(data) = static_cast<T>(value); }};
}

#define FIELD(path) \
  MakeField(        \
      #path, [](CQlmProjectData & data) -> auto& { return data.path; })

// The values of the file in groups: every value of the view state and of the
// controller values (of the 50 saved arch points, which are carried alike, the
// first and the last); of the arch, the values of a control point and the
// section marks.
enum class Group { Reformat, Positions, ViewCameras, Camera3D, Colours, Flags, Splitters, Values, Arch, Volumes };

std::vector<Field> ArrayFields(const std::string& name, int count,
                               const std::function<void(CQlmProjectData&, int, double)>& set, bool integral) {
  std::vector<Field> fields;
  for (int i = 0; i < count; ++i) {
    fields.push_back({name + "[" + std::to_string(i) + "]", integral,
                      [set, i](CQlmProjectData& data, double value) { set(data, i, value); }});
  }
  return fields;
}

#define ARRAY(path, count)                                                                  \
  ArrayFields(                                                                              \
      #path, count,                                                                         \
      [](CQlmProjectData& data, int i, double value) {                                      \
        data.path[i] = static_cast<std::remove_reference_t<decltype(data.path[0])>>(value); \
      },                                                                                    \
      std::is_integral_v<std::remove_reference_t<decltype(std::declval<CQlmProjectData&>().path[0])>>)

std::vector<Field> CameraFields(CQlmViewState::Camera CQlmViewState::*camera, const std::string& name) {
  auto part = [camera](double(CQlmViewState::Camera::*member)[3]) {
    return
        [camera, member](CQlmProjectData& data, int i, double value) { ((data.ViewState.*camera).*member)[i] = value; };
  };
  std::vector<Field> fields = ArrayFields(name + ".Position", 3, part(&CQlmViewState::Camera::Position), false);
  const std::vector<Field> focus =
      ArrayFields(name + ".FocalPoint", 3, part(&CQlmViewState::Camera::FocalPoint), false);
  fields.insert(fields.end(), focus.begin(), focus.end());
  if (camera == &CQlmViewState::Camera3D) {
    const std::vector<Field> up = ArrayFields(name + ".ViewUp", 3, part(&CQlmViewState::Camera::ViewUp), false);
    fields.insert(fields.end(), up.begin(), up.end());
  }
  fields.push_back(MakeField(
      name + ".ParallelScale", [camera](CQlmProjectData & data) -> auto& {
        return (data.ViewState.*camera).ParallelScale;
      }));
  return fields;
}

std::vector<Field> FieldsOf(Group group) {
  switch (group) {
    case Group::Reformat:
      return {FIELD(ViewState.CurveCountValue), FIELD(ViewState.CurveSpacing), FIELD(ViewState.SectionWidth),
              FIELD(ViewState.SectionSpacing)};
    case Group::Positions:
      return {FIELD(ViewState.AxialSlice), FIELD(ViewState.CrossPosition), FIELD(ViewState.PanoramicCurve)};
    case Group::ViewCameras: {
      std::vector<Field> fields = CameraFields(&CQlmViewState::AxialCamera, "ViewState.AxialCamera");
      for (const auto& more : {CameraFields(&CQlmViewState::CrossCamera, "ViewState.CrossCamera"),
                               CameraFields(&CQlmViewState::PanoramicCamera, "ViewState.PanoramicCamera")}) {
        fields.insert(fields.end(), more.begin(), more.end());
      }
      return fields;
    }
    case Group::Camera3D:
      return CameraFields(&CQlmViewState::Camera3D, "ViewState.Camera3D");
    case Group::Colours: {
      std::vector<Field> fields = ARRAY(ViewState.Background3D, 3);
      fields.push_back(FIELD(ViewState.DisplayMinimum));
      fields.push_back(FIELD(ViewState.DisplayMaximum));
      return fields;
    }
    case Group::Flags: {
      std::vector<Field> fields = {FIELD(ViewState.SingleCrossSection), FIELD(ViewState.IndicatorTransparent),
                                   FIELD(ViewState.CurveEdit), FIELD(ViewState.Indicators3DTransparent)};
      for (const auto& more : {ARRAY(ViewState.IndicatorFlags, 3), ARRAY(ViewState.Indicators3DShown, 3),
                               ARRAY(ViewState.ViewsInUse, 4)}) {
        fields.insert(fields.end(), more.begin(), more.end());
      }
      return fields;
    }
    case Group::Splitters:
      return ARRAY(ViewState.SplitterFractions, 3);
    case Group::Arch:
      // Of a control point's placement: a turn, the three coordinates, the homogeneous corner.
      return {FIELD(Arch.Points[1][0]),  FIELD(Arch.Points[1][3]), FIELD(Arch.Points[1][7]),  FIELD(Arch.Points[1][11]),
              FIELD(Arch.Points[1][15]), FIELD(Arch.SectionWidth), FIELD(Arch.SectionSpacing)};
    case Group::Volumes:
      return {};
    case Group::Values: {
      // How many of the 50 saved arch points are meaningful: a count, checked as counts are.
      Field savedPoints = FIELD(Values.Saved.ArchPointCount);
      savedPoints.Malformed = [](double count) { return count < 0 || count > 50; };
      return {FIELD(Values.ThickPanoramic),
              FIELD(Values.PanoramicThickness),
              FIELD(Values.PanoramicMode),
              FIELD(Values.ImplantFontSize),
              FIELD(Values.NotesShown),
              FIELD(Values.SagittalCoronal),
              FIELD(Values.Saved.SectionWidth),
              FIELD(Values.Saved.SectionSpacing),
              FIELD(Values.Saved.CurveSpacing),
              FIELD(Values.Saved.CurveCount),
              FIELD(Values.Saved.ThickPanoramic),
              savedPoints,
              FIELD(Values.Saved.SingleCrossSection),
              FIELD(Values.Saved.FirstSection),
              FIELD(Values.Saved.CurrentCurve),
              FIELD(Values.Saved.AxialSlice),
              FIELD(Values.Saved.ArchPoints[0][0]),
              FIELD(Values.Saved.ArchPoints[49][2])};
    }
  }
  return {};
}

constexpr double Huge = 1.0e30;
constexpr double Int32Max = std::numeric_limits<int32_t>::max();
const std::vector<double> IntegralValues = {0, -1, 1.0e6, Int32Max};
const std::vector<double> RealValues = {
    0, -1, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), Huge, Int32Max};

std::string ValueName(double value) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return "inf";
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", value);
  return text;
}

// The main volume block's header in a loaded file: int32 type, components,
// dimensions x, y, z, then float spacing x, y, z and origin x, y, z.
constexpr size_t SliceCountAt = 16;
constexpr size_t SpacingAt = 20;
constexpr size_t OriginAt = 32;

template <typename T>
std::function<void(CQlmProjectData&)> PatchVolume(size_t offset, T value) {
  return [offset, value](CQlmProjectData& data) {
    std::memcpy(data.MainVolumeBlock->GetPointer(0) + offset, &value, sizeof value);
  };
}

// A copy of the sample with one change, and whether the reader must refuse it.
struct Crafted {
  std::string Name;
  std::function<void(CQlmProjectData&)> Change;
  bool Refused;
};

// Every value tried on every field of the group; a malformed file is refused.
std::vector<Crafted> CraftedValues(Group group) {
  std::vector<Crafted> crafted;
  for (const Field& field : FieldsOf(group)) {
    for (double value : field.Integral ? IntegralValues : RealValues) {
      crafted.push_back({field.Name + " = " + ValueName(value),
                         [set = field.Set, value](CQlmProjectData& data) { set(data, value); },
                         field.Malformed(value)});
    }
  }
  return crafted;
}

// CT volumes the reader must refuse.
std::vector<Crafted> CraftedVolumes(int32_t slices) {
  return {
      {"spacing x 0", PatchVolume(SpacingAt, 0.0f), true},
      {"spacing y NaN", PatchVolume(SpacingAt + 4, std::nanf("")), true},
      {"spacing z negative", PatchVolume(SpacingAt + 8, -0.5f), true},
      {"spacing x infinite", PatchVolume(SpacingAt, INFINITY), true},
      {"origin x infinite", PatchVolume(OriginAt, INFINITY), true},
      {"origin z -infinite", PatchVolume(OriginAt + 8, -INFINITY), true},
      {"0 slices", PatchVolume(SliceCountAt, int32_t(0)), true},
      {"1 slice", PatchVolume(SliceCountAt, int32_t(1)), true},
      {"one slice more than stored", PatchVolume(SliceCountAt, slices + 1), true},
  };
}

// Under the sanitizers the settings file switches the views off: reading and
// restoring run instrumented, while drawing (the graphics library's work) and
// the time an open takes are left to the other build.
#ifdef __SANITIZE_ADDRESS__
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif

class CraftedProjectFiles : public ProjectFrameFixture {
protected:
  void SetUp() override {
    ProjectFrameFixture::SetUp();
    if (IsSkipped()) return;
    QLM_REQUIRE_TEST_DATA(QlmTestData::CraniumMatrix);
    if (Sanitized) SwitchViewsOff();
    Sample = QlmBytes::ReadFile(SampleFile("Amostra.qlm"));
    ProjectFixtures::Load(Sample, Data);
    ASSERT_TRUE(ProjectFixtures::Stored(Data) == Sample);
    BaseViewState = Data.ViewState;
    BaseValues = Data.Values;
    BaseArch = Data.Arch;
    BaseVolume = Bytes(Data.MainVolumeBlock->GetPointer(0),
                       Data.MainVolumeBlock->GetPointer(0) + Data.MainVolumeBlock->GetNumberOfValues());
  }

  // "Windows Advanced: " with the four views off and their overlays on.
  static void SwitchViewsOff() {
    EnsureConfigFile();
    int windows[21];
    std::fill(std::begin(windows), std::end(windows), 1);
    std::fill_n(windows, 4, 0);
    WriteConfigWindowsAdvanced(windows);
  }

  int32_t SampleSlices() const { return ProjectFixtures::PeekInt32(BaseVolume, SliceCountAt); }

  // Makes `change` part of the sample that Craft changes.
  void ChangeSample(const std::function<void(CQlmProjectData&)>& change) {
    Reset();
    change(Data);
    Sample = ProjectFixtures::Stored(Data);
    BaseViewState = Data.ViewState;
    BaseValues = Data.Values;
    BaseArch = Data.Arch;
  }

  // The sample with `change` made, written as `name`; empty when the change
  // leaves the file as it was. The bytes that differ lie within one value.
  std::string Craft(const std::string& name, const std::function<void(CQlmProjectData&)>& change) {
    Reset();
    change(Data);
    const Bytes crafted = ProjectFixtures::Stored(Data);
    if (crafted.size() != Sample.size()) {
      ADD_FAILURE() << "the crafted file is " << crafted.size() << " bytes long, the sample " << Sample.size();
      return {};
    }
    const auto [first, sampleFirst] = std::mismatch(crafted.begin(), crafted.end(), Sample.begin());
    if (first == crafted.end()) return {};
    const auto [last, sampleLast] = std::mismatch(crafted.rbegin(), crafted.rend(), Sample.rbegin());
    EXPECT_LE(crafted.rend() - last - (first - crafted.begin()), 8);  // the bytes from the first change to the last
    return RawFile(name, crafted);
  }

  void Reset() {
    Data.ViewState = BaseViewState;
    Data.Values = BaseValues;
    Data.Arch = BaseArch;
    std::memcpy(Data.MainVolumeBlock->GetPointer(0), BaseVolume.data(), BaseVolume.size());
  }

  Bytes Sample;
  CQlmProjectData Data;
  CQlmViewState BaseViewState;
  CQlmDocumentValues BaseValues;
  CQlmArchRecord BaseArch;
  Bytes BaseVolume;
};

std::string Title(const CMainFrame& frame) { return frame.GetMainWindow()->windowTitle().toStdString(); }

size_t GreyLevels(const QImage& picture) {
  std::bitset<256> levels;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) levels.set(static_cast<size_t>(qRed(picture.pixel(x, y))));
  }
  return levels.count();
}

bool Finite(vtkCamera* camera) {
  const double* values[] = {camera->GetPosition(), camera->GetFocalPoint(), camera->GetViewUp()};
  for (const double* triple : values) {
    if (!std::isfinite(triple[0]) || !std::isfinite(triple[1]) || !std::isfinite(triple[2])) return false;
  }
  return std::isfinite(camera->GetParallelScale()) && camera->GetParallelScale() > 0;
}

// What the reformat dialog allows and the views show: nothing out of range,
// nothing hidden, a CT picture in each 2D view when they draw.
void ExpectOpenWithinRange(CMainFrame& frame, const std::string& title, bool drawn) {
  CQlmQuorvantile& q = *frame.GetController();
  ASSERT_EQ(q.ProjectOpen, 1);
  EXPECT_EQ(Title(frame), "Quorvantile 2021R " + title);
  EXPECT_EQ(frame.StatusBar.GetPaneText(0), CString("Pronto"));
  const CQlmPanoramicCalc& calc = *q.PanoramicCalc;
  EXPECT_GE(calc.GetCurveCount(), 2);
  EXPECT_LE(calc.GetCurveCount(), 49);
  EXPECT_GE(calc.GetCurveSpacing(), 0.1f);
  EXPECT_LE(calc.GetCurveSpacing(), 10.0f);
  EXPECT_LE(calc.GetCurrentCurve(), calc.GetCurveCount());
  const CQlmCTCrossFilter9& cross = *q.CTFilter->GetCrossFilter();
  EXPECT_GT(cross.GetSectionWidth(), 0.0f);
  EXPECT_LE(cross.GetSectionWidth(), 100.0f);
  EXPECT_GE(cross.GetSectionSpacing(), 0.1f);
  EXPECT_LE(cross.GetSectionSpacing(), 5.0f);
  const CQlmCTPanFilter& panoramic = *q.CTFilter->GetPanFilter();
  EXPECT_GE(panoramic.GetThickness(), 1.0f);
  EXPECT_LE(panoramic.GetThickness(), 50.0f);
  for (vtkCamera* camera :
       {q.WindowAxial->Renderer3->GetActiveCamera(), q.WindowPanoramic->Renderer3->GetActiveCamera(),
        q.WindowCross->Renderer3[CQlm3DWindow9::CentreCell]->GetActiveCamera(),
        q.Window3D->Renderer3->GetActiveCamera()}) {
    EXPECT_TRUE(Finite(camera));
  }
  for (CWnd* view : {static_cast<CWnd*>(frame.AxialView), static_cast<CWnd*>(frame.CrossView),
                     static_cast<CWnd*>(frame.PanoramicView)}) {
    EXPECT_GE(view->GetSafeHwnd()->width(), 40);
    EXPECT_GE(view->GetSafeHwnd()->height(), 40);
  }
  if (!drawn) return;
  for (const QImage& picture : {q.WindowAxial->GetImage(), q.WindowCross->GetImage(), q.WindowPanoramic->GetImage()}) {
    EXPECT_GT(GreyLevels(picture), 16u);
  }
}

void ExpectRefused(CMainFrame& frame, CQlmScriptedPrompter& prompter, const std::string& title) {
  CQlmQuorvantile& q = *frame.GetController();
  ASSERT_EQ(prompter.Messages.size(), 1u);
  EXPECT_EQ(prompter.Messages[0].Text, CString("Erro ao abrir projeto\n" + title));
  EXPECT_EQ(q.ProjectOpen, 0);
  EXPECT_EQ(Title(frame), "Quorvantile 2021R ");
  EXPECT_EQ(frame.StatusBar.GetPaneText(0), CString("Pronto"));
}

// The project as the set-up and the restore of the views leave it.
struct Shown {
  float ArchLength;
  int CurveCountValue;
  int AxialSlice;
  int Curve;
  float Thickness;
  int Thick;
  double Background[3];
  int LeftPaneHeight;
  double AxialFocus[3];
  double AxialScale;
  double Position3D[3];
  double ViewUp3D[3];
};

Shown ShownBy(CMainFrame& frame) {
  CQlmQuorvantile& q = *frame.GetController();
  Shown shown{};
  shown.ArchLength = q.PanoramicCalc->GetArchLength();
  shown.CurveCountValue = q.PanoramicCalc->GetCurveCount() + 1;
  shown.AxialSlice = q.CTFilter->GetAxialFilter()->GetCurrentSlice();
  shown.Curve = q.PanoramicCalc->GetCurrentCurve();
  shown.Thickness = q.CTFilter->GetPanFilter()->GetThickness();
  shown.Thick = q.ThickPanoramic;
  std::copy_n(q.Window3D->GetBackground(), 3, shown.Background);
  int minimum = 0;
  frame.SplitterLeft.GetRowInfo(0, shown.LeftPaneHeight, minimum);
  vtkCamera* axial = q.WindowAxial->Renderer3->GetActiveCamera();
  axial->GetFocalPoint(shown.AxialFocus);
  shown.AxialScale = axial->GetParallelScale();
  vtkCamera* camera3D = q.Window3D->Renderer3->GetActiveCamera();
  camera3D->GetPosition(shown.Position3D);
  camera3D->GetViewUp(shown.ViewUp3D);
  return shown;
}

// One value at a time out of range: that value is a new project's, the others the file's.
TEST_F(CraftedProjectFiles, AValueOutOfRangeGivesWayToThatOfANewProject) {
  auto frame = Start();
  const Shown fresh = ShownBy(*frame);  // the fresh 3D camera and background
  auto open = [&](const std::function<void(CQlmProjectData&)>& change) {
    const std::string path = Craft("Caso.qlm", change);
    EXPECT_FALSE(path.empty());
    if (frame->GetController()->ProjectOpen) frame->OnFileClose();
    Prompter.QueueFile(CString(path));
    frame->OnFileOpen();
    EXPECT_EQ(frame->GetController()->ProjectOpen, 1);
    return ShownBy(*frame);
  };
  const Shown sample = open([](CQlmProjectData& data) { data.ViewState.CurveCountValue = 20; });
  EXPECT_EQ(sample.CurveCountValue, 20);  // in range: the file's

  EXPECT_EQ(open([](CQlmProjectData& data) { data.ViewState.CurveCountValue = INT32_MAX; }).CurveCountValue, 17);
  const int slices = SampleSlices();
  EXPECT_EQ(open([](CQlmProjectData& data) { data.ViewState.AxialSlice = INT32_MAX; }).AxialSlice, slices / 2);
  EXPECT_EQ(open([](CQlmProjectData& data) { data.ViewState.PanoramicCurve = -1; }).Curve, 8);
  EXPECT_EQ(open([](CQlmProjectData& data) { data.Values.PanoramicThickness = NAN; }).Thickness, 22.0f);
  EXPECT_EQ(open([](CQlmProjectData& data) { data.Values.ThickPanoramic = 2; }).Thick, 0);
  const Shown grey = open([](CQlmProjectData& data) { data.ViewState.Background3D[1] = 1.5f; });
  EXPECT_THAT(grey.Background, testing::ElementsAreArray(fresh.Background));

  // The start-up proportions: laying the splitters out as at start-up changes nothing.
  for (float fraction : {NAN, 0.001f, 0.999f}) {
    const Shown split = open([fraction](CQlmProjectData& data) { data.ViewState.SplitterFractions[1] = fraction; });
    frame->SizeSplitters();
    EXPECT_EQ(split.LeftPaneHeight, ShownBy(*frame).LeftPaneHeight) << fraction;
  }

  // The axial camera as the set-up framed it: on the middle of its picture.
  for (const auto& change : std::vector<std::function<void(CQlmProjectData&)>>{
           [](CQlmProjectData& data) { data.ViewState.AxialCamera.ParallelScale = -1; },
           [](CQlmProjectData& data) { data.ViewState.AxialCamera.FocalPoint[0] = 1.0e6; }}) {
    const Shown framed = open(change);
    double bounds[6];
    frame->GetController()->CTFilter->GetAxialFilter()->GetOutput()->GetBounds(bounds);
    EXPECT_NEAR(framed.AxialFocus[0], (bounds[0] + bounds[1]) / 2, 1e-3);
    EXPECT_NEAR(framed.AxialFocus[1], (bounds[2] + bounds[3]) / 2, 1e-3);
    EXPECT_GT(framed.AxialScale, 0.0);
  }

  // An arch away from the volume is the default arch, also for the thick
  // panoramic, whose slabs follow the whole arch.
  ChangeSample([](CQlmProjectData& data) { data.Values.ThickPanoramic = 1; });
  const Clock::time_point start = Clock::now();
  const Shown thick = open([](CQlmProjectData& data) { data.Arch.Points[1][3] = 1.0e30; });
  if (!Sanitized) {
    EXPECT_LT(Clock::now() - start, RunawayOpen);
  }
  EXPECT_EQ(thick.Thick, 1);
  EXPECT_NEAR(thick.ArchLength, 125.11f, 0.01f);

  // A view up of no length leaves the 3D camera of a new project.
  const Shown upright = open([](CQlmProjectData& data) { data.ViewState.Camera3D.ViewUp[2] = 0; });
  EXPECT_THAT(upright.Position3D, testing::ElementsAreArray(fresh.Position3D));
  EXPECT_THAT(upright.ViewUp3D, testing::ElementsAreArray(fresh.ViewUp3D));
  EXPECT_TRUE(Prompter.Messages.empty());
}

class CraftedProjectFileTable : public CraftedProjectFiles, public testing::WithParamInterface<Group> {};

// Every crafted file of the group, through File/Abrir and the command line by
// turns: each value of a field through both (a real window's open costs a
// fresh controller's first drawing, so each file is opened once).
TEST_P(CraftedProjectFileTable, EachOpensWithinRangeOrIsRefusedWithoutARunaway) {
  const std::vector<Crafted> table =
      GetParam() == Group::Volumes ? CraftedVolumes(SampleSlices()) : CraftedValues(GetParam());
  auto frame = Start();
  // The first open pays for what the process does once.
  Prompter.QueueFile(CString(Files.File("Amostra.qlm")));
  frame->OnFileOpen();
  ASSERT_EQ(frame->GetController()->ProjectOpen, 1);
  bool fileOpen = false;
  for (const Crafted& crafted : table) {
    const std::string path = Craft("Caso.qlm", crafted.Change);
    if (path.empty()) continue;  // the sample holds that value already
    fileOpen = !fileOpen;
    SCOPED_TRACE(crafted.Name + (fileOpen ? ", File/Abrir" : ", command line"));
    if (frame->GetController()->ProjectOpen) frame->OnFileClose();
    const std::vector<std::string> recent = RecentList();
    Prompter.Messages.clear();
    const Clock::time_point start = Clock::now();
    if (fileOpen) {
      Prompter.QueueFile(CString(path));
      frame->OnFileOpen();
    } else {
      frame->OpenCommandLineProject(CString(path));
    }
    if (!Sanitized) {
      EXPECT_LT(Clock::now() - start, RunawayOpen);
    }
    if (crafted.Refused) {
      ExpectRefused(*frame, Prompter, "Caso");
      EXPECT_EQ(RecentList(), recent);
    } else {
      EXPECT_TRUE(Prompter.Messages.empty());
      ExpectOpenWithinRange(*frame, "Caso", !Sanitized);
    }
  }
}

std::string GroupName(const testing::TestParamInfo<Group>& info) {
  static const char* const names[] = {"Reformat", "Positions", "ViewCameras", "Camera3D", "Colours",
                                      "Flags",    "Splitters", "Values",      "Arch",     "Volumes"};
  return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Groups, CraftedProjectFileTable,
                         testing::Values(Group::Reformat, Group::Positions, Group::ViewCameras, Group::Camera3D,
                                         Group::Colours, Group::Flags, Group::Splitters, Group::Values, Group::Arch,
                                         Group::Volumes),
                         GroupName);

}  // namespace
