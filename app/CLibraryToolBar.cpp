#include "app/CLibraryToolBar.h"

#include "platform/gui/QlmControlStyles.h"

namespace {

constexpr UINT PlatformLabelID = 299;
constexpr UINT PlatformBoxID = 300;
constexpr UINT ItemLabelID = 301;
constexpr UINT ItemListID = 302;
constexpr int LabelWidth = 80;
constexpr int BoxWidth = 200;
constexpr int ListWidth = 210;
// Height of a list dropped down, from the top of the control.
constexpr int DroppedHeight = 250;
constexpr COLORREF BoxTextColor = RGB(32, 0, 0);

constexpr DWORD Centred = SS_CENTER | SS_CENTERIMAGE;

void MakeBlank(CStatic& blank) {
  blank.ShowWindow(SW_HIDE);
  blank.EnableWindow(FALSE);
}

}  // namespace

CLibraryToolBar::CLibraryToolBar() {
  this->BoxFont.CreatePointFont(85, "Arial");
  this->LabelFont.CreatePointFont(85, "MS Sans Serif");
}

BOOL CLibraryToolBar::CreateLibraryControls(const Placeholders& placeholders, const char* itemLabel) {
  if (!this->CreateLabel(this->PlatformLabel, placeholders.PlatformLabel, PlatformLabelID,
                         " Plataforma:", SS_CENTERIMAGE)) {
    return FALSE;
  }
  CRect box;
  if (!this->MakeControlRoom(placeholders.PlatformBox, PlatformBoxID, BoxWidth, &box)) return FALSE;
  box.DeflateRect(0, 2);
  if (!this->PlatformBox.Create("", WS_CHILD | WS_VISIBLE | WS_BORDER | Centred, box, this, PlatformBoxID) ||
      !this->PlatformBlank.Create("", WS_CHILD | WS_VISIBLE | Centred, box, this, PlatformBoxID)) {
    return FALSE;
  }
  MakeBlank(this->PlatformBlank);
  this->PlatformBox.SetFont(&this->BoxFont);
  this->PlatformBox.SetTextColor(BoxTextColor);
  return this->CreateLabel(this->ItemLabel, placeholders.ItemLabel, ItemLabelID, itemLabel, Centred) &&
         this->CreateList(this->ItemList, this->ListBlank, placeholders.ItemList, ItemListID, CBS_SORT);
}

bool CLibraryToolBar::CreateLabel(CStatic& label, UINT placeholder, UINT id, const char* text, DWORD style) {
  CRect rect;
  if (!this->MakeControlRoom(placeholder, id, LabelWidth, &rect) ||
      !label.Create(text, WS_CHILD | WS_VISIBLE | style, rect, this, id)) {
    return false;
  }
  label.SetFont(&this->LabelFont);
  return true;
}

bool CLibraryToolBar::CreateList(CQlmFlatComboBox& list, CStatic& blank, UINT placeholder, UINT id, DWORD sorting) {
  CRect rect;
  if (!this->MakeControlRoom(placeholder, id, ListWidth, &rect)) return false;
  rect.DeflateRect(0, 2);
  const UINT itemHeight = static_cast<UINT>(rect.Height() - 7);
  rect.bottom = rect.top + DroppedHeight;
  const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                      CBS_HASSTRINGS | sorting;
  if (!list.Create(style, rect, this, id)) return false;
  list.SetFont(&this->BoxFont);
  list.SetItemHeight(-1, itemHeight);
  if (!blank.Create("", WS_CHILD | WS_VISIBLE | Centred, rect, this, id)) return false;
  MakeBlank(blank);
  return true;
}

void CLibraryToolBar::EnableLibToolBarControls(int enable) {
  EnableList(this->ItemList, this->ListBlank, enable);
  this->PlatformLabel.EnableWindow(enable);
  this->PlatformBox.ShowWindow(enable ? SW_SHOW : SW_HIDE);
  this->PlatformBlank.ShowWindow(enable ? SW_HIDE : SW_SHOW);
  this->ItemLabel.EnableWindow(enable);
}

void CLibraryToolBar::EnableList(CComboBox& list, CStatic& blank, BOOL enable) {
  list.EnableWindow(enable);
  if (!enable) list.SetCurSel(-1);
  blank.ShowWindow(enable ? SW_HIDE : SW_SHOW);
}

void CLibraryToolBar::RefillItemList(vtkLibrary* library) { this->ItemList.FillFromLibrary(library); }
