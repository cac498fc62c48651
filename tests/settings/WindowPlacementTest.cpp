// Saving and restoring where a window was left, on a real window of this test program.
#include <gtest/gtest.h>

#include "framework/CWinApp.h"
#include "settings/SettingsKeys.h"
#include "settings/WindowPlacement.h"
#include "tests/driver/Driver.h"

using namespace driver;

namespace {

const char kPadSection[] = "Shopping.ql";

// A plain top-level window, shown without taking the activation.
class TestWindow {
  public:
    TestWindow(int x, int y, int width, int height, DWORD exStyle = 0) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(NULL);
        windowClass.lpszClassName = "QuillowPlacementTest";
        RegisterClassA(&windowClass);
        m_hWnd =
            CreateWindowExA(exStyle, windowClass.lpszClassName, "Placement", WS_OVERLAPPEDWINDOW, x,
                            y, width, height, NULL, NULL, windowClass.hInstance, NULL);
        ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
        PumpMessages(20);
    }
    ~TestWindow() { DestroyWindow(m_hWnd); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return m_hWnd; }
    RECT Rect() const {
        RECT rect;
        GetWindowRect(m_hWnd, &rect);
        return rect;
    }
    void MoveTo(int x, int y) {
        SetWindowPos(m_hWnd, NULL, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

  private:
    HWND m_hWnd;
};

RECT DesktopRect() {
    RECT rect;
    GetWindowRect(GetDesktopWindow(), &rect);
    return rect;
}

void StorePosition(const char* section, int x, int y) {
    IniSetInt(section, KEY_ROW, x);
    IniSetInt(section, KEY_COLUMN, y);
}

void ExpectRect(const RECT& rect, int x, int y, int width, int height) {
    EXPECT_EQ(x, rect.left);
    EXPECT_EQ(y, rect.top);
    EXPECT_EQ(width, rect.right - rect.left);
    EXPECT_EQ(height, rect.bottom - rect.top);
}

} // namespace

TEST(SavePlacement, APadSectionGetsPositionAndOuterSizeEvenOffTheScreen) {
    ScopedIni ini;
    TestWindow window(-30, -40, 310, 220);
    const RECT rect = window.Rect();
    SaveWindowPlacement(window.Handle(), kPadSection);
    EXPECT_EQ(rect.left, IniGetInt(kPadSection, KEY_ROW, 1));
    EXPECT_EQ(rect.top, IniGetInt(kPadSection, KEY_COLUMN, 1));
    EXPECT_EQ(rect.right - rect.left, IniGetInt(kPadSection, KEY_WIDTH, 0));
    EXPECT_EQ(rect.bottom - rect.top, IniGetInt(kPadSection, KEY_HEIGHT, 0));
    EXPECT_EQ(-30, rect.left);
}

TEST(SavePlacement, TheGlobalSectionInAnyCaseGetsThePositionOnly) {
    ScopedIni ini;
    IniSetInt(kGlobalSection, KEY_WIDTH, 280);
    IniDeleteKey(kGlobalSection, KEY_HEIGHT);
    TestWindow window(70, 90, 400, 180);
    SaveWindowPlacement(window.Handle(), "QUILLOW contents");
    EXPECT_EQ(70, IniGetInt(kGlobalSection, KEY_ROW, 0));
    EXPECT_EQ(90, IniGetInt(kGlobalSection, KEY_COLUMN, 0));
    EXPECT_EQ(280, IniGetInt(kGlobalSection, KEY_WIDTH, 0));
    EXPECT_FALSE(IniHasKey(kGlobalSection, KEY_HEIGHT));
}

TEST(RestorePlacement, ASavedPadComesBackWhereAndAsLargeAsItWas) {
    ScopedIni ini;
    TestWindow window(120, 130, 260, 190);
    SaveWindowPlacement(window.Handle(), kPadSection);
    SetWindowPos(window.Handle(), NULL, 10, 20, 500, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    RestoreWindowPlacement(window.Handle(), kPadSection);
    ExpectRect(window.Rect(), 120, 130, 260, 190);
}

TEST(RestorePlacement, NoKeysKeepThePlaceAndTakeTheDefaultPadSizeOnlyWhenBothArePositive) {
    ScopedIni ini;
    TestWindow window(50, 60, 300, 200);
    RestoreWindowPlacement(window.Handle(), kPadSection);
    ExpectRect(window.Rect(), 50, 60, 300, 200);

    IniSetInt(kGlobalSection, KEY_WIDTH, 300);
    IniSetInt(kGlobalSection, KEY_HEIGHT, 0);
    RestoreWindowPlacement(window.Handle(), kPadSection);
    ExpectRect(window.Rect(), 50, 60, 300, 200);

    IniSetInt(kGlobalSection, KEY_WIDTH, 240);
    IniSetInt(kGlobalSection, KEY_HEIGHT, 170);
    RestoreWindowPlacement(window.Handle(), kPadSection);
    ExpectRect(window.Rect(), 50, 60, 240, 170);
}

TEST(RestorePlacement, AMissingPadSizeKeyFallsBackToTheDefaultPadSize) {
    ScopedIni ini;
    IniSetInt(kGlobalSection, KEY_HEIGHT, 200);
    IniSetInt(kPadSection, KEY_WIDTH, 250);
    TestWindow window(50, 60, 300, 180);
    RestoreWindowPlacement(window.Handle(), kPadSection);
    ExpectRect(window.Rect(), 50, 60, 250, 200);
}

TEST(RestorePlacement, AWidthOfZeroOrLessMovesWithoutResizing) {
    ScopedIni ini;
    TestWindow window(50, 60, 300, 180);
    StorePosition(kPadSection, 80, 90);
    IniSetInt(kPadSection, KEY_WIDTH, 0);
    IniSetInt(kPadSection, KEY_HEIGHT, 300);
    RestoreWindowPlacement(window.Handle(), kPadSection);
    ExpectRect(window.Rect(), 80, 90, 300, 180);

    StorePosition(kPadSection, 85, 95);
    IniSetInt(kPadSection, KEY_WIDTH, -250);
    RestoreWindowPlacement(window.Handle(), kPadSection);
    ExpectRect(window.Rect(), 85, 95, 300, 180);
}

TEST(RestorePlacement, ACornerLeftOfOrAboveTheScreenBringsTheWindowToTheOrigin) {
    ScopedIni ini;
    TestWindow window(50, 60, 300, 180);
    StorePosition(kPadSection, -1, 200);
    RestoreWindowPlacement(window.Handle(), kPadSection);
    ExpectRect(window.Rect(), 0, 0, 300, 180);

    window.MoveTo(50, 60);
    StorePosition(kPadSection, 200, -1);
    RestoreWindowPlacement(window.Handle(), kPadSection);
    ExpectRect(window.Rect(), 0, 0, 300, 180);
}

TEST(RestorePlacement, TheScreensRightAndBottomEdgesThemselvesStillCount) {
    ScopedIni ini;
    const RECT desktop = DesktopRect();
    TestWindow window(50, 60, 300, 180);
    StorePosition(kPadSection, desktop.right, desktop.bottom);
    RestoreWindowPlacement(window.Handle(), kPadSection);
    ExpectRect(window.Rect(), desktop.right, desktop.bottom, 300, 180);

    StorePosition(kPadSection, desktop.right + 1, 100);
    RestoreWindowPlacement(window.Handle(), kPadSection);
    ExpectRect(window.Rect(), 0, 0, 300, 180);

    window.MoveTo(50, 60);
    StorePosition(kPadSection, 100, desktop.bottom + 1);
    RestoreWindowPlacement(window.Handle(), kPadSection);
    ExpectRect(window.Rect(), 0, 0, 300, 180);
}

TEST(RestorePlacement, AWindowCurrentlyOffTheScreenWithNoStoredPlaceGoesToTheOrigin) {
    ScopedIni ini;
    TestWindow window(-20, 60, 300, 180);
    RestoreWindowPlacement(window.Handle(), kPadSection);
    ExpectRect(window.Rect(), 0, 0, 300, 180);
}

TEST(RestorePlacement, TheGlobalSectionInAnyCaseNeverTakesASize) {
    ScopedIni ini;
    IniSetInt(kGlobalSection, KEY_WIDTH, 240);
    IniSetInt(kGlobalSection, KEY_HEIGHT, 170);
    StorePosition(kGlobalSection, 33, 44);
    TestWindow window(50, 60, 395, 175);
    RestoreWindowPlacement(window.Handle(), "quillow CONTENTS");
    ExpectRect(window.Rect(), 33, 44, 395, 175);
}

TEST(RestorePlacement, TheStackingAndTopMostStateAreKept) {
    ScopedIni ini;
    StorePosition(kPadSection, 40, 50);
    TestWindow plain(50, 60, 300, 180);
    RestoreWindowPlacement(plain.Handle(), kPadSection);
    EXPECT_FALSE(GetWindowLongA(plain.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    TestWindow topMost(50, 60, 300, 180, WS_EX_TOPMOST);
    RestoreWindowPlacement(topMost.Handle(), kPadSection);
    EXPECT_TRUE(GetWindowLongA(topMost.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    ExpectRect(topMost.Rect(), 40, 50, 300, 180);
}
