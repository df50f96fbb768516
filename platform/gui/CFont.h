#pragma once
// A font for windows and controls. The program names Windows faces ("MS Sans
// Serif", "Arial"); Qt's font matching picks the nearest installed face, a
// sans-serif one when it has none of that name.
#include <QFont>

#include "platform/gui/QlmGuiConstants.h"

class CFont {
public:
  // `tenthsOfPoint`: 80 for an 8-point font; without a face, the desktop's
  // own. FALSE for a size of 0 or less.
  BOOL CreatePointFont(int tenthsOfPoint, const char* faceName = nullptr);
  // The application's font until CreatePointFont succeeded.
  const QFont& GetQFont() const { return this->Font; }

private:
  QFont Font;
};
