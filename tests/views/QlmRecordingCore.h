#pragma once
// An editing tool double that records every call it gets from a style, with
// what the style's state record held at that moment.
#include <string>
#include <vector>

#include "tools/CQlmCore.h"
#include "views/CQlmInteractorRecord.h"

class vtkActor;

class QlmRecordingCore : public CQlmCore {
public:
  // `record`: the state record of the style it is attached to; `picked`:
  // the actor whose pick the record names "picked".
  QlmRecordingCore(const char* name, CQlmInteractorRecord* record, vtkActor* picked)
      : Name(name), Record(record), Picked(picked) {}

  void ActivateCross(CQlm3DWindow9*) override { this->Add("activate cross"); }
  void ActivateMain(CQlm3DWindow*) override { this->Add("activate main"); }
  void DeactivateCross(CQlm3DWindow9*) override { this->Add("deactivate cross"); }
  void DeactivateMain(CQlm3DWindow*) override { this->Add("deactivate main"); }
  // "<event word> s<record state>[ ctrl][ picked]"
  void OnMainViewEvent() override { this->Add(this->Describe()); }
  void OnCrossViewEvent() override { this->Add("cross " + this->Describe()); }

  std::vector<std::string> Calls;

private:
  void Add(const std::string& call) { this->Calls.push_back(this->Name + " " + call); }
  std::string Describe() const {
    std::string text = std::to_string(this->Record->Event) + " s" + std::to_string(this->Record->State);
    if (this->Record->Control) text += " ctrl";
    if (this->Record->PickedActor && this->Record->PickedActor == this->Picked) text += " picked";
    return text;
  }

  std::string Name;
  CQlmInteractorRecord* Record;
  vtkActor* Picked;
};
