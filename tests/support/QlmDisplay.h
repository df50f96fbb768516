#pragma once
// Render tests need an X display (Debian's VTK renders only through X).
#include <gtest/gtest.h>

namespace QlmDisplay {
// True when an X display can be opened.
bool Available();
}

// Skips (never fails) the current test when no X display opens.
#define QLM_REQUIRE_DISPLAY() \
  do { if (!QlmDisplay::Available()) GTEST_SKIP() << "no X display: render tests run under xvfb-run"; } while (0)
