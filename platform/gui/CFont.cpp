#include "platform/gui/CFont.h"

#include <QFontDatabase>

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
