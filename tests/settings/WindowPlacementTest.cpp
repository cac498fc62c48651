// Saving and restoring where a window was left, on a real window of this test program.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

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

  private:
    HWND m_hWnd;
};

RECT DesktopRect() {
    RECT rect;
    GetWindowRect(GetDesktopWindow(), &rect);
    return rect;
}

// Stores blank-separated "Key=value" pairs in the section.
void StoreKeys(const std::string& section, const std::string& keys) {
    std::istringstream pairs(keys);
    std::string pair;
    while (pairs >> pair) {
        const size_t equals = pair.find('=');
        IniSetInt(section, pair.substr(0, equals), std::stoi(pair.substr(equals + 1)));
    }
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

TEST(SavePlacement, AMinimisedWindowKeepsThePlaceAndSizeItIsRestoredTo) {
    ScopedIni ini;
    TestWindow window(120, 80, 310, 220);
    const RECT rect = window.Rect();
    ShowWindow(window.Handle(), SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(window.Handle()));
    SaveWindowPlacement(window.Handle(), kPadSection);
    EXPECT_EQ(rect.left, IniGetInt(kPadSection, KEY_ROW, 1));
    EXPECT_EQ(rect.top, IniGetInt(kPadSection, KEY_COLUMN, 1));
    EXPECT_EQ(rect.right - rect.left, IniGetInt(kPadSection, KEY_WIDTH, 0));
    EXPECT_EQ(rect.bottom - rect.top, IniGetInt(kPadSection, KEY_HEIGHT, 0));
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

TEST(SavePlacement, AWindowAlreadyGoneWritesNothing) {
    ScopedIni ini;
    HWND gone = NULL;
    {
        TestWindow window(10, 10, 100, 100);
        gone = window.Handle();
    }
    SaveWindowPlacement(gone, kPadSection);
    EXPECT_FALSE(IniHasSection(kPadSection));
}

TEST(RestorePlacement, ASavedPadComesBackWhereAndAsLargeAsItWas) {
    ScopedIni ini;
    TestWindow window(120, 130, 260, 190);
    SaveWindowPlacement(window.Handle(), kPadSection);
    SetWindowPos(window.Handle(), NULL, 10, 20, 500, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    RestoreWindowPlacement(window.Handle(), kPadSection);
    ExpectRect(window.Rect(), 120, 130, 260, 190);
}

TEST(RestorePlacement, StoredKeysTheDefaultSizeAndTheScreensEdgesDecideWhereTheWindowGoes) {
    struct Case {
        const char* name;
        int windowLeft;
        const char* section;
        std::string keys;
        std::string globalKeys;
        RECT expected; // left, top, width, height
    };
    const RECT desktop = DesktopRect();
    const std::string right = std::to_string(desktop.right);
    const std::string bottom = std::to_string(desktop.bottom);
    const std::string rightOff = std::to_string(desktop.right + 1);
    const std::string bottomOff = std::to_string(desktop.bottom + 1);
    const LONG r = desktop.right;
    const LONG b = desktop.bottom;
    const char* const pad = kPadSection;
    // A width of 0 or less moves without resizing; the global section in any case never
    // takes a size.
    const char* const global = "quillow CONTENTS";
    const std::vector<Case> cases = {
        {"no keys", 50, pad, "", "", {50, 60, 300, 180}},
        {"default size needs both", 50, pad, "", "Width=300 Height=0", {50, 60, 300, 180}},
        {"default size", 50, pad, "", "Width=240 Height=170", {50, 60, 240, 170}},
        {"missing size key", 50, pad, "Width=250", "Height=200", {50, 60, 250, 200}},
        {"width 0", 50, pad, "Row=80 Column=90 Width=0 Height=300", "", {80, 90, 300, 180}},
        {"width < 0", 50, pad, "Row=85 Column=95 Width=-250", "", {85, 95, 300, 180}},
        {"left of the screen", 50, pad, "Row=-1 Column=200", "", {0, 0, 300, 180}},
        {"above the screen", 50, pad, "Row=200 Column=-1", "", {0, 0, 300, 180}},
        {"on the edges", 50, pad, "Row=" + right + " Column=" + bottom, "", {r, b, 300, 180}},
        {"right of the screen", 50, pad, "Row=" + rightOff + " Column=100", "", {0, 0, 300, 180}},
        {"below the screen", 50, pad, "Row=100 Column=" + bottomOff, "", {0, 0, 300, 180}},
        {"off the screen now", -20, pad, "", "", {0, 0, 300, 180}},
        {"global", 50, global, "Row=33 Column=44", "Width=240 Height=170", {33, 44, 300, 180}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedIni ini;
        StoreKeys(c.section, c.keys);
        StoreKeys(kGlobalSection, c.globalKeys);
        TestWindow window(c.windowLeft, 60, 300, 180);
        RestoreWindowPlacement(window.Handle(), c.section);
        ExpectRect(window.Rect(), c.expected.left, c.expected.top, c.expected.right,
                   c.expected.bottom);
    }
}

TEST(RestorePlacement, TheStackingAndTopMostStateAreKept) {
    ScopedIni ini;
    IniSetInt(kPadSection, KEY_ROW, 40);
    IniSetInt(kPadSection, KEY_COLUMN, 50);
    TestWindow plain(50, 60, 300, 180);
    RestoreWindowPlacement(plain.Handle(), kPadSection);
    EXPECT_FALSE(GetWindowLongA(plain.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);

    TestWindow topMost(50, 60, 300, 180, WS_EX_TOPMOST);
    RestoreWindowPlacement(topMost.Handle(), kPadSection);
    EXPECT_TRUE(GetWindowLongA(topMost.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    ExpectRect(topMost.Rect(), 40, 50, 300, 180);
}
