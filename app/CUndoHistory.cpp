#include "app/CUndoHistory.h"

#include <algorithm>
#include <iterator>

namespace {

// Moves every code one place older (the oldest is lost) and puts `code` at place 0.
void PushFront(int (&codes)[CUndoHistory::Places], int code) {
  std::move_backward(codes, codes + CUndoHistory::Places - 1, codes + CUndoHistory::Places);
  codes[0] = code;
}

// Moves every code one place newer; the oldest place becomes empty.
void RemoveFront(int (&codes)[CUndoHistory::Places]) {
  std::move(codes + 1, codes + CUndoHistory::Places, codes);
  codes[CUndoHistory::Places - 1] = 0;
}

}  // namespace

CUndoHistory::CUndoHistory() = default;

void CUndoHistory::Push(int kind, int keepRedo) {
  PushFront(this->UndoCodes, kind);
  if (!keepRedo) std::fill(std::begin(this->RedoCodes), std::end(this->RedoCodes), 0);
}

int CUndoHistory::PopUndo() {
  const int code = this->UndoCodes[0];
  if (code == 0) return 0;
  PushFront(this->RedoCodes, code);
  RemoveFront(this->UndoCodes);
  return code;
}

void CUndoHistory::PopRedo() {
  if (this->RedoCodes[0] == 0) return;
  this->UndoCodes[0] = this->RedoCodes[0];
  RemoveFront(this->RedoCodes);
}

void CUndoHistory::DropUndo() { RemoveFront(this->UndoCodes); }

void CUndoHistory::DropRedo() { RemoveFront(this->RedoCodes); }
