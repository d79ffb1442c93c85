// zolt: the ZOLT assembler's window. Open a source from the menu (or drop it
// on the window) and the listing and object file are written beside it.

#include <windows.h>
// The common controls' declarations need windows.h before them.
#include <commctrl.h>

#include "form1.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  zolt::Form1 window(instance);
  window.Show(showCommand);
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
