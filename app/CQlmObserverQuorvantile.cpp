#include "app/CQlmObserverQuorvantile.h"

#include <cmath>

#include "platform/gui/CStatusBar.h"

CQlmObserverQuorvantile* CQlmObserverQuorvantile::New() { return new CQlmObserverQuorvantile; }

CQlmObserverQuorvantile::~CQlmObserverQuorvantile() = default;

BOOL CQlmObserverQuorvantile::CreateProgressBar() {
  BOOL created = this->ProgressBar.Create("", 100, 100, TRUE, 3);
  this->StatusBar = CProgressBar::GetStatusBar();
  return created;
}

void CQlmObserverQuorvantile::SetText(CString text) {
  this->Text = text;
  if (this->ShowText && this->StatusBar) this->StatusBar->SetPaneText(0, text, TRUE);
}

void CQlmObserverQuorvantile::Execute() {
  if (!this->Current || !this->Total) return;
  unsigned int total = *this->Total;
  int position = 0;
  if (total != 0) {
    float ratio = static_cast<float>(*this->Current + 1) / static_cast<float>(static_cast<double>(total));
    position = static_cast<int>(std::trunc(ratio * 100.0f));
  }
  this->ProgressBar.SetPos(position);
}
