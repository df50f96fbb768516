#pragma once
// A tool bar of 30 x 30 buttons over QToolBar, loaded from a tool-bar
// resource. Buttons carry command identifiers that the owning frame routes;
// their enabled and checked states come from the frame's update handlers.
// A bar made in another window (a dialog) sends its commands to that
// window's command map, and the window sets the enabled states itself.
#include <vector>

#include "platform/gui/CWnd.h"

class CFrameWnd;
class QAction;

class CToolBar : public CWnd {
public:
  static constexpr int ButtonSize = 30;
  static constexpr int ImageSize = 24;

  CToolBar();
  ~CToolBar() override;

  // `style` holds the side (CBRS_ALIGN_...); the bar joins the frame on that side.
  BOOL CreateEx(CFrameWnd* parent, DWORD toolBarStyle, DWORD style, const CRect& borders = CRect(),
                UINT id = AFX_IDW_TOOLBAR);
  // A bar across the top of `owner`'s client area, as high as its buttons.
  BOOL CreateInWindow(CWnd* owner, UINT id = AFX_IDW_TOOLBAR);
  // FALSE when the resource is not registered.
  BOOL LoadToolBar(UINT resourceId);
  // The button of command `id`; nothing when the bar has none.
  void EnableButton(UINT id, BOOL enable);
  BOOL IsButtonEnabled(UINT id) const;

  int GetCount() const { return static_cast<int>(this->Buttons.size()); }
  UINT GetItemID(int index) const;
  // -1 when no button has that identifier.
  int CommandToIndex(UINT id) const;
  UINT GetButtonStyle(int index) const;
  // TBBS_BUTTON or TBBS_SEPARATOR, plus BTNS_DROPDOWN for a drop-down arrow.
  void SetButtonStyle(int index, UINT style);
  // Makes button `index` a button or a separator; a separator `width` pixels
  // wide leaves room for controls. A window created as a child of this bar
  // with that separator's identifier and a rectangle inside its item
  // rectangle is placed on the separator and moves with it.
  void SetButtonInfo(int index, UINT id, UINT style, int width);
  // Makes the button `placeholder` such a separator with identifier `id` and
  // gives its rectangle; FALSE when the bar has no such button.
  BOOL MakeControlRoom(UINT placeholder, UINT id, int width, CRect* rect);
  // In the bar's client coordinates; empty while the bar is not laid out.
  void GetItemRect(int index, CRect* rect) const;
  // The command entry of button `index` (null for a separator).
  QAction* GetButtonAction(int index) const;
  // Not hidden, whether or not its frame shows.
  BOOL IsVisible() const;

  // Sides (CBRS_ALIGN_...) the bar may dock at; see CFrameWnd::DockControlBar.
  void EnableDocking(DWORD sides) { this->DockingSides = sides; }
  DWORD GetBarAlignment() const { return this->Alignment; }

  void OnUpdateCmdUI(CFrameWnd* target, bool disableIfNoHandler);

protected:
  QWidget* CreateWidget(QWidget* parent) override;
  void OnChildCreated(CWnd* child) override;

private:
  friend class CFrameWnd;
  struct Button {
    UINT ID;
    UINT Style;
    QAction* Place;           // the bar's entry (button widget or separator)
    QAction* Command;         // the button's command, null for a separator
    QWidget* Room = nullptr;  // a separator's room for controls
  };
  // Both append when `before` is null.
  Button MakeButton(UINT id, const class QIcon& icon, QAction* before);
  QAction* MakeSeparator(int width, QAction* before);

  // Runs command `id` of the frame or of the owner window.
  void RunCommand(UINT id);

  std::vector<Button> Buttons;
  CFrameWnd* Frame = nullptr;
  CWnd* Owner = nullptr;
  DWORD Alignment = CBRS_ALIGN_TOP;
  DWORD DockingSides = 0;
};
