#include "platform/gui/CStatusBar.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QStatusBar>

#include "platform/gui/CFrameWnd.h"

namespace {

int DefaultPaneWidth() {
  QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() / 4 : 200;
}

}  // namespace

CStatusBar::CStatusBar() = default;

CStatusBar::~CStatusBar() {
  if (this->Frame && this->Frame->GetMessageBar() == this) this->Frame->StatusBar = nullptr;
}

BOOL CStatusBar::Create(CFrameWnd* parent, DWORD style, UINT id) {
  if (!parent || !parent->GetSafeHwnd()) return FALSE;
  if (!CWnd::Create(style, CRect(), parent, id)) return FALSE;
  this->Frame = parent;
  parent->SetStatusBar(this);
  return TRUE;
}

QWidget* CStatusBar::CreateWidget(QWidget* parent) {
  auto* bar = new QStatusBar(parent);
  bar->setSizeGripEnabled(false);
  return bar;
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
  auto* bar = static_cast<QStatusBar*>(this->GetSafeHwnd());
  if (!bar || count <= 0) return FALSE;
  for (const Pane& pane : this->Panes) delete pane.Label;
  this->Panes.clear();
  for (int index = 0; index < count; ++index) {
    bool stretch = index == 0 && ids[index] == ID_SEPARATOR;
    Pane pane{ids[index], stretch ? SBPS_STRETCH | SBPS_NOBORDERS : SBPS_NORMAL, DefaultPaneWidth(), new QLabel(bar)};
    pane.Label->setTextFormat(Qt::PlainText);
    bar->addWidget(pane.Label, stretch ? 1 : 0);
    this->Panes.push_back(pane);
    this->ApplyStyle(pane);
  }
  return TRUE;
}

void CStatusBar::ApplyStyle(const Pane& pane) {
  pane.Label->setFrameStyle(pane.Style & SBPS_NOBORDERS ? QFrame::NoFrame : QFrame::Panel | QFrame::Sunken);
  if (pane.Style & SBPS_STRETCH) {
    pane.Label->setMinimumWidth(0);
    pane.Label->setMaximumWidth(QWIDGETSIZE_MAX);
  } else {
    pane.Label->setFixedWidth(pane.Width);
  }
}

int CStatusBar::CommandToIndex(UINT id) const {
  for (int index = 0; index < this->GetCount(); ++index) {
    if (this->Panes[index].ID == id) return index;
  }
  return -1;
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT style, int width) {
  if (index < 0 || index >= this->GetCount()) return;
  Pane& pane = this->Panes[index];
  pane.ID = id;
  pane.Style = style;
  pane.Width = width;
  this->ApplyStyle(pane);
}

void CStatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const {
  if (index < 0 || index >= this->GetCount()) return;
  const Pane& pane = this->Panes[index];
  id = pane.ID;
  style = pane.Style;
  width = pane.Style & SBPS_STRETCH ? pane.Label->width() : pane.Width;
}

BOOL CStatusBar::SetPaneText(int index, const CString& text, BOOL update) {
  if (index < 0 || index >= this->GetCount()) return FALSE;
  QLabel* label = this->Panes[index].Label;
  label->setText(QString::fromStdString(text.Str()));
  if (update && label->isVisible()) label->repaint();
  return TRUE;
}

CString CStatusBar::GetPaneText(int index) const {
  if (index < 0 || index >= this->GetCount()) return CString();
  return CString(this->Panes[index].Label->text().toStdString());
}

void CStatusBar::GetItemRect(int index, CRect* rect) const {
  *rect = CRect();
  if (index < 0 || index >= this->GetCount()) return;
  if (QLayout* layout = this->GetSafeHwnd()->layout()) layout->activate();
  QRect area = this->Panes[index].Label->geometry();
  *rect = CRect(area.left(), area.top(), area.left() + area.width(), area.top() + area.height());
}

QLabel* CStatusBar::GetPaneLabel(int index) const {
  return index >= 0 && index < this->GetCount() ? this->Panes[index].Label : nullptr;
}
