#include "FindWindows.h"

#include <algorithm>

namespace driver {

namespace {

struct Search {
    std::vector<DWORD> pids;
    WindowQuery query;
    std::vector<HWND> found;
};

bool Matches(HWND window, const WindowQuery& query) {
    if (!query.includeHidden && !IsWindowVisible(window))
        return false;
    if (query.className && lstrcmpiA(ClassOf(window).c_str(), query.className) != 0)
        return false;
    // A top-level window's caption is kept by the system: reading it sends nothing, so a busy
    // program cannot hold the search up.
    return !query.caption || CaptionOf(window) == query.caption;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
    Search& search = *reinterpret_cast<Search*>(param);
    const DWORD pid = ProcessOfWindow(window);
    if (std::find(search.pids.begin(), search.pids.end(), pid) != search.pids.end() &&
        Matches(window, search.query))
        search.found.push_back(window);
    return TRUE;
}

std::vector<HWND> Collect(const std::vector<DWORD>& pids, const WindowQuery& query) {
    Search search;
    search.pids = pids;
    search.query = query;
    if (!pids.empty())
        EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

WindowQuery MakeQuery(const char* className, const char* caption, bool includeHidden) {
    WindowQuery query;
    query.className = className;
    query.caption = caption;
    query.includeHidden = includeHidden;
    return query;
}

} // namespace

DWORD ProcessOfWindow(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::string ClassOf(HWND window) {
    char name[256] = "";
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string CaptionOf(HWND window) {
    std::vector<char> text(GetWindowTextLengthA(window) + 2);
    const int length = GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    return std::string(text.data(), length > 0 ? length : 0);
}

std::vector<HWND> TopWindows(DWORD pid, const WindowQuery& query) {
    return Collect(std::vector<DWORD>(1, pid), query);
}

std::vector<HWND> TopWindows(ProcessGroup& group, const WindowQuery& query) {
    return Collect(group.Pids(), query);
}

HWND FindTopWindow(DWORD pid, const char* className, const char* caption, bool includeHidden) {
    const std::vector<HWND> found = TopWindows(pid, MakeQuery(className, caption, includeHidden));
    return found.empty() ? NULL : found.front();
}

HWND WaitForTopWindow(DWORD pid, const char* className, const char* caption, DWORD ms,
                      bool includeHidden) {
    HWND window = NULL;
    WaitUntil(
        [&] { return (window = FindTopWindow(pid, className, caption, includeHidden)) != NULL; },
        ms);
    return window;
}

HWND WaitForWindowInGroup(ProcessGroup& group, const char* className, const char* caption, DWORD ms,
                          bool includeHidden) {
    return WaitForNewWindow(group, std::vector<HWND>(), className, caption, ms, includeHidden);
}

HWND WaitForNewWindow(ProcessGroup& group, const std::vector<HWND>& known, const char* className,
                      const char* caption, DWORD ms, bool includeHidden) {
    const WindowQuery query = MakeQuery(className, caption, includeHidden);
    HWND window = NULL;
    WaitUntil(
        [&] {
            for (HWND candidate : TopWindows(group, query)) {
                if (std::find(known.begin(), known.end(), candidate) == known.end()) {
                    window = candidate;
                    return true;
                }
            }
            return false;
        },
        ms);
    return window;
}

bool WaitForWindowGone(HWND window, DWORD ms, bool untilHidden) {
    return WaitUntil([&] { return !IsWindow(window) || (untilHidden && !IsWindowVisible(window)); },
                     ms);
}

} // namespace driver
