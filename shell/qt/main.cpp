// zolt: the ZOLT assembler's window. Open a source from the menu (or drop it
// on the window) and the listing and object file are written beside it. A
// source named on the command line is opened at start-up, exactly as if it
// had been chosen in the dialog: this is how file managers open *.ZOL files.

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>
#include <iostream>
#include <string_view>

#include "form1.h"

namespace {

constexpr std::string_view kUsage =
    "usage: zolt [SOURCE]\n"
    "\n"
    "Shows the ZOLT assembler's window. A SOURCE is opened and assembled at\n"
    "once, as if chosen with 文件 > 打开; its listing (.lst) and object file\n"
    "(.obj) are written beside it.\n";

}  // namespace

int main(int argc, char** argv) {
  // Answered before the window system is needed, so they work without a display.
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help") {
      std::cout << kUsage;
      return 0;
    }
    if (argument == "--version") {
      std::cout << "zolt " ZOLT_VERSION "\n";
      return 0;
    }
  }

  QApplication application(argc, argv);
  zolt::Form1 window;
  window.show();
  // QApplication has taken its own options out of argv by now.
  if (argc > 1) {
    const QString path = QFileInfo(QFile::decodeName(argv[1])).absoluteFilePath();
    QTimer::singleShot(0, &window, [&window, path] { window.OpenFile(path); });
  }
  return application.exec();
}
