#include "platform/gui/CFont.h"

#include <QFontDatabase>

BOOL CFont::CreatePointFont(int tenthsOfPoint) {
  if (tenthsOfPoint <= 0) return FALSE;
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setPointSizeF(tenthsOfPoint / 10.0);
  this->Font = font;
  return TRUE;
}
