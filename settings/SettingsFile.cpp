#include "settings/SettingsFile.h"

#include <windows.h>

namespace {
const char kSettingsFileName[] = "QUILLOW.INI";
} // namespace

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

CString SettingsFilePath() { return GetWindowsFolder() + "\\" + kSettingsFileName; }
