#include "views/CQlmRullerWindowHU.h"

#include <new>

#include "toolkit/vtkRullerWindowHU.h"

CQlmRullerWindowHU* CQlmRullerWindowHU::New() {
  vtkRullerWindowHU* source = vtkRullerWindowHU::New();
  auto* window = new (std::nothrow) CQlmRullerWindowHU(source);
  if (!window) source->Delete();
  return window;
}
