// The pad's system menu and its commands: the rows it holds, the two flags, rename, options
// and erase, as a user reaches them.
#include "framework/Module.h"
#include "pad/PadSystemMenu.h"
#include "res/resource.h"
#include "tests/pad/PadTesting.h"

using namespace driver;
using padtest::ExpectMessageBox;
using padtest::Pad;

namespace {

bool IsChecked(HWND window, UINT id) {
    return (GetMenuState(GetSystemMenu(window, FALSE), id, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

using PadMenuInProcess = padtest::PadInProcessTest;

TEST_F(PadMenuInProcess, TheSystemMenuHoldsExactlyThePadsSeventeenRows) {
    std::vector<MenuRow> rows;
    Run([&](CPadDlg& pad) { rows = MenuRows(GetSystemMenu(pad, FALSE)); });
    const std::vector<MenuRow> expected = {
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
    EXPECT_EQ(expected, rows);
}

TEST(PadMenuStrings, AnItemWhoseTextDoesNotLoadIsLeftOutWhileTheSeparatorsStay) {
    // A module without any string table stands in for resources that lost their texts.
    HMODULE noStrings = LoadLibraryExA((ExeFolder() + "\\recorder\\Quillow.exe").c_str(), NULL,
                                       LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_TRUE(noStrings != NULL);
    HWND window = CreateWindowExA(0, "STATIC", "menu", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0,
                                  0, 100, 100, NULL, NULL, NULL, NULL);
    ASSERT_TRUE(window != NULL);
    HINSTANCE resources = AfxGetResourceHandle();
    AfxSetResourceHandle(noStrings);
    BuildPadSystemMenu(window);
    AfxSetResourceHandle(resources);

    std::vector<MenuRow> rows = MenuRows(GetSystemMenu(window, FALSE));
    DestroyWindow(window);
    FreeLibrary(noStrings);
    EXPECT_EQ(std::vector<MenuRow>(4, MenuRow(0, "")), rows);
}

TEST_F(PadMenuInProcess, TheCheckMarksFollowEachToggleOfTheFlags) {
    std::vector<bool> autoStartup, alwaysOnTop;
    Run([&](CPadDlg& pad) {
        for (int i = 0; i < 3; ++i) {
            autoStartup.push_back(IsChecked(pad, ID_PAD_AUTO_STARTUP));
            alwaysOnTop.push_back(IsChecked(pad, ID_PAD_ALWAYS_ON_TOP));
            pad.SendMessage(WM_SYSCOMMAND, ID_PAD_AUTO_STARTUP);
            pad.SendMessage(WM_SYSCOMMAND, ID_PAD_ALWAYS_ON_TOP);
        }
    });
    EXPECT_EQ((std::vector<bool>{true, false, true}), autoStartup);
    EXPECT_EQ((std::vector<bool>{false, true, false}), alwaysOnTop);
}

using PadCommands = padtest::PadEndToEndTest;

TEST_F(PadCommands, EachFlagIsWrittenAtOpeningAndFlippedByTheMenuFromMissingZeroAndFive) {
    struct Flag {
        const char* key;
        int command;
        int whenMissing;
    };
    const int kMissing = -100;
    for (const Flag& flag : {Flag{"ShowOnStartup", ID_PAD_AUTO_STARTUP, 1},
                             Flag{"AlwaysOnTop", ID_PAD_ALWAYS_ON_TOP, 0}}) {
        for (int stored : {kMissing, 0, 5}) {
            SCOPED_TRACE(std::string(flag.key) + " stored as " + std::to_string(stored));
            if (stored == kMissing)
                IniDeleteKey("Flags.ql", flag.key);
            else
                IniSetInt("Flags.ql", flag.key, stored);
            Pad pad = OpenPadOn("Flags.ql", "flags");
            ASSERT_TRUE(pad.window);
            int opened = stored == kMissing ? flag.whenMissing : stored != 0;
            for (int expected : {opened, 1 - opened, opened}) {
                EXPECT_TRUE(
                    WaitUntil([&] { return IniGetInt("Flags.ql", flag.key, -7) == expected; }));
                EXPECT_TRUE(flag.command != ID_PAD_ALWAYS_ON_TOP ||
                            WaitUntil([&] { return IsTopMost(pad.window) == (expected == 1); }));
                ASSERT_TRUE(PostSysCommand(pad.window, flag.command));
            }
            ASSERT_TRUE(ClosePad(pad));
        }
    }
}

TEST_F(PadCommands, RenamingThroughThePadMovesFileAndSettingsAndRelocks) {
    IniSetInt("Draft.ql", "BkColor", RGB(0, 255, 255));
    Pad pad = OpenPadOn("Draft.ql", "draft text");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(TypeText(pad.edit, " typed"));
    HWND dialog = OpenDialog(pad, ID_PAD_RENAME, "Enter New Name");
    ASSERT_TRUE(dialog);
    EXPECT_EQ("draft text typed", FileText(pad.path)) << "the pad saves before it lets go";
    EXPECT_EQ("Draft", WindowText(ControlOf(dialog, IDC_RENAME_NAME)));
    ASSERT_TRUE(SetText(ControlOf(dialog, IDC_RENAME_NAME), "Final"));
    ASSERT_TRUE(ClickButton(dialog, IDOK));

    std::string renamed = m_home.File("Final.ql");
    EXPECT_TRUE(WaitUntil([&] { return CaptionOf(pad.window) == "Final.ql"; }))
        << CaptionOf(pad.window);
    EXPECT_FALSE(FileExists(pad.path));
    EXPECT_EQ("draft text typed", FileText(renamed));
    EXPECT_EQ("draft text typed", WindowText(pad.edit));
    EXPECT_FALSE(IniHasSection("Draft.ql"));
    EXPECT_EQ(RGB(0, 255, 255), static_cast<COLORREF>(IniGetInt("Final.ql", "BkColor", -1)));
    EXPECT_EQ(1, IniGetInt("Final.ql", "ShowOnStartup", -7));
    EXPECT_FALSE(WriteFileBytes(renamed, "x")) << "the pad holds the renamed file again";
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ("draft text typed", FileText(renamed));
}

TEST_F(PadCommands, ACancelledRenameReopensTheSameFileWithItsTextFromDisk) {
    Pad pad = OpenPadOn("Stay.ql", "as typed");
    ASSERT_TRUE(pad.window);
    HWND dialog = OpenDialog(pad, ID_PAD_RENAME, "Enter New Name");
    ASSERT_TRUE(dialog);
    // While the dialog runs the file is free; what is on disk then is what the pad shows.
    ASSERT_TRUE(WriteFileBytes(pad.path, "changed meanwhile"));
    ASSERT_TRUE(ClickButton(dialog, IDCANCEL));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(pad.edit) == "changed meanwhile"; }));
    EXPECT_EQ("Stay.ql", CaptionOf(pad.window));
    EXPECT_FALSE(WriteFileBytes(pad.path, "x")) << "the pad holds its file again";
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ("changed meanwhile", FileText(pad.path));
}

TEST_F(PadCommands, RenamingOntoAnotherPadAsksAndYesReplacesItUnlessItsOwnPadHoldsIt) {
    Pad pad = OpenPadOn("Mine.ql", "mine");
    ASSERT_TRUE(pad.window);
    Pad held = OpenPadOn("Held.ql", "held");
    ASSERT_TRUE(held.window);
    std::string other = m_home.File("Other.ql");
    ASSERT_TRUE(WriteFileBytes(other, "other"));

    // Types the new name, confirms, and answers the overwrite question.
    auto renameTo = [&](const char* name, int answer) {
        HWND dialog = OpenDialog(pad, ID_PAD_RENAME, "Enter New Name");
        ASSERT_TRUE(dialog);
        ASSERT_TRUE(SetText(ControlOf(dialog, IDC_RENAME_NAME), name));
        ASSERT_TRUE(ClickButton(dialog, IDOK));
        HWND box = padtest::ExpectMessageBox(
            pad.pid,
            std::string(name) + ".ql already exists.\nWould you like to overwrite this Quillow?",
            {IDYES, IDNO});
        ASSERT_TRUE(box);
        ASSERT_TRUE(AnswerMessageBox(box, answer));
    };

    renameTo("Other", IDNO);
    EXPECT_TRUE(WaitUntil([&] { return IsPadLocked(pad.path); })) << "the pad holds its file again";
    EXPECT_EQ("Mine.ql", CaptionOf(pad.window));
    EXPECT_EQ("mine", FileText(pad.path));
    EXPECT_EQ("other", FileText(other));

    // The pad holding Held.ql keeps it: the replacement fails and nothing changes.
    renameTo("Held", IDYES);
    HWND failure = WaitForMessageBox(pad.pid);
    ASSERT_TRUE(failure);
    EXPECT_EQ("Unable to rename Mine.ql to Held.ql.", MessageBoxText(failure));
    EXPECT_FALSE(HasIcon(failure));
    ASSERT_TRUE(AnswerMessageBox(failure, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return IsPadLocked(pad.path); })) << "the pad holds its file again";
    EXPECT_EQ("Mine.ql", CaptionOf(pad.window));
    EXPECT_EQ("mine", FileText(pad.path));
    EXPECT_EQ("held", FileText(held.path));
    EXPECT_EQ("Held.ql", CaptionOf(held.window));

    renameTo("Other", IDYES);
    EXPECT_TRUE(WaitUntil([&] { return CaptionOf(pad.window) == "Other.ql"; }));
    EXPECT_FALSE(FileExists(pad.path));
    EXPECT_EQ("mine", FileText(other));
    EXPECT_TRUE(IsPadLocked(other)) << "the pad holds its new file";
}

TEST_F(PadCommands, OptionsWithTheDefaultsTickedStoreTheGlobalColourAndSizeOnlyOnOk) {
    IniSetInt("Opt.ql", "BkColor", RGB(0, 255, 255));
    Pad pad = OpenPadOn("Opt.ql", "options");
    ASSERT_TRUE(pad.window);
    for (int button : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(button == IDOK ? "OK" : "Cancel");
        HWND dialog = OpenDialog(pad, ID_PAD_OPTIONS, "Quillow Options");
        ASSERT_TRUE(dialog);
        SendMessageA(ControlOf(dialog, IDC_OPTIONS_BKCOLOR_DEFAULT), BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(ControlOf(dialog, IDC_OPTIONS_SIZE_DEFAULT), BM_SETCHECK, BST_CHECKED, 0);
        ASSERT_TRUE(ClickButton(dialog, button));
        ASSERT_TRUE(WaitForWindowGone(dialog));
        EXPECT_EQ(RGB(0, 255, 255), static_cast<COLORREF>(IniGetInt("Opt.ql", "BkColor", -1)));
        EXPECT_EQ(button == IDOK, IniHasKey(kGlobalSection, "BkColor"));
        EXPECT_EQ(button == IDOK, IniHasKey(kGlobalSection, "Width"));
    }
    RECT rect = WindowRect(pad.window);
    EXPECT_EQ(RGB(0, 255, 255), static_cast<COLORREF>(IniGetInt(kGlobalSection, "BkColor", -1)));
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
    Pad pad = OpenPadOn("Opt.ql", "options");
    ASSERT_TRUE(pad.window);
    HWND dialog = OpenDialog(pad, ID_PAD_OPTIONS, "Quillow Options");
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
    EXPECT_TRUE(ShowsColour(pad, stored));
    ASSERT_TRUE(ClosePad(pad));
}

// The pad's own Erase sends its file to the Recycle Bin, from which the user can bring it back.
class PadErase : public padtest::PadEndToEndTest {};

TEST_F(PadErase, TheFileGoesToTheRecycleBinWithTheLastTextAndComesBackAsAPad) {
    TestRecycleBin bin;
    ASSERT_TRUE(bin.Ready());
    Pad pad = OpenPadOn("Gone.ql", "old news");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(TypeText(pad.edit, " and more"));
    ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_ERASE));
    HWND box = ExpectMessageBox(pad.pid, "Erase Gone.ql?", {IDYES, IDNO});
    ASSERT_TRUE(box);
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));
    ASSERT_TRUE(m_group.WaitForExit(pad.pid, kWaitMs));
    EXPECT_FALSE(FileExists(pad.path));
    EXPECT_EQ("old news and more", FileText(bin.File("Gone.ql")));
    EXPECT_FALSE(FileExists(bin.File("Gone.ql.recovery")));
    EXPECT_FALSE(IniHasSection("Gone.ql"));

    // Put back as the Recycle Bin's Restore does.
    ASSERT_TRUE(MoveFileA(bin.File("Gone.ql").c_str(), pad.path.c_str()));
    Pad back = OpenPad(pad.path, "Gone.ql");
    ASSERT_TRUE(back.window);
    EXPECT_EQ("old news and more", WindowText(back.edit));
    ASSERT_TRUE(ClosePad(back));
}

} // namespace

TEST_F(PadCommands, F1OpensTheHelpPageAsTheHelpCommandDoes) {
    ScopedHelpViewer viewer;
    ASSERT_TRUE(viewer.Ready());
    const Pad pad = OpenPadOn("Help.ql", "text");
    ASSERT_TRUE(pad.window);
    const std::string helpPage = ExeFolder() + "\\Quillow.htm";

    ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_HELP));
    EXPECT_EQ(helpPage, viewer.WaitForOpenedPage());

    viewer.Forget();
    ASSERT_TRUE(Activate(pad.window));
    ASSERT_TRUE(PressKey(VK_F1));
    EXPECT_EQ(helpPage, viewer.WaitForOpenedPage());
}
