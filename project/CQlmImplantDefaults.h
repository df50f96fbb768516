#pragma once
// The implant defaults that follow the implant records of an 800901 project
// file: the main tool bar's diameter, length and connector height, the
// controller's four implant colours and the implant flip flag.
#include <cstdint>

class CArchive;

class CQlmImplantDefaults {
public:
  void Store(CArchive& archive) const;
  void Load(CArchive& archive);

  float Diameter = 3.5f;         // mm
  float Length = 11.0f;          // mm
  float ConnectorHeight = 2.5f;  // mm
  // Screw, connector and the two further colours, r, g, b each.
  float Colors[4][3] = {{1, 0, 1}, {0, 1, 1}, {1, 0.5f, 1}, {0.5f, 1, 1}};
  int32_t Flip = 0;
};
