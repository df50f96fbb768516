#pragma once
// Prints QColor values in test failures as "rgb(r, g, b)".
#include <QColor>
#include <ostream>

inline void PrintTo(const QColor& colour, std::ostream* out) {
  *out << "rgb(" << colour.red() << ", " << colour.green() << ", " << colour.blue() << ")";
}
