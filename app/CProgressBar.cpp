#include "app/CProgressBar.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>

#include "platform/gui/CFrameWnd.h"
#include "platform/gui/CStatusBar.h"
#include "platform/gui/CWinApp.h"
#include "platform/gui/QlmResource.h"

// Re-places the bar whenever the status bar moves or resizes its pane.
class CProgressBar::PaneWatcher : public QObject {
public:
  explicit PaneWatcher(CProgressBar& bar) : Bar(bar) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize || event->type() == QEvent::Move) this->Bar.Resize();
    return false;
  }

private:
  CProgressBar& Bar;
};

CProgressBar* CProgressBar::New() { return new CProgressBar; }

CProgressBar::CProgressBar() : Watcher(std::make_unique<PaneWatcher>(*this)) {}

CProgressBar::~CProgressBar() { this->Clear(); }

CStatusBar* CProgressBar::GetStatusBar() {
  auto* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
  return frame ? frame->GetMessageBar() : nullptr;
}

BOOL CProgressBar::Create(const CString& message, int size, int maximum, BOOL smooth, int pane) {
  CStatusBar* statusBar = GetStatusBar();
  if (!statusBar || !statusBar->GetSafeHwnd() || pane < 0 || pane >= statusBar->GetCount()) return FALSE;
  CRect rect;
  statusBar->GetItemRect(pane, &rect);
  if (!CProgressCtrl::Create(smooth ? PBS_SMOOTH : 0, rect, statusBar, 1)) return FALSE;
  this->SetRange32(0, maximum);
  this->SetStep(1);
  this->ShowWindow(SW_SHOW);
  this->SetStep(1);
  this->Message = message;
  this->Size = size;
  this->Pane = pane;
  this->PreviousPaneText = statusBar->GetPaneText(pane);
  statusBar->GetPaneLabel(pane)->installEventFilter(this->Watcher.get());
  this->Resize();
  return TRUE;
}

int CProgressBar::SetPos(int position) {
  if (!this->GetSafeHwnd()) return 0;
  this->ShowWindow(SW_SHOW);
  int previous = CProgressCtrl::SetPos(position);
  this->UpdateWindow();
  return previous;
}

void CProgressBar::Clear() {
  if (!this->GetSafeHwnd()) return;
  this->ShowWindow(SW_HIDE);
  CStatusBar* statusBar = GetStatusBar();
  if (!statusBar) return;
  CString text = this->Pane != 0 ? this->PreviousPaneText : QlmResource::LoadString(AFX_IDS_IDLEMESSAGE);
  statusBar->SetPaneText(this->Pane, text, TRUE);
}

BOOL CProgressBar::Resize() {
  CStatusBar* statusBar = GetStatusBar();
  if (!this->GetSafeHwnd() || !statusBar || !statusBar->GetSafeHwnd()) return FALSE;
  if (this->IsWindowVisible()) statusBar->SetPaneText(this->Pane, this->Message, TRUE);
  QFontMetrics metrics(statusBar->GetSafeHwnd()->font());
  int messageWidth = metrics.horizontalAdvance(QString::fromStdString(this->Message.Str()));
  int blankWidth = metrics.horizontalAdvance(' ');

  CRect rect;
  statusBar->GetItemRect(this->Pane, &rect);
  rect.left += 1;
  rect.right -= 1;
  if (!this->Message.IsEmpty()) rect.left += messageWidth + 4 * blankWidth;
  rect.right -= (100 - this->Size) * (rect.right - rect.left) / 100;
  if (rect.right < rect.left) rect.right = rect.left;
  int margin = (rect.bottom - rect.top) / 10;
  rect.top += margin;
  rect.bottom -= margin;
  if (rect != this->LastRect) {
    this->MoveWindow(rect, TRUE);
    this->LastRect = rect;
  }
  return TRUE;
}
