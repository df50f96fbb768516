#pragma once
// The frame's status bar over QStatusBar: a row of text panes made from
// indicator identifiers. A pane whose identifier is ID_SEPARATOR starts a
// quarter of the screen wide; the first such pane stretches over the room left.
#include <vector>

#include "platform/gui/CWnd.h"

class CFrameWnd;
class QLabel;

class CStatusBar : public CWnd {
public:
  CStatusBar();
  ~CStatusBar() override;

  BOOL Create(CFrameWnd* parent, DWORD style = CBRS_ALIGN_BOTTOM, UINT id = AFX_IDW_STATUS_BAR);
  BOOL SetIndicators(const UINT* ids, int count);
  int GetCount() const { return static_cast<int>(this->Panes.size()); }
  // -1 when no pane has that identifier.
  int CommandToIndex(UINT id) const;
  // `width` in pixels; ignored for a stretching pane.
  void SetPaneInfo(int index, UINT id, UINT style, int width);
  void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
  // With `update` the pane is repainted at once (progress during long work).
  BOOL SetPaneText(int index, const CString& text, BOOL update = TRUE);
  CString GetPaneText(int index) const;
  // In the bar's client coordinates.
  void GetItemRect(int index, CRect* rect) const;
  QLabel* GetPaneLabel(int index) const;

protected:
  QWidget* CreateWidget(QWidget* parent) override;

private:
  struct Pane {
    UINT ID;
    UINT Style;
    int Width;
    QLabel* Label;
  };
  void ApplyStyle(const Pane& pane);

  std::vector<Pane> Panes;
  CFrameWnd* Frame = nullptr;
};
