#pragma once
// A font for windows and controls. The program names Windows faces ("MS Sans
// Serif", "Arial"); Qt's font matching picks the nearest installed face, a
// sans-serif one when it has none of that name.
#include <QFont>

#include "platform/gui/QlmGuiConstants.h"

// What a font is asked for by: the height in tenths of a point (for
// CreatePointFontIndirect), the weight (400 normal, 700 bold), italics and
// the face's name.
struct LOGFONT {
  int lfHeight = 0;
  int lfWeight = 400;
  unsigned char lfItalic = 0;
  const char* lfFaceName = nullptr;
};

class CFont {
public:
  // `tenthsOfPoint`: 80 for an 8-point font; without a face, the desktop's
  // own. FALSE for a size of 0 or less.
  BOOL CreatePointFont(int tenthsOfPoint, const char* faceName = nullptr);
  // As CreatePointFont with `font.lfHeight` tenths of a point, then its
  // weight and italics. A face named with its style ("Arial Bold") is
  // matched by Qt as any unknown face: the nearest sans-serif one.
  BOOL CreatePointFontIndirect(const LOGFONT& font);
  // The application's font until CreatePointFont succeeded.
  const QFont& GetQFont() const { return this->Font; }

private:
  QFont Font;
};
