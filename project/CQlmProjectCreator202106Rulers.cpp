// The rulers of an 800901 file: section 11 (3D view) and section 15 (colour
// turns and the axial, panoramic and cross-section lists).
#include <algorithm>

#include "app/CQlmQuorvantile.h"
#include "objects/CQlmRullers.h"
#include "project/CQlmProjectCreator202106.h"
#include "project/CQlmProjectData.h"
#include "toolkit/vtkRullerSource.h"
#include "views/CQlm3DWindow.h"
#include "views/CQlm3DWindow9.h"

namespace {

// Points and colour of a record into the ruler; its length is computed again.
template <typename Record>
void SetRullerValues(const Record& record, CQlmRullerBase& ruller) {
  ruller.GetSource()->SetPoint1(record.Point1);
  ruller.GetSource()->SetPoint2(record.Point2);
  ruller.SetColor(record.Color[0], record.Color[1], record.Color[2]);
  ruller.GetSource()->CalcSize();
}

template <typename Record>
void GetRullerValues(const CQlmRullerBase& ruller, Record& record) {
  std::copy_n(ruller.GetSource()->GetPoint1(), 3, record.Point1);
  std::copy_n(ruller.GetSource()->GetPoint2(), 3, record.Point2);
  std::copy_n(ruller.GetColor(), 3, record.Color);
}

// The view's current slice comes later, with the view state.
void TakeList(const std::vector<CQlmRullerRecord>& records, CQlmRullerList& list, CQlmLayeredWindow* window) {
  for (const CQlmRullerRecord& record : records) {
    CQlmRuller* ruller = list.AddNewRuller();
    SetRullerValues(record, *ruller);
    ruller->SetSelected(record.Selected);
    ruller->SetSlice(record.Slice, ruller->GetCurrentSlice());
    ruller->SetWindow(window);
    ruller->AddToRenderer();
  }
}

template <typename List>
std::vector<CQlmRullerRecord> GiveList(const List& list) {
  std::vector<CQlmRullerRecord> records;
  list.ForEach([&records](const CQlmRullerBase* ruller) {
    CQlmRullerRecord& record = records.emplace_back();
    GetRullerValues(*ruller, record);
    record.Selected = ruller->GetSelected();
    record.Slice = ruller->GetOwnSlice();
    record.CurrentSlice = ruller->GetCurrentSlice();
  });
  return records;
}

}  // namespace

void CQlmProjectCreator202106::TakeRulers(const CQlmProjectData& data) {
  CQlmQuorvantile& controller = *this->Controller;
  CQlmRullers& rullers = *controller.Rullers;
  // 3D rulers show on every slice, unselected.
  for (const CQlmRuller3DRecord& record : data.Rulers3D) {
    CQlmRuller* ruller = rullers.GetList3D()->AddNewRuller();
    ruller->Set3D(1);
    ruller->SetSlice(-1, -1);
    SetRullerValues(record, *ruller);
    ruller->SetVisibility(record.Visible);
    ruller->SetSelected(0);
    ruller->SetWindow(controller.Window3D);
    ruller->AddToRenderer();
  }
  std::copy_n(data.RulerColorCounters, 3, rullers.NextColor);
  TakeList(data.RulersAxial, *rullers.GetListAxial(), controller.WindowAxial);
  TakeList(data.RulersPanoramic, *rullers.GetListPanoramic(), controller.WindowPanoramic);
  for (const CQlmRullerRecord& record : data.RulersCross) {
    CQlmRuller9* ruller = rullers.GetListCross()->AddNewRuller();
    SetRullerValues(record, *ruller);
    ruller->SetSelected(record.Selected);
    ruller->SetWindow(controller.WindowCross);
    ruller->SetSections(record.Slice, ruller->GetCurrentSlice());
  }
}

void CQlmProjectCreator202106::GiveRulers(CQlmProjectData& data) const {
  const CQlmRullers& rullers = *this->Controller->Rullers;
  data.Rulers3D.clear();
  rullers.GetList3D()->ForEach([&data](const CQlmRuller* ruller) {
    CQlmRuller3DRecord& record = data.Rulers3D.emplace_back();
    GetRullerValues(*ruller, record);
    record.Visible = ruller->GetVisibility();
  });
  std::copy_n(rullers.NextColor, 3, data.RulerColorCounters);
  data.RulersAxial = GiveList(*rullers.GetListAxial());
  data.RulersPanoramic = GiveList(*rullers.GetListPanoramic());
  data.RulersCross = GiveList(*rullers.GetListCross());
}
