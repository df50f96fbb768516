#include "objects/CQlmRuller9.h"

#include <cstdlib>

#include "ct/CQlmLayeredWindow9.h"

namespace {

constexpr int Cells = 9;
constexpr int CentreCell = 4;
constexpr int LineLayer = 1;

}  // namespace

CQlmRuller9::~CQlmRuller9() { this->RemoveFromRenderer(); }

int CQlmRuller9::GetCell() const {
  // Slices read from a file may lie anywhere in the int range.
  const long long shift = static_cast<long long>(this->OwnSlice) - this->CurrentSlice;
  return std::llabs(shift) <= CentreCell ? CentreCell + static_cast<int>(shift) : -1;
}

void CQlmRuller9::RemoveFromRenderer() {
  if (!this->Window) return;
  for (int cell = 0; cell < Cells; ++cell) this->RemoveProps(this->Window->GetCellLayerRenderer(cell, LineLayer));
}

void CQlmRuller9::AddToRenderer() {
  this->RemoveFromRenderer();
  const int cell = this->GetCell();
  if (this->Window && cell >= 0) this->AddProps(this->Window->GetCellLayerRenderer(cell, LineLayer));
}

void CQlmRuller9::SetCurrentSection(int section) {
  this->CurrentSlice = section;
  this->AddToRenderer();
}

void CQlmRuller9::SetSections(int own, int current) {
  this->OwnSlice = own;
  this->SetCurrentSection(current);
}

void CQlmRuller9::SetVisibility(int visible) {
  this->Visible = visible;
  this->ShowProps(visible);
}
