// How a pad looks and where it stands: its colour, its place and size, its icons, and the
// edit control filling the window.
#include "framework/CMenu.h"
#include "res/resource.h"
#include "tests/pad/PadTesting.h"

using namespace driver;
using padtest::Pad;

namespace {

class PadAppearance : public padtest::PadEndToEndTest {
  protected:
    // The colour a user sees near the bottom right of the pad's text area, away from text.
    COLORREF ColourSeen(const Pad& pad) {
        RECT client = ClientRectOnScreen(pad.window);
        COLORREF colour = CLR_INVALID;
        WaitUntil([&] {
            colour = ScreenPixel(client.right - 6, client.bottom - 6);
            return colour != CLR_INVALID;
        });
        return colour;
    }

    COLORREF ColourOfPad(const std::string& text) {
        std::string path = m_home.File("Colour.ql");
        WriteFileBytes(path, text);
        Pad pad = OpenPad(path, "Colour.ql");
        if (!pad.window)
            return CLR_INVALID;
        PumpMessages(300);
        COLORREF colour = ColourSeen(pad);
        ClosePad(pad);
        return colour;
    }
};

TEST_F(PadAppearance, APadWithoutColourSettingsIsYellow) {
    EXPECT_EQ(RGB(255, 255, 0), ColourOfPad("text"));
}

TEST_F(PadAppearance, TheGlobalColourIsUsedWhenThePadHasNone) {
    IniSetInt(kGlobalSection, "BkColor", RGB(0, 255, 0));
    IniSetInt("Colour.ql", "BkColor", -1);
    EXPECT_EQ(RGB(0, 255, 0), ColourOfPad("text"));
}

TEST_F(PadAppearance, ThePadsOwnColourComesBeforeTheGlobalOne) {
    IniSetInt(kGlobalSection, "BkColor", RGB(0, 255, 0));
    IniSetInt("Colour.ql", "BkColor", RGB(0, 255, 255));
    EXPECT_EQ(RGB(0, 255, 255), ColourOfPad("text"));
}

TEST_F(PadAppearance, APadReopensAtItsStoredPlaceAndSize) {
    std::string path = m_home.File("Placed.ql");
    ASSERT_TRUE(WriteFileBytes(path, "here"));
    IniSetInt("Placed.ql", "Row", 210);
    IniSetInt("Placed.ql", "Column", 130);
    IniSetInt("Placed.ql", "Width", 300);
    IniSetInt("Placed.ql", "Height", 220);
    Pad pad = OpenPad(path, "Placed.ql");
    ASSERT_TRUE(pad.window);
    RECT rect = {};
    EXPECT_TRUE(WaitUntil([&] {
        rect = WindowRect(pad.window);
        return rect.left == 210 && rect.top == 130;
    }));
    EXPECT_EQ(300, rect.right - rect.left);
    EXPECT_EQ(220, rect.bottom - rect.top);

    // Moved and closed, it stores where it was left.
    SetWindowPos(pad.window, NULL, 150, 100, 260, 180, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ(150, IniGetInt("Placed.ql", "Row", 0));
    EXPECT_EQ(100, IniGetInt("Placed.ql", "Column", 0));
    EXPECT_EQ(260, IniGetInt("Placed.ql", "Width", 0));
    EXPECT_EQ(180, IniGetInt("Placed.ql", "Height", 0));
}

// In-process: what another process cannot read.
class PadInProcess : public ::testing::Test {
  protected:
    PadInProcess() : m_ini(m_home.Path()), m_path(m_home.File("Inside.ql")) {
        WriteFileBytes(m_path, "inside");
    }
    TempFolder m_home;
    ScopedIni m_ini;
    std::string m_path;
};

COLORREF BrushColour(HBRUSH brush) {
    LOGBRUSH logBrush = {};
    if (!brush || !GetObjectA(brush, sizeof logBrush, &logBrush))
        return CLR_INVALID;
    return logBrush.lbColor;
}

TEST_F(PadInProcess, TheEditIsColouredWithThePadsBrushBlackOnTheBackground) {
    IniSetInt("Inside.ql", "BkColor", RGB(10, 20, 30));
    COLORREF brushColour = CLR_INVALID, textColour = CLR_INVALID, backColour = CLR_INVALID;
    COLORREF staticBrush = CLR_INVALID;
    padtest::RunPadInProcess(m_path, [&](CPadDlg& pad) {
        HDC dc = GetDC(pad.m_edit);
        SetTextColor(dc, RGB(1, 2, 3));
        HBRUSH brush =
            reinterpret_cast<HBRUSH>(pad.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                                     reinterpret_cast<LPARAM>(pad.m_edit.m_hWnd)));
        brushColour = BrushColour(brush);
        textColour = GetTextColor(dc);
        backColour = GetBkColor(dc);
        staticBrush = BrushColour(reinterpret_cast<HBRUSH>(pad.SendMessage(
            WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(pad.m_hWnd))));
        ReleaseDC(pad.m_edit, dc);
    });
    EXPECT_EQ(RGB(10, 20, 30), brushColour);
    EXPECT_EQ(RGB(0, 0, 0), textColour);
    EXPECT_EQ(RGB(10, 20, 30), backColour);
    EXPECT_NE(RGB(10, 20, 30), staticBrush) << "the dialog itself keeps its default colour";
}

TEST_F(PadInProcess, TheEditFollowsTheWindowsSize) {
    RECT client = {}, edit = {}, editInParent = {};
    padtest::RunPadInProcess(m_path, [&](CPadDlg& pad) {
        pad.SetWindowPos(NULL, 0, 0, 333, 244, SWP_NOMOVE | SWP_NOZORDER);
        GetClientRect(pad, &client);
        GetWindowRect(pad.m_edit, &edit);
        editInParent = edit;
        MapWindowPoints(NULL, pad, reinterpret_cast<POINT*>(&editInParent), 2);
    });
    EXPECT_EQ(client.right, edit.right - edit.left);
    EXPECT_EQ(client.bottom, edit.bottom - edit.top);
    EXPECT_EQ(0, editInParent.left);
    EXPECT_GT(editInParent.top, 0) << "the edit keeps its strip at the top";
}

TEST_F(PadInProcess, TheWindowShowsTheProgramsIconBigAndSmall) {
    HICON big = NULL, small = NULL, expected = NULL;
    padtest::RunPadInProcess(m_path, [&](CPadDlg& pad) {
        big = reinterpret_cast<HICON>(pad.SendMessage(WM_GETICON, ICON_BIG));
        small = reinterpret_cast<HICON>(pad.SendMessage(WM_GETICON, ICON_SMALL));
        expected = pad.m_hIcon;
    });
    EXPECT_TRUE(expected);
    EXPECT_EQ(expected, big);
    EXPECT_EQ(expected, small);
    EXPECT_EQ(LoadIconA(GetModuleHandleA(NULL), MAKEINTRESOURCEA(IDR_MAINFRAME)), expected);
}

TEST_F(PadInProcess, TheTextShowsWithNothingSelectedAndTheCaretAtTheEnd) {
    DWORD start = 1, end = 1;
    padtest::RunPadInProcess(m_path, [&](CPadDlg& pad) {
        pad.m_edit.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                               reinterpret_cast<LPARAM>(&end));
    });
    EXPECT_EQ(6u, start);
    EXPECT_EQ(6u, end);
}

} // namespace
