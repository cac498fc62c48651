#include "MessageBoxes.h"

#include "Controls.h"
#include "FindWindows.h"

namespace driver {

namespace {

// The control id that the system gives a message box's text.
constexpr int kMessageBoxTextId = 0xFFFF;

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

bool IsStatic(HWND control) { return lstrcmpiA(ClassOf(control).c_str(), "Static") == 0; }

bool IsButton(HWND control) { return lstrcmpiA(ClassOf(control).c_str(), "Button") == 0; }

bool IsIconStatic(HWND control) {
    return IsStatic(control) && (GetWindowLongA(control, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

// The message box's text control: the static that is not an icon and has the longest text.
HWND TextControl(HWND box) {
    HWND best = NULL;
    std::string::size_type bestLength = 0;
    for (HWND child : Children(box)) {
        if (!IsStatic(child) || IsIconStatic(child))
            continue;
        const std::string::size_type length = WindowText(child).size();
        if (!best || length > bestLength) {
            best = child;
            bestLength = length;
        }
    }
    return best;
}

} // namespace

bool IsMessageBox(HWND window) {
    if (lstrcmpA(ClassOf(window).c_str(), "#32770") != 0)
        return false;
    int texts = 0;
    int buttons = 0;
    for (HWND child : Children(window)) {
        if (IsIconStatic(child))
            continue;
        if (IsButton(child)) {
            ++buttons;
            continue;
        }
        const bool isBoxText = IsStatic(child) &&
                               (GetDlgCtrlID(child) & 0xFFFF) == kMessageBoxTextId &&
                               (GetWindowLongA(child, GWL_STYLE) & SS_NOPREFIX);
        if (!isBoxText)
            return false;
        ++texts;
    }
    return texts == 1 && buttons > 0;
}

HWND FindMessageBox(DWORD pid) {
    WindowQuery query;
    query.className = "#32770";
    for (HWND window : TopWindows(pid, query)) {
        if (IsMessageBox(window))
            return window;
    }
    return NULL;
}

HWND WaitForMessageBox(DWORD pid, DWORD ms) {
    HWND box = NULL;
    WaitUntil([&] { return (box = FindMessageBox(pid)) != NULL; }, ms);
    return box;
}

HWND WaitForMessageBox(ProcessGroup& group, DWORD ms) {
    HWND box = NULL;
    WaitUntil(
        [&] {
            for (DWORD pid : group.Pids()) {
                if ((box = FindMessageBox(pid)) != NULL)
                    return true;
            }
            return false;
        },
        ms);
    return box;
}

std::string MessageBoxText(HWND box) {
    HWND text = TextControl(box);
    return text ? WindowText(text) : std::string();
}

std::wstring MessageBoxWideText(HWND box) {
    HWND text = TextControl(box);
    return text ? WideWindowText(text) : std::wstring();
}

std::string MessageBoxCaption(HWND box) { return CaptionOf(box); }

std::vector<int> MessageBoxButtons(HWND box) {
    std::vector<int> ids;
    for (HWND child : Children(box)) {
        if (IsButton(child) && IsWindowVisible(child))
            ids.push_back(GetDlgCtrlID(child));
    }
    return ids;
}

bool HasIcon(HWND box) {
    for (HWND child : Children(box)) {
        // Wine keeps an empty icon control in a message box without an icon.
        DWORD_PTR icon = 0;
        if (IsIconStatic(child) && IsWindowVisible(child) &&
            SendMessageTimeoutA(child, STM_GETICON, 0, 0, SMTO_NORMAL, 5000, &icon) && icon)
            return true;
    }
    return false;
}

bool AnswerMessageBox(HWND box, int id, DWORD ms) {
    return PostCommand(box, id) && WaitForWindowGone(box, ms);
}

SeenMessageBox AnswerNextMessageBox(DWORD pid, int answer, DWORD ms,
                                    const std::function<void()>& meanwhile) {
    SeenMessageBox seen;
    HWND box = WaitForMessageBox(pid, ms);
    if (!box)
        return seen;
    seen.shown = true;
    seen.text = MessageBoxText(box);
    seen.caption = MessageBoxCaption(box);
    seen.buttons = MessageBoxButtons(box);
    seen.icon = HasIcon(box);
    if (meanwhile)
        meanwhile();
    AnswerMessageBox(box, answer);
    return seen;
}

} // namespace driver
