#include "views/CQlmInteractorStruct9.h"

#include <new>

CQlmInteractorStruct9* CQlmInteractorStruct9::New() { return new (std::nothrow) CQlmInteractorStruct9; }
