#include "views/CQlmInteractorRecord.h"

#include "views/QlmInteraction.h"

void CQlmInteractorRecord::SetModifiers(unsigned flags) {
  this->Control = (flags & QlmMouseFlag::Control) ? 1 : 0;
  this->Shift = (flags & QlmMouseFlag::Shift) ? 1 : 0;
  this->LeftButton = (flags & QlmMouseFlag::LeftButton) ? 1 : 0;
  this->MiddleButton = (flags & QlmMouseFlag::MiddleButton) ? 1 : 0;
  this->RightButton = (flags & QlmMouseFlag::RightButton) ? 1 : 0;
}
