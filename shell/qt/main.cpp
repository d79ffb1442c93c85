// zolt: the ZOLT assembler's window. Open a source from the menu (or drop it
// on the window) and the listing and object file are written beside it.

#include <QApplication>

#include "form1.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  zolt::Form1 window;
  window.show();
  return application.exec();
}
