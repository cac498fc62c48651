// The pad's system menu and its commands: the rows it holds, the two flags, rename and
// options, as a user reaches them.
#include "framework/CMenu.h"
#include "framework/CWinApp.h"
#include "pad/PadSystemMenu.h"
#include "res/resource.h"
#include "tests/pad/PadTesting.h"

using namespace driver;
using padtest::Pad;

namespace {

struct Row {
    UINT id;
    std::string text; // empty for a separator
};

std::vector<Row> MenuRows(HWND window) {
    std::vector<Row> rows;
    CMenuHandle menu(GetSystemMenu(window, FALSE));
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID;
        GetMenuItemInfoA(menu, i, TRUE, &info);
        CString text;
        if (!(info.fType & MFT_SEPARATOR))
            menu.GetMenuString(i, text, MF_BYPOSITION);
        rows.push_back({info.fType & MFT_SEPARATOR ? 0 : info.wID, text.GetString()});
    }
    return rows;
}

bool IsChecked(HWND window, UINT id) {
    return (GetMenuState(GetSystemMenu(window, FALSE), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

class PadMenuInProcess : public ::testing::Test {
  protected:
    PadMenuInProcess() : m_ini(m_home.Path()), m_path(m_home.File("Menu.ql")) {
        WriteFileBytes(m_path, "menu");
    }
    TempFolder m_home;
    ScopedIni m_ini;
    std::string m_path;
};

TEST_F(PadMenuInProcess, TheSystemMenuHoldsExactlyThePadsSeventeenRows) {
    std::vector<Row> rows;
    padtest::RunPadInProcess(m_path, [&](CPadDlg& pad) { rows = MenuRows(pad); });
    const std::vector<Row> expected = {
        {ID_PAD_NEW, "&New Quillow"},
        {0, ""},
        {ID_PAD_RENAME, "&Rename..."},
        {ID_PAD_ERASE, "&Erase..."},
        {0, ""},
        {ID_PAD_AUTO_STARTUP, "Auto &Startup"},
        {ID_PAD_ALWAYS_ON_TOP, "Always On &Top"},
        {ID_PAD_OPTIONS, "&Options..."},
        {0, ""},
        {ID_PAD_HELP, "Quillow &Help"},
        {ID_PAD_HOME_PAGE, "Marrowdale Home &Page"},
        {ID_PAD_FEEDBACK, "Email Us Your &Feedback"},
        {ID_PAD_ABOUT, "&About Quillow..."},
        {0, ""},
        {SC_MOVE, "Move"},
        {SC_SIZE, "Size"},
        {SC_CLOSE, "&Close\tAlt+F4"},
    };
    ASSERT_EQ(expected.size(), rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(expected[i].id, rows[i].id) << "row " << i + 1;
        EXPECT_EQ(expected[i].text, rows[i].text) << "row " << i + 1;
    }
}

TEST(PadMenuStrings, AnItemWhoseTextDoesNotLoadIsLeftOutWhileTheSeparatorsStay) {
    // A module without any string table stands in for resources that lost their texts.
    HMODULE noStrings = LoadLibraryExA((ExeFolder() + "\\recorder\\Quillow.exe").c_str(), NULL,
                                       LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(noStrings != NULL);
    HWND window = CreateWindowExA(0, "STATIC", "menu", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                                  0, 0, 100, 100, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(window != NULL);
    CWinApp* app = AfxGetApp();
    HINSTANCE resources = app->m_hInstance;
    app->m_hInstance = noStrings;
    BuildPadSystemMenu(window);
    app->m_hInstance = resources;

    std::vector<Row> rows = MenuRows(window);
    DestroyWindow(window);
    FreeLibrary(noStrings);
    ASSERT_EQ(4u, rows.size());
    for (const Row& row : rows)
        EXPECT_EQ(0u, row.id);
}

TEST_F(PadMenuInProcess, TheCheckMarksFollowEachToggleOfTheFlags) {
    std::vector<bool> autoStartup, alwaysOnTop, topMost;
    padtest::RunPadInProcess(m_path, [&](CPadDlg& pad) {
        for (int i = 0; i < 3; ++i) {
            autoStartup.push_back(IsChecked(pad, ID_PAD_AUTO_STARTUP));
            alwaysOnTop.push_back(IsChecked(pad, ID_PAD_ALWAYS_ON_TOP));
            topMost.push_back((GetWindowLongA(pad, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0);
            pad.SendMessage(WM_SYSCOMMAND, ID_PAD_AUTO_STARTUP);
            pad.SendMessage(WM_SYSCOMMAND, ID_PAD_ALWAYS_ON_TOP);
        }
    });
    EXPECT_EQ((std::vector<bool>{true, false, true}), autoStartup);
    EXPECT_EQ((std::vector<bool>{false, true, false}), alwaysOnTop);
    EXPECT_EQ(alwaysOnTop, topMost);
}

class PadCommands : public padtest::PadEndToEndTest {
  protected:
    Pad OpenFlagPad() {
        std::string path = m_home.File("Flags.ql");
        WriteFileBytes(path, "flags");
        return OpenPad(path, "Flags.ql");
    }
};

TEST_F(PadCommands, AutoStartupIsWrittenAtOpeningAndFlippedByTheMenu) {
    for (int stored : {-100, 0, 5}) {
        if (stored == -100)
            IniDeleteKey("Flags.ql", "ShowOnStartup");
        else
            IniSetInt("Flags.ql", "ShowOnStartup", stored);
        Pad pad = OpenFlagPad();
        ASSERT_TRUE(pad.window);
        int opened = stored == 0 ? 0 : 1;
        EXPECT_EQ(opened, IniGetInt("Flags.ql", "ShowOnStartup", -7)) << stored;
        ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_AUTO_STARTUP));
        EXPECT_TRUE(WaitUntil([&] {
            return IniGetInt("Flags.ql", "ShowOnStartup", -7) == 1 - opened;
        })) << stored;
        ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_AUTO_STARTUP));
        EXPECT_TRUE(WaitUntil([&] { return IniGetInt("Flags.ql", "ShowOnStartup", -7) == opened; }))
            << stored;
        ASSERT_TRUE(ClosePad(pad));
    }
}

TEST_F(PadCommands, AlwaysOnTopPutsTheWindowIntoAndOutOfTheTopMostBand) {
    for (int stored : {-100, 0, 5}) {
        if (stored == -100)
            IniDeleteKey("Flags.ql", "AlwaysOnTop");
        else
            IniSetInt("Flags.ql", "AlwaysOnTop", stored);
        Pad pad = OpenFlagPad();
        ASSERT_TRUE(pad.window);
        bool opened = stored == 5;
        EXPECT_EQ(opened ? 1 : 0, IniGetInt("Flags.ql", "AlwaysOnTop", -7)) << stored;
        EXPECT_EQ(opened, IsTopMost(pad.window)) << stored;
        ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_ALWAYS_ON_TOP));
        EXPECT_TRUE(WaitUntil([&] { return IsTopMost(pad.window) == !opened; })) << stored;
        EXPECT_EQ(opened ? 0 : 1, IniGetInt("Flags.ql", "AlwaysOnTop", -7)) << stored;
        ASSERT_TRUE(ClosePad(pad));
    }
}

TEST_F(PadCommands, RenamingThroughThePadMovesFileAndSettingsAndRelocks) {
    std::string path = m_home.File("Draft.ql");
    ASSERT_TRUE(WriteFileBytes(path, "draft text"));
    IniSetInt("Draft.ql", "BkColor", RGB(0, 255, 255));
    Pad pad = OpenPad(path, "Draft.ql");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(TypeText(pad.edit, " typed"));

    ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_RENAME));
    HWND dialog = WaitForTopWindow(pad.pid, "#32770", "Enter New Name");
    ASSERT_TRUE(dialog);
    EXPECT_EQ("draft text typed", Contents(path)) << "the pad saves before it lets go of the file";
    EXPECT_EQ("Draft", WindowText(ControlOf(dialog, IDC_RENAME_NAME)));
    ASSERT_TRUE(SetText(ControlOf(dialog, IDC_RENAME_NAME), "Final"));
    ASSERT_TRUE(ClickButton(dialog, IDOK));

    std::string renamed = m_home.File("Final.ql");
    EXPECT_TRUE(WaitUntil([&] { return CaptionOf(pad.window) == "Final.ql"; }))
        << CaptionOf(pad.window);
    EXPECT_FALSE(FileExists(path));
    EXPECT_EQ("draft text typed", Contents(renamed));
    EXPECT_EQ("draft text typed", WindowText(pad.edit));
    EXPECT_FALSE(IniHasSection("Draft.ql"));
    EXPECT_EQ(RGB(0, 255, 255), static_cast<COLORREF>(IniGetInt("Final.ql", "BkColor", -1)));
    EXPECT_EQ(1, IniGetInt("Final.ql", "ShowOnStartup", -7));
    EXPECT_FALSE(WriteFileBytes(renamed, "x")) << "the pad holds the renamed file again";
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ("draft text typed", Contents(renamed));
}

