#include "RecycleBin.h"

#include <windows.h>

namespace driver {

namespace {

const char kVariable[] = "XDG_DATA_HOME";

// Wine's own export, absent on Windows; the result is freed from the process heap.
std::string UnixPath(const std::string& path) {
    typedef char*(CDECL * UnixFileName)(const wchar_t*);
    UnixFileName toUnix = reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!toUnix)
        return "";
    char* unix = toUnix(Widen(path).c_str());
    if (!unix)
        return "";
    std::string result(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

} // namespace

TestRecycleBin::TestRecycleBin() : m_ready(false), m_hadValue(false) {
    const std::string trash = m_folder.File("Trash");
    m_files = trash + "\\files";
    char old[MAX_PATH * 4];
    const DWORD length = GetEnvironmentVariableA(kVariable, old, sizeof old);
    m_hadValue = length > 0 && length < sizeof old;
    if (m_hadValue)
        m_oldValue = old;
    const std::string unixPath = UnixPath(m_folder.Path());
    m_ready = !m_folder.Path().empty() && !unixPath.empty() &&
              CreateDirectoryA(trash.c_str(), NULL) && CreateDirectoryA(m_files.c_str(), NULL) &&
              CreateDirectoryA((trash + "\\info").c_str(), NULL) &&
              SetEnvironmentVariableA(kVariable, unixPath.c_str());
}

TestRecycleBin::~TestRecycleBin() {
    SetEnvironmentVariableA(kVariable, m_hadValue ? m_oldValue.c_str() : NULL);
}

} // namespace driver
