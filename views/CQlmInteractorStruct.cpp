#include "views/CQlmInteractorStruct.h"

#include <new>

CQlmInteractorStruct* CQlmInteractorStruct::New() { return new (std::nothrow) CQlmInteractorStruct; }
