// The tray icon and the tray menu of the contents process, worked as the notification area
// and the menu would.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include "ContentsSession.h"

using namespace driver;
using namespace contents_test;

namespace {

// Changes the window's icon in the notification area (only an existing icon can be changed),
// or with NIM_DELETE removes it.
bool NotifyIcon(HWND window, DWORD message = NIM_MODIFY) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = IDR_MAINFRAME;
    data.uFlags = NIF_TIP;
    lstrcpynA(data.szTip, "Quillow Contents", sizeof data.szTip);
    return Shell_NotifyIconA(message, &data) != FALSE;
}

} // namespace

TEST(ContentsTray, TheIconIsAddedAndComesBackWhenTheNotificationAreaIsMadeAnew) {
    ContentsSession session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(WaitUntil([&] { return NotifyIcon(session.Window()); }));

    // The shell restarts: its new notification area knows no icons and says so to everyone.
    ASSERT_TRUE(NotifyIcon(session.Window(), NIM_DELETE));
    ASSERT_FALSE(NotifyIcon(session.Window()));
    ASSERT_TRUE(PostMessageA(session.Window(), RegisterWindowMessageA("TaskbarCreated"), 0, 0));
    EXPECT_TRUE(WaitUntil([&] { return NotifyIcon(session.Window()); }));
}

// Other mouse events start nothing, and neither do messages that only carry a command's id.
TEST(ContentsTray, ALeftClickStartsExactlyOneNewPadAndOnlyCommandMessagesRunTrayCommands) {
    ContentsSession session;
    ASSERT_TRUE(session.Start());

    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN})
        ASSERT_TRUE(session.TrayMouse(message));
    for (UINT message : {static_cast<UINT>(WM_APP), static_cast<UINT>(WM_USER + 7)}) {
        ASSERT_TRUE(PostMessageA(session.Window(), message, ID_TRAY_EXIT, 0));
        ASSERT_TRUE(PostMessageA(session.Window(), message, ID_TRAY_NEW, 0));
    }
    EXPECT_FALSE(session.WaitForMessageBox(1500)) << "no exit question";
    EXPECT_TRUE(session.OtherPids().empty()) << "no new pad";

    ASSERT_TRUE(session.TrayMouse(WM_LBUTTONUP));
    ASSERT_TRUE(WaitUntil([&] { return session.OtherPids().size() == 1; }));
    PumpMessages(1000);
    EXPECT_EQ(session.OtherPids().size(), 1u);
}

TEST(ContentsTray, APadItemSelectsItsEntryAndOpensItsPadOrRefusesAPadInUse) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPads({"delta.ql", "Alpha.ql", "charlie.ql", "Bravo.ql"}));
    ASSERT_TRUE(session.Start());
    PadLock held(session.PadPath("charlie.ql"));
    ASSERT_TRUE(session.BuildTrayMenu());
    EXPECT_EQ(session.Items(), (Items{"Alpha.ql", "Bravo.ql", "charlie.ql*", "delta.ql"}))
        << "the menu's build refreshes the list";

    ASSERT_TRUE(session.TrayCommand(session.PadItem("charlie.ql")));
    EXPECT_EQ(session.Answer(IDOK).text, "charlie.ql is already in use.");
    EXPECT_EQ(session.Selection(), 2);
    EXPECT_TRUE(session.OtherPids().empty());

    ASSERT_TRUE(session.TrayCommand(session.PadItem("Bravo.ql")));
    EXPECT_TRUE(WaitForWindowInGroup(session.Group(), nullptr, "Bravo.ql"));
    EXPECT_EQ(session.Selection(), 1);
    EXPECT_EQ(session.OtherPids().size(), 1u);
}

TEST(ContentsTray, APadItemWhoseIdIsAButtonsOpensThePadNotTheButtonsCommand) {
    ContentsSession session;
    // Enough pads for the menu's ids to run past the Erase button's.
    const int count = IDC_CONTENTS_ERASE - ID_TRAY_FIRST_PAD + 3;
    for (int i = 0; i < count; ++i)
        ASSERT_TRUE(session.AddPad("pad" + std::to_string(i) + ".ql"));
    ASSERT_TRUE(session.Start());
    const std::string target = SearchOrder(session.Home())[IDC_CONTENTS_ERASE - ID_TRAY_FIRST_PAD];
    PadLock held(session.PadPath(target));
    ASSERT_TRUE(session.BuildTrayMenu());

    ASSERT_TRUE(session.TrayCommand(IDC_CONTENTS_ERASE));
    EXPECT_EQ(session.Answer(IDOK).text, target + " is already in use.") << "not an erase question";
}

TEST(ContentsTray, ExitAsksAndOnlyYesEndsTheProcessSavingThePosition) {
    ContentsSession session;
    ASSERT_TRUE(session.Start("/Tray"));
    ASSERT_TRUE(session.MoveTo(123, 87));

    ASSERT_TRUE(session.TrayCommand(ID_TRAY_EXIT));
    const SeenMessageBox question = session.Answer(IDNO);
    EXPECT_EQ(question.text, "Exit Quillow Contents?");
    EXPECT_EQ(question.caption, "Quillow");
    EXPECT_EQ(question.buttons, (std::vector<int>{IDYES, IDNO}));
    PumpMessages(500);
    EXPECT_TRUE(session.IsRunning());
    EXPECT_TRUE(IsWindowVisible(session.Window()));
    EXPECT_TRUE(NotifyIcon(session.Window()));

    ASSERT_TRUE(session.TrayCommand(ID_TRAY_EXIT));
    EXPECT_EQ(session.Answer(IDYES).text, "Exit Quillow Contents?");
    EXPECT_TRUE(session.Group().WaitForExit(session.Pid(), kWaitMs));
    EXPECT_EQ(IniGetInt(kGlobalSection, "Row", -1), 123);
    EXPECT_EQ(IniGetInt(kGlobalSection, "Column", -1), 87);
}

// As at a logon while the user exits: the starts wait for the first process to end, and then
// exactly one of them runs the window, with its tray icon.
TEST(ContentsTray, StartsDuringTheExitQuestionTakeOverOnceYesEndsTheFirstInOneWindow) {
    ContentsSession session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.TrayCommand(ID_TRAY_EXIT));
    std::vector<DWORD> starts;
    session.Answer(IDYES, [&] {
        starts = {session.Group().Start("/tray"), session.Group().Start("/tray")};
        PumpMessages(1500);
        for (DWORD pid : starts)
            EXPECT_TRUE(session.Group().IsRunning(pid)) << "waits while the question is up";
    });
    ASSERT_TRUE(session.Group().WaitForExit(session.Pid(), kWaitMs));

    HWND window = WaitForWindowInGroup(session.Group(), "#32770", "Quillow Contents");
    ASSERT_TRUE(window);
    EXPECT_TRUE(WaitUntil([&] { return NotifyIcon(window); }));
    EXPECT_TRUE(WaitUntil([&] { return session.Group().Pids().size() == 1; }));
    EXPECT_EQ(session.Group().Pids(), std::vector<DWORD>{ProcessOfWindow(window)});
}
