#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QMainWindow frame;
  frame.setWindowTitle("Quorvantile 2021R ");
  frame.resize(1280, 960);
  frame.show();
  return application.exec();
}
