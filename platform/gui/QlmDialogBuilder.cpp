#include "platform/gui/QlmDialogBuilder.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTableWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>
#include <cmath>

#include "platform/gui/QlmEditWidget.h"
#include "platform/gui/QlmControlStyles.h"

namespace QlmDialogBuilder {

namespace {

constexpr const char* ControlIdProperty = "qlmControlId";
constexpr const char* MaxCharsProperty = "qlmMaxChars";
constexpr const char* SortedListProperty = "qlmSortedList";

QString ToQt(const CString& text) { return QString::fromStdString(text.Str()); }

// As the system's MulDiv: rounded half away from zero.
int MulDiv(int value, int numerator, int denominator) {
  return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

// Statics show "&&" as one ampersand and drop a single one.
QString WithoutMnemonics(const QString& text) {
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

Qt::Alignment HorizontalAlignment(DWORD style) {
  if (style & SS_CENTER) return Qt::AlignHCenter;
  if (style & SS_RIGHT) return Qt::AlignRight;
  return Qt::AlignLeft;
}

// Sends a left click on a notifying static to the dialog.
class ClickFilter : public QObject {
public:
  ClickFilter(QWidget* control, std::function<void()> clicked) : QObject(control), Clicked(std::move(clicked)) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      this->Clicked();
    }
    return false;
  }

private:
  std::function<void()> Clicked;
};

// Sends a left double click on a notifying list to the dialog.
class DoubleClickFilter : public QObject {
public:
  DoubleClickFilter(QWidget* control, std::function<void()> doubleClicked)
      : QObject(control), DoubleClicked(std::move(doubleClicked)) {}

  // Notifies once the list has handled the click, so that the entry under the pointer is selected.
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
      QMetaObject::invokeMethod(this, this->DoubleClicked, Qt::QueuedConnection);
    }
    return false;
  }

private:
  std::function<void()> DoubleClicked;
};

QWidget* MakeStatic(const QlmDialogItem& item, QWidget* dialog, const std::function<void()>& clicked) {
  auto* label = new QLabel(WithoutMnemonics(ToQt(item.Text)), dialog);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(HorizontalAlignment(item.Style) | Qt::AlignTop);
  label->setWordWrap(true);
  if (item.Style & WS_BORDER) label->setFrameStyle(QFrame::Box | QFrame::Plain);
  if (item.Style & SS_SUNKEN) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  if (item.Style & SS_NOTIFY) label->installEventFilter(new ClickFilter(label, clicked));
  return label;
}

// Lines end with CRLF inside the program's texts, as the system's edits give them.
QString ToEditLines(const QString& text) {
  QString lines = text;
  lines.replace("\r\n", "\n");
  return lines;
}

QString FromEditLines(const QString& text) {
  QString lines = text;
  lines.replace("\n", "\r\n");
  return lines;
}

