; Windows keeps the file of a running program locked: replaced or removed
; while it runs, the old program would stay behind. Before the setup or the
; uninstaller changes a folder, none of its programs (the list that
; make-setup.sh writes, ${LISTS}/programs.nsh) may be running: the user is
; asked to close it and retry, and a silent run stops with exit status 2.

!include LogicLib.nsh

; One program of the list: $R1 becomes its path in the folder $R0 when it
; is there and cannot be opened for writing, as while it runs.
!macro PROGRAM_IN_USE NAME
  ${If} $R1 == ""
  ${AndIf} ${FileExists} "$R0\${NAME}"
    ClearErrors
    FileOpen $R2 "$R0\${NAME}" a
    ${If} ${Errors}
      StrCpy $R1 "$R0\${NAME}"
    ${Else}
      FileClose $R2
    ${EndIf}
  ${EndIf}
!macroend

; Defined once for the setup and once, with the prefix "un.", for the
; uninstaller.
!macro PROGRAMS_IN_USE_FUNCTIONS PREFIX

; Pushes the first program in the folder on the stack that is in use, or "".
Function ${PREFIX}ProgramInUse
  Exch $R0
  Push $R1
  Push $R2
  StrCpy $R1 ""
  !include "${LISTS}/programs.nsh"
  Pop $R2
  Exch $R1
  Exch
  Pop $R0
FunctionEnd

; Returns once no program in the folder on the stack is in use.
Function ${PREFIX}CloseProgramsIn
  Exch $R0
  Push $R9
  ${Do}
    Push $R0
    Call ${PREFIX}ProgramInUse
    Pop $R9
    ${IfThen} $R9 == "" ${|} ${Break} ${|}
    ${IfNot} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramInUseAsk)" /SD IDCANCEL IDRETRY`
      Push "$(ProgramInUse)"
      Call ${PREFIX}Stop
    ${EndIf}
  ${Loop}
  Pop $R9
  Pop $R0
FunctionEnd

!macroend
