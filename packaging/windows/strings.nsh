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

; What the setup and the uninstaller report; $R9 names a program or a folder.
LangString ProgramInUseAsk ${LANG_ENGLISH} "$R9 is running. Close it, then choose Retry.$\r$\n$\r$\nCancel stops here and changes nothing."
LangString ProgramInUseAsk ${LANG_SIMPCHINESE} "$R9 正在运行。请关闭它，然后选择“重试”。$\r$\n$\r$\n选择“取消”则就此停止，不做任何更改。"
LangString ProgramInUse ${LANG_ENGLISH} "$R9 is running, so nothing was changed. Close it and try again."
LangString ProgramInUse ${LANG_SIMPCHINESE} "$R9 正在运行，因此未做任何更改。请关闭它后重试。"
LangString EarlierNotRemoved ${LANG_ENGLISH} "The installed version in $R9 could not be removed, so nothing new was installed."
LangString EarlierNotRemoved ${LANG_SIMPCHINESE} "无法删除 $R9 中已安装的版本，因此未安装新版本。"
LangString FilesNotWritten ${LANG_ENGLISH} "Files in $INSTDIR could not be written: the installation is incomplete. Run the setup again."
LangString FilesNotWritten ${LANG_SIMPCHINESE} "无法写入 $INSTDIR 中的文件，安装不完整。请重新运行安装程序。"
LangString InstallIncomplete ${LANG_ENGLISH} "The installation in $INSTDIR did not complete. Run the setup again."
LangString InstallIncomplete ${LANG_SIMPCHINESE} "$INSTDIR 中的安装未完成。请重新运行安装程序。"
LangString Installed ${LANG_ENGLISH} "${PRODUCT} ${VERSION} is installed in $INSTDIR."
LangString Installed ${LANG_SIMPCHINESE} "${PRODUCT} ${VERSION} 已安装到 $INSTDIR。"
LangString FilesNotRemoved ${LANG_ENGLISH} "Files in $INSTDIR could not be removed; the installation stays listed, so that its uninstaller can be run again."
LangString FilesNotRemoved ${LANG_SIMPCHINESE} "无法删除 $INSTDIR 中的文件；该安装仍保留在已安装程序列表中，以便再次运行其卸载程序。"
LangString SelfNotRemoved ${LANG_ENGLISH} "$INSTDIR\uninstall.exe could not be removed; delete it yourself."
LangString SelfNotRemoved ${LANG_SIMPCHINESE} "无法删除 $INSTDIR\uninstall.exe，请手动删除。"
LangString UninstallIncomplete ${LANG_ENGLISH} "The removal from $INSTDIR did not complete."
LangString UninstallIncomplete ${LANG_SIMPCHINESE} "从 $INSTDIR 卸载未完成。"
LangString Uninstalled ${LANG_ENGLISH} "${PRODUCT} ${VERSION} is removed from $INSTDIR."
LangString Uninstalled ${LANG_SIMPCHINESE} "${PRODUCT} ${VERSION} 已从 $INSTDIR 卸载。"

; Why the PATH was left as it was ($R0 in the two texts after them).
LangString PathTooLong ${LANG_ENGLISH} "your PATH is too long to be changed safely"
LangString PathTooLong ${LANG_SIMPCHINESE} "您的 PATH 太长，无法安全修改"
LangString PathNotText ${LANG_ENGLISH} "your PATH is not a text value"
LangString PathNotText ${LANG_SIMPCHINESE} "您的 PATH 不是文本值"
LangString PathNotWritten ${LANG_ENGLISH} "your PATH could not be written"
LangString PathNotWritten ${LANG_SIMPCHINESE} "无法写入您的 PATH"
LangString PathNotAdded ${LANG_ENGLISH} "$INSTDIR was not added to your PATH: $R0; it is left as it was. Add the folder yourself to run zoltasm from any console."
LangString PathNotAdded ${LANG_SIMPCHINESE} "$INSTDIR 未加入您的 PATH：$R0，PATH 保持原样。如需在任意控制台运行 zoltasm，请自行加入该文件夹。"
LangString PathNotRemoved ${LANG_ENGLISH} "$INSTDIR is still on your PATH: $R0; it is left as it was. Take the entry away yourself."
LangString PathNotRemoved ${LANG_SIMPCHINESE} "$INSTDIR 仍在您的 PATH 中：$R0，PATH 保持原样。请自行删除该项。"
