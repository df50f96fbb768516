#pragma once
// Chooses entries of the pop-up menu that an action opens, with real mouse
// clicks: the first entry of `path` in the menu that shows, then each next
// one in the sub-menu the previous click opened. The menu's entries are
// recorded; an empty record means no menu showed.
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

class QlmPopupMenuPicker {
public:
  explicit QlmPopupMenuPicker(std::vector<QString> path) : Path(std::move(path)) {}

  // Runs `open` (a right click) while picking; a menu not left by the path is closed.
  void Run(const std::function<void()>& open) {
    QTimer ticker;
    ticker.setInterval(10);
    QObject::connect(&ticker, &QTimer::timeout, [this] { this->Step(); });
    ticker.start();
    open();
    ticker.stop();
  }

  // The texts of the first menu that showed, separators left out.
  std::vector<std::string> Shown;
  // Every entry of that menu and its sub-menus, in order, with its check and enabled state.
  struct Entry {
    std::string Text;
    bool Checked;
    bool Enabled;
  };
  std::vector<Entry> Entries;
  const Entry* Find(const std::string& text) const {
    for (const Entry& entry : this->Entries) {
      if (entry.Text == text) return &entry;
    }
    return nullptr;
  }

private:
  void Step() {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu || menu == this->LastMenu) return;
    if (this->Shown.empty()) {
      for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) this->Shown.push_back(action->text().toStdString());
      }
      this->Record(menu);
    }
    if (this->Next >= this->Path.size()) {
      menu->close();
      return;
    }
    for (QAction* action : menu->actions()) {
      if (action->text() != this->Path[this->Next]) continue;
      this->LastMenu = menu;
      ++this->Next;
      QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
      return;
    }
    menu->close();
  }

  void Record(QMenu* menu) {
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) continue;
      this->Entries.push_back({action->text().toStdString(), action->isChecked(), action->isEnabled()});
      if (action->menu()) this->Record(action->menu());
    }
  }

  std::vector<QString> Path;
  size_t Next = 0;
  QMenu* LastMenu = nullptr;
};
