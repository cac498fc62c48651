#include "padfile/PadFiles.h"

#include <mbstring.h>

#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {

const char kNewPadFormat[] = "%A, %m-%d-%y at %I-%M-%S%p.ql";

// Whether the character at p, taken as a one-character string (two bytes for a DBCS
// character), is the given one.
bool IsCharacter(const char* p, const char* pszCharacter) {
    CString strCharacter(p, static_cast<int>(CharNextA(p) - p));
    return _mbscmp(reinterpret_cast<const unsigned char*>(strCharacter.GetString()),
                   reinterpret_cast<const unsigned char*>(pszCharacter)) == 0;
}

// The text's last character, found from the front so that a DBCS trail byte that happens
// to be a backslash is not taken for one.
const char* LastCharacter(const CString& strText) {
    const char* pchBegin = strText;
    return CharPrevA(pchBegin, pchBegin + strText.GetLength());
}

bool StartsWith(const CString& strText, const char* pszCharacter) {
    return !strText.IsEmpty() && IsCharacter(strText, pszCharacter);
}

bool EndsWith(const CString& strText, const char* pszCharacter) {
    return !strText.IsEmpty() && IsCharacter(LastCharacter(strText), pszCharacter);
}

// A folder as stored in the settings, with at most one trailing backslash taken off.
CString FolderSetting(const char* pszKey) {
    CString strFolder = ReadSettingString(QUILLOW_GLOBAL_SECTION, pszKey, "");
    if (EndsWith(strFolder, "\\"))
        strFolder.Truncate(static_cast<int>(LastCharacter(strFolder) - strFolder.GetString()));
    return strFolder;
}

bool IsDriveLetter(char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); }

// A stored home folder as a path every process agrees on. A bare drive ("C:", what "C:\\"
// becomes without its backslash) means the drive's root, not its current folder; a relative
// folder is taken from the folder of the settings file, not from a process's current folder.
CString ResolveHomeFolder(const CString& strHome) {
    const char* p = strHome;
    bool bDrive = IsDriveLetter(p[0]) && p[1] == ':';
    if (bDrive && p[2] == '\0')
        return strHome + "\\";
    bool bRooted = p[0] == '\\' || p[0] == '/' || (bDrive && (p[2] == '\\' || p[2] == '/'));
    if (bRooted || bDrive)
        return strHome;
    PathParts settings = SplitPath(SettingsFilePath());
    return FullPath(settings.strDrive + settings.strFolder + strHome);
}

} // namespace

CString GetProgramFolder() {
    // Nothing writes the key: without it, the program starts pads from its own folder.
    CString strFolder = FolderSetting(KEY_PROGRAM_FOLDER);
    return strFolder.IsEmpty() ? GetRunningProgramFolder() : strFolder;
}

CString GetHomeFolder() {
    CString strHome = FolderSetting(KEY_HOME_FOLDER);
    if (!strHome.IsEmpty())
        return ResolveHomeFolder(strHome);

    CString strDesktop = GetWindowsFolder() + "\\Desktop";
    if (SetCurrentDirectoryA(strDesktop))
        return strDesktop;

    // From now on the program folder is the home folder, also when it is empty.
    CString strProgram = GetProgramFolder();
    WriteSettingString(QUILLOW_GLOBAL_SECTION, KEY_HOME_FOLDER, strProgram);
    return strProgram;
}

CString NewPadFileName(const CTime& time) { return time.Format(kNewPadFormat); }

CString MakeNewPadPath() {
    CString strName = NewPadFileName(CTime::GetCurrentTime());
    CString strHome = GetHomeFolder();
    return EndsWith(strHome, "\\") ? strHome + strName : strHome + "\\" + strName;
}

CString FullPath(CString strPath) {
    CString strFull;
    for (DWORD nSize = MAX_PATH;;) {
        char* p = strFull.GetBuffer(static_cast<int>(nSize));
        if (!p)
            return strPath;
        DWORD n = ::GetFullPathNameA(strPath, nSize + 1, p, NULL);
        if (n == 0)
            return strPath;
        if (n <= nSize) {
            strFull.ReleaseBuffer(static_cast<int>(n));
            break;
        }
        nSize = n;
    }
    // A short (8.3) name becomes the file's own; a file not there yet keeps the name as given,
    // and so does one whose own name the code page cannot hold (it comes back with "?" in it).
    CString strLong;
    DWORD n = ::GetLongPathNameA(strFull, NULL, 0);
    char* p = n ? strLong.GetBuffer(static_cast<int>(n)) : NULL;
    if (p && ::GetLongPathNameA(strFull, p, n) == n - 1 &&
        ::GetFileAttributesA(p) != INVALID_FILE_ATTRIBUTES) {
        strLong.ReleaseBuffer(static_cast<int>(n - 1));
        return strLong;
    }
    return strFull;
}

CString StripQuotes(CString strText) {
    if (StartsWith(strText, "\"") && EndsWith(strText, "\""))
        return strText.Mid(1, strText.GetLength() - 2);
    return strText;
}
