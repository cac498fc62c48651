#include "ContentsSession.h"

#include <algorithm>

namespace contents_test {

using namespace driver;

int CurrentMonth() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wMonth;
}

std::vector<std::string> SearchOrder(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*.ql").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do
        names.push_back(data.cFileName);
    while (FindNextFileA(find, &data));
    FindClose(find);
    return names;
}

FileLock::FileLock(const std::string& path)
    : m_file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, NULL,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL)) {}

FileLock::~FileLock() { Release(); }

void FileLock::Release() {
    if (m_file != INVALID_HANDLE_VALUE)
        CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
}

ContentsSession::ContentsSession() : m_ini(m_home.Path()), m_pid(0), m_window(NULL) {}

bool ContentsSession::AddPad(const std::string& name, const std::string& text) {
    return WriteFileBytes(m_home.File(name), text);
}

bool ContentsSession::Start(const std::string& args, bool waitHidden) {
    m_pid = m_group.Start(args);
    if (!m_pid)
        return false;
    m_window = WaitForTopWindow(m_pid, "#32770", "Quillow Contents", kWaitMs, waitHidden);
    return m_window != NULL;
}

bool ContentsSession::Refresh() {
    HWND button = GetDlgItem(m_window, IDC_CONTENTS_REFRESH);
    DWORD_PTR result = 0;
    return SendMessageTimeoutA(m_window, WM_COMMAND, MAKEWPARAM(IDC_CONTENTS_REFRESH, BN_CLICKED),
                               reinterpret_cast<LPARAM>(button), SMTO_NORMAL, kWaitMs,
                               &result) != 0;
}

bool ContentsSession::Click(int id) { return ClickButton(m_window, id); }

bool ContentsSession::IsEnabled(int id) const {
    return IsWindowEnabled(GetDlgItem(m_window, id)) != FALSE;
}

bool ContentsSession::TrayMouse(UINT mouseMessage) {
    return PostMessageA(m_window, WM_TRAY_NOTIFY, IDR_MAINFRAME, mouseMessage) != FALSE;
}

bool ContentsSession::TrayCommand(int id) { return PostCommand(m_window, id); }

bool ContentsSession::BuildTrayMenu() {
    if (!TrayMouse(WM_RBUTTONUP))
        return false;
    HWND menu = WaitForTopWindow(m_pid, "#32768", nullptr);
    if (!menu)
        return false;
    PostMessageA(m_window, WM_CANCELMODE, 0, 0);
    return WaitForWindowGone(menu, kWaitMs, true);
}

std::vector<DWORD> ContentsSession::OtherPids() {
    std::vector<DWORD> pids = m_group.Pids();
    pids.erase(std::remove(pids.begin(), pids.end(), m_pid), pids.end());
    return pids;
}

HWND ContentsSession::WaitForMessageBox(DWORD ms) { return driver::WaitForMessageBox(m_pid, ms); }

} // namespace contents_test
