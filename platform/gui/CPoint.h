#pragma once
// A point in window (client) coordinates, y downwards.
class CPoint {
public:
  CPoint() = default;
  CPoint(int x, int y) : x(x), y(y) {}

  friend bool operator==(const CPoint& a, const CPoint& b) { return a.x == b.x && a.y == b.y; }

  int x = 0;
  int y = 0;
};
