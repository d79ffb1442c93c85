; The user's PATH (HKCU\Environment): the setup adds the program folder at
; its end and the uninstaller takes away exactly what it added. NSIS holds
; at most NSIS_MAX_STRLEN characters in a string, so a PATH that long, or
; one that would grow that long, is left as it was and reported (exit
; status 3), never cut short; so is a PATH that is not text or cannot be
; written.

!include LogicLib.nsh
!include WinMessages.nsh
!include WordFunc.nsh

!define USER_ENVIRONMENT "Environment"
; A PATH read or made this long may have been cut short.
!define /math USER_PATH_ROOM ${NSIS_MAX_STRLEN} - 1
; For the PATH's type: HKEY_CURRENT_USER as Windows passes it (sign-extended),
; any type, unexpanded; and the types of plain text and of text with
; %VARIABLES%.
!define HKCU_HANDLE -2147483647
!define RRF_ANY_UNEXPANDED 0x1000ffff
!define REG_SZ_TYPE 1
!define REG_EXPAND_SZ_TYPE 2

; What the setup added to the end of the user's PATH ("" for nothing), and
; 1 when there was no PATH before, kept with the installation for its
; uninstaller.
Var PathAdded
Var PathValueMade

; Defined once for the setup and once, with the prefix "un.", for the
; uninstaller.
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

; Reads the user's PATH into $R1. $R2 is 0 when it was read whole, 1 when
; there is none ($R1 empty), 2 when it is text too long to be read whole, 3
; when it is not text. Uses $R3.
Function ${PREFIX}ReadUserPath
  ClearErrors
  ReadRegStr $R1 HKCU "${USER_ENVIRONMENT}" "Path"
  ${If} ${Errors}
    Call ${PREFIX}HasUserPath
    Pop $R2
    IntOp $R2 $R2 + 1
    ${If} $R2 = 2
      System::Call "advapi32::RegGetValueW(p ${HKCU_HANDLE}, w '${USER_ENVIRONMENT}', w 'Path', i ${RRF_ANY_UNEXPANDED}, *i .R3, p 0, p 0) i"
      ${If} $R3 <> ${REG_SZ_TYPE}
      ${AndIf} $R3 <> ${REG_EXPAND_SZ_TYPE}
        StrCpy $R2 3
      ${EndIf}
    ${EndIf}
  ${Else}
    StrCpy $R2 0
    StrLen $R3 $R1
    ${IfThen} $R3 >= ${USER_PATH_ROOM} ${|} StrCpy $R2 2 ${|}
  ${EndIf}
FunctionEnd

; Writes $R3 as the user's PATH, or removes the value when $R3 is empty and
; $R4 is 1, and tells the programs started from now on. A PATH of plain
; text stays plain text; any other may hold %VARIABLES%. $R0 becomes the
; reason when the PATH is not as meant afterwards. Uses $R1.
Function ${PREFIX}WriteUserPath
  ${If} $R3 == ""
  ${AndIf} $R4 = 1
    DeleteRegValue HKCU "${USER_ENVIRONMENT}" "Path"
    Call ${PREFIX}HasUserPath
    Pop $R1
    ${IfThen} $R1 = 1 ${|} StrCpy $R0 "$(PathNotWritten)" ${|}
  ${Else}
    System::Call "advapi32::RegGetValueW(p ${HKCU_HANDLE}, w '${USER_ENVIRONMENT}', w 'Path', i ${RRF_ANY_UNEXPANDED}, *i .R1, p 0, p 0) i"
    ${If} $R1 = ${REG_SZ_TYPE}
      WriteRegStr HKCU "${USER_ENVIRONMENT}" "Path" "$R3"
    ${Else}
      WriteRegExpandStr HKCU "${USER_ENVIRONMENT}" "Path" "$R3"
    ${EndIf}
    ClearErrors
    ReadRegStr $R1 HKCU "${USER_ENVIRONMENT}" "Path"
    ${If} ${Errors}
    ${OrIf} $R1 S!= $R3
      StrCpy $R0 "$(PathNotWritten)"
    ${EndIf}
  ${EndIf}
  ${If} $R0 == ""
    SendMessage ${HWND_BROADCAST} ${WM_SETTINGCHANGE} 0 "STR:${USER_ENVIRONMENT}" /TIMEOUT=5000
  ${EndIf}
