#include "views/CQlmInteractorStyle2.h"

#include <new>

CQlmInteractorStyle2* CQlmInteractorStyle2::New() { return new (std::nothrow) CQlmInteractorStyle2; }
