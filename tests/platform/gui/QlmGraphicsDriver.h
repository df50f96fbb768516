#pragma once
// Mesa's GL driver keeps caches of its own, reachable only from the driver's
// globals. The driver is unloaded when the last render window closes its X
// display, and those caches then read as leaks. The program's views keep a
// window open for the life of the process; a test that opens and closes its
// only windows (a dialog's plot, the main frame) holds one the same way, so
// that the leak check sees only what the code under test leaves behind.
namespace QlmGraphicsDriver {

// Opens one off-screen render window, renders it once and keeps it until the
// process ends. Needs an X display (QLM_REQUIRE_DISPLAY first); later calls do nothing.
void KeepLoaded();

}  // namespace QlmGraphicsDriver
