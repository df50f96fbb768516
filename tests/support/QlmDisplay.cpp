#include "QlmDisplay.h"

#include <cstdlib>
#include <dlfcn.h>

namespace QlmDisplay {

namespace {

bool Probe() {
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) return false;
  // Ask libX11 directly so a missing server is a skip, not VTK's abort.
  void* x11 = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
  if (!x11) return false;
  using OpenFn = void* (*)(const char*);
  using CloseFn = int (*)(void*);
  auto open = reinterpret_cast<OpenFn>(dlsym(x11, "XOpenDisplay"));
  auto close = reinterpret_cast<CloseFn>(dlsym(x11, "XCloseDisplay"));
  bool ok = false;
  if (open && close) {
    if (void* display = open(name)) {
      close(display);
      ok = true;
    }
  }
  dlclose(x11);
  return ok;
}

}  // namespace

// Asked once: the answer cannot change within a test process.
bool Available() {
  static const bool available = Probe();
  return available;
}

}  // namespace QlmDisplay
