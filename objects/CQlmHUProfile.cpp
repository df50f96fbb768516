#include "objects/CQlmHUProfile.h"

#include <vtkPolyDataMapper.h>

#include "toolkit/vtkHUProfileSource.h"

CQlmHUProfile::CQlmHUProfile() { this->GetMapper()->SetInputConnection(this->Source->GetOutputPort()); }

CQlmHUProfile::~CQlmHUProfile() = default;
