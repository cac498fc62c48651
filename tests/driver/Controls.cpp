#include "Controls.h"

#include "FindWindows.h"

#include <dlgs.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace driver {

namespace {

// Long enough for a busy program, short enough that a hung one fails the test instead of
// hanging it.
constexpr UINT kSendTimeoutMs = 5000;

bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
    return SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs,
                               &result) != 0;
}

bool SendW(HWND window, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs,
                               &result) != 0;
}

LRESULT CALLBACK FocusTakerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// The test program's own window that takes the activation; made once, on the first call,
// and owned by the calling thread for the life of the test program.
HWND FocusTaker() {
    static HWND window = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = FocusTakerProc;
        windowClass.hInstance = GetModuleHandleA(NULL);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = "QuillowTestFocusTaker";
        RegisterClassA(&windowClass);
        return CreateWindowExA(WS_EX_TOOLWINDOW, windowClass.lpszClassName, "Quillow test",
                               WS_POPUP | WS_CAPTION, 0, 740, 120, 28, NULL, NULL,
                               windowClass.hInstance, NULL);
    }();
    return window;
}

// The result, or -1 when the window does not answer.
LRESULT SendW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    return SendW(window, message, wParam, lParam, result) ? static_cast<LRESULT>(result) : -1;
}

// Empty for an index that names no item.
std::wstring ItemText(HWND combo, LRESULT index) {
    std::vector<wchar_t> text(std::max<LRESULT>(SendW(combo, CB_GETLBTEXTLEN, index, 0), 0) + 1);
    SendW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

// Selects the first item that matches in the chooser's list and tells the chooser.
bool Pick(HWND chooser, int id, const std::function<bool(HWND, int)>& matches) {
    HWND combo = GetDlgItem(chooser, id);
    LRESULT count = SendW(combo, CB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        if (!matches(combo, i))
            continue;
        SendW(combo, CB_SETCURSEL, i, 0);
        SendW(chooser, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
        return true;
    }
    return false;
}

bool SetCheck(HWND chooser, int id, bool checked) {
    HWND box = GetDlgItem(chooser, id);
    if ((SendW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) != checked)
        SendW(box, BM_CLICK, 0, 0);
    return (SendW(box, BM_GETCHECK, 0, 0) == BST_CHECKED) == checked;
}

} // namespace

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!Send(window, WM_GETTEXTLENGTH, 0, 0, length))
        return std::string();
    std::vector<char> text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!Send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), copied))
        return std::string();
    return std::string(text.data(), copied < text.size() ? copied : length);
}

std::wstring WideWindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendW(window, WM_GETTEXTLENGTH, 0, 0, length))
        return std::wstring();
    std::vector<wchar_t> text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), copied))
        return std::wstring();
    return std::wstring(text.data(), copied < text.size() ? copied : length);
}

bool PostWideText(HWND edit, const std::wstring& text) {
    for (wchar_t ch : text)
        if (!PostMessageW(edit, WM_CHAR, ch == L'\n' ? L'\r' : ch, 1))
            return false;
    return true;
}

bool SetText(HWND window, const std::string& text) {
    DWORD_PTR result = 0;
    return Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), result) && result;
}

HWND ControlOf(HWND dialog, int id) { return GetDlgItem(dialog, id); }

bool IsTopMost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect = {};
    GetClientRect(window, &rect);
    MapWindowPoints(window, NULL, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

bool TypeText(HWND edit, const std::string& text) {
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        unsigned char ch = static_cast<unsigned char>(text[i]);
        if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        if (ch == '\n')
            ch = '\r';
        DWORD_PTR result = 0;
        if (!Send(edit, WM_CHAR, ch, 1, result))
            return false;
    }
    return true;
}

bool TakeFocusAway() {
    HWND taker = FocusTaker();
    if (!taker)
        return false;
    HWND previous = GetForegroundWindow();
    HWND previousFocus = previous && previous != taker ? FocusOf(previous) : NULL;
    ShowWindow(taker, SW_SHOWNORMAL);
    SetForegroundWindow(taker);
    // The other process learns of the change through its queue: wait until the system agrees
    // and its focused control has been told (WM_KILLFOCUS goes out as its focus is cleared).
    if (!WaitUntil([&] { return GetForegroundWindow() == taker; }))
        return false;
    return !previousFocus || WaitUntil([&] { return FocusOf(previous) != previousFocus; });
}

// Wine lets any process set the foreground window, so a console test program can activate
// the program's windows and its own without AllowSetForegroundWindow. Windows would refuse
// while the test program is not itself in the foreground.
bool Activate(HWND window) {
    SetForegroundWindow(window);
    return WaitUntil([&] { return GetForegroundWindow() == window; });
}

bool PressKey(WORD virtualKey) {
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
    }
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

