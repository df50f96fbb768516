#include "views/CQlmInteractorStyle29.h"

#include <new>

#include "views/CQlm3DWindow9.h"

namespace {

// 0, 1 or 2 for a coordinate below, between or above the third lines; -1 on a line.
int Third(int value, int third) {
  if (value == third || value == 2 * third) return -1;
  if (value < third) return 0;
  return value < 2 * third ? 1 : 2;
}

}  // namespace

CQlmInteractorStyle29* CQlmInteractorStyle29::New() { return new (std::nothrow) CQlmInteractorStyle29; }

void CQlmInteractorStyle29::SelectCell(int x, int y) {
  CQlmInteractorStruct9* record = this->GetRecord();
  if (this->GetWindow()->GetSingleCell()) {
    record->CurrentCell = CQlm3DWindow9::CentreCell;
    return;
  }
  int width = 0;
  int height = 0;
  this->GetWindowSize(width, height);
  const int column = Third(x, width / 3);
  const int rowFromBottom = Third(y, height / 3);
  if (column < 0 || rowFromBottom < 0) return;
  record->CurrentCell = (2 - rowFromBottom) * 3 + column;
}
