// The vorn program: one main window with the board.
#include <QApplication>

#include "ui/form1.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vorn");
  QApplication::setApplicationVersion("1.0");
  Form1 window;
  window.show();
  return QApplication::exec();
}
