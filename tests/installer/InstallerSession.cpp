#include "tests/installer/InstallerSession.h"

#include <shlobj.h>
#include <shlwapi.h>

namespace installer_test {

const char* const kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillow";
const char* const kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* const kMissing = "<missing>";

namespace {

const char kShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
// Setup under Wine takes a second or two; a hung one fails the test instead of hanging it.
const DWORD kSetupWaitMs = 60000;

void SetDocumentsFolder(const std::string& folder) {
    if (folder == kMissing)
        SHDeleteValueA(HKEY_CURRENT_USER, kShellFoldersKey, "Personal");
    else
        SHSetValueA(HKEY_CURRENT_USER, kShellFoldersKey, "Personal", REG_EXPAND_SZ, folder.c_str(),
                    static_cast<DWORD>(folder.size() + 1));
}

} // namespace

std::string SetupPath() { return driver::ExeFolder() + "\\setup\\Quillow-setup.exe"; }

std::string ShortcutFolder() {
    char folder[MAX_PATH + 1] = "";
    SHGetFolderPathA(NULL, CSIDL_PROGRAMS, NULL, SHGFP_TYPE_CURRENT, folder);
    return std::string(folder) + "\\Quillow";
}

std::string UserString(const std::string& key, const std::string& name) {
    char value[2048] = "";
    DWORD size = sizeof value;
    if (SHGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), NULL, value, &size) !=
        ERROR_SUCCESS)
        return kMissing;
    return value;
}

DWORD UserDword(const std::string& key, const std::string& name) {
    DWORD value = 0;
    DWORD type = 0;
    DWORD size = sizeof value;
    if (SHGetValueA(HKEY_CURRENT_USER, key.c_str(), name.c_str(), &type, &value, &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD)
        return static_cast<DWORD>(-1);
    return value;
}

std::string ShortcutCommand(const std::string& path) {
    std::string command = kMissing;
    CoInitialize(NULL);
    IShellLinkA* link = NULL;
    IPersistFile* file = NULL;
    char target[MAX_PATH + 1] = "";
    char arguments[MAX_PATH + 1] = "";
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&link))) &&
        SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(driver::Widen(path).c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(target, MAX_PATH, NULL, 0)) &&
        SUCCEEDED(link->GetArguments(arguments, MAX_PATH)))
        command = std::string(target) + " " + arguments;
    if (file)
        file->Release();
    if (link)
        link->Release();
    CoUninitialize();
    return command;
}

std::string Setting(const std::string& iniPath, const std::string& key) {
    WritePrivateProfileStringA(NULL, NULL, NULL, iniPath.c_str());
    char value[2048] = "";
    GetPrivateProfileStringA(driver::kGlobalSection, key.c_str(), kMissing, value, sizeof value,
                             iniPath.c_str());
    return value;
}

InstallerSession::InstallerSession()
    : m_folder(m_temp.Path() + "\\Quillow Programs\\Quillow"),
      m_documents(m_temp.Path() + "\\My Documents"),
      m_oldDocuments(UserString(kShellFoldersKey, "Personal")) {
    // The prefix's documents folder may be the Linux home folder: the default pad folder goes
    // to the test's own instead.
    CreateDirectoryA(m_documents.c_str(), NULL);
    SetDocumentsFolder(m_documents);
}

InstallerSession::~InstallerSession() {
    // Nothing of Quillow may run while the uninstaller works, and nothing setup wrote may
    // outlive the test, whatever the test left behind.
    m_group.KillAll();
    if (driver::FileExists(Installed("Uninstall.exe")))
        Uninstall();
    if (UserString(kUninstallKey, "InstallLocation") == m_folder)
        SHDeleteKeyA(HKEY_CURRENT_USER, kUninstallKey);
    if (UserString(kRunKey, "Quillow").find(m_folder) != std::string::npos)
        SHDeleteValueA(HKEY_CURRENT_USER, kRunKey, "Quillow");
    SetDocumentsFolder(m_oldDocuments);
}

DWORD InstallerSession::RunAndWait(const std::string& exePath, const std::string& args) {
    const DWORD pid = m_group.StartExe(exePath, args);
    if (!pid || !m_group.WaitForExit(pid, kSetupWaitMs))
        return driver::kUnknownExitCode;
    return m_group.ExitCode(pid);
}

// "/D=" comes last and unquoted, blanks and all.
DWORD InstallerSession::Install() { return RunAndWait(SetupPath(), "/S /D=" + m_folder); }

DWORD InstallerSession::Uninstall() {
    return RunAndWait(Installed("Uninstall.exe"), "/S _?=" + m_folder);
}

} // namespace installer_test