TEST_F(PadCommands, ACancelledRenameReopensTheSameFileWithItsTextFromDisk) {
    std::string path = m_home.File("Stay.ql");
    ASSERT_TRUE(WriteFileBytes(path, "as typed"));
    Pad pad = OpenPad(path, "Stay.ql");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_RENAME));
    HWND dialog = WaitForTopWindow(pad.pid, "#32770", "Enter New Name");
    ASSERT_TRUE(dialog);
    // While the dialog runs the file is free; what is on disk then is what the pad shows.
    ASSERT_TRUE(WriteFileBytes(path, "changed meanwhile"));
    ASSERT_TRUE(ClickButton(dialog, IDCANCEL));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(pad.edit) == "changed meanwhile"; }));
    EXPECT_EQ("Stay.ql", CaptionOf(pad.window));
    EXPECT_FALSE(WriteFileBytes(path, "x")) << "the pad holds its file again";
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ("changed meanwhile", Contents(path));
}

TEST_F(PadCommands, OptionsWithTheDefaultsTickedStoreTheGlobalColourAndSize) {
    std::string path = m_home.File("Opt.ql");
    ASSERT_TRUE(WriteFileBytes(path, "options"));
    IniSetInt("Opt.ql", "BkColor", RGB(0, 255, 255));
    Pad pad = OpenPad(path, "Opt.ql");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_OPTIONS));
    HWND dialog = WaitForTopWindow(pad.pid, "#32770", "Quillow Options");
    ASSERT_TRUE(dialog);
    SendMessageA(ControlOf(dialog, IDC_OPTIONS_BKCOLOR_DEFAULT), BM_SETCHECK, BST_CHECKED, 0);
    SendMessageA(ControlOf(dialog, IDC_OPTIONS_SIZE_DEFAULT), BM_SETCHECK, BST_CHECKED, 0);
    ASSERT_TRUE(ClickButton(dialog, IDOK));
    ASSERT_TRUE(WaitForWindowGone(dialog));
    RECT rect = WindowRect(pad.window);
    EXPECT_EQ(RGB(0, 255, 255), static_cast<COLORREF>(IniGetInt(kGlobalSection, "BkColor", -1)));
    EXPECT_EQ(RGB(0, 255, 255), static_cast<COLORREF>(IniGetInt("Opt.ql", "BkColor", -1)));
    EXPECT_EQ(rect.right - rect.left, IniGetInt(kGlobalSection, "Width", 0));
    EXPECT_EQ(rect.bottom - rect.top, IniGetInt(kGlobalSection, "Height", 0));
    ASSERT_TRUE(ClosePad(pad));
}

