// Draws the main window with a project opened from the command line into a
// PNG file, for the documentation:
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" QlmMainWindowScreenshot \
//     ~/.cache/quorvantile/testdata/projects/Amostra.qlm docs/main-window-tool-bars.png
//
// The tool bars show the project's state: the implant fields with the
// project's implant defaults, the library bars as the libraries found allow.
#include <cstdio>

#include "QlmScreenshotSession.h"
#include "app/CMainFrame.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: QlmMainWindowScreenshot <project.qlm> <picture.png>\n");
    return 2;
  }
  QlmScreenshotSession session(argc, argv);
  CMainFrame frame;
  if (!session.OpenProject(frame, argv[1])) return 1;
  return session.SaveAndClose(frame, argv[2]) ? 0 : 1;
}
