; The setup's own pages (the pad folder, starting at logon) and the uninstaller's first page
; (what goes, what stays, and whether the settings go too).

Var PadFolder
Var StartAtLogon
Var RemoveSettings
Var PadFolderEdit
Var StartAtLogonBox
Var RemoveSettingsBox

; The pad folder. An upgrade whose settings name one already skips the page: that value stays.
Function PadFolderPageCreate
    Call HasInstalledPadFolder
    ${If} $0 = 1
        Abort
    ${EndIf}
    ${If} $PadFolder == ""
        Call DefaultPadFolder
        StrCpy $PadFolder $0
    ${EndIf}
    !insertmacro MUI_HEADER_TEXT "Choose Pad Folder" "Choose the folder in which Quillow keeps your pads."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 36u "Quillow keeps each pad as a .ql file in this folder. To keep them in a different folder, click Browse and select another folder. Click Next to continue."
    Pop $0
    ${NSD_CreateGroupBox} 0 62u 100% 34u "Pad Folder"
    Pop $0
    ${NSD_CreateDirRequest} 10u 75u 210u 12u $PadFolder
    Pop $PadFolderEdit
    ${NSD_CreateBrowseButton} 228u 74u 60u 14u "B&rowse..."
    Pop $0
    ${NSD_OnClick} $0 PadFolderBrowse
    nsDialogs::Show
FunctionEnd

Function PadFolderBrowse
    ${NSD_GetText} $PadFolderEdit $0
    nsDialogs::SelectFolderDialog "Select the folder for your pads:" $0
    Pop $0
    ${If} $0 != "error"
        ${NSD_SetText} $PadFolderEdit $0
    ${EndIf}
FunctionEnd

; Only a full path will do: a drive and a backslash, or a network share.
Function PadFolderPageLeave
    ${NSD_GetText} $PadFolderEdit $0
    StrCpy $1 $0 2 1
    StrCpy $2 $0 2
    ${If} $1 != ":\"
    ${AndIf} $2 != "\\"
        MessageBox MB_OK|MB_ICONEXCLAMATION "Please enter the full path of a folder, such as $DOCUMENTS\Quillow."
        Abort
    ${EndIf}
    StrCpy $PadFolder $0
FunctionEnd

Function StartAtLogonPageCreate
    !insertmacro MUI_HEADER_TEXT "Start at Logon" "Choose whether Quillow starts when you log on to Windows."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 36u "When Quillow starts, its icon appears in the notification area of the taskbar, and the pads marked Auto Startup open."
    Pop $0
    ${NSD_CreateCheckbox} 0 46u 100% 12u "&Start Quillow when I log on"
    Pop $StartAtLogonBox
    ${If} $StartAtLogon = 1
        ${NSD_Check} $StartAtLogonBox
    ${EndIf}
    nsDialogs::Show
FunctionEnd

Function StartAtLogonPageLeave
    ${NSD_GetState} $StartAtLogonBox $StartAtLogon
    ${If} $StartAtLogon = ${BST_CHECKED}
        StrCpy $StartAtLogon 1
    ${Else}
        StrCpy $StartAtLogon 0
    ${EndIf}
FunctionEnd

; The uninstaller's first page: the program goes; the pads stay wherever they are; the settings
; stay unless the user asks otherwise.
Function un.RemovePageCreate
    !insertmacro MUI_HEADER_TEXT "Uninstall Quillow" "Remove Quillow from your computer."
    StrCpy $0 "$INSTDIR\${QUILLOW_SETTINGS_FILE}"
    Call un.ReadHomeFolder
    ${If} $0 == ""
        StrCpy $0 "the folder you chose for them"
    ${EndIf}
    nsDialogs::Create 1018
    Pop $1
    ${NSD_CreateLabel} 0 0 100% 24u "Quillow will be uninstalled from the following folder. Click Uninstall to start the uninstallation."
    Pop $1
    ${NSD_CreateText} 0 26u 100% 12u $INSTDIR
    Pop $1
    SendMessage $1 ${EM_SETREADONLY} 1 0
    ${NSD_CreateLabel} 0 48u 100% 24u "Your pads are not removed. They stay in $0."
    Pop $1
    ${NSD_CreateCheckbox} 0 78u 100% 12u "&Also remove my Quillow settings"
    Pop $RemoveSettingsBox
    ${NSD_CreateLabel} 12u 92u 95% 24u "The settings keep where each pad stands, its size and its colour."
    Pop $1
    GetDlgItem $1 $HWNDPARENT 1
    SendMessage $1 ${WM_SETTEXT} 0 "STR:$(^UninstallBtn)"
    nsDialogs::Show
FunctionEnd

Function un.RemovePageLeave
    ${NSD_GetState} $RemoveSettingsBox $RemoveSettings
FunctionEnd
