#include "Ini.h"

#include "Files.h"

#include <windows.h>

#include <cstring>

namespace driver {

const char* const kGlobalSection = "Quillow Contents";

namespace {

// The lock that every Quillow process takes around each access of the settings file: a
// named mutex, named after the file's full path in capitals with "/" for "\\".
class SettingsLock {
  public:
    SettingsLock() {
        std::string name = IniPath();
        CharUpperBuffA(&name[0], static_cast<DWORD>(name.size()));
        for (char& ch : name)
            if (ch == '\\')
                ch = '/';
        name = "Marrowdale.Quillow.Settings:" + name;
        if (name.size() >= MAX_PATH)
            name = "Marrowdale.Quillow.Settings:" + name.substr(name.size() - (MAX_PATH - 29));
        m_mutex = CreateMutexA(NULL, FALSE, name.c_str());
        const DWORD wait = m_mutex ? WaitForSingleObject(m_mutex, 5000) : WAIT_FAILED;
        m_owned = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
    }
    ~SettingsLock() {
        if (m_owned)
            ReleaseMutex(m_mutex);
        if (m_mutex)
            CloseHandle(m_mutex);
    }
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

  private:
    HANDLE m_mutex = NULL;
    bool m_owned = false;
};

// Writing with every argument null makes the profile functions release their cached copy of
// the file (Wine keeps one per process and may otherwise serve stale values).
void FlushCache() { WritePrivateProfileStringA(NULL, NULL, NULL, IniPath().c_str()); }

// Splits a buffer of zero-terminated strings ended by an empty one.
std::vector<std::string> SplitList(const std::vector<char>& buffer, DWORD length) {
    std::vector<std::string> items;
    const char* p = buffer.data();
    const char* end = buffer.data() + length;
    while (p < end && *p) {
        const std::string item(p);
        items.push_back(item);
        p += item.size() + 1;
    }
    return items;
}

// Calls a profile function that fills a buffer of strings and reports size - 2 when the
// buffer was too small, growing the buffer until everything fits.
template <typename Fill> std::vector<std::string> ReadList(Fill fill) {
    FlushCache();
    std::vector<char> buffer(4096);
    for (;;) {
        const DWORD length = fill(buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size() - 2)
            return SplitList(buffer, length);
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace

std::string IniPath() {
    // The program's rule: beside Quillow.exe when the file is there, else the Windows folder.
    const std::string besideProgram = ExeFolder() + "\\QUILLOW.INI";
    if (FileExists(besideProgram))
        return besideProgram;
    char folder[MAX_PATH + 1];
    const UINT length = GetWindowsDirectoryA(folder, sizeof folder);
    return std::string(folder, length <= MAX_PATH ? length : 0) + "\\QUILLOW.INI";
}

int IniGetInt(const std::string& section, const std::string& key, int defaultValue) {
    FlushCache();
    return static_cast<int>(
        GetPrivateProfileIntA(section.c_str(), key.c_str(), defaultValue, IniPath().c_str()));
}

std::string IniGetString(const std::string& section, const std::string& key,
                         const std::string& defaultValue) {
    FlushCache();
    std::vector<char> buffer(1024);
    for (;;) {
        const DWORD length = GetPrivateProfileStringA(
            section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
            static_cast<DWORD>(buffer.size()), IniPath().c_str());
        if (length < buffer.size() - 1)
            return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

bool IniSetInt(const std::string& section, const std::string& key, int value) {
    return IniSetString(section, key, std::to_string(value));
}

bool IniSetString(const std::string& section, const std::string& key, const std::string& value) {
    SettingsLock lock;
    const bool written = WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                                    IniPath().c_str()) != FALSE;
    FlushCache();
    return written;
}

bool IniDeleteKey(const std::string& section, const std::string& key) {
    SettingsLock lock;
    const bool written =
        WritePrivateProfileStringA(section.c_str(), key.c_str(), NULL, IniPath().c_str()) != FALSE;
    FlushCache();
    return written;
}

bool IniHasKey(const std::string& section, const std::string& key) {
    for (const std::string& line : IniSectionLines(section)) {
        const std::string name = line.substr(0, line.find('='));
        if (lstrcmpiA(name.c_str(), key.c_str()) == 0)
            return true;
    }
    return false;
}

bool IniHasSection(const std::string& section) {
    for (const std::string& name : IniSectionNames()) {
        if (lstrcmpiA(name.c_str(), section.c_str()) == 0)
            return true;
    }
    return false;
}

std::vector<std::string> IniSectionNames() {
    const std::string path = IniPath();
    return ReadList([&](char* buffer, DWORD size) {
        return GetPrivateProfileSectionNamesA(buffer, size, path.c_str());
    });
}

std::vector<std::string> IniSectionLines(const std::string& section) {
    const std::string path = IniPath();
    return ReadList([&](char* buffer, DWORD size) {
        return GetPrivateProfileSectionA(section.c_str(), buffer, size, path.c_str());
    });
}

void IniReset() {
    SettingsLock lock;
    FlushCache();
    const std::string path = IniPath();
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
    FlushCache();
}

ScopedIni::ScopedIni(const std::string& homeFolder) {
    IniReset();
    IniSetString(kGlobalSection, "ProgramFolder", ExeFolder());
    if (!homeFolder.empty())
        IniSetString(kGlobalSection, "HomeFolder", homeFolder);
}

ScopedIni::~ScopedIni() { IniReset(); }

} // namespace driver
