#pragma once
// A width and height in pixels.
class CSize {
public:
  CSize() = default;
  CSize(int cx, int cy) : cx(cx), cy(cy) {}

  friend bool operator==(const CSize& a, const CSize& b) { return a.cx == b.cx && a.cy == b.cy; }

  int cx = 0;
  int cy = 0;
};