QWidget* MakeMultiLineEdit(const QlmDialogItem& item, QWidget* dialog) {
  auto* edit = new QPlainTextEdit(dialog);
  edit->setTabChangesFocus(true);
  edit->setReadOnly((item.Style & ES_READONLY) != 0);
  edit->setVerticalScrollBarPolicy((item.Style & WS_VSCROLL) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  if (!(item.Style & WS_BORDER)) edit->setFrameStyle(QFrame::NoFrame);
  return edit;
}

QWidget* MakeEdit(const QlmDialogItem& item, QWidget* dialog) {
  if (item.Style & ES_MULTILINE) return MakeMultiLineEdit(item, dialog);
  auto* edit = new QlmEditWidget(dialog);
  edit->ApplyStyle(item.Style, 0);
  return edit;
}

QWidget* MakeListBox(const QlmDialogItem& item, QWidget* dialog, const std::function<void()>& doubleClicked) {
  auto* list = new QListWidget(dialog);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setFrameStyle(item.Style & WS_BORDER ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
  list->setVerticalScrollBarPolicy(item.Style & WS_VSCROLL ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setProperty(SortedListProperty, (item.Style & LBS_SORT) != 0);
  // A double click anywhere in the list notifies, also off the entries.
  if (item.Style & LBS_NOTIFY) {
    list->viewport()->installEventFilter(new DoubleClickFilter(list, doubleClicked));
  }
  return list;
}

// Rows of text under column headings; the program fills it, the user only selects.
QWidget* MakeListView(const QlmDialogItem& item, QWidget* dialog) {
  auto* table = new QTableWidget(dialog);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setSelectionBehavior(QAbstractItemView::SelectItems);
  table->setShowGrid(false);
  table->setWordWrap(false);
  table->verticalHeader()->hide();
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 2);
  table->horizontalHeader()->setStretchLastSection(false);
  table->setFrameStyle(item.Style & WS_BORDER ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
  return table;
}

QAbstractButton* MakeButton(const QlmDialogItem& item, QWidget* dialog, QButtonGroup*& radios) {
  const QString text = ToQt(item.Text);
  switch (item.Kind) {
    case QlmControlKind::CheckBox:
      return new QCheckBox(text, dialog);
    case QlmControlKind::RadioButton: {
      auto* radio = new QRadioButton(text, dialog);
      radio->setAutoExclusive(false);
      if (!radios) radios = new QButtonGroup(dialog);
      radios->addButton(radio);
      return radio;
    }
    default: {
      auto* button = new QPushButton(text, dialog);
      button->setDefault((item.Style & BS_DEFPUSHBUTTON) != 0);
      return button;
    }
  }
}

QWidget* MakeControl(const QlmDialogItem& item, QWidget* dialog, const std::function<void(UINT)>& command,
                     QButtonGroup*& radios) {
  const UINT id = item.ID;
  auto clicked = [command, id] { command(id); };
  switch (item.Kind) {
    case QlmControlKind::Static:
      return MakeStatic(item, dialog, clicked);
    case QlmControlKind::Edit:
      return MakeEdit(item, dialog);
    case QlmControlKind::GroupBox:
      return new QGroupBox(ToQt(item.Text), dialog);
    case QlmControlKind::Progress: {
      auto* bar = new QProgressBar(dialog);
      bar->setRange(0, 100);
      bar->setValue(0);
      bar->setTextVisible(false);
      return bar;
    }
    case QlmControlKind::ListBox:
      return MakeListBox(item, dialog, clicked);
    case QlmControlKind::ListView:
      return MakeListView(item, dialog);
    case QlmControlKind::Trackbar: {
      auto* slider = new QSlider(Qt::Horizontal, dialog);
      slider->setTickPosition(item.Style & TBS_NOTICKS ? QSlider::NoTicks : QSlider::TicksBelow);
      return slider;
    }
    default: {
      QAbstractButton* button = MakeButton(item, dialog, radios);
      QObject::connect(button, &QAbstractButton::clicked, dialog, clicked);
      return button;
    }
  }
}

}  // namespace

QFont Font(const QlmDialogTemplate& dialogTemplate) {
  QFont font(ToQt(dialogTemplate.FontName), dialogTemplate.FontPoints);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

CSize BaseUnits(const QFont& font) {
  const QFontMetrics metrics(font);
  const int letters = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return CSize((letters / 26 + 1) / 2, metrics.height());
}

CRect ToPixels(const QlmDialogRect& rect, CSize units) {
  const int left = MulDiv(rect.x, units.cx, 4);
  const int top = MulDiv(rect.y, units.cy, 8);
  return CRect(left, top, left + MulDiv(rect.cx, units.cx, 4), top + MulDiv(rect.cy, units.cy, 8));
}

void Build(const QlmDialogTemplate& dialogTemplate, QWidget* dialog, const std::function<void(UINT)>& command) {
  const QFont font = Font(dialogTemplate);
  dialog->setFont(font);
  dialog->setWindowTitle(ToQt(dialogTemplate.Caption));
  const CSize units = BaseUnits(font);
  const CRect client = ToPixels({0, 0, dialogTemplate.Width, dialogTemplate.Height}, units);
  dialog->setFixedSize(client.Width(), client.Height());
  QButtonGroup* radios = nullptr;
  for (const QlmDialogItem& item : dialogTemplate.Items) {
    if (item.Style & WS_GROUP) radios = nullptr;
    QWidget* control = MakeControl(item, dialog, command, radios);
    const CRect pixels = ToPixels(item.Rect, units);
    control->setGeometry(pixels.left, pixels.top, pixels.Width(), pixels.Height());
    control->setEnabled((item.Style & WS_DISABLED) == 0);
    control->setProperty(ControlIdProperty, item.ID);
  }
}

bool IsSortedList(const QWidget* widget) { return widget->property(SortedListProperty).toBool(); }

UINT ControlId(const QWidget* widget) {
  const QVariant id = widget->property(ControlIdProperty);
  return id.isValid() ? id.toUInt() : IDC_STATIC;
}

void SetText(QWidget* widget, const CString& text) {
  const QString value = ToQt(text);
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(WithoutMnemonics(value));
  } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setText(value);
  } else if (auto* lines = qobject_cast<QPlainTextEdit*>(widget)) {
    lines->setPlainText(ToEditLines(value));
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(value);
  } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
    group->setTitle(value);
  } else {
    widget->setWindowTitle(value);
  }
}

