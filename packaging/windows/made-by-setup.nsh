; What an installation makes beside its own files and keys: the folders
; above the program folder that were not there (such as
; %LOCALAPPDATA%\Programs) and the registry keys above its own that were
; not there (such as a user's first list of installed programs). The setup
; notes them before it writes anything, and the uninstaller removes them
; again while they are empty, and nothing that was there before.

!include FileFunc.nsh
!include LogicLib.nsh

; Pushes how many folders, from the one on the stack upwards, do not exist.
Function MissingFolders
  Exch $R0
  Push $R1
  StrCpy $R1 0
  ${DoUntil} $R0 == ""
    ${IfThen} ${FileExists} "$R0\*.*" ${|} ${Break} ${|}
    IntOp $R1 $R1 + 1
    ${GetParent} $R0 $R0
  ${Loop}
  StrCpy $R0 $R1
  Pop $R1
  Exch $R0
FunctionEnd

; Pushes the highest key in SHCTX, from the one on the stack upwards, that
; does not exist, or "" when that key exists.
Function MissingKeys
  Exch $R0
  Push $R1
  Push $R2
  StrCpy $R1 ""
  ${DoUntil} $R0 == ""
    ClearErrors
    EnumRegKey $R2 SHCTX $R0 0
    ${IfNotThen} ${Errors} ${|} ${Break} ${|}
    StrCpy $R1 $R0
    ${GetParent} $R0 $R0
  ${Loop}
  Pop $R2
  Exch $R1
  Exch
  Pop $R0
FunctionEnd

; Removes the folder pushed first and as many folders as pushed last,
; counting it, upwards, as long as each one is empty.
Function un.RemoveMadeFolders
  Exch $R1
  Exch
  Exch $R0
  ${DoWhile} $R1 > 0
    ${If} ${FileExists} "$R0\*.*"
      ClearErrors
      RMDir $R0
      ${IfThen} ${Errors} ${|} ${Break} ${|}
    ${EndIf}
    IntOp $R1 $R1 - 1
    ${un.GetParent} $R0 $R0
  ${Loop}
  Pop $R0
  Pop $R1
FunctionEnd

; Removes the key in SHCTX pushed first and the keys above it up to the one
; pushed last, as long as each one is empty; nothing when the last is "" or
; not above the first.
Function un.RemoveMadeKeys
  Exch $R1
  Exch
  Exch $R0
  Push $R2
  StrLen $R2 $R1
  StrCpy $R2 $R0 $R2
  ${If} $R1 != ""
  ${AndIf} $R2 == $R1
    ${Do}
      ClearErrors
      EnumRegKey $R2 SHCTX $R0 0
      ${IfNot} ${Errors}
        DeleteRegKey /ifempty /ifnovalues SHCTX $R0
        ${IfThen} ${Errors} ${|} ${Break} ${|}
      ${EndIf}
      ${IfThen} $R0 == $R1 ${|} ${Break} ${|}
      ${un.GetParent} $R0 $R0
    ${Loop}
  ${EndIf}
  Pop $R2
  Pop $R0
  Pop $R1
FunctionEnd
