#pragma once
// The first placement of a new tooth or library mesh: the placement every
// planned object takes from a click.
#include "objects/CQlmObjectPlacer.h"

using CQlmGeomPlacer = CQlmObjectPlacer;
