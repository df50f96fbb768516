#include "app/CQlmQuorvantile.h"
#include "project/CQlmProjectCreator202106.h"

// The project file carries the flag with the implant defaults; it stays there until an implant container holds it.
int CQlmQuorvantile::GetImplantOrientation() const { return this->Creator202106->ImplantDefaults.Flip; }

void CQlmQuorvantile::SetImplantOrientation(int orientation) {
  this->Creator202106->ImplantDefaults.Flip = orientation;
}

// The controller holds no nerves yet.
std::optional<float> CQlmQuorvantile::CurrentNerveDiameter() const { return std::nullopt; }
