; Quillow's setup and uninstaller. Per user: nothing needs an administrator, and everything
; lands in the user's own profile and registry hive.
;
; makensis works in this folder, so the paths below are relative to it.
;
;   makensis -DQUILLOW_TARGET=x86-unicode -DQUILLOW_BIN=<folder of Quillow.exe and Quillow.htm>
;            -DQUILLOW_SETUP=<setup file to write> Quillow.nsi
;
; The shipped setup is x86-unicode around the 32-bit program; amd64-unicode around the 64-bit
; build serves tests on machines whose Wine runs only 64-bit programs.
; Silent use: Quillow-setup.exe /S [/D=folder] and Uninstall.exe /S.

!ifndef QUILLOW_TARGET | QUILLOW_BIN | QUILLOW_SETUP
    !error "Define QUILLOW_TARGET, QUILLOW_BIN and QUILLOW_SETUP."
!endif

Unicode true
Target ${QUILLOW_TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestSupportedOS all

; Version, maker's address and copyright come from the program's own resources.
!searchparse /file "Quillow.rc" '#define QUILLOW_VERSION_TEXT "' QUILLOW_VERSION '"'
!searchparse /file "Quillow.rc" '#define QUILLOW_COPYRIGHT "' QUILLOW_COPYRIGHT '"'
!searchparse /file "Links.h" '#define QUILLOW_HOME_PAGE_URL "' QUILLOW_HOME_PAGE_URL '"'

!define QUILLOW_PUBLISHER "Marrowdale"
!define QUILLOW_UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillow"
!define QUILLOW_RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define QUILLOW_UNINSTALLER "Uninstall.exe"
!define QUILLOW_SHORTCUTS "$SMPROGRAMS\Quillow"

Name "Quillow"
OutFile "${QUILLOW_SETUP}"
InstallDir "$LOCALAPPDATA\Programs\Quillow"
InstallDirRegKey HKCU "${QUILLOW_UNINSTALL_KEY}" "InstallLocation"
BrandingText "${QUILLOW_PUBLISHER} Quillow ${QUILLOW_VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${QUILLOW_VERSION}.0.0"
VIFileVersion "${QUILLOW_VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Quillow"
VIAddVersionKey /LANG=1033 "CompanyName" "${QUILLOW_PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "Quillow Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${QUILLOW_VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${QUILLOW_VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${QUILLOW_COPYRIGHT}"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "nsDialogs.nsh"
!include "FileFunc.nsh"
!include "QuillowRunning.nsh"
!include "QuillowSettings.nsh"
!include "QuillowPages.nsh"

!define MUI_ICON "Quillow.ico"
!define MUI_UNICON "Quillow.ico"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_DIRECTORY
Page custom PadFolderPageCreate PadFolderPageLeave
Page custom StartAtLogonPageCreate StartAtLogonPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quillow.exe"
!define MUI_FINISHPAGE_RUN_PARAMETERS "/tray"
!define MUI_FINISHPAGE_RUN_TEXT "&Start Quillow now"
!insertmacro MUI_PAGE_FINISH

UninstPage custom un.RemovePageCreate un.RemovePageLeave
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Function .onInit
    Call WaitUntilQuillowEnds
    ; A first install starts at logon; an upgrade keeps what the user had.
    StrCpy $StartAtLogon 1
    ReadRegStr $0 HKCU "${QUILLOW_UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
        ReadRegStr $0 HKCU "${QUILLOW_RUN_KEY}" "Quillow"
        ${If} $0 == ""
            StrCpy $StartAtLogon 0
        ${EndIf}
    ${EndIf}
FunctionEnd

Section "Quillow" SectionProgram
    ; Quillow may have been started since the first pages.
    Call WaitUntilQuillowEnds

    SetOutPath $INSTDIR
    File "${QUILLOW_BIN}/Quillow.exe"
    File "${QUILLOW_BIN}/Quillow.htm"

    ${If} $PadFolder == ""
        Call DefaultPadFolder
        StrCpy $PadFolder $0
    ${EndIf}
    StrCpy $0 $PadFolder
    Call WriteSettings

    CreateDirectory "${QUILLOW_SHORTCUTS}"
    CreateShortcut "${QUILLOW_SHORTCUTS}\Quillow.lnk" "$INSTDIR\Quillow.exe" "/tray" "$INSTDIR\Quillow.exe" 0
    CreateShortcut "${QUILLOW_SHORTCUTS}\Quillow Help.lnk" "$INSTDIR\Quillow.htm"

    ${If} $StartAtLogon = 1
        WriteRegStr HKCU "${QUILLOW_RUN_KEY}" "Quillow" '"$INSTDIR\Quillow.exe" /tray'
    ${Else}
        DeleteRegValue HKCU "${QUILLOW_RUN_KEY}" "Quillow"
    ${EndIf}

    WriteUninstaller "$INSTDIR\${QUILLOW_UNINSTALLER}"
    WriteRegStr HKCU "${QUILLOW_UNINSTALL_KEY}" "DisplayName" "Quillow"
    WriteRegStr HKCU "${QUILLOW_UNINSTALL_KEY}" "DisplayVersion" "${QUILLOW_VERSION}"
    WriteRegStr HKCU "${QUILLOW_UNINSTALL_KEY}" "Publisher" "${QUILLOW_PUBLISHER}"
    WriteRegStr HKCU "${QUILLOW_UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quillow.exe,0"
    WriteRegStr HKCU "${QUILLOW_UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${QUILLOW_UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${QUILLOW_UNINSTALLER}"'
    WriteRegStr HKCU "${QUILLOW_UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${QUILLOW_UNINSTALLER}" /S'
    WriteRegStr HKCU "${QUILLOW_UNINSTALL_KEY}" "URLInfoAbout" "${QUILLOW_HOME_PAGE_URL}"
    SectionGetSize ${SectionProgram} $0
    WriteRegDWORD HKCU "${QUILLOW_UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${QUILLOW_UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${QUILLOW_UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Function un.onInit
    Call un.WaitUntilQuillowEnds
    StrCpy $RemoveSettings 0
FunctionEnd

; Only what setup put there goes. Pads are never touched, wherever they are, and the folder
; itself goes only when nothing else is left in it.
Section "Uninstall"
    Call un.WaitUntilQuillowEnds

    Delete "$INSTDIR\Quillow.exe"
    Delete "$INSTDIR\Quillow.htm"
    ${If} $RemoveSettings = ${BST_CHECKED}
        Delete "$INSTDIR\${QUILLOW_SETTINGS_FILE}"
    ${EndIf}
    Delete "$INSTDIR\${QUILLOW_UNINSTALLER}"
    RMDir $INSTDIR

    Delete "${QUILLOW_SHORTCUTS}\Quillow.lnk"
    Delete "${QUILLOW_SHORTCUTS}\Quillow Help.lnk"
    RMDir "${QUILLOW_SHORTCUTS}"

    DeleteRegValue HKCU "${QUILLOW_RUN_KEY}" "Quillow"
    DeleteRegKey HKCU "${QUILLOW_UNINSTALL_KEY}"
SectionEnd