FunctionEnd

!macroend

; Adds $INSTDIR to the end of the user's PATH unless it is there already,
; noting what it added in $PathAdded and $PathValueMade.
Function AddToUserPath
  Push $R0
  Push $R1
  Push $R2
  Push $R3
  Push $R4
  StrCpy $PathAdded ""
  StrCpy $PathValueMade 0
  StrCpy $R0 ""
  Call ReadUserPath
  ${If} $R2 = 2
    StrCpy $R0 "$(PathTooLong)"
  ${ElseIf} $R2 = 3
    StrCpy $R0 "$(PathNotText)"
  ${Else}
    ${WordAdd} "$R1" ";" "+$INSTDIR" $R3
    StrLen $R4 $R3
    ${If} $R3 S== $R1
      ; On the PATH already: nothing to add, nothing to take away later.
    ${ElseIf} $R4 >= ${USER_PATH_ROOM}
      StrCpy $R0 "$(PathTooLong)"
    ${Else}
      StrLen $R4 $R1
      StrCpy $PathAdded $R3 "" $R4
      StrCpy $PathValueMade $R2
      StrCpy $R4 0
      Call WriteUserPath
      ${If} $R0 != ""
        StrCpy $PathAdded ""
        StrCpy $PathValueMade 0
      ${EndIf}
    ${EndIf}
  ${EndIf}
  ${If} $R0 != ""
    SetErrorLevel ${EXIT_PATH_UNCHANGED}
    Push "$(PathNotAdded)"
    Call Warn
  ${EndIf}
  Pop $R4
  Pop $R3
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd

; Pushes 1 when the folder on the stack is on the user's PATH, or when the
; PATH cannot be read whole; else 0.
Function IsOnUserPath
  Exch $R0
  Push $R1
  Push $R2
  Push $R3
  Call ReadUserPath
  ${If} $R2 >= 2
    StrCpy $R0 1
  ${Else}
    ${WordAdd} "$R1" ";" "+$R0" $R3
    ${If} $R3 S== $R1
      StrCpy $R0 1
    ${Else}
      StrCpy $R0 0
    ${EndIf}
  ${EndIf}
  Pop $R3
  Pop $R2
  Pop $R1
  Exch $R0
FunctionEnd

; Takes away what the setup added ($PathAdded, $PathValueMade): exactly
; that text while it still ends the PATH, else the entry for $INSTDIR.
Function un.RemoveFromUserPath
  Push $R0
  Push $R1
  Push $R2
  Push $R3
  Push $R4
  StrCpy $R0 ""
  ${If} $PathAdded != ""
    Call un.ReadUserPath
    ${If} $R2 = 2
      StrCpy $R0 "$(PathTooLong)"
    ${ElseIf} $R2 = 3
      StrCpy $R0 "$(PathNotText)"
    ${ElseIf} $R2 = 0
      StrLen $R4 $PathAdded
      StrCpy $R3 $R1 "" -$R4
      ${If} $R3 S== $PathAdded
        StrLen $R3 $R1
        IntOp $R4 $R3 - $R4
        StrCpy $R3 $R1 $R4
      ${Else}
        ${un.WordAdd} "$R1" ";" "-$INSTDIR" $R3
      ${EndIf}
      ${If} $R3 S!= $R1
        StrCpy $R4 $PathValueMade
        Call un.WriteUserPath
      ${EndIf}
    ${EndIf}
  ${EndIf}
  ${If} $R0 != ""
    SetErrorLevel ${EXIT_PATH_UNCHANGED}
    Push "$(PathNotRemoved)"
    Call un.Warn
  ${EndIf}
  Pop $R4
  Pop $R3
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd
