#include "platform/gui/CToolBar.h"

#include <QAction>
#include <QIcon>
#include <QMouseEvent>
#include <QPixmap>
#include <QStyle>
#include <QStyleOptionToolButton>
#include <QToolBar>
#include <QToolButton>
#include <functional>

#include "platform/gui/CCmdUI.h"
#include "platform/gui/CFrameWnd.h"
#include "platform/gui/QlmResource.h"

namespace {

// A button that reports a press on its drop-down arrow instead of opening a menu.
class QlmToolButton : public QToolButton {
public:
  QlmToolButton(QWidget* parent, std::function<void()> onDropDown)
      : QToolButton(parent), OnDropDown(std::move(onDropDown)) {}

protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && this->popupMode() == QToolButton::MenuButtonPopup) {
      QStyleOptionToolButton option;
      this->initStyleOption(&option);
      QRect arrow = this->style()->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButtonMenu, this);
      if (arrow.contains(event->position().toPoint())) {
        if (this->isEnabled()) this->OnDropDown();
        return;
      }
    }
    QToolButton::mousePressEvent(event);
  }

private:
  std::function<void()> OnDropDown;
};

// A command's string is "prompt\ntooltip".
QString Tooltip(UINT id) {
  QString prompt = QString::fromStdString(QlmResource::LoadString(id).Str());
  int newline = prompt.indexOf('\n');
  return newline >= 0 ? prompt.mid(newline + 1) : prompt;
}

QString Prompt(UINT id) { return QString::fromStdString(QlmResource::LoadString(id).Str()).section('\n', 0, 0); }

}  // namespace

CToolBar::CToolBar() = default;

CToolBar::~CToolBar() {
  if (this->Frame) this->Frame->RemoveToolBar(this);
}

BOOL CToolBar::CreateEx(CFrameWnd* parent, DWORD, DWORD style, const CRect&, UINT id) {
  if (!parent || !parent->GetSafeHwnd()) return FALSE;
  this->Alignment = style & CBRS_ALIGN_ANY ? style & CBRS_ALIGN_ANY : CBRS_ALIGN_TOP;
  if (!this->Create(style, CRect(), parent, id)) return FALSE;
  this->Frame = parent;
  parent->AddToolBar(this);
  return TRUE;
}

BOOL CToolBar::CreateInWindow(CWnd* owner, UINT id) {
  if (!owner || !owner->GetSafeHwnd()) return FALSE;
  CRect client;
  owner->GetClientRect(&client);
  if (!this->Create(0, CRect(0, 0, client.Width(), ButtonSize + 4), owner, id)) return FALSE;
  this->Owner = owner;
  return TRUE;
}

void CToolBar::RunCommand(UINT id) {
  if (this->Frame) this->Frame->RunCommand(id);
  if (this->Owner) this->Owner->OnCmdMsg(id, QlmCmdCode::Command, nullptr);
}

void CToolBar::EnableButton(UINT id, BOOL enable) {
  const int index = this->CommandToIndex(id);
  if (QAction* command = this->GetButtonAction(index)) command->setEnabled(enable);
}

BOOL CToolBar::IsButtonEnabled(UINT id) const {
  const QAction* command = this->GetButtonAction(this->CommandToIndex(id));
  return command && command->isEnabled();
}

QWidget* CToolBar::CreateWidget(QWidget* parent) {
  auto* bar = new QToolBar(parent);
  bar->setIconSize(QSize(ImageSize, ImageSize));
  bar->setFloatable(false);
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  if (this->Alignment & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)) bar->setOrientation(Qt::Vertical);
  return bar;
}

BOOL CToolBar::LoadToolBar(UINT resourceId) {
  const QlmResource::ToolBar* layout = QlmResource::FindToolBar(resourceId);
  if (!layout || !this->GetSafeHwnd()) return FALSE;
  const QString images = QString::fromStdString(layout->Images.Str());
  for (UINT id : layout->Buttons) {
    if (id == ID_SEPARATOR) {
      this->Buttons.push_back({ID_SEPARATOR, TBBS_SEPARATOR, this->MakeSeparator(0, nullptr), nullptr});
      continue;
    }
    QPixmap image(images + QString("/%1.png").arg(id));
    this->Buttons.push_back(this->MakeButton(id, image.isNull() ? QIcon() : QIcon(image), nullptr));
  }
  return TRUE;
}

