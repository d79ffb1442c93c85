// zoltasm on Windows: the arguments arrive as UTF-16, so sources in folders
// with Chinese names open whatever the system's code page.

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>

#include "console_buffer_win32.h"
#include "windows_text.h"
#include "zoltasm.h"

int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(zolt::Utf8FromWide(argv[i]));
  // Content-Length counts the bytes of each message: the server's streams
  // pass them through untouched, with no CR added before LF or taken away.
  if (ServesLanguage(arguments)) {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    return RunZoltasm(arguments);
  }
  int status = 0;
  {
    ConsoleBuffer output(STD_OUTPUT_HANDLE);
    ConsoleBuffer errors(STD_ERROR_HANDLE);
    std::streambuf* const standardOutput = std::cout.rdbuf(&output);
    std::streambuf* const standardErrors = std::cerr.rdbuf(&errors);
    status = RunZoltasm(arguments);
    std::cout.flush();
    std::cout.rdbuf(standardOutput);
    std::cerr.rdbuf(standardErrors);
  }
  return status;
}
