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

ContentsSession::ContentsSession() : m_ini(m_home.Path()), m_pid(0), m_window(NULL) {}

bool ContentsSession::AddPads(std::initializer_list<std::string> names) {
    for (const std::string& name : names)
        if (!AddPad(name))
            return false;
    return true;
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

testing::AssertionResult ContentsSession::Shows(const std::vector<std::string>& expected,
                                                bool anyOrder) const {
    auto shown = [&] {
        std::vector<std::string> items = Items();
        if (anyOrder)
            std::sort(items.begin(), items.end());
        return items;
    };
    if (driver::WaitUntil([&] { return shown() == expected; }))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the list shows " << testing::PrintToString(shown());
}

bool ContentsSession::AutoStartupChecked() const {
    return SendMessageA(ControlOf(m_window, IDC_CONTENTS_AUTO_STARTUP), BM_GETCHECK, 0, 0) ==
           BST_CHECKED;
}

bool ContentsSession::MoveTo(int left, int top) {
    return SetWindowPos(m_window, NULL, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER) != FALSE;
}

std::string ContentsSession::Placement() const {
    const RECT rect = WindowRect(m_window);
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
           std::to_string(rect.right - rect.left) + "x" + std::to_string(rect.bottom - rect.top);
}

bool ContentsSession::Close() {
    return PostClose(m_window) && WaitForWindowGone(m_window, kWaitMs, true);
}

bool ContentsSession::ShowAgain() {
    return TrayCommand(ID_TRAY_CONTENTS) &&
           WaitUntil([&] { return IsWindowVisible(m_window) != FALSE; });
}

bool ContentsSession::BuildTrayMenu() {
    if (!TrayMouse(WM_RBUTTONUP))
        return false;
    HWND menu = WaitForTopWindow(m_pid, "#32768", nullptr);
    if (!menu)
        return false;
    PostMessageA(m_window, WM_CANCELMODE, 0, 0);
    return WaitForWindowGone(menu, kWaitMs, true);
}

int ContentsSession::PadItem(const std::string& name) const {
    const std::vector<std::string> order = SearchOrder(Home());
    return ID_TRAY_FIRST_PAD +
           static_cast<int>(std::find(order.begin(), order.end(), name) - order.begin());
}

std::vector<DWORD> ContentsSession::OtherPids() {
    std::vector<DWORD> pids = m_group.Pids();
    pids.erase(std::remove(pids.begin(), pids.end(), m_pid), pids.end());
    return pids;
}

SeenMessageBox ContentsSession::Command(int buttonId, int answer,
                                        const std::function<void()>& meanwhile) {
    return Click(buttonId) ? Answer(answer, meanwhile) : SeenMessageBox();
}

} // namespace contents_test
