#pragma once
// A font for windows and controls. The program names Windows faces ("MS Sans
// Serif", "Arial"); every face is the desktop's sans-serif here, at the size
// asked for.
#include <QFont>

#include "platform/gui/QlmGuiConstants.h"

class CFont {
public:
  // `tenthsOfPoint`: 80 for an 8-point font. FALSE for a size of 0 or less.
  BOOL CreatePointFont(int tenthsOfPoint);
  // The application's font until CreatePointFont succeeded.
  const QFont& GetQFont() const { return this->Font; }

private:
  QFont Font;
};
