#include "settings/SettingsFile.h"

#include <windows.h>

#include <memory>
#include <new>

namespace {

const char kSettingsFileName[] = "QUILLOW.INI";

// The longest path the wide API hands back.
const DWORD kMaxWidePath = 32768;

bool FileExists(const char* pszPath) {
    DWORD dwAttributes = ::GetFileAttributesA(pszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The text in the ANSI code page; false when a character has no exact place in it. A UTF-8
// code page holds every character and takes no flags.
bool ToAnsi(const wchar_t* pszWide, CString& strAnsi) {
    bool bUtf8 = ::GetACP() == CP_UTF8;
    DWORD dwFlags = bUtf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL bUsedDefault = FALSE;
    BOOL* pbUsedDefault = bUtf8 ? NULL : &bUsedDefault;
    int nSize = ::WideCharToMultiByte(CP_ACP, dwFlags, pszWide, -1, NULL, 0, NULL, pbUsedDefault);
    char* p = nSize > 0 ? strAnsi.GetBuffer(nSize) : NULL;
    if (!p) {
        strAnsi.Empty();
        return false;
    }
    int n = ::WideCharToMultiByte(CP_ACP, dwFlags, pszWide, -1, p, nSize, NULL, pbUsedDefault);
    strAnsi.ReleaseBuffer(n > 0 ? n - 1 : 0);
    return n > 0 && !bUsedDefault;
}

// The folder part of a full path, without the last backslash: the path is cut in place.
void CutToFolder(wchar_t* pszPath) {
    wchar_t* pchLastSeparator = NULL;
    for (wchar_t* p = pszPath; *p; ++p)
        if (*p == L'\\' || *p == L'/')
            pchLastSeparator = p;
    if (pchLastSeparator)
        *pchLastSeparator = L'\0';
}

// The folder that holds the settings file.
CString SettingsFolder() {
    CString strProgramFolder = GetRunningProgramFolder();
    if (FileExists(strProgramFolder + "\\" + kSettingsFileName))
        return strProgramFolder;
    return GetWindowsFolder();
}

} // namespace

CString GetRunningProgramFolder() {
    std::unique_ptr<wchar_t[]> pszPath;
    for (DWORD nSize = MAX_PATH;; nSize *= 2) {
        if (nSize > kMaxWidePath)
            return CString();
        pszPath.reset(new (std::nothrow) wchar_t[nSize]);
        if (!pszPath)
            return CString();
        DWORD n = ::GetModuleFileNameW(NULL, pszPath.get(), nSize);
        if (n == 0)
            return CString();
        if (n < nSize)
            break;
    }
    CutToFolder(pszPath.get());

    CString strFolder;
    if (ToAnsi(pszPath.get(), strFolder))
        return strFolder;
    // The short form is made of characters the system can always name the folder by.
    DWORD nShortSize = ::GetShortPathNameW(pszPath.get(), NULL, 0);
    std::unique_ptr<wchar_t[]> pszShort(nShortSize ? new (std::nothrow) wchar_t[nShortSize] : NULL);
    if (pszShort && ::GetShortPathNameW(pszPath.get(), pszShort.get(), nShortSize) > 0)
        ToAnsi(pszShort.get(), strFolder);
    return strFolder;
}

CString GetWindowsFolder() {
    CString strFolder;
    for (UINT nSize = MAX_PATH;;) {
        char* p = strFolder.GetBuffer(static_cast<int>(nSize));
        if (!p)
            return CString();
        UINT n = ::GetWindowsDirectoryA(p, nSize + 1);
        if (n <= nSize) {
            strFolder.ReleaseBuffer(static_cast<int>(n));
            return strFolder;
        }
        nSize = n;
    }
}

CString SettingsFilePath() { return SettingsFolder() + "\\" + kSettingsFileName; }
