#pragma once
// A rectangle in pixels: left and top inside, right and bottom just outside.
#include "platform/gui/CPoint.h"
#include "platform/gui/CSize.h"

class CRect {
public:
  CRect() = default;
  CRect(int left, int top, int right, int bottom) : left(left), top(top), right(right), bottom(bottom) {}

  int Width() const { return this->right - this->left; }
  int Height() const { return this->bottom - this->top; }
  CSize Size() const { return CSize(this->Width(), this->Height()); }
  CPoint TopLeft() const { return CPoint(this->left, this->top); }
  bool IsRectEmpty() const { return this->Width() <= 0 || this->Height() <= 0; }
  bool PtInRect(const CPoint& point) const {
    return point.x >= this->left && point.x < this->right && point.y >= this->top && point.y < this->bottom;
  }
  void DeflateRect(int dx, int dy) { this->InflateRect(-dx, -dy); }
  void InflateRect(int dx, int dy) {
    this->left -= dx;
    this->right += dx;
    this->top -= dy;
    this->bottom += dy;
  }
  void OffsetRect(int dx, int dy) {
    this->left += dx;
    this->right += dx;
    this->top += dy;
    this->bottom += dy;
  }

  friend bool operator==(const CRect& a, const CRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
  friend bool operator!=(const CRect& a, const CRect& b) { return !(a == b); }

  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};
