#pragma once
// The placed teeth or library meshes of the project (CQlmDentes and CQlmGeoms
// differ only in names and the kind of library file searched).
#include "objects/CQlmGeomKind.h"
#include "objects/CQlmLibraryObjectContainer.h"

using CQlmGeomContainer = CQlmLibraryObjectContainer<CQlmGeomKind>;
