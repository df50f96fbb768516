#include "libraries/CQlmPickList.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "libraries/vtkLibrary.h"
#include "libraries/vtkLibraryItem.h"
#include "platform/gui/CDataExchange.h"

namespace {

// Both pick-list resources: no caption, one list filling the top of the window.
QlmDialogTemplate PickListTemplate(UINT id) {
  return {id, CString(), 83, 164,
          {QlmDialogItem::ListBox(CQlmPickList::ListID, {0, 0, 83, 144}, WS_BORDER | WS_VSCROLL | LBS_NOTIFY)}};
}

const QlmDialogTemplate& TemplateOf(UINT id) {
  static const QlmDialogTemplate teethAndMeshes = PickListTemplate(CQlmPickList::GeomsTemplateID);
  static const QlmDialogTemplate others = PickListTemplate(CQlmPickList::OthersTemplateID);
  return id == CQlmPickList::GeomsTemplateID ? teethAndMeshes : others;
}

}  // namespace

CQlmPickList::CQlmPickList(UINT templateId) : CDialog(TemplateOf(templateId)) {
  this->MapCommand(ListID, [this] { this->EndWithChoice(DoubleClickResult); });
}

void CQlmPickList::DoDataExchange(CDataExchange* exchange) { DDX_Control(exchange, ListID, this->List); }

BOOL CQlmPickList::OnInitDialog() {
  CDialog::OnInitDialog();
  this->Preselected = LB_ERR;
  this->AddAllEntries();
  this->List.SetCurSel(this->Preselected);
  QWidget* window = this->GetSafeHwnd();
  window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  window->setWindowTitle(QString::fromStdString(this->Title().Str()));
  this->Place();
  return TRUE;
}

void CQlmPickList::AddEntry(const CString& name, vtkLibraryItem* item, bool preselectable) {
  const int index = this->List.AddString(name);
  if (index == LB_ERR) return;
  this->List.SetItemDataPtr(index, item);
  if (preselectable && name == this->ItemName && this->Library && this->LibraryId == this->Library->Identifier) {
    this->Preselected = index;
  }
}

void CQlmPickList::AddEntries(vtkCollection* items) {
  if (!items) return;
  vtkCollectionSimpleIterator it;
  items->InitTraversal(it);
  while (vtkObject* object = items->GetNextItemAsObject(it)) {
    if (auto* item = vtkLibraryItem::SafeDownCast(object)) this->AddEntry(item->Name, item);
  }
}

void CQlmPickList::OnOK() { this->EndWithChoice(IDOK); }

void CQlmPickList::EndWithChoice(int result) {
  const int selected = this->List.GetCurSel();
  if (selected != LB_ERR) {
    this->EntryChosen = true;
    this->TakeChoice(static_cast<vtkLibraryItem*>(this->List.GetItemDataPtr(selected)));
  }
  this->EndDialog(result);
}

// At (X, Y), moved back inside the screen's available area where it would stick out.
void CQlmPickList::Place() {
  QWidget* window = this->GetSafeHwnd();
  const QPoint wanted(this->X, this->Y);
  QScreen* screen = QGuiApplication::screenAt(wanted);
  if (!screen) screen = QGuiApplication::primaryScreen();
  QPoint place = wanted;
  if (screen) {
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    place.setX(std::max(area.left(), std::min(place.x(), area.right() + 1 - size.width())));
    place.setY(std::max(area.top(), std::min(place.y(), area.bottom() + 1 - size.height())));
  }
  window->move(place);
}
