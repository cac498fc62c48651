#include "SettingsTestSupport.h"

namespace settings_test {

namespace {

bool FolderExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

std::string WindowsFolder() {
    char folder[MAX_PATH + 1] = "";
    GetWindowsDirectoryA(folder, sizeof folder);
    return folder;
}

std::string CurrentFolder() {
    const DWORD size = GetCurrentDirectoryA(0, NULL);
    std::string folder(size, '\0');
    const DWORD length = GetCurrentDirectoryA(size, &folder[0]);
    folder.resize(length < size ? length : 0);
    return folder;
}

bool SameFolder(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

ScopedDesktopFolder::ScopedDesktopFolder(bool present)
    : m_path(WindowsFolder() + "\\Desktop"), m_aside(m_path + ".aside-for-test"),
      m_existed(FolderExists(m_path)), m_created(false), m_ready(false) {
    if (present == m_existed)
        m_ready = true;
    else if (present)
        m_ready = m_created = CreateDirectoryA(m_path.c_str(), NULL) != FALSE;
    else
        m_ready = MoveFileA(m_path.c_str(), m_aside.c_str()) != FALSE;
}

ScopedDesktopFolder::~ScopedDesktopFolder() {
    if (m_created)
        RemoveDirectoryA(m_path.c_str());
    else if (m_existed && !FolderExists(m_path))
        MoveFileA(m_aside.c_str(), m_path.c_str());
}

} // namespace settings_test
