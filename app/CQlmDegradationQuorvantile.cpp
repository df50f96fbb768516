#include "app/CQlmDegradationQuorvantile.h"

#include "objects/CQlmObject.h"
#include "objects/CQlmObjectList.h"

namespace {
constexpr int PointsMode = 0;
}

void CQlmDegradationQuorvantile::StartInteraction() {
  if (!this->Enabled || this->Dragging || !this->Objects) return;
  this->Dragging = true;
  this->KeptModes.clear();
  this->Objects->ForEach([this](CQlmObject* object) {
    this->KeptModes.push_back(object->GetDisplayMode());
    object->SetDisplayMode(PointsMode);
  });
}

void CQlmDegradationQuorvantile::EndInteraction() {
  if (!this->Dragging) return;
  this->Dragging = false;
  std::size_t index = 0;
  this->Objects->ForEach([this, &index](CQlmObject* object) {
    if (index < this->KeptModes.size()) object->SetDisplayMode(this->KeptModes[index++]);
  });
  this->KeptModes.clear();
}
