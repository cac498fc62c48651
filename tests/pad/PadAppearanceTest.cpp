// How a pad looks and where it stands: its colour, its place and size, its icons, and the
// edit control filling the window.
#include "framework/CMenu.h"
#include "res/resource.h"
#include "tests/pad/PadTesting.h"

using namespace driver;
using padtest::Pad;

namespace {

using PadAppearance = padtest::PadEndToEndTest;

TEST_F(PadAppearance, ThePadsColourIsItsOwnElseTheGlobalOneElseYellow) {
    const int kNone = -2; // the key is left out
    struct Case {
        int global, own;
        COLORREF seen;
    };
    for (const Case& c :
         {Case{kNone, kNone, RGB(255, 255, 0)}, Case{RGB(0, 255, 0), -1, RGB(0, 255, 0)},
          Case{RGB(0, 255, 0), RGB(0, 255, 255), RGB(0, 255, 255)}}) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.global << " " << c.own);
        IniDeleteKey(kGlobalSection, "BkColor");
        IniDeleteKey("Colour.ql", "BkColor");
        if (c.global != kNone)
            IniSetInt(kGlobalSection, "BkColor", c.global);
        if (c.own != kNone)
            IniSetInt("Colour.ql", "BkColor", c.own);
        Pad pad = OpenPadOn("Colour.ql", "text");
        ASSERT_TRUE(pad.window);
        EXPECT_TRUE(ShowsColour(pad, c.seen));
        ASSERT_TRUE(ClosePad(pad));
    }
}

TEST_F(PadAppearance, APadReopensAtItsStoredPlaceAndSizeAndStoresWhereItWasLeft) {
    IniSetInt("Placed.ql", "Row", 210);
    IniSetInt("Placed.ql", "Column", 130);
    IniSetInt("Placed.ql", "Width", 300);
    IniSetInt("Placed.ql", "Height", 220);
    Pad pad = OpenPadOn("Placed.ql", "here");
    ASSERT_TRUE(pad.window);
    RECT rect = {};
    EXPECT_TRUE(WaitUntil([&] {
        rect = WindowRect(pad.window);
        return rect.left == 210 && rect.top == 130;
    }));
    EXPECT_EQ(300, rect.right - rect.left);
    EXPECT_EQ(220, rect.bottom - rect.top);

    SetWindowPos(pad.window, NULL, 150, 100, 260, 180, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ(150, IniGetInt("Placed.ql", "Row", 0));
    EXPECT_EQ(100, IniGetInt("Placed.ql", "Column", 0));
    EXPECT_EQ(260, IniGetInt("Placed.ql", "Width", 0));
    EXPECT_EQ(180, IniGetInt("Placed.ql", "Height", 0));
}

// In-process: what another process cannot read.
using PadInProcess = padtest::PadInProcessTest;

COLORREF BrushColour(LRESULT brush) {
    LOGBRUSH logBrush = {};
    if (!brush || !GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof logBrush, &logBrush))
        return CLR_INVALID;
    return logBrush.lbColor;
}

TEST_F(PadInProcess, TheEditIsColouredWithThePadsBrushBlackOnTheBackground) {
    IniSetInt("Inside.ql", "BkColor", RGB(10, 20, 30));
    COLORREF editBrush = CLR_INVALID, text = CLR_INVALID, back = CLR_INVALID;
    COLORREF dialogBrush = CLR_INVALID;
    Run([&](CPadDlg& pad) {
        HDC dc = GetDC(pad.m_edit);
        SetTextColor(dc, RGB(1, 2, 3));
        WPARAM wParam = reinterpret_cast<WPARAM>(dc);
        editBrush = BrushColour(
            pad.SendMessage(WM_CTLCOLOREDIT, wParam, reinterpret_cast<LPARAM>(pad.m_edit.m_hWnd)));
        text = GetTextColor(dc);
        back = GetBkColor(dc);
        dialogBrush = BrushColour(
            pad.SendMessage(WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(pad.m_hWnd)));
        ReleaseDC(pad.m_edit, dc);
    });
    EXPECT_EQ(RGB(10, 20, 30), editBrush);
    EXPECT_EQ(RGB(0, 0, 0), text);
    EXPECT_EQ(RGB(10, 20, 30), back);
    EXPECT_NE(RGB(10, 20, 30), dialogBrush) << "the dialog itself keeps its default colour";
}

TEST_F(PadInProcess, TheEditFollowsTheWindowsSize) {
    RECT client = {}, edit = {};
    Run([&](CPadDlg& pad) {
        pad.SetWindowPos(NULL, 0, 0, 333, 244, SWP_NOMOVE | SWP_NOZORDER);
        GetClientRect(pad, &client);
        GetWindowRect(pad.m_edit, &edit);
        MapWindowPoints(NULL, pad, reinterpret_cast<POINT*>(&edit), 2);
    });
    EXPECT_EQ(client.right, edit.right - edit.left);
    EXPECT_EQ(client.bottom, edit.bottom - edit.top);
    EXPECT_EQ(0, edit.left);
    EXPECT_GT(edit.top, 0) << "the edit keeps its strip at the top";
}

TEST_F(PadInProcess, TheWindowShowsTheProgramsIconBigAndSmall) {
    HICON big = NULL, small = NULL;
    Run([&](CPadDlg& pad) {
        big = reinterpret_cast<HICON>(pad.SendMessage(WM_GETICON, ICON_BIG));
        small = reinterpret_cast<HICON>(pad.SendMessage(WM_GETICON, ICON_SMALL));
    });
    HICON expected = LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_MAINFRAME));
    EXPECT_TRUE(expected);
    EXPECT_EQ(expected, big);
    EXPECT_EQ(expected, small);
}

TEST_F(PadInProcess, TheTextShowsWithNothingSelectedAndTheCaretAtTheEnd) {
    DWORD start = 1, end = 1;
    Run([&](CPadDlg& pad) {
        pad.m_edit.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                               reinterpret_cast<LPARAM>(&end));
    });
    EXPECT_EQ(6u, start);
    EXPECT_EQ(6u, end);
}

} // namespace
