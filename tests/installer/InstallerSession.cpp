#include "tests/installer/InstallerSession.h"

#include <objbase.h>
#include <shlobj.h>

namespace installer_test {

const char* const kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillow";
const char* const kRunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

namespace {

const char kShellFoldersKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const char kDocumentsValue[] = "Personal";
// Setup under Wine takes a second or two; a hung one fails the test instead of hanging it.
const DWORD kSetupWaitMs = 60000;
const char kMissing[] = "<missing>";

bool ReadUserValue(const std::string& key, const std::string& name, DWORD& type,
                   std::vector<BYTE>& data) {
    HKEY handle = NULL;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return false;
    DWORD size = 0;
    LONG result = RegQueryValueExA(handle, name.c_str(), NULL, &type, NULL, &size);
    if (result == ERROR_SUCCESS) {
        data.assign(size + 1, 0);
        result = RegQueryValueExA(handle, name.c_str(), NULL, &type, data.data(), &size);
        data.resize(size);
    }
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

bool WriteUserString(const std::string& key, const std::string& name, DWORD type,
                     const std::string& value) {
    HKEY handle = NULL;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, NULL, 0, KEY_SET_VALUE, NULL, &handle,
                        NULL) != ERROR_SUCCESS)
        return false;
    const LONG result =
        RegSetValueExA(handle, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

// Releases a COM interface when it goes out of scope.
template <typename Interface> class ComPointer {
  public:
    ComPointer() : m_pointer(NULL) {}
    ~ComPointer() {
        if (m_pointer)
            m_pointer->Release();
    }
    ComPointer(const ComPointer&) = delete;
    ComPointer& operator=(const ComPointer&) = delete;
    Interface* operator->() const { return m_pointer; }
    Interface** Out() { return &m_pointer; }
    void** OutVoid() { return reinterpret_cast<void**>(&m_pointer); }

  private:
    Interface* m_pointer;
};

} // namespace

std::string SetupPath() { return driver::ExeFolder() + "\\setup\\Quillow-setup.exe"; }

std::string ShortcutFolder() {
    char folder[MAX_PATH + 1] = "";
    SHGetFolderPathA(NULL, CSIDL_PROGRAMS, NULL, SHGFP_TYPE_CURRENT, folder);
    return std::string(folder) + "\\Quillow";
}

bool ReadUserString(const std::string& key, const std::string& name, std::string& value) {
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!ReadUserValue(key, name, type, data) || (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    value.assign(reinterpret_cast<const char*>(data.data()), data.size());
    while (!value.empty() && value.back() == '\0')
        value.pop_back();
    return true;
}

bool ReadUserDword(const std::string& key, const std::string& name, DWORD& value) {
    DWORD type = 0;
    std::vector<BYTE> data;
    if (!ReadUserValue(key, name, type, data) || type != REG_DWORD || data.size() != sizeof value)
        return false;
    CopyMemory(&value, data.data(), sizeof value);
    return true;
}

bool UserKeyExists(const std::string& key) {
    HKEY handle = NULL;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

bool DeleteUserValue(const std::string& key, const std::string& name) {
    HKEY handle = NULL;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_SET_VALUE, &handle) != ERROR_SUCCESS)
        return false;
    const LONG result = RegDeleteValueA(handle, name.c_str());
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

Shortcut ReadShortcut(const std::string& path) {
    Shortcut shortcut;
    const bool comStarted = SUCCEEDED(CoInitialize(NULL));
    {
        ComPointer<IShellLinkW> link;
        ComPointer<IPersistFile> file;
        wchar_t text[MAX_PATH + 1] = L"";
        int iconIndex = 0;
        if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, NULL, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                       link.OutVoid())) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.OutVoid())) &&
            SUCCEEDED(file->Load(driver::Widen(path).c_str(), STGM_READ))) {
            shortcut.found = true;
            if (SUCCEEDED(link->GetPath(text, MAX_PATH, NULL, 0)))
                shortcut.target = driver::Narrow(text);
            if (SUCCEEDED(link->GetArguments(text, MAX_PATH)))
                shortcut.arguments = driver::Narrow(text);
            if (SUCCEEDED(link->GetIconLocation(text, MAX_PATH, &iconIndex)))
                shortcut.icon = driver::Narrow(text);
        }
    }
    if (comStarted)
        CoUninitialize();
    return shortcut;
}

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<std::string> PadFiles(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*.ql").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(found.cFileName);
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

ScopedFile::ScopedFile(const std::string& path, const std::string& data) : m_path(path) {
    for (std::string::size_type slash = path.find('\\', 3); slash != std::string::npos;
         slash = path.find('\\', slash + 1))
        CreateDirectoryA(path.substr(0, slash).c_str(), NULL);
    m_written = driver::WriteFileBytes(path, data);
}

ScopedFile::~ScopedFile() { DeleteFileA(m_path.c_str()); }

InstallerSession::InstallerSession()
    : m_installFolder(m_temp.Path() + "\\Quillow Programs\\Quillow"),
      m_documents(m_temp.Path() + "\\My Documents"), m_hadDocumentsValue(false) {
    m_hadDocumentsValue = ReadUserString(kShellFoldersKey, kDocumentsValue, m_oldDocumentsValue);
    // The prefix's documents folder may be the Linux home folder; setup's default pad folder
    // goes to the test's own instead.
    CreateDirectoryA(m_documents.c_str(), NULL);
    WriteUserString(kShellFoldersKey, kDocumentsValue, REG_EXPAND_SZ, m_documents);
}

InstallerSession::~InstallerSession() {
    // Nothing of Quillow may run while the uninstaller works, and nothing setup wrote may
    // outlive the test, whatever the test left behind.
    m_group.KillAll();
    std::string location;
    const bool ours = ReadUserString(kUninstallKey, "InstallLocation", location) &&
                      lstrcmpiA(location.c_str(), m_installFolder.c_str()) == 0;
    if (ours && driver::FileExists(Installed("Uninstall.exe")))
        Uninstall();
    if (ours)
        RegDeleteKeyA(HKEY_CURRENT_USER, kUninstallKey);
    std::string run;
    if (ReadUserString(kRunKey, "Quillow", run) && run.find(m_installFolder) != std::string::npos)
        DeleteUserValue(kRunKey, "Quillow");
    DeleteFileA((ShortcutFolder() + "\\Quillow.lnk").c_str());
    DeleteFileA((ShortcutFolder() + "\\Quillow Help.lnk").c_str());
    RemoveDirectoryA(ShortcutFolder().c_str());
    if (m_hadDocumentsValue)
        WriteUserString(kShellFoldersKey, kDocumentsValue, REG_EXPAND_SZ, m_oldDocumentsValue);
    else
        DeleteUserValue(kShellFoldersKey, kDocumentsValue);
}

DWORD InstallerSession::RunAndWait(const std::string& exePath, const std::string& args) {
    const DWORD pid = m_group.StartExe(exePath, args);
    if (!pid || !m_group.WaitForExit(pid, kSetupWaitMs))
        return driver::kUnknownExitCode;
    return m_group.ExitCode(pid);
}

DWORD InstallerSession::Install() {
    // "/D=" comes last and unquoted, blanks and all.
    return RunAndWait(SetupPath(), "/S /D=" + m_installFolder);
}

DWORD InstallerSession::Uninstall() {
    return RunAndWait(Installed("Uninstall.exe"), "/S _?=" + m_installFolder);
}

std::string InstallerSession::Setting(const std::string& key) const {
    const std::string path = SettingsPath();
    WritePrivateProfileStringA(NULL, NULL, NULL, path.c_str());
    char value[4096] = "";
    GetPrivateProfileStringA(driver::kGlobalSection, key.c_str(), kMissing, value, sizeof value,
                             path.c_str());
    return value;
}

bool InstallerSession::WriteSetting(const std::string& section, const std::string& key,
                                    const std::string& value) const {
    const std::string path = SettingsPath();
    const bool written = WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                                    path.c_str()) != FALSE;
    WritePrivateProfileStringA(NULL, NULL, NULL, path.c_str());
    return written;
}

} // namespace installer_test
