; How the setup and the uninstaller report what they did, silent runs above
; all: every problem and every outcome is one line, with the date and time,
; in %TEMP%\zolt-setup.log and in the details on the page, and the exit
; status tells the outcome: 0 done, 1 cancelled by the user, 2 stopped
; (nothing or not everything done; the log says why), 3 done except the
; PATH, which is left as it was.

!include FileFunc.nsh
!include LogicLib.nsh

!define SETUP_LOG "$TEMP\zolt-setup.log"
!define EXIT_STOPPED 2
!define EXIT_PATH_UNCHANGED 3

; 1 once this run has logged why it stopped.
Var StopLogged

; Defined once for the setup and once, with the prefix "un.", for the
; uninstaller; WHO names which of them wrote a line.
!macro SETUP_LOG_FUNCTIONS PREFIX WHO

; Logs the text on the stack.
Function ${PREFIX}Log
  Exch $R0
  Push $R1
  Push $R2
  Push $R3
  Push $R4
  Push $R5
  Push $R6
  Push $R7
  Push $R8
  DetailPrint "$R0"
  ${${PREFIX}GetTime} "" "L" $R1 $R2 $R3 $R4 $R5 $R6 $R7
  ClearErrors
  FileOpen $R8 "${SETUP_LOG}" a
  ${IfNot} ${Errors}
    FileSeek $R8 0 END
    ; UTF-16 with a byte-order mark: Notepad shows the Chinese texts on any Windows.
    FileWriteUTF16LE /BOM $R8 "$R3-$R2-$R1 $R5:$R6:$R7 ${WHO} ${VERSION}: $R0$\r$\n"
    FileClose $R8
  ${EndIf}
  Pop $R8
  Pop $R7
  Pop $R6
  Pop $R5
  Pop $R4
  Pop $R3
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd

; Logs the text on the stack and shows it; the run goes on.
Function ${PREFIX}Warn
  Exch $R0
  Push $R0
  Call ${PREFIX}Log
  MessageBox MB_OK|MB_ICONEXCLAMATION "$R0" /SD IDOK
  Pop $R0
FunctionEnd

; Logs the text on the stack and stops the run with exit status 2.
Function ${PREFIX}Stop
  Call ${PREFIX}Log
  StrCpy $StopLogged 1
  SetErrorLevel ${EXIT_STOPPED}
  Abort
FunctionEnd

; Shows the text on the stack, then stops as Stop does.
Function ${PREFIX}Fail
  Exch $R0
  MessageBox MB_OK|MB_ICONSTOP "$R0" /SD IDOK
  Exch $R0
  Call ${PREFIX}Stop
FunctionEnd

!macroend
