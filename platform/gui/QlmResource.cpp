#include "platform/gui/QlmResource.h"

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <map>

namespace QlmResource {

namespace {

struct CursorEntry {
  CString Path;
  int HotX;
  int HotY;
};

struct Registry {
  std::map<UINT, std::vector<MenuItem>> Menus;
  std::map<UINT, std::vector<Accelerator>> Accelerators;
  std::map<UINT, ToolBar> ToolBars;
  std::map<UINT, CString> Strings;
  std::map<UINT, CursorEntry> Cursors;
  std::map<UINT, CString> Icons;
};

Registry& Resources() {
  static Registry registry;
  return registry;
}

template <class Map>
const typename Map::mapped_type* Find(const Map& map, UINT id) {
  auto found = map.find(id);
  return found == map.end() ? nullptr : &found->second;
}

QString ToQt(const CString& text) { return QString::fromStdString(text.Str()); }

}  // namespace

void RegisterMenu(UINT id, std::vector<MenuItem> popups) { Resources().Menus[id] = std::move(popups); }
const std::vector<MenuItem>* FindMenu(UINT id) { return Find(Resources().Menus, id); }

void RegisterAccelerators(UINT id, std::vector<Accelerator> accelerators) {
  Resources().Accelerators[id] = std::move(accelerators);
}
const std::vector<Accelerator>* FindAccelerators(UINT id) { return Find(Resources().Accelerators, id); }

void RegisterToolBar(UINT id, ToolBar layout) { Resources().ToolBars[id] = std::move(layout); }
const ToolBar* FindToolBar(UINT id) { return Find(Resources().ToolBars, id); }

void RegisterString(UINT id, const CString& text) { Resources().Strings[id] = text; }
CString LoadString(UINT id) {
  const CString* text = Find(Resources().Strings, id);
  return text ? *text : CString();
}

void RegisterCursor(UINT id, const CString& path, int hotX, int hotY) {
  Resources().Cursors[id] = CursorEntry{path, hotX, hotY};
}

QCursor LoadCursor(UINT id) {
  const CursorEntry* entry = Find(Resources().Cursors, id);
  if (!entry) return QCursor(Qt::ArrowCursor);
  QPixmap picture(ToQt(entry->Path));
  if (picture.isNull()) return QCursor(Qt::ArrowCursor);
  return QCursor(picture, entry->HotX, entry->HotY);
}

void RegisterIcon(UINT id, const CString& path) { Resources().Icons[id] = path; }
QIcon LoadIcon(UINT id) {
  const CString* path = Find(Resources().Icons, id);
  return path ? QIcon(ToQt(*path)) : QIcon();
}

void Clear() { Resources() = Registry(); }

}  // namespace QlmResource
