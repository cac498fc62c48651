#include "launch/PadLauncher.h"

#include "framework/CWinApp.h"
#include "framework/ShellDlls.h"
#include "padfile/PadFiles.h"
#include "res/Links.h"

namespace {

const char kProgramFileName[] = "Quillow.exe";
const char kFeedbackMailUrl[] = "mailto:" QUILLOW_FEEDBACK_ADDRESS;

// Messages are built as strings: a long folder or address must never be cut or overflow.
void ShowFailure(HWND hWndOwner, const CString& strText) {
    ::MessageBoxA(hWndOwner, strText, AfxGetAppName(), MB_OK);
}

CString ErrorCodeLine(INT_PTR nCode) {
    return "Error code = " + CString::FromInt(static_cast<int>(nCode)) + ".";
}

int OpenAddress(HWND hWndOwner, const char* pszAddress, const CString& strFailureText) {
    INT_PTR nResult = reinterpret_cast<INT_PTR>(
        AfxShellExecute(NULL, "open", pszAddress, NULL, NULL, SW_SHOWNORMAL));
    if (nResult > 32)
        return 1;
    ShowFailure(hWndOwner, strFailureText + ErrorCodeLine(nResult));
    return 0;
}

// The new process takes the whole rest of its command line as one path, blanks and commas
// included, after skipping the blanks before it and taking off one pair of quotes round it.
// So a path goes as it is unless that would change it: then it goes in quotes.
CString PathArgument(const CString& strPath) {
    if (strPath.IsEmpty())
        return strPath;
    bool bLeadingBlank = static_cast<unsigned char>(strPath.GetAt(0)) <= ' ';
    bool bQuoted = StripQuotes(strPath) != strPath;
    return bLeadingBlank || bQuoted ? "\"" + strPath + "\"" : strPath;
}

// A pad that never waits for input holds up its launcher no longer than this.
const DWORD kIdleWaitMs = 10000;

// Owns the two handles that CreateProcess returns; the launcher keeps neither.
class CStartedProcess {
  public:
    CStartedProcess() : m_info() {}
    ~CStartedProcess() {
        if (m_info.hThread)
            ::CloseHandle(m_info.hThread);
        if (m_info.hProcess)
            ::CloseHandle(m_info.hProcess);
    }
    CStartedProcess(const CStartedProcess&) = delete;
    CStartedProcess& operator=(const CStartedProcess&) = delete;

    PROCESS_INFORMATION m_info;
};

// Starts a program as WinExec does inside: the command line alone, shown normally, no
// inherited handles, the caller's current folder. On failure nCode is the code WinExec gave:
// a system error code below 32 as it is, any other as ERROR_BAD_FORMAT.
bool StartProgram(CString strCommandLine, LaunchWait wait, int& nCode) {
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    CStartedProcess process;
    // CreateProcess may write into the command line, so it gets a buffer of its own.
    char* pszCommandLine = strCommandLine.GetBuffer(strCommandLine.GetLength());
    if (pszCommandLine && ::CreateProcessA(NULL, pszCommandLine, NULL, NULL, FALSE, 0, NULL, NULL,
                                           &startup, &process.m_info)) {
        if (wait == launchWaitForIdle)
            ::WaitForInputIdle(process.m_info.hProcess, kIdleWaitMs);
        return true;
    }
    const DWORD dwError = pszCommandLine ? ::GetLastError() : ERROR_NOT_ENOUGH_MEMORY;
    nCode = static_cast<int>(dwError < 32 ? dwError : ERROR_BAD_FORMAT);
    return false;
}

} // namespace

bool LaunchPad(HWND hWndOwner, CString strPath, LaunchWait wait) {
    CString strCommandLine =
        "\"" + GetProgramFolder() + "\\" + kProgramFileName + "\" " + PathArgument(strPath);
    int nCode = 0;
    if (StartProgram(strCommandLine, wait, nCode))
        return true;
    ShowFailure(hWndOwner, "Unable to start \"" + GetProgramFolder() + "\\" + kProgramFileName +
                               "\". Please re-install Quillow. You can download Quillow from " +
                               QUILLOW_HOME_PAGE_URL + ".\n\n" + ErrorCodeLine(nCode));
    return false;
}

int OpenHomePage(HWND hWndOwner) {
    return OpenAddress(hWndOwner, QUILLOW_HOME_PAGE_URL,
                       CString("Unable to start your internet browser.\nIf you have access to "
                               "the internet visit us at\n\n") +
                           QUILLOW_HOME_PAGE_URL + "\n\n");
}

int OpenFeedbackMail(HWND hWndOwner) {
    return OpenAddress(hWndOwner, kFeedbackMailUrl,
                       CString("Unable to start your internet mail program.\nIf you have access "
                               "to the internet send us mail at\n\n") +
                           QUILLOW_FEEDBACK_ADDRESS + "\n\n");
}
