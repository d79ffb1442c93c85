; The setup program of the ZOLT assembler for 64-bit Windows. Built by
; make-setup.sh, which defines VERSION, ICON (the window's icon), OUTFILE and
; LISTS, the folder with the install and uninstall file lists.
;
; An administrator installs for every user into Program Files, anyone else
; for themselves into their own programs folder; /AllUsers and /CurrentUser
; choose, and an earlier installation is replaced where it is. /S installs
; silently, /D=FOLDER (last) chooses the folder, /DESKTOP adds the desktop
; shortcut and /NOPATH leaves the PATH alone.

Unicode true
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma

!define PRODUCT "ZOLT编译器"
!define PUBLISHER "ZOLT 编译器开发组"
!define FILE_TYPE "ZOLT 源程序"
!define PROGID "ZOLT.Source"
!define CLASSES "Software\Classes"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZOLT"
!define SHORTCUT "${PRODUCT}.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "ZOLT"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include Integration.nsh
!include LogicLib.nsh
!include Sections.nsh
!include "user-path.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_WELCOMEPAGE_TEXT "$(WelcomeText)"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\zolt.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one for systems in no language listed here.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"
!include "strings.nsh"

!insertmacro USER_PATH_FUNCTIONS ""
!insertmacro USER_PATH_FUNCTIONS "un."

; An earlier installation of this mode goes first, through its own
; uninstaller, so that this version takes its place and its one entry in
; the list of programs.
Function RemoveEarlier
  ReadRegStr $0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIf} ${FileExists} "$0\uninstall.exe"
    ExecWait '"$0\uninstall.exe" /S /$MultiUser.InstallMode _?=$0'
    Delete "$0\uninstall.exe"
    RMDir "$0"
  ${EndIf}
FunctionEnd

Section "$(ProgramName)" SecProgram
  SectionIn RO
  Call RemoveEarlier
  !include "${LISTS}/install-files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\zolt.exe" "" "$INSTDIR\zolt.exe" 0

  ; *.ZOL in either letter case (the registry ignores case) opens in the
  ; window, which assembles it at once.
  WriteRegStr SHCTX "${CLASSES}\.ZOL" "" "${PROGID}"
  WriteRegStr SHCTX "${CLASSES}\.ZOL\OpenWithProgids" "${PROGID}" ""
  WriteRegStr SHCTX "${CLASSES}\${PROGID}" "" "${FILE_TYPE}"
  WriteRegStr SHCTX "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\zolt.exe,0"
  WriteRegStr SHCTX "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\zolt.exe" "%1"'
  ${NotifyShell_AssocChanged}
SectionEnd

Section /o "$(DesktopName)" SecDesktop
  SetOutPath "$INSTDIR"
  CreateShortcut "$DESKTOP\${SHORTCUT}" "$INSTDIR\zolt.exe" "" "$INSTDIR\zolt.exe" 0
SectionEnd

Section "$(PathName)" SecPath
  Push "+$INSTDIR"
  Call EditUserPath
SectionEnd

; Last, so that the size counts every file.
Section "-Register"
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zolt.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
  !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "$(ProgramText)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecDesktop} "$(DesktopText)"
  !insertmacro MUI_DESCRIPTION_TEXT ${SecPath} "$(PathText)"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

Function .onInit
  ; A folder given with /D= wins over the default and an earlier one.
  StrCpy $0 $INSTDIR
  !insertmacro MULTIUSER_INIT
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${EndIf}
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/DESKTOP" $2
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecDesktop}
  ${EndIf}
  ClearErrors
  ${GetOptions} $1 "/NOPATH" $2
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecPath}
  ${EndIf}
FunctionEnd

Function un.onInit
  ; The uninstaller removes the installation it belongs to.
  StrCpy $0 $INSTDIR
  !insertmacro MULTIUSER_UNINIT
  StrCpy $INSTDIR $0
FunctionEnd

Section "Uninstall"
  Push "-$INSTDIR"
  Call un.EditUserPath
  Delete "$DESKTOP\${SHORTCUT}"
  Delete "$SMPROGRAMS\${SHORTCUT}"

  ; The file type goes; *.ZOL is left to whatever else claims it.
  DeleteRegKey SHCTX "${CLASSES}\${PROGID}"
  DeleteRegValue SHCTX "${CLASSES}\.ZOL\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty SHCTX "${CLASSES}\.ZOL\OpenWithProgids"
  ReadRegStr $0 SHCTX "${CLASSES}\.ZOL" ""
  ${If} $0 == "${PROGID}"
    DeleteRegValue SHCTX "${CLASSES}\.ZOL" ""
  ${EndIf}
  DeleteRegKey /ifempty SHCTX "${CLASSES}\.ZOL"
  ${NotifyShell_AssocChanged}

  !include "${LISTS}/uninstall-files.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
