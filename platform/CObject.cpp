#include "platform/CObject.h"

void CObject::Serialize(CArchive&) {}
