// zolt: the ZOLT assembler's window. Open a source from the menu (or drop it
// on the window) and the listing and object file are written beside it. A
// source named on the command line is opened at start-up, exactly as if it
// had been chosen in the dialog: this is how file managers open *.ZOL files.

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <cstdlib>
#include <iostream>
#include <string_view>

#include "catalog.h"
#include "form1.h"
#include "quote.h"

namespace {

constexpr int kFailed = 2;

const char* Usage() {
  return zolt::Tr(
      "usage: zolt [SOURCE]\n"
      "       zolt --help | --version\n"
      "\n"
      "Shows the ZOLT assembler's window. A SOURCE is opened and assembled at\n"
      "once, as if chosen with 文件 > 打开; its listing (.lst) and object file\n"
      "(.obj) are written beside it.\n");
}

// Until the window stands, a failure of the window system (no display to
// connect to) ends the program with a message and status 2 rather than an
// abort.
bool windowShown = false;

void OnToolkitMessage(QtMsgType type, const QMessageLogContext&, const QString& text) {
  std::cerr << text.toStdString() << '\n';
  if (type != QtFatalMsg || windowShown) return;
  std::cerr << "zolt: " << zolt::Tr("fatal error: ")
            << zolt::Tr("the window cannot be shown: no display is reachable") << '\n';
  std::_Exit(kFailed);
}

}  // namespace

int main(int argc, char** argv) {
  zolt::UseEnvironmentLanguage();
  // Answered before the window system is needed, so they work without a display.
  int source = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help") {
      std::cout << Usage();
      return 0;
    }
    if (argument == "--version") {
      std::cout << "zolt " ZOLT_VERSION "\n";
      return 0;
    }
    if ((argument.starts_with("-") && argument != "-") || source != 0) {
      std::cerr << "zolt: " << zolt::Tr("error: ")
                << zolt::Render(zolt::Message("unknown argument '%s'", zolt::Shown(argument)))
                << '\n'
                << Usage();
      return kFailed;
    }
    source = i;
  }

  qInstallMessageHandler(OnToolkitMessage);
  int toolkitArguments = 1;
  QApplication application(toolkitArguments, argv);
  // Qt's own dialogs and buttons (the open dialog, OK) in the user's language.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTexts);
  }
  zolt::Form1 window;
  window.show();
  windowShown = true;
  if (source != 0) {
    const QString path = QFileInfo(QFile::decodeName(argv[source])).absoluteFilePath();
    QTimer::singleShot(0, &window, [&window, path] { window.OpenFile(path); });
  }
  return application.exec();
}
