; The uninstaller's own file. Started as "uninstall.exe ... _?=FOLDER" it
; runs in place, so that whoever started it waits for its end and gets its
; exit status; but a running program's file cannot be removed. A copy of it
; in the temporary folder then waits for it to end and removes its file and
; the folders the installation made. (Started without _?=, NSIS runs it
; from such a copy at once, and it removes everything itself.)

!include FileFunc.nsh
!include LogicLib.nsh

; Windows' right to wait for a process, and how long the copy waits.
!define SYNCHRONIZE 0x00100000
!define FINISH_WAIT_MS 60000

; Removes uninstall.exe and the folders the installation made, their number
; on the stack, or leaves that to a copy when it runs from there.
Function un.RemoveSelf
  Exch $R0
  Push $R1
  Push $R2
  ClearErrors
  Delete "$INSTDIR\uninstall.exe"
  ${IfNot} ${Errors}
    Push $INSTDIR
    Push $R0
    Call un.RemoveMadeFolders
  ${Else}
    GetTempFileName $R1
    Delete $R1
    CreateDirectory $R1
    CopyFiles /SILENT "$EXEPATH" "$R1\uninstall.exe"
    ${If} ${FileExists} "$R1\uninstall.exe"
      System::Call "kernel32::GetCurrentProcessId() i .R2"
      ClearErrors
      Exec '"$R1\uninstall.exe" /FINISH=$R2 /FOLDERS=$R0 _?=$INSTDIR'
      ${IfNot} ${Errors}
        StrCpy $R1 ""
      ${EndIf}
    ${EndIf}
    ${If} $R1 != ""
      SetErrorLevel ${EXIT_STOPPED}
      Push "$(SelfNotRemoved)"
      Call un.Log
    ${EndIf}
  ${EndIf}
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd

; The copy's whole run, when its command line has /FINISH=PROCESS_ID and
; /FOLDERS=COUNT: waits for that uninstaller to end, removes its file and
; the folders, then ends.
Function un.FinishRemovalIfAsked
  ${un.GetParameters} $R0
  ClearErrors
  ${un.GetOptions} $R0 "/FINISH=" $R1
  ${If} ${Errors}
    Return
  ${EndIf}
  ${un.GetOptions} $R0 "/FOLDERS=" $R2
  System::Call "kernel32::OpenProcess(i ${SYNCHRONIZE}, i 0, i R1) p .R3"
  ${If} $R3 P<> 0
    System::Call "kernel32::WaitForSingleObject(p R3, i ${FINISH_WAIT_MS}) i"
    System::Call "kernel32::CloseHandle(p R3) i"
  ${EndIf}
  ClearErrors
  Delete "$INSTDIR\uninstall.exe"
  ${If} ${Errors}
    Push "$(SelfNotRemoved)"
    Call un.Log
  ${Else}
    Push $INSTDIR
    Push $R2
    Call un.RemoveMadeFolders
  ${EndIf}
  ; The copy itself goes with the next restart, as NSIS's own copies do.
  Delete /REBOOTOK "$EXEPATH"
  RMDir /REBOOTOK "$EXEDIR"
  Quit
FunctionEnd
