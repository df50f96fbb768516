#pragma once
// Stands for the position indicators in tests: records every call in order.
#include <string>
#include <vector>

#include "views/CQlmIndicatorHook.h"

class RecordingIndicatorHook : public CQlmIndicatorHook {
public:
  void SetCurrentCurve(int curve) override { this->Calls.push_back("SetCurrentCurve " + std::to_string(curve)); }
  void Update() override { this->Calls.push_back("Update"); }
  void SetVisibility(Mark mark, int visible) override {
    static const char* const names[] = {"PanAxial", "PanCross", "Pan3D",    "CrossAxial", "CrossPan",
                                        "Cross3D",  "AxialPan", "AxialCross", "Axial3D"};
    this->Calls.push_back(std::string(names[mark]) + " " + std::to_string(visible));
  }

  std::vector<std::string> Calls;
};
