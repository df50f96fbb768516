// Draws the program's "Abrir" file dialog, with Qt's texts in Portuguese, into
// a PNG file for the documentation:
//
//   xvfb-run -a -s "-screen 0 1280x1024x24" QlmFileDialogScreenshot docs/file-dialog-portuguese.png
//
// The dialog shows a folder "exames" of three projects.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/QlmQtTranslations.h"
#include "platform/gui/CQlmQtPrompter.h"
#include "tests/support/QlmTempDir.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s picture.png\n", argv[0]);
    return 2;
  }
  QApplication application(argc, argv);
  if (!QlmQtTranslations::Install(application)) {
    std::fprintf(stderr, "Qt's Brazilian Portuguese translations are not installed\n");
    return 1;
  }
  QlmTempDir temporary;
  const std::filesystem::path folder = temporary.Path() / "exames";
  std::filesystem::create_directory(folder);
  for (const char* name : {"Amostra.qlm", "Paciente Maria.qlm", "Paciente José.qlm"}) {
    std::ofstream(folder / name, std::ios::binary) << std::string(4096, '\0');
  }
  bool saved = false;
  QTimer::singleShot(500, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    if (!dialog) return;
    dialog->resize(760, 460);
    QApplication::processEvents();
    saved = dialog->grab().save(QString::fromLocal8Bit(argv[1]));
    dialog->close();
  });
  CQlmQtPrompter prompter;
  prompter.ChooseOpenFile("Abrir", CString((folder / "Amostra.qlm").string()), "Quillmar|*.qlm||");
  return saved ? 0 : 1;
}
