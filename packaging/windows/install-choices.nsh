; The choices of an installation, the desktop shortcut and the PATH entry,
; are kept with it, and a later setup, silent or not, makes the same ones
; unless its command line says otherwise: /DESKTOP or /NODESKTOP, /PATH or
; /NOPATH. An installation by a setup that kept no choices keeps what it
; has. Included after the sections SecDesktop and SecPath.

!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!define CHOICE_DESKTOP "DesktopShortcut"
!define CHOICE_PATH "AddToPath"

; $R1 becomes 1 when the command line ($R3) has ON, 0 when it has OFF.
!macro CHOICE_ON_COMMAND_LINE ON OFF
  ClearErrors
  ${GetOptions} $R3 "${ON}" $R2
  ${IfNotThen} ${Errors} ${|} StrCpy $R1 1 ${|}
  ClearErrors
  ${GetOptions} $R3 "${OFF}" $R2
  ${IfNotThen} ${Errors} ${|} StrCpy $R1 0 ${|}
!macroend

!macro SELECT_SECTION_IF SECTION
  ${If} $R1 = 1
    !insertmacro SelectSection ${SECTION}
  ${Else}
    !insertmacro UnselectSection ${SECTION}
  ${EndIf}
!macroend

; Selects the sections of the choices for the installation mode just set
; (MultiUser calls it whenever it sets one).
Function ChoicesOfMode
  Push $R0
  Push $R1
  Push $R2
  Push $R3
  ReadRegStr $R0 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${GetParameters} $R3

  ClearErrors
  ReadRegDWORD $R1 SHCTX "${UNINSTALL_KEY}" "${CHOICE_DESKTOP}"
  ${If} ${Errors}
    StrCpy $R1 0
    ${If} $R0 != ""
    ${AndIf} ${FileExists} "$DESKTOP\${SHORTCUT}"
      StrCpy $R1 1
    ${EndIf}
  ${EndIf}
  !insertmacro CHOICE_ON_COMMAND_LINE "/DESKTOP" "/NODESKTOP"
  !insertmacro SELECT_SECTION_IF ${SecDesktop}

  ClearErrors
  ReadRegDWORD $R1 SHCTX "${UNINSTALL_KEY}" "${CHOICE_PATH}"
  ${If} ${Errors}
    StrCpy $R1 1
    ${If} $R0 != ""
      Push $R0
      Call IsOnUserPath
      Pop $R1
    ${EndIf}
  ${EndIf}
  !insertmacro CHOICE_ON_COMMAND_LINE "/PATH" "/NOPATH"
  !insertmacro SELECT_SECTION_IF ${SecPath}
  Pop $R3
  Pop $R2
  Pop $R1
  Pop $R0
FunctionEnd

; Keeps the choices made with the installation.
!macro WRITE_CHOICES
  ${If} ${SectionIsSelected} ${SecDesktop}
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "${CHOICE_DESKTOP}" 1
  ${Else}
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "${CHOICE_DESKTOP}" 0
  ${EndIf}
  ${If} ${SectionIsSelected} ${SecPath}
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "${CHOICE_PATH}" 1
  ${Else}
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "${CHOICE_PATH}" 0
  ${EndIf}
!macroend
