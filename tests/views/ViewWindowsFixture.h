#pragma once
// The main window as the program makes it, with a small CT volume shown in
// its views, a recording follower in every fan-out stage and every render of
// the four views logged. The log reads in call order:
//   "filter <index>"               the moved view's CT filter index when the first follower hears of it
//   "<Stage> <call> <argument>"    a follower's call ("Rullers SetAxialIndex 7", "AxialNumber SetNumber 0.50")
//   "render <view>"                axial, cross, panoramic or 3D
#include <gtest/gtest.h>
#include <vtkCallbackCommand.h>
#include <vtkNew.h>
#include <vtkSmartPointer.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/CQlmScriptedPrompter.h"
#include "platform/gui/CWinApp.h"
#include "tests/support/QlmTempDir.h"
#include "views/CQlmPositionListener.h"

class CMainFrame;
class CQlmQuorvantile;
class CWnd;
class QScrollBar;
class vtkImageData;
class vtkRenderWindow;

// A follower that logs every call; the indicator owner's also answers which
// views show which view's position from `Visible`.
class RecordingFollower : public CQlmPositionListener {
public:
  void SetAxialIndex(int index) override;
  void SetCrossIndex(int index) override;
  void SetPanoramicIndex(int index) override;
  void SetNumber(float number) override;
  void SetNumbers(const float* numbers) override;
  int IsIndicatorVisible(int position, int shownIn) const override;

  std::string Name;
  std::vector<std::string>* Log = nullptr;
  // Set on the first stage only: the CT filters to read when called.
  CQlmQuorvantile* Controller = nullptr;
  const std::set<std::pair<int, int>>* Visible = nullptr;

private:
  void Add(const std::string& call, int index, int filterIndex);
};

class ViewWindowsFixture : public ::testing::Test {
protected:
  // Slices of the test volume; the default arch gives cross-section indices
  // 0 .. 54 and parallel curves 0 .. 16.
  static constexpr int Slices = 20;
  static constexpr double SliceSpacing = 1.5;
  static constexpr double Origin = -10.0;

  void SetUp() override;
  void TearDown() override;

  // A 48 x 48 x `slices` volume of 1 mm x 1 mm x SliceSpacing voxels, z origin Origin.
  static vtkSmartPointer<vtkImageData> Volume(int slices);
  // Shows `volume` in the views, every indicator visible, the log cleared.
  void Show(vtkImageData* volume);

  // The calls a move of `view` (QlmView code) to `index` makes, from the CT filter to the number overlay.
  std::vector<std::string> FanOut(int view, int index) const;

  CWnd* Window(int view) const;
  QScrollBar* Bar(int view) const;
  // The view's index as its CT filter holds it, and its scroll position.
  int IndexOf(int view) const;
  int PositionOf(int view) const;

  // Qt key events on the view's window; auto-repeated ones as a held key sends them.
  void Press(int view, int key, bool autoRepeat = false) const;
  void Release(int view, int key, bool autoRepeat = false) const;

  QlmTempDir AppData;
  CQlmScriptedPrompter Prompter;
  CWinApp App;
  std::unique_ptr<CMainFrame> Frame;
  CQlmQuorvantile* Q = nullptr;
  std::vector<std::string> Log;
  RecordingFollower Followers[CQlmPositionListener::StageCount];
  // (position view, showing view) pairs of visible indicators.
  std::set<std::pair<int, int>> VisibleIndicators;

private:
  struct RenderLog {
    std::vector<std::string>* Log;
    std::string Entry;
  };
  void LogRenders(vtkRenderWindow* window, const char* view);

  std::vector<std::unique_ptr<RenderLog>> RenderLogs;
  std::vector<vtkSmartPointer<vtkCallbackCommand>> RenderCommands;
};
