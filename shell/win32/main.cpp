// zolt: the ZOLT assembler's window. Open a source from the menu (or drop it
// on the window) and the listing and object file are written beside it. A
// source named on the command line is opened at start-up, exactly as if it
// had been chosen in the dialog: this is how Explorer opens *.ZOL files.

#include <windows.h>
// The common controls' declarations need windows.h before them.
#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "catalog.h"
#include "form1.h"

namespace {

// The path as the dialog would give it: whole, from the drive or share on.
std::wstring FullPath(const wchar_t* path) {
  const DWORD capacity = GetFullPathNameW(path, 0, nullptr, nullptr);
  if (capacity == 0) return path;
  std::wstring full(capacity, L'\0');
  full.resize(GetFullPathNameW(path, capacity, full.data(), nullptr));
  return full;
}

// The first argument, read as UTF-16 so that folders with Chinese names
// open whatever the system's code page; empty when there is none.
std::wstring SourceFromCommandLine() {
  int count = 0;
  wchar_t** const arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::wstring source;
  if (arguments != nullptr && count > 1) source = FullPath(arguments[1]);
  LocalFree(arguments);
  return source;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  zolt::UseEnvironmentLanguage();
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_LINK_CLASS};
  InitCommonControlsEx(&controls);
  zolt::Form1 window(instance);
  window.Show(showCommand);
  const std::wstring source = SourceFromCommandLine();
  if (!source.empty()) window.OpenFile(source);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.TakeDialogMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
