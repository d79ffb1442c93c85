; The setup's own texts in its two languages. NSIS shows the Chinese ones on
; a Chinese Windows and the English ones everywhere else.

LangString WelcomeText ${LANG_ENGLISH} "This installs ${PRODUCT} ${VERSION}, the two-pass assembler for the ZOLT programmable controller.$\r$\n$\r$\nDouble-click a *.ZOL source afterwards and it is assembled at once: its listing (.lst) and object file (.obj) are written beside it.$\r$\n$\r$\n$_CLICK"
LangString WelcomeText ${LANG_SIMPCHINESE} "本向导将安装 ${PRODUCT} ${VERSION}：ZOLT 可编程控制器的两遍汇编程序。$\r$\n$\r$\n安装后双击 *.ZOL 源程序即可立即编译，列表文件 (.lst) 和目标文件 (.obj) 写在源程序旁边。$\r$\n$\r$\n$_CLICK"

LangString ProgramName ${LANG_ENGLISH} "Programs, examples and guide"
LangString ProgramName ${LANG_SIMPCHINESE} "程序、示例和用户指南"
LangString ProgramText ${LANG_ENGLISH} "zolt.exe (the window) and zoltasm.exe (the command line), the examples, the user's guide and editor support, a Start-menu shortcut, and *.ZOL sources that open in the window."
LangString ProgramText ${LANG_SIMPCHINESE} "zolt.exe（窗口程序）和 zoltasm.exe（命令行程序）、示例、用户指南和编辑器支持、开始菜单快捷方式；双击 *.ZOL 源程序即在窗口中编译。"

LangString DesktopName ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopName ${LANG_SIMPCHINESE} "桌面快捷方式"
LangString DesktopText ${LANG_ENGLISH} "A shortcut to ${PRODUCT} on the desktop."
LangString DesktopText ${LANG_SIMPCHINESE} "在桌面上放一个 ${PRODUCT} 快捷方式。"

LangString PathName ${LANG_ENGLISH} "Add to PATH"
LangString PathName ${LANG_SIMPCHINESE} "加入 PATH"
LangString PathText ${LANG_ENGLISH} "Adds the program folder to your PATH, so that consoles, build tools and editors find zoltasm."
LangString PathText ${LANG_SIMPCHINESE} "把程序文件夹加入您的 PATH，控制台、构建工具和编辑器即可直接运行 zoltasm。"
LangString PathTooLong ${LANG_ENGLISH} "Your PATH is too long to be changed safely here; it is left as it was."
LangString PathTooLong ${LANG_SIMPCHINESE} "您的 PATH 太长，无法在此安全修改，保持原样。"
