#include "platform/gui/CFont.h"

#include <QFontDatabase>
#include <algorithm>

BOOL CFont::CreatePointFont(int tenthsOfPoint, const char* faceName) {
  if (tenthsOfPoint <= 0) return FALSE;
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  if (faceName) {
    font.setFamily(QString::fromUtf8(faceName));
    font.setStyleHint(QFont::SansSerif);
  }
  font.setPointSizeF(tenthsOfPoint / 10.0);
  this->Font = font;
  return TRUE;
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT& font) {
  if (!this->CreatePointFont(font.lfHeight, font.lfFaceName)) return FALSE;
  // Windows weights run 100 to 900 as Qt's do.
  this->Font.setWeight(QFont::Weight(std::clamp(font.lfWeight, 1, 1000)));
  this->Font.setItalic(font.lfItalic != 0);
  return TRUE;
}