bool PressKeys(const std::vector<WORD>& virtualKeys) {
    std::vector<INPUT> inputs(virtualKeys.size() * 2);
    for (size_t i = 0; i < virtualKeys.size(); ++i) {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wVk = virtualKeys[i];
        INPUT& release = inputs[inputs.size() - 1 - i];
        release.type = INPUT_KEYBOARD;
        release.ki.wVk = virtualKeys[i];
        release.ki.dwFlags = KEYEVENTF_KEYUP;
    }
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) ==
           inputs.size();
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, NULL), &info))
        return NULL;
    return info.hwndFocus;
}

bool PostCommand(HWND window, int id) {
    return PostMessageA(window, WM_COMMAND, MAKEWPARAM(id, 0), 0) != FALSE;
}

bool PostSysCommand(HWND window, int id) {
    return PostMessageA(window, WM_SYSCOMMAND, static_cast<WPARAM>(id), 0) != FALSE;
}

bool ClickButton(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    return button && PostMessageA(button, BM_CLICK, 0, 0) != FALSE;
}

bool PostClose(HWND window) { return PostMessageA(window, WM_CLOSE, 0, 0) != FALSE; }

std::vector<std::string> ListBoxItems(HWND list) {
    std::vector<std::string> items;
    DWORD_PTR count = 0;
    if (!SendW(list, LB_GETCOUNT, 0, 0, count) || static_cast<LRESULT>(count) == LB_ERR)
        return items;
    for (DWORD_PTR i = 0; i < count; ++i) {
        DWORD_PTR length = 0;
        if (!SendW(list, LB_GETTEXTLEN, i, 0, length) || static_cast<LRESULT>(length) == LB_ERR)
            break;
        std::vector<wchar_t> wide(length + 1, L'\0');
        DWORD_PTR copied = 0;
        if (!SendW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(wide.data()), copied) ||
            static_cast<LRESULT>(copied) == LB_ERR)
            break;
        const int wideLength = static_cast<int>(copied < wide.size() ? copied : length);
        const int size =
            WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, NULL, 0, NULL, NULL);
        std::string item(size > 0 ? size : 0, '\0');
        if (size > 0)
            WideCharToMultiByte(CP_ACP, 0, wide.data(), wideLength, &item[0], size, NULL, NULL);
        items.push_back(item);
    }
    return items;
}

int ListBoxSelection(HWND list) {
    DWORD_PTR selection = 0;
    if (!Send(list, LB_GETCURSEL, 0, 0, selection))
        return LB_ERR;
    return static_cast<int>(static_cast<LRESULT>(selection));
}

bool SelectListItem(HWND list, int index) {
    DWORD_PTR result = 0;
    return Send(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0, result) &&
           (static_cast<LRESULT>(result) != LB_ERR || index == -1);
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(NULL);
    const COLORREF colour = GetPixel(screen, x, y);
    ReleaseDC(NULL, screen);
    return colour;
}

bool FillFontChooser(HWND chooser, const FontChoice& choice) {
    // An item whose data, in the bits that count, is wanted. The style list's data is the
    // weight and, above it, the italic flag; the size list's is the size in points.
    auto data = [](LRESULT bits, LRESULT wanted) {
        return [=](HWND combo, int i) {
            return (SendW(combo, CB_GETITEMDATA, i, 0) & bits) == wanted;
        };
    };
    return Pick(chooser, cmb1,
                [&](HWND combo, int i) { return ItemText(combo, i) == choice.face; }) &&
           Pick(chooser, cmb2, data(-1, MAKELONG(choice.weight, choice.italic ? 1 : 0))) &&
           Pick(chooser, cmb3, data(0xFFFF, choice.points)) &&
           Pick(chooser, cmb4, data(0xFFFFFFFF, choice.colour)) &&
           SetCheck(chooser, chx1, choice.strikeOut) && SetCheck(chooser, chx2, choice.underline);
}

std::wstring ChosenFace(HWND chooser) {
    HWND combo = GetDlgItem(chooser, cmb1);
    return ItemText(combo, SendW(combo, CB_GETCURSEL, 0, 0));
}

TextLayout MeasureTwoLines(HWND edit, int n) {
    auto position = [&](int index) {
        LRESULT packed = SendW(edit, EM_POSFROMCHAR, index, 0);
        POINT point = {static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))};
        return point;
    };
    // The second line starts after the first's characters and its CR LF.
    POINT first = position(0), firstEnd = position(n - 1), second = position(n + 2),
          secondEnd = position(2 * n + 1);
    TextLayout layout;
    layout.lineHeight = second.y - first.y;
    layout.firstLineWidth = firstEnd.x - first.x;
    layout.secondLineWidth = secondEnd.x - second.x;
    return layout;
}

bool ScreenShowsColour(const RECT& rect, COLORREF colour) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;
    // One copy of the screen, read in this process: far quicker than a screen read per pixel.
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    bool found = false;
    for (int i = 0; i < width * height && !found; ++i)
        found = GetPixel(memory, i % width, i / width) == colour;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return found;
}

} // namespace driver
