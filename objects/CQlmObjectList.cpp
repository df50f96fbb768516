#include "objects/CQlmObjectList.h"

CQlmObject* CQlmObjectList::NewItem() {
  CQlmObject* object = CQlmObject::CreateObject();
  object->SetObserver(this->Observer);
  return object;
}
