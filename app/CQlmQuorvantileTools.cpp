#include "app/CQlmQuorvantile.h"

// No editing tool selects anything yet, so Delete has nothing to remove.
void CQlmQuorvantile::OnAxialViewKeyDown(UINT, UINT, UINT) {}
