; The setup program of the ZOLT assembler for 64-bit Windows. Built by
; make-setup.sh, which defines VERSION, ICON (the window's icon), OUTFILE and
; LISTS, the folder with the lists of files, folders and programs, and
; WEB_PAGE when the browser page is among the files.
;
; An administrator installs for every user into Program Files, anyone else
; for themselves into their own programs folder; /AllUsers and /CurrentUser
; choose, and an earlier installation is replaced where it is, with its
; choices. /S installs silently, /D=FOLDER (last) chooses the folder,
; /DESKTOP or /NODESKTOP adds the desktop shortcut or not, /PATH or /NOPATH
; the PATH entry. It never reports success it did not achieve: see
; setup-log.nsh for the log and the exit status.

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
!define WEB_SHORTCUT "ZOLT 网页版.lnk"

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
!define MULTIUSER_INSTALLMODE_FUNCTION ChoicesOfMode
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh
!include Integration.nsh
!include LogicLib.nsh
!include Sections.nsh
!include "setup-log.nsh"
!include "programs-in-use.nsh"
!include "user-path.nsh"
!include "made-by-setup.nsh"
!include "self-removal.nsh"

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

!insertmacro SETUP_LOG_FUNCTIONS "" setup
!insertmacro SETUP_LOG_FUNCTIONS "un." uninstall
!insertmacro PROGRAMS_IN_USE_FUNCTIONS ""
!insertmacro PROGRAMS_IN_USE_FUNCTIONS "un."
!insertmacro USER_PATH_FUNCTIONS ""
!insertmacro USER_PATH_FUNCTIONS "un."

; The installation this setup replaces, and what of it stays this one's
; to remove: the folders it made, and its PATH entry when its uninstaller
; could not take that away.
Var EarlierFolder
Var EarlierMadeFolders
Var EarlierPathAdded
Var EarlierPathValueMade

; What this installation makes beyond its own files and keys (see
; made-by-setup.nsh), and the file type *.ZOL had before.
Var MadeFolders
Var MadeKeysFileType
Var MadeKeysProgId
Var MadeKeysEntry
Var FileTypeBefore

; An earlier installation of this mode goes first, through its own
; uninstaller, so that this version takes its place and its one entry in
; the list of programs. The uninstaller runs from a copy, which removes it
; too, and its exit status tells whether all went.
Function RemoveEarlier
  ${If} $EarlierFolder != ""
  ${AndIf} ${FileExists} "$EarlierFolder\uninstall.exe"
    ReadRegDWORD $EarlierMadeFolders SHCTX "${UNINSTALL_KEY}" "MadeFolders"
    InitPluginsDir
    CopyFiles /SILENT "$EarlierFolder\uninstall.exe" "$PLUGINSDIR\uninstall.exe"
    ReadRegStr $R0 SHCTX "${UNINSTALL_KEY}" "PathAdded"
    ReadRegDWORD $R1 SHCTX "${UNINSTALL_KEY}" "PathValueMade"
    ClearErrors
    ExecWait '"$PLUGINSDIR\uninstall.exe" /S /$MultiUser.InstallMode _?=$EarlierFolder' $R2
    ${If} ${Errors}
    ${OrIf} $R2 <> 0
    ${AndIf} $R2 <> ${EXIT_PATH_UNCHANGED}
      StrCpy $R9 $EarlierFolder
      Push "$(EarlierNotRemoved)"
      Call Fail
    ${EndIf}
    ${If} $R2 = ${EXIT_PATH_UNCHANGED}
      StrCpy $EarlierPathAdded $R0
      StrCpy $EarlierPathValueMade $R1
    ${EndIf}
  ${EndIf}
FunctionEnd

; Notes what is not there yet, before anything is written.
Function NoteWhatIsMissing
  Push $INSTDIR
  Call MissingFolders
  Pop $MadeFolders
  ${If} $EarlierFolder == $INSTDIR
  ${AndIf} $EarlierMadeFolders > $MadeFolders
    StrCpy $MadeFolders $EarlierMadeFolders
  ${EndIf}
  Push "${CLASSES}\.ZOL\OpenWithProgids"
  Call MissingKeys
  Pop $MadeKeysFileType
  Push "${CLASSES}\${PROGID}"
  Call MissingKeys
  Pop $MadeKeysProgId
  Push "${UNINSTALL_KEY}"
  Call MissingKeys
  Pop $MadeKeysEntry
  ReadRegStr $FileTypeBefore SHCTX "${CLASSES}\.ZOL" ""
  ${IfThen} $FileTypeBefore == "${PROGID}" ${|} StrCpy $FileTypeBefore "" ${|}
FunctionEnd

Section "$(ProgramName)" SecProgram
  SectionIn RO
  ReadRegStr $EarlierFolder SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  Push $INSTDIR
  Call CloseProgramsIn
  ${If} $EarlierFolder != ""
  ${AndIf} $EarlierFolder != $INSTDIR
    Push $EarlierFolder
    Call CloseProgramsIn
  ${EndIf}
  Call RemoveEarlier
  Call NoteWhatIsMissing

  ClearErrors
  !include "${LISTS}/install-files.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  ${If} ${Errors}
    Push "$(FilesNotWritten)"
    Call Fail
  ${EndIf}

  SetOutPath "$INSTDIR"
  CreateShortcut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\zolt.exe" "" "$INSTDIR\zolt.exe" 0
  !ifdef WEB_PAGE
    ; The page opens in the user's browser, as any .html file does.
    CreateShortcut "$SMPROGRAMS\${WEB_SHORTCUT}" "$INSTDIR\web\zolt-playground.html" "" "$INSTDIR\zolt.exe" 0
  !endif

  ; *.ZOL in either letter case (the registry ignores case) opens in the
  ; window, which assembles it at once.
  WriteRegStr SHCTX "${CLASSES}\.ZOL" "" "${PROGID}"
  WriteRegStr SHCTX "${CLASSES}\.ZOL\OpenWithProgids" "${PROGID}" ""
  WriteRegStr SHCTX "${CLASSES}\${PROGID}" "" "${FILE_TYPE}"
  WriteRegStr SHCTX "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\zolt.exe,0"
  WriteRegStr SHCTX "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\zolt.exe" "%1"'
  ${If} ${Errors}
    Push "$(InstallIncomplete)"
    Call Fail
  ${EndIf}
  ${NotifyShell_AssocChanged}
SectionEnd

Section /o "$(DesktopName)" SecDesktop
  SetOutPath "$INSTDIR"
  ClearErrors
  CreateShortcut "$DESKTOP\${SHORTCUT}" "$INSTDIR\zolt.exe" "" "$INSTDIR\zolt.exe" 0
  ${If} ${Errors}
    Push "$(InstallIncomplete)"
    Call Fail
  ${EndIf}
SectionEnd

Section "$(PathName)" SecPath
  Call AddToUserPath
SectionEnd

!include "install-choices.nsh"

; Last, so that the size counts every file.
Section "-Register"
  ; An entry the earlier installation left on the PATH is this one's now.
  ${If} $PathAdded == ""
    StrCpy $PathAdded $EarlierPathAdded
    StrCpy $PathValueMade $EarlierPathValueMade
  ${EndIf}
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  ClearErrors
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zolt.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  ; In place (_?=), so that whoever runs it waits for it and gets its exit status.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S _?=$INSTDIR'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  !insertmacro WRITE_CHOICES
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "MadeFolders" $MadeFolders
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "MadeKeysFileType" $MadeKeysFileType
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "MadeKeysProgId" $MadeKeysProgId
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "MadeKeysEntry" $MadeKeysEntry
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "FileTypeBefore" $FileTypeBefore
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "PathAdded" $PathAdded
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "PathValueMade" $PathValueMade
  ${If} ${Errors}
    Push "$(InstallIncomplete)"
    Call Fail
  ${EndIf}
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
FunctionEnd

Function .onInstSuccess
  Push "$(Installed)"
  Call Log
FunctionEnd

Function .onInstFailed
  ${If} $StopLogged != 1
    SetErrorLevel ${EXIT_STOPPED}
    Push "$(InstallIncomplete)"
    Call Log
  ${EndIf}
FunctionEnd

Function un.onInit
  Call un.FinishRemovalIfAsked
  ; The uninstaller removes the installation it belongs to.
  StrCpy $0 $INSTDIR
  !insertmacro MULTIUSER_UNINIT
  StrCpy $INSTDIR $0
FunctionEnd

Function un.onUninstSuccess
  Push "$(Uninstalled)"
  Call un.Log
FunctionEnd

Function un.onUninstFailed
  ${If} $StopLogged != 1
    SetErrorLevel ${EXIT_STOPPED}
    Push "$(UninstallIncomplete)"
    Call un.Log
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Push $INSTDIR
  Call un.CloseProgramsIn
  ClearErrors
  ReadRegDWORD $MadeFolders SHCTX "${UNINSTALL_KEY}" "MadeFolders"
  ${IfThen} ${Errors} ${|} StrCpy $MadeFolders 1 ${|}
  ReadRegStr $MadeKeysFileType SHCTX "${UNINSTALL_KEY}" "MadeKeysFileType"
  ReadRegStr $MadeKeysProgId SHCTX "${UNINSTALL_KEY}" "MadeKeysProgId"
  ReadRegStr $MadeKeysEntry SHCTX "${UNINSTALL_KEY}" "MadeKeysEntry"
  ReadRegStr $FileTypeBefore SHCTX "${UNINSTALL_KEY}" "FileTypeBefore"
  ReadRegStr $PathAdded SHCTX "${UNINSTALL_KEY}" "PathAdded"
  ReadRegDWORD $PathValueMade SHCTX "${UNINSTALL_KEY}" "PathValueMade"

  ; Files first: while one of them cannot go, the installation stays listed
  ; with its uninstaller, to be run again.
  ClearErrors
  !include "${LISTS}/uninstall-files.nsh"
  ${If} ${Errors}
    Push "$(FilesNotRemoved)"
    Call un.Fail
  ${EndIf}
  ; Folders go when empty: files of one's own stay.
  !include "${LISTS}/uninstall-folders.nsh"

  Call un.RemoveFromUserPath
  Delete "$DESKTOP\${SHORTCUT}"
  Delete "$SMPROGRAMS\${SHORTCUT}"
  Delete "$SMPROGRAMS\${WEB_SHORTCUT}"

  ; The file type goes; *.ZOL gets back the type it had, if any.
  DeleteRegKey SHCTX "${CLASSES}\${PROGID}"
  Push "${CLASSES}\${PROGID}"
  Push $MadeKeysProgId
  Call un.RemoveMadeKeys
  DeleteRegValue SHCTX "${CLASSES}\.ZOL\OpenWithProgids" "${PROGID}"
  ReadRegStr $0 SHCTX "${CLASSES}\.ZOL" ""
  ${If} $0 == "${PROGID}"
    ${If} $FileTypeBefore != ""
      WriteRegStr SHCTX "${CLASSES}\.ZOL" "" $FileTypeBefore
    ${Else}
      DeleteRegValue SHCTX "${CLASSES}\.ZOL" ""
    ${EndIf}
  ${EndIf}
  Push "${CLASSES}\.ZOL\OpenWithProgids"
  Push $MadeKeysFileType
  Call un.RemoveMadeKeys
  ${NotifyShell_AssocChanged}

  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  Push "${UNINSTALL_KEY}"
  Push $MadeKeysEntry
  Call un.RemoveMadeKeys
  Push $MadeFolders
  Call un.RemoveSelf
SectionEnd