// The system's colour picker, answered as a user would: a click on its first basic colour
// swatch, then OK.
bool PickFirstBasicColour(HWND picker) {
    const int kBasicColours = 0x2d0; // the swatch grid of the system's colour dialog
    HWND grid = ControlOf(picker, kBasicColours);
    if (!grid)
        return false;
    RECT cell = WindowRect(grid);
    POINT point = {cell.left + 6, cell.top + 6};
    ScreenToClient(picker, &point);
    LPARAM at = MAKELPARAM(point.x, point.y);
    return PostMessageA(picker, WM_LBUTTONDOWN, MK_LBUTTON, at) &&
           PostMessageA(picker, WM_LBUTTONUP, 0, at) && (PumpMessages(200), true) &&
           ClickButton(picker, IDOK);
}

TEST_F(PadCommands, AColourPickedInOptionsRepaintsThePadAndIsStoredForIt) {
    std::string path = m_home.File("Opt.ql");
    ASSERT_TRUE(WriteFileBytes(path, "options"));
    Pad pad = OpenPad(path, "Opt.ql");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_OPTIONS));
    HWND dialog = WaitForTopWindow(pad.pid, "#32770", "Quillow Options");
    ASSERT_TRUE(dialog);
    std::vector<HWND> known = TopWindows(pad.pid);
    ASSERT_TRUE(ClickButton(dialog, IDC_OPTIONS_BKCOLOR));
    HWND picker = WaitForNewWindow(m_group, known, "#32770", nullptr);
    ASSERT_TRUE(picker);
    ASSERT_TRUE(PickFirstBasicColour(picker));
    ASSERT_TRUE(WaitForWindowGone(picker));
    ASSERT_TRUE(ClickButton(dialog, IDOK));
    ASSERT_TRUE(WaitForWindowGone(dialog));

    COLORREF stored = static_cast<COLORREF>(IniGetInt("Opt.ql", "BkColor", -1));
    EXPECT_NE(static_cast<COLORREF>(-1), stored);
    EXPECT_NE(RGB(255, 255, 0), stored);
    EXPECT_FALSE(IniHasKey(kGlobalSection, "BkColor"));
    RECT client = ClientRectOnScreen(pad.window);
    EXPECT_TRUE(WaitUntil([&] {
        return ScreenPixel(client.right - 6, client.bottom - 6) == stored;
    })) << std::hex
        << stored << " on screen " << ScreenPixel(client.right - 6, client.bottom - 6);
    ASSERT_TRUE(ClosePad(pad));
}

TEST_F(PadCommands, ACancelledOptionsDialogChangesNothing) {
    std::string path = m_home.File("Opt.ql");
    ASSERT_TRUE(WriteFileBytes(path, "options"));
    Pad pad = OpenPad(path, "Opt.ql");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_OPTIONS));
    HWND dialog = WaitForTopWindow(pad.pid, "#32770", "Quillow Options");
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(ClickButton(dialog, IDCANCEL));
    ASSERT_TRUE(WaitForWindowGone(dialog));
    EXPECT_FALSE(IniHasKey("Opt.ql", "BkColor"));
    EXPECT_FALSE(IniHasKey(kGlobalSection, "BkColor"));
    EXPECT_FALSE(IniHasKey(kGlobalSection, "Width"));
    ASSERT_TRUE(ClosePad(pad));
}

} // namespace
