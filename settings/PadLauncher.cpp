#include "settings/PadLauncher.h"

#include "framework/CWinApp.h"
#include "framework/ShellDlls.h"
#include "res/Links.h"
#include "settings/PadFiles.h"

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

} // namespace

bool LaunchPad(HWND hWndOwner, CString strPath) {
    CString strCommandLine =
        "\"" + GetProgramFolder() + "\\" + kProgramFileName + "\" " + PathArgument(strPath);
    UINT nResult = WinExec(strCommandLine, SW_SHOWNORMAL);
    if (nResult > 31)
        return true;
    ShowFailure(hWndOwner, "Unable to start \"" + GetProgramFolder() + "\\" + kProgramFileName +
                               "\". Please re-install Quillow. You can download Quillow from " +
                               QUILLOW_HOME_PAGE_URL + ".\n\n" +
                               ErrorCodeLine(static_cast<INT_PTR>(nResult)));
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