CToolBar::Button CToolBar::MakeButton(UINT id, const QIcon& icon, QAction* before) {
  auto* bar = static_cast<QToolBar*>(this->GetSafeHwnd());
  auto* button = new QlmToolButton(bar, [this, id] {
    if (this->Frame) this->Frame->OnToolBarDropDown(*this, id);
  });
  auto* action = new QAction(icon, QString(), button);
  action->setData(id);
  action->setToolTip(Tooltip(id));
  action->setStatusTip(Prompt(id));
  button->setDefaultAction(action);
  button->setFixedSize(ButtonSize, ButtonSize);
  button->setAutoRaise(true);
  QObject::connect(action, &QAction::triggered, [this, id] { this->RunCommand(id); });
  return {id, TBBS_BUTTON, bar->insertWidget(before, button), action};
}

QAction* CToolBar::MakeSeparator(int width, QAction* before) {
  auto* bar = static_cast<QToolBar*>(this->GetSafeHwnd());
  if (width <= 0) return bar->insertSeparator(before);
  auto* room = new QWidget(bar);
  room->setFixedSize(width, ButtonSize);
  return bar->insertWidget(before, room);
}

UINT CToolBar::GetItemID(int index) const {
  return index >= 0 && index < this->GetCount() ? this->Buttons[index].ID : ID_SEPARATOR;
}

int CToolBar::CommandToIndex(UINT id) const {
  for (int index = 0; index < this->GetCount(); ++index) {
    if (this->Buttons[index].ID == id) return index;
  }
  return -1;
}

UINT CToolBar::GetButtonStyle(int index) const {
  return index >= 0 && index < this->GetCount() ? this->Buttons[index].Style : 0;
}

void CToolBar::SetButtonStyle(int index, UINT style) {
  if (index < 0 || index >= this->GetCount() || this->Buttons[index].Style & TBBS_SEPARATOR) return;
  this->Buttons[index].Style = style;
  auto* bar = static_cast<QToolBar*>(this->GetSafeHwnd());
  if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(this->Buttons[index].Place))) {
    button->setPopupMode(style & BTNS_DROPDOWN ? QToolButton::MenuButtonPopup : QToolButton::DelayedPopup);
    button->setFixedSize(style & BTNS_DROPDOWN ? ButtonSize + 12 : ButtonSize, ButtonSize);
  }
}

void CToolBar::SetButtonInfo(int index, UINT id, UINT style, int width) {
  if (index < 0 || index >= this->GetCount()) return;
  QAction* old = this->Buttons[index].Place;
  auto* bar = static_cast<QToolBar*>(this->GetSafeHwnd());
  Button button = style & TBBS_SEPARATOR ? Button{id, style, this->MakeSeparator(width, old), nullptr}
                                         : this->MakeButton(id, QIcon(), old);
  if (style & TBBS_SEPARATOR && width > 0) button.Room = bar->widgetForAction(button.Place);
  bar->removeAction(old);
  delete old;
  this->Buttons[index] = button;
}

BOOL CToolBar::MakeControlRoom(UINT placeholder, UINT id, int width, CRect* rect) {
  const int index = this->CommandToIndex(placeholder);
  if (index < 0) return FALSE;
  this->SetButtonInfo(index, id, TBBS_SEPARATOR, width);
  this->GetItemRect(index, rect);
  return TRUE;
}

// The control keeps its place relative to the separator's room, where the bar's layout puts it.
void CToolBar::OnChildCreated(CWnd* child) {
  QWidget* control = child->GetSafeHwnd();
  for (const Button& button : this->Buttons) {
    if (!button.Room || button.ID != child->GetDlgCtrlID()) continue;
    const QRect area = control->geometry().translated(-button.Room->pos());
    const bool hidden = control->testAttribute(Qt::WA_WState_ExplicitShowHide) && control->isHidden();
    control->setParent(button.Room);
    control->setGeometry(area);
    if (!hidden && button.Room->isVisible()) control->show();
    return;
  }
}

void CToolBar::GetItemRect(int index, CRect* rect) const {
  *rect = CRect();
  if (index < 0 || index >= this->GetCount()) return;
  auto* bar = static_cast<QToolBar*>(this->GetSafeHwnd());
  QWidget* item = bar ? bar->widgetForAction(this->Buttons[index].Place) : nullptr;
  if (!item) return;
  QRect area = item->geometry();
  *rect = CRect(area.left(), area.top(), area.left() + area.width(), area.top() + area.height());
}

QAction* CToolBar::GetButtonAction(int index) const {
  return index >= 0 && index < this->GetCount() ? this->Buttons[index].Command : nullptr;
}

BOOL CToolBar::IsVisible() const { return this->GetSafeHwnd() && !this->GetSafeHwnd()->isHidden(); }

void CToolBar::OnUpdateCmdUI(CFrameWnd* target, bool disableIfNoHandler) {
  for (const Button& button : this->Buttons) {
    if (!button.Command) continue;
    CCmdUI ui(button.ID, button.Command);
    ui.DoUpdate(target, disableIfNoHandler);
  }
}
