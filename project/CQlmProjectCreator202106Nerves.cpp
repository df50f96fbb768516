// The nerves of an 800901 file: section 12.
#include <vtkMatrix4x4.h>

#include <algorithm>

#include "app/CQlmQuorvantile.h"
#include "ct/CQlmBall.h"
#include "objects/CQlmNerves.h"
#include "project/CQlmProjectCreator202106.h"
#include "project/CQlmProjectData.h"

namespace {

void SetLine(const CQlmNerveRecord::Line& record, CQlmPolyLineNerve& line) {
  line.SetPoints(record.Count, &record.Points[0][0]);
}

// The balls' positions, at most the record's slots.
void GetLine(const CQlmPolyLineNerve& line, CQlmNerveRecord::Line& record) {
  record.Count = std::min(line.GetBalls().GetCount(), CQlmNerveRecord::Slots);
  for (int i = 0; i < record.Count; ++i) {
    double position[3];
    line.GetBalls().GetListItemAt(i)->GetPosition(position);
    std::copy_n(position, 3, record.Points[i]);
  }
}

}  // namespace

void CQlmProjectCreator202106::TakeNerves(const CQlmProjectData& data) {
  CQlmNerveList& nerves = *this->Controller->NerveContainer->GetNerveList();
  for (const CQlmNerveRecord& record : data.Nerves) {
    CQlmNerve& nerve = *nerves.AddNewNerve();
    nerve.SetSide(record.Side);
    SetLine(record.Axial, nerve.GetAxialLine());
    SetLine(record.Panoramic, nerve.GetPanoramicLine());
    nerve.SetName(record.Name);
    nerve.SetDiameter(record.Diameter);
    nerve.SetVisible(record.Visible);
    nerve.SetColor(record.Color[0], record.Color[1], record.Color[2]);
    nerve.SetTranslation(record.Translation);
  }
}

void CQlmProjectCreator202106::GiveNerves(CQlmProjectData& data) const {
  data.Nerves.clear();
  this->Controller->NerveContainer->GetNerveList()->ForEach([&data](const CQlmNerve* nerve) {
    CQlmNerveRecord& record = data.Nerves.emplace_back();
    std::copy_n(nerve->GetTranslation(), 3, record.Translation);
    GetLine(nerve->GetAxialLine(), record.Axial);
    GetLine(nerve->GetPanoramicLine(), record.Panoramic);
    record.Name = nerve->GetName();
    record.Side = nerve->GetSide();
    record.Diameter = nerve->GetDiameter();
    record.Visible = nerve->GetVisible();
    std::copy_n(nerve->GetColor(), 3, record.Color);
  });
}
