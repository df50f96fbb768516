#include "objects/CQlmRullers.h"

#include "platform/CArchive.h"

namespace {

constexpr float Palette[3][3] = {{1.0f, 0.5f, 0.0f}, {0.5f, 1.0f, 0.5f}, {1.0f, 0.5f, 1.0f}};

// Deletes the selected item of `list`: 1 when there was one.
template <typename List>
int DeleteSelected(List& list) {
  const int index = list.GetSelectedIndex();
  if (index < 0) return 0;
  list.RemoveAt(index);
  return 1;
}

// Unselects the selected item of `list`: 1 when there was one.
template <typename List>
int UnselectFirst(List& list) {
  const int index = list.GetSelectedIndex();
  if (index < 0) return 0;
  list.GetListItemAt(index)->SetSelected(0);
  return 1;
}

}  // namespace

CQlmRullers::CQlmRullers()
    : List3D(CQlmRullerList::CreateObject()),
      ListAxial(CQlmRullerList::CreateObject()),
      ListPanoramic(CQlmRullerList::CreateObject()),
      ListCross(CQlmRuller9List::CreateObject()) {}

CQlmRullers::~CQlmRullers() = default;

void CQlmRullers::SetWindows(CQlmLayeredWindow* axial, CQlmLayeredWindow* panoramic, CQlmLayeredWindow9* cross,
                             CQlmLayeredWindow* window3D) {
  this->WindowAxial = axial;
  this->WindowPanoramic = panoramic;
  this->WindowCross = cross;
  this->Window3D = window3D;
}

const float* CQlmRullers::TakeColor(int& turn) {
  const float* colour = Palette[turn >= 0 && turn < 3 ? turn : 0];
  turn = turn >= 0 && turn < 2 ? turn + 1 : 0;
  return colour;
}

void CQlmRullers::Place(CQlmRuller* ruller, CQlmLayeredWindow* window, int own, int current, int& turn) {
  ruller->SetWindow(window);
  ruller->AddToRenderer();
  ruller->SetSlice(own, current);
  const float* colour = TakeColor(turn);
  ruller->SetColor(colour[0], colour[1], colour[2]);
}

CQlmRuller* CQlmRullers::AddRuller(const CQlmLayeredWindow* window, int own, int current) {
  this->UnselectAll();
  if (!window) return nullptr;
  CQlmRuller* ruller = nullptr;
  if (window == this->WindowAxial) {
    ruller = this->ListAxial->AddNewRuller();
    this->Place(ruller, this->WindowAxial, own, current, this->NextColor[AxialTurn]);
  } else if (window == this->WindowPanoramic) {
    ruller = this->ListPanoramic->AddNewRuller();
    this->Place(ruller, this->WindowPanoramic, own, current, this->NextColor[PanoramicTurn]);
  } else if (window == this->Window3D) {
    ruller = this->List3D->AddNewRuller();
    ruller->Set3D(1);
    this->Place(ruller, this->Window3D, own, current, this->NextColor3D);
  }
  return ruller;
}

CQlmRuller9* CQlmRullers::AddCrossRuller(int own, int current) {
  this->UnselectAll();
  CQlmRuller9* ruller = this->ListCross->AddNewRuller();
  ruller->SetWindow(this->WindowCross);
  ruller->SetSections(own, current);
  const float* colour = TakeColor(this->NextColor[CrossTurn]);
  ruller->SetColor(colour[0], colour[1], colour[2]);
  return ruller;
}

int CQlmRullers::DeleteSelected3D() { return DeleteSelected(*this->List3D); }
int CQlmRullers::DeleteSelectedAxial() { return DeleteSelected(*this->ListAxial); }
int CQlmRullers::DeleteSelectedPanoramic() { return DeleteSelected(*this->ListPanoramic); }
int CQlmRullers::DeleteSelectedCross() { return DeleteSelected(*this->ListCross); }
int CQlmRullers::Unselect3D() { return UnselectFirst(*this->List3D); }
int CQlmRullers::UnselectAxial() { return UnselectFirst(*this->ListAxial); }
int CQlmRullers::UnselectPanoramic() { return UnselectFirst(*this->ListPanoramic); }
int CQlmRullers::UnselectCross() { return UnselectFirst(*this->ListCross); }

void CQlmRullers::UnselectAll() {
  this->UnselectAxial();
  this->UnselectPanoramic();
  this->UnselectCross();
  this->Unselect3D();
}

void CQlmRullers::SetAxialIndex(int index) {
  this->ListAxial->ForEach([index](CQlmRuller* ruller) { ruller->SetCurrentSlice(index); });
}

void CQlmRullers::SetPanoramicIndex(int index) {
  this->ListPanoramic->ForEach([index](CQlmRuller* ruller) { ruller->SetCurrentSlice(index); });
}

void CQlmRullers::SetCrossIndex(int index) {
  this->ListCross->ForEach([index](CQlmRuller9* ruller) { ruller->SetCurrentSection(index); });
}

void CQlmRullers::SetLabelBackground(int on) {
  this->LabelBackground = on;
  auto apply = [on](CQlmRullerBase* ruller) { ruller->SetLabelBackground(on); };
  this->ListAxial->ForEach(apply);
  this->ListPanoramic->ForEach(apply);
  this->ListCross->ForEach(apply);
}

void CQlmRullers::SetUniformColor(int on) {
  this->UniformColor = on;
  auto apply = [on](CQlmRullerBase* ruller) { ruller->SetUniformColor(on); };
  this->ListAxial->ForEach(apply);
  this->ListPanoramic->ForEach(apply);
  this->ListCross->ForEach(apply);
}

void CQlmRullers::Serialize(CArchive& archive) {
  if (archive.IsStoring()) {
    for (int turn : this->NextColor) archive << int32_t(turn);
  } else {
    for (int& turn : this->NextColor) {
      int32_t value = 0;
      archive >> value;
      turn = value;
    }
  }
  this->ListAxial->Serialize(archive);
  this->ListPanoramic->Serialize(archive);
  this->ListCross->Serialize(archive);
  if (!archive.IsStoring()) this->AttachLoaded();
}

void CQlmRullers::AttachLoaded() {
  this->ListAxial->ForEach([this](CQlmRuller* ruller) {
    ruller->SetWindow(this->WindowAxial);
    ruller->AddToRenderer();
  });
  this->ListPanoramic->ForEach([this](CQlmRuller* ruller) {
    ruller->SetWindow(this->WindowPanoramic);
    ruller->AddToRenderer();
  });
  this->ListCross->ForEach([this](CQlmRuller9* ruller) {
    ruller->SetWindow(this->WindowCross);
    ruller->SetCurrentSection(ruller->GetCurrentSlice());
  });
}
