#include "settings/SettingsFile.h"

#include <windows.h>

#include <memory>
#include <new>

#include "framework/CodePage.h"

namespace {

const char kSettingsFileName[] = "QUILLOW.INI";

// The longest path the wide API hands back.
const DWORD kMaxWidePath = 32768;

bool FileExists(const char* pszPath) {
    DWORD dwAttributes = ::GetFileAttributesA(pszPath);
    return dwAttributes != INVALID_FILE_ATTRIBUTES && !(dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
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
    if (ToCodePageExactly(pszPath.get(), strFolder))
        return strFolder;
    // The short form is made of characters the system can always name the folder by.
    DWORD nShortSize = ::GetShortPathNameW(pszPath.get(), NULL, 0);
    std::unique_ptr<wchar_t[]> pszShort(nShortSize ? new (std::nothrow) wchar_t[nShortSize] : NULL);
    if (pszShort && ::GetShortPathNameW(pszPath.get(), pszShort.get(), nShortSize) > 0)
        ToCodePageExactly(pszShort.get(), strFolder);
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
