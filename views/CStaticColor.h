#pragma once
// A colour swatch: a static control of a dialog template filled with one
// colour, without outline. A disabled swatch paints nothing.
#include "platform/gui/CStatic.h"

class CStaticColor : public CStatic {
public:
  // Red, green and blue from 0 to 255; the whole swatch is painted again.
  // Each becomes its whole part's low 8 bits (255, 128.9, 0 paints
  // RGB(255, 128, 0); 256 paints 0; -1 paints 255).
  void SetColor(float r, float g, float b);

protected:
  void OnPaint() override;

private:
  float Red = 0.0f;
  float Green = 0.0f;
  float Blue = 0.0f;
};
