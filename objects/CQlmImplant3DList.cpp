#include "objects/CQlmImplant3DList.h"

void CQlmImplant3DList::SetShowExtension(int on) {
  this->ShowExtension = on;
  this->ForEach([on](CQlmImplant3D* implant) { implant->ShowExtension(on); });
}

CQlmImplant3D* CQlmImplant3DList::NewItem() {
  CQlmImplant3D* implant = CQlmImplant3D::CreateObject();
  implant->SetShowExtension(this->ShowExtension);
  return implant;
}
