#pragma once
// The one QApplication of a GUI test process (offscreen unless a platform is set).
class QApplication;

namespace QlmGuiTestApp {
QApplication& Instance();
// Processes events for `ms` milliseconds.
void Wait(int ms);
}  // namespace QlmGuiTestApp
