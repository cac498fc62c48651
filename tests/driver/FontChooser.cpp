#include "FontChooser.h"

#include <dlgs.h>

#include <functional>
#include <vector>

namespace driver {

namespace {

constexpr UINT kSendTimeoutMs = 5000;

LRESULT SendW(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = static_cast<DWORD_PTR>(-1);
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kSendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

std::wstring ItemText(HWND combo, int index) {
    LRESULT length = SendW(combo, CB_GETLBTEXTLEN, index, 0);
    if (length < 0)
        return std::wstring();
    std::vector<wchar_t> text(length + 1, L'\0');
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

bool FillFontChooser(HWND chooser, const FontChoice& choice) {
    // The style list's data is the weight and, above it, the italic flag; the size list's is
    // the size in points.
    const LPARAM style = MAKELONG(choice.weight, choice.italic ? 1 : 0);
    return Pick(chooser, cmb1,
                [&](HWND combo, int i) { return ItemText(combo, i) == choice.face; }) &&
           Pick(chooser, cmb2,
                [&](HWND combo, int i) { return SendW(combo, CB_GETITEMDATA, i, 0) == style; }) &&
           Pick(chooser, cmb3,
                [&](HWND combo, int i) {
                    return LOWORD(SendW(combo, CB_GETITEMDATA, i, 0)) == choice.points;
                }) &&
           Pick(chooser, cmb4,
                [&](HWND combo, int i) {
                    return static_cast<COLORREF>(SendW(combo, CB_GETITEMDATA, i, 0)) ==
                           choice.colour;
                }) &&
           SetCheck(chooser, chx1, choice.strikeOut) && SetCheck(chooser, chx2, choice.underline);
}

std::wstring ChosenFace(HWND chooser) {
    HWND combo = GetDlgItem(chooser, cmb1);
    LRESULT index = SendW(combo, CB_GETCURSEL, 0, 0);
    return index < 0 ? std::wstring() : ItemText(combo, static_cast<int>(index));
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
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = NULL;
    HDC screen = GetDC(NULL);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    bool found = false;
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
        SelectObject(memory, old);
        // Each pixel as 0x00RRGGBB.
        const DWORD wanted =
            (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
        const DWORD* pixels = static_cast<const DWORD*>(bits);
        for (int i = 0; i < width * height && !found; ++i)
            found = (pixels[i] & 0xFFFFFF) == wanted;
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(NULL, screen);
    return found;
}

} // namespace driver
