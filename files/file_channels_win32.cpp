// The listing's file-name line on Windows, in the system's code page.
#include <windows.h>

#include "file_channels.h"
#include "windows_text.h"

namespace zolt {

// Windows programs write file names in the system's ANSI code page.
std::string FileChannels::PathText(const std::string& utf8Path) const {
  return CodePageFromWide(WideFromUtf8(utf8Path), CP_ACP);
}

}  // namespace zolt
