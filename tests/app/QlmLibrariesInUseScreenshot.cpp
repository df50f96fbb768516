// Draws the main window as the program starts with a mesh library of real
// meshes and a library of generic implants in its library folder and a
// project opened: the implant and mesh tool bars show the libraries in use,
// the implant list dropped down. For the documentation:
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" QlmLibrariesInUseScreenshot <project.qlm> docs/libraries-in-use.png
#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <string>

#include "QlmLibraryFolderFiles.h"
#include "QlmScreenshotSession.h"
#include "app/CMainFrame.h"
#include "app/CQlmQuorvantile.h"
#include "app/QlmConfigFile.h"
#include "app/QlmResourceIds.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: QlmLibrariesInUseScreenshot <project.qlm> <picture.png>\n");
    return 2;
  }
  QlmScreenshotSession session(argc, argv);
  std::string why;
  if (!QlmLibraryFolderFiles::WriteMeshLibrary("Modelos Reais", ".geo", why) ||
      !QlmLibraryFolderFiles::WriteImplantLibrary("Genéricos", ".imp", why)) {
    std::fprintf(stderr, "%s\n", why.c_str());
    return 1;
  }
  // The implant and mesh tool bars shown.
  if (!QlmConfigFile::Ensure() || !QlmConfigFile::Replace("Show ToolBars: ", ";1;0;1;0;0;")) return 1;
  CMainFrame frame;
  session.App.m_pMainWnd = &frame;
  if (!frame.LoadFrame(IDR_MAINFRAME)) return 1;
  frame.OpenCommandLineProject(CString(argv[1]));
  if (!frame.GetController()->ProjectOpen) {
    std::fprintf(stderr, "cannot open %s\n", argv[1]);
    return 1;
  }
  QlmScreenshotSession::Wait(500);
  auto* implants = static_cast<QComboBox*>(frame.ImplantToolBar.ItemList.GetSafeHwnd());
  implants->showPopup();
  QlmScreenshotSession::Wait(500);

  // The dropped list is a window of its own: drawn over the frame where it lies.
  QWidget* window = frame.GetSafeHwnd();
  QImage picture = window->grab().toImage();
  QWidget* popup = implants->view()->window();
  QPainter painter(&picture);
  painter.drawPixmap(window->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
  painter.end();
  implants->hidePopup();
  const bool saved = picture.save(QString::fromLocal8Bit(argv[2]));
  frame.DestroyWindow();
  session.App.m_pMainWnd = nullptr;
  return saved ? 0 : 1;
}
