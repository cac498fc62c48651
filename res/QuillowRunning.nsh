; Refusing to install or uninstall while Quillow runs. Every Quillow process holds a named
; mutex for its whole life, so its presence is certain; trying to replace Quillow.exe is not
; (a running program can be deleted on some systems).

!searchparse /file "../app/RunningInstances.h" '#define QUILLOW_RUNNING_MUTEX "' QUILLOW_RUNNING_MUTEX '"'
!define QUILLOW_SYNCHRONIZE 0x00100000
!define QUILLOW_RUNNING_TEXT "Quillow is running.$\r$\n$\r$\nClose your pads, and choose $\"Exit Quillow...$\" on the menu of the Quillow icon in the notification area. Then click Retry."

; Leaves $0 at 1 while any Quillow process runs, else 0.
!macro QUILLOW_IS_RUNNING_FUNCTION PREFIX
Function ${PREFIX}IsQuillowRunning
    System::Call 'kernel32::OpenMutexW(i ${QUILLOW_SYNCHRONIZE}, i 0, w "${QUILLOW_RUNNING_MUTEX}") p .r0'
    ${If} $0 P<> 0
        System::Call 'kernel32::CloseHandle(p r0)'
        StrCpy $0 1
    ${Else}
        StrCpy $0 0
    ${EndIf}
FunctionEnd

; Asks the user to end Quillow until it is gone (Retry) or the user gives up (Cancel). Giving
; up, and any running Quillow in silent mode, ends setup at once with exit code 2, before it
; has changed anything.
Function ${PREFIX}WaitUntilQuillowEnds
    ${Do}
        Call ${PREFIX}IsQuillowRunning
        ${If} $0 = 0
            Return
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${QUILLOW_RUNNING_TEXT}" /SD IDCANCEL IDRETRY retry
        SetErrorLevel 2
        Quit
    retry:
    ${Loop}
FunctionEnd
!macroend

!insertmacro QUILLOW_IS_RUNNING_FUNCTION ""
!insertmacro QUILLOW_IS_RUNNING_FUNCTION "un."