void LimitText(QWidget* widget, int characters) {
  if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
    edit->setMaxLength(characters);
    return;
  }
  auto* lines = qobject_cast<QPlainTextEdit*>(widget);
  if (!lines) return;
  const bool watched = lines->property(MaxCharsProperty).isValid();
  lines->setProperty(MaxCharsProperty, characters);
  // Typing or pasting past the limit is cut back to it at once.
  const auto cut = [lines] {
    const int limit = lines->property(MaxCharsProperty).toInt();
    if (lines->document()->characterCount() - 1 <= limit) return;
    QTextCursor tail(lines->document());
    tail.setPosition(limit);
    tail.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    tail.removeSelectedText();
  };
  if (!watched) QObject::connect(lines, &QPlainTextEdit::textChanged, lines, cut);
  cut();
}

CString Text(const QWidget* widget) {
  QString value;
  if (auto* label = qobject_cast<const QLabel*>(widget)) {
    value = label->text();
  } else if (auto* edit = qobject_cast<const QLineEdit*>(widget)) {
    value = edit->text();
  } else if (auto* lines = qobject_cast<const QPlainTextEdit*>(widget)) {
    value = FromEditLines(lines->toPlainText());
  } else if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
    value = button->text();
  } else if (auto* group = qobject_cast<const QGroupBox*>(widget)) {
    value = group->title();
  } else {
    value = widget->windowTitle();
  }
  return CString(value.toStdString());
}

void SetCheck(QWidget* widget, UINT state) {
  auto* button = qobject_cast<QAbstractButton*>(widget);
  if (!button || !button->isCheckable()) return;
  // An exclusive group refuses to uncheck its checked button.
  QButtonGroup* group = button->group();
  const bool exclusive = group && group->exclusive();
  if (exclusive) group->setExclusive(false);
  button->setChecked(state == BST_CHECKED);
  if (exclusive) group->setExclusive(true);
}

UINT GetCheck(const QWidget* widget) {
  auto* button = qobject_cast<const QAbstractButton*>(widget);
  return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

std::vector<QWidget*> RadioGroup(QWidget* radio) {
  auto* button = qobject_cast<QRadioButton*>(radio);
  if (!button || !button->group()) return {};
  const QList<QAbstractButton*> buttons = button->group()->buttons();
  return std::vector<QWidget*>(buttons.begin(), buttons.end());
}

}  // namespace QlmDialogBuilder
