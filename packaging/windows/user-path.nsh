; The user's PATH (HKCU\Environment), with the program folder added or taken
; away. NSIS holds at most NSIS_MAX_STRLEN characters in a string: a PATH
; that long is left alone, never cut short.

!include LogicLib.nsh
!include WinMessages.nsh
!include WordFunc.nsh

!define USER_ENVIRONMENT "Environment"
; A PATH read or made this long may have been cut short.
!define /math USER_PATH_ROOM ${NSIS_MAX_STRLEN} - 1

; Defined once for the setup and once, with the prefix "un.", for the
; uninstaller. EditUserPath takes "+FOLDER" or "-FOLDER" from the stack.
!macro USER_PATH_FUNCTIONS PREFIX

; Pushes 1 when the user has a PATH value at all, else 0.
Function ${PREFIX}HasUserPath
  Push $R0
  Push $R1
  StrCpy $R0 0
  ${Do}
    EnumRegValue $R1 HKCU "${USER_ENVIRONMENT}" $R0
    ${If} $R1 == ""
      StrCpy $R0 0
      ${Break}
    ${EndIf}
    ${If} $R1 == "Path"
      StrCpy $R0 1
      ${Break}
    ${EndIf}
    IntOp $R0 $R0 + 1
  ${Loop}
  Pop $R1
  Exch $R0
FunctionEnd

Function ${PREFIX}EditUserPath
  Exch $R0
  Push $R1
  Push $R2
  ClearErrors
  ReadRegStr $R1 HKCU "${USER_ENVIRONMENT}" "Path"
  ${If} ${Errors}
    ; Missing, or longer than NSIS can read.
    Call ${PREFIX}HasUserPath
    Pop $R2
  ${Else}
    StrCpy $R2 0
  ${EndIf}
  ${If} $R2 = 1
    DetailPrint "$(PathTooLong)"
  ${Else}
    ${${PREFIX}WordAdd} "$R1" ";" "$R0" $R2
    StrLen $R1 $R2
    ${If} $R1 >= ${USER_PATH_ROOM}
      DetailPrint "$(PathTooLong)"
    ${ElseIf} $R2 == ""
      DeleteRegValue HKCU "${USER_ENVIRONMENT}" "Path"
    ${Else}
      WriteRegExpandStr HKCU "${USER_ENVIRONMENT}" "Path" "$R2"
    ${EndIf}
    ; Programs started from now on see the new PATH.
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:${USER_ENVIRONMENT}" /TIMEOUT=5000
  ${EndIf}
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd

!macroend
