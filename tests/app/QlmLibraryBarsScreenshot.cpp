// Draws the main window with the teeth, mesh and endodontic tool bars filled
// from library files of real STL models and the teeth list dropped down,
// for the documentation:
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" QlmLibraryBarsScreenshot docs/library-tool-bars.png
#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <string>

#include "QlmScreenshotSession.h"
#include "QlmStlLibraries.h"
#include "app/CMainFrame.h"
#include "app/QlmResourceIds.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: QlmLibraryBarsScreenshot <picture.png>\n");
    return 2;
  }
  QlmScreenshotSession session(argc, argv);
  QlmStlLibraries::Loaded libraries;
  std::string why;
  if (!QlmStlLibraries::WriteAndLoad(libraries, why)) {
    std::fprintf(stderr, "%s\n", why.c_str());
    return 1;
  }
  CMainFrame frame;
  session.App.m_pMainWnd = &frame;
  if (!frame.LoadFrame(IDR_MAINFRAME)) return 1;
  const std::pair<CLibraryToolBar*, vtkLibrary*> bars[] = {
      {&frame.DentesToolBar, libraries.Teeth}, {&frame.GeomsToolBar, libraries.Meshes}, {&frame.EndoToolBar, libraries.Endo}};
  for (const auto& [bar, library] : bars) {
    bar->PlatformBox.SetWindowText(library->Name);
    bar->RefillItemList(library);
    bar->EnableLibToolBarControls(TRUE);
    frame.ShowControlBar(bar, TRUE, FALSE);
  }
  frame.RecalcLayout();
  QlmScreenshotSession::Wait(300);
  auto* teeth = static_cast<QComboBox*>(frame.DentesToolBar.ItemList.GetSafeHwnd());
  teeth->showPopup();
  QlmScreenshotSession::Wait(500);

  // The dropped list is a window of its own: drawn over the frame where it lies.
  QWidget* window = frame.GetSafeHwnd();
  QImage picture = window->grab().toImage();
  QWidget* popup = teeth->view()->window();
  QPainter painter(&picture);
  painter.drawPixmap(window->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
  painter.end();
  teeth->hidePopup();
  const bool saved = picture.save(QString::fromLocal8Bit(argv[1]));
  frame.DestroyWindow();
  session.App.m_pMainWnd = nullptr;
  return saved ? 0 : 1;
}
