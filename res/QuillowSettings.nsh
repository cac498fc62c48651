; The settings file QUILLOW.INI beside Quillow.exe, which the program prefers to the one in the
; Windows folder. The installer writes only what is missing: an upgrade keeps every value.

!define QUILLOW_SETTINGS_FILE "QUILLOW.INI"
!define QUILLOW_GLOBAL_SECTION "Quillow Contents"
!define QUILLOW_CP_ACP 0
!define QUILLOW_WC_NO_BEST_FIT_CHARS 0x400

; Leaves in $0 the settings file an earlier Quillow kept in the Windows folder, or "" when
; there is none. Under UAC its writes went to the user's virtual copy of that folder, which
; is therefore the newer one.
Function FindOldSettings
    StrCpy $0 "$LOCALAPPDATA\VirtualStore\Windows\${QUILLOW_SETTINGS_FILE}"
    ${IfNot} ${FileExists} $0
        StrCpy $0 "$WINDIR\${QUILLOW_SETTINGS_FILE}"
        ${IfNot} ${FileExists} $0
            StrCpy $0 ""
        ${EndIf}
    ${EndIf}
FunctionEnd

; Leaves in $0 the "HomeFolder" that the settings file $0 holds, "" when none.
!macro QUILLOW_READ_HOME_FOLDER_FUNCTION PREFIX
Function ${PREFIX}ReadHomeFolder
    ${If} $0 != ""
        ReadINIStr $0 $0 "${QUILLOW_GLOBAL_SECTION}" "HomeFolder"
    ${EndIf}
FunctionEnd
!macroend
!insertmacro QUILLOW_READ_HOME_FOLDER_FUNCTION ""
!insertmacro QUILLOW_READ_HOME_FOLDER_FUNCTION "un."

; Leaves in $0 the pad folder to offer: the earlier settings' "HomeFolder", else
; Documents\Quillow.
Function DefaultPadFolder
    Call FindOldSettings
    Call ReadHomeFolder
    ${If} $0 == ""
        StrCpy $0 "$DOCUMENTS\Quillow"
    ${EndIf}
FunctionEnd

; Whether the installed settings file already names the pad folder: 1 or 0 in $0. Such a value
; stays as it is.
Function HasInstalledPadFolder
    StrCpy $0 "$INSTDIR\${QUILLOW_SETTINGS_FILE}"
    Call ReadHomeFolder
    ${If} $0 != ""
        StrCpy $0 1
    ${Else}
        StrCpy $0 0
    ${EndIf}
FunctionEnd

; The program reads its settings through the ANSI code page. A folder that the code page
; cannot hold (a user name in another script, say) is written in its short form, which it can.
; $0: an existing folder, replaced by the form to store.
Function AnsiSafeFolder
    Push $1
    StrCpy $1 0
    System::Call 'kernel32::WideCharToMultiByte(i ${QUILLOW_CP_ACP}, i ${QUILLOW_WC_NO_BEST_FIT_CHARS}, w r0, i -1, p 0, i 0, p 0, *i 0 r1)'
    ${If} $1 <> 0
        Push $0
        GetFullPathName /SHORT $0 $0
        ${If} $0 == ""
            Pop $0
        ${Else}
            Pop $1
        ${EndIf}
    ${EndIf}
    Pop $1
FunctionEnd

; Makes $INSTDIR\QUILLOW.INI name the pad folder $0, unless it names one already. A new file
; starts as a copy of the earlier settings, without their "ProgramFolder" (the program's own
; folder is the default), so the pads keep their places and colours.
Function WriteSettings
    Push $0
    Call HasInstalledPadFolder
    ${If} $0 = 1
        Pop $0
        Return
    ${EndIf}
    ${IfNot} ${FileExists} "$INSTDIR\${QUILLOW_SETTINGS_FILE}"
        Call FindOldSettings
        ${If} $0 != ""
            CopyFiles /SILENT /FILESONLY $0 "$INSTDIR\${QUILLOW_SETTINGS_FILE}"
            DeleteINIStr "$INSTDIR\${QUILLOW_SETTINGS_FILE}" "${QUILLOW_GLOBAL_SECTION}" "ProgramFolder"
        ${EndIf}
    ${EndIf}
    Pop $0
    CreateDirectory $0
    Call AnsiSafeFolder
    WriteINIStr "$INSTDIR\${QUILLOW_SETTINGS_FILE}" "${QUILLOW_GLOBAL_SECTION}" "HomeFolder" $0
FunctionEnd
