// The tray icon and the tray menu of the contents process, worked as the notification area
// and the menu would.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <algorithm>

#include "ContentsSession.h"

using namespace driver;
using namespace contents_test;
using Items = std::vector<std::string>;

namespace {

// Whether the notification area holds the window's icon: only an existing icon can be changed.
bool HasTrayIcon(HWND window) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = IDR_MAINFRAME;
    data.uFlags = NIF_TIP;
    lstrcpynA(data.szTip, "Quillow Contents", 64);
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

int IndexOf(const std::vector<std::string>& names, const std::string& name) {
    return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
}

} // namespace

TEST(ContentsTray, TheIconIsAddedAndComesBackWhenTheNotificationAreaIsMadeAnew) {
    ContentsSession session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(WaitUntil([&] { return HasTrayIcon(session.Window()); }));

    // The shell restarts: its new notification area knows no icons and says so to everyone.
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = session.Window();
    data.uID = IDR_MAINFRAME;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &data));
    ASSERT_FALSE(HasTrayIcon(session.Window()));
    ASSERT_TRUE(PostMessageA(session.Window(), RegisterWindowMessageA("TaskbarCreated"), 0, 0));
    EXPECT_TRUE(WaitUntil([&] { return HasTrayIcon(session.Window()); }));
}

TEST(ContentsTray, ALeftClickStartsExactlyOneNewPadAndOtherMouseEventsNone) {
    ContentsSession session;
    ASSERT_TRUE(session.Start());

    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN})
        ASSERT_TRUE(session.TrayMouse(message));
    PumpMessages(1000);
    EXPECT_TRUE(session.OtherPids().empty());

    ASSERT_TRUE(session.TrayMouse(WM_LBUTTONUP));
    ASSERT_TRUE(WaitUntil([&] { return session.OtherPids().size() == 1; }));
    PumpMessages(1000);
    EXPECT_EQ(session.OtherPids().size(), 1u);
}

TEST(ContentsTray, APadItemSelectsItsEntryAndRefusesAPadInUse) {
    ContentsSession session;
    for (const char* name : {"delta.ql", "Alpha.ql", "charlie.ql", "Bravo.ql"})
        ASSERT_TRUE(session.AddPad(name));
    ASSERT_TRUE(session.Start());
    const std::vector<std::string> order = SearchOrder(session.Home());
    ASSERT_EQ(order.size(), 4u);
    FileLock held(session.PadPath("charlie.ql"));
    ASSERT_TRUE(session.BuildTrayMenu());
    EXPECT_EQ(session.Items(), (Items{"Alpha.ql", "Bravo.ql", "charlie.ql*", "delta.ql"}))
        << "the menu's build refreshes the list";

    ASSERT_TRUE(session.TrayCommand(ID_TRAY_FIRST_PAD + IndexOf(order, "charlie.ql")));
    HWND box = session.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxText(box), "charlie.ql is already in use.");
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    EXPECT_EQ(session.Selection(), 2);
    EXPECT_TRUE(session.OtherPids().empty());
}

TEST(ContentsTray, APadItemOpensItsPad) {
    ContentsSession session;
    for (const char* name : {"one.ql", "two.ql", "three.ql"})
        ASSERT_TRUE(session.AddPad(name));
    ASSERT_TRUE(session.Start());
    const std::vector<std::string> order = SearchOrder(session.Home());
    ASSERT_TRUE(session.BuildTrayMenu());

    ASSERT_TRUE(session.TrayCommand(ID_TRAY_FIRST_PAD + IndexOf(order, "two.ql")));
    EXPECT_TRUE(WaitForWindowInGroup(session.Group(), nullptr, "two.ql"));
    EXPECT_EQ(session.Selection(), 2) << "one.ql, three.ql, two.ql: the chosen pad's entry";
    EXPECT_EQ(session.OtherPids().size(), 1u);
}

TEST(ContentsTray, APadItemWhoseIdIsAButtonsOpensThePadNotTheButtonsCommand) {
    ContentsSession session;
    // Enough pads for the menu's ids to run past the Erase button's.
    const int count = IDC_CONTENTS_ERASE - ID_TRAY_FIRST_PAD + 3;
    for (int i = 0; i < count; ++i)
        ASSERT_TRUE(session.AddPad("pad" + std::to_string(i) + ".ql"));
    ASSERT_TRUE(session.Start());
    const std::vector<std::string> order = SearchOrder(session.Home());
    ASSERT_EQ(order.size(), static_cast<size_t>(count));
    const std::string& target = order[IDC_CONTENTS_ERASE - ID_TRAY_FIRST_PAD];
    FileLock held(session.PadPath(target));
    ASSERT_TRUE(session.BuildTrayMenu());

    ASSERT_TRUE(session.TrayCommand(IDC_CONTENTS_ERASE));
    HWND box = session.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxText(box), target + " is already in use.") << "not an erase question";
    AnswerMessageBox(box, box ? IDOK : 0);
}

TEST(ContentsTray, OnlyCommandMessagesRunTrayCommands) {
    ContentsSession session;
    ASSERT_TRUE(session.Start());

    for (UINT message : {static_cast<UINT>(WM_APP), static_cast<UINT>(WM_USER + 7)}) {
        ASSERT_TRUE(PostMessageA(session.Window(), message, ID_TRAY_EXIT, 0));
        ASSERT_TRUE(PostMessageA(session.Window(), message, ID_TRAY_NEW, 0));
    }
    EXPECT_FALSE(session.WaitForMessageBox(1500)) << "no exit question";
    EXPECT_TRUE(session.OtherPids().empty()) << "no new pad";
}

TEST(ContentsTray, ExitAsksAndOnlyYesEndsTheProcessSavingThePosition) {
    ContentsSession session;
    ASSERT_TRUE(session.Start("/Tray"));
    ASSERT_TRUE(SetWindowPos(session.Window(), NULL, 123, 87, 0, 0, SWP_NOSIZE | SWP_NOZORDER));

    ASSERT_TRUE(session.TrayCommand(ID_TRAY_EXIT));
    HWND box = session.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxText(box), "Exit Quillow Contents?");
    EXPECT_EQ(MessageBoxCaption(box), "Quillow");
    EXPECT_EQ(MessageBoxButtons(box), (std::vector<int>{IDYES, IDNO}));
    ASSERT_TRUE(AnswerMessageBox(box, IDNO));
    PumpMessages(500);
    EXPECT_TRUE(session.Group().IsRunning(session.Pid()));
    EXPECT_TRUE(IsWindowVisible(session.Window()));
    EXPECT_TRUE(HasTrayIcon(session.Window()));

    ASSERT_TRUE(session.TrayCommand(ID_TRAY_EXIT));
    box = session.WaitForMessageBox();
    ASSERT_TRUE(box);
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));
    EXPECT_TRUE(session.Group().WaitForExit(session.Pid(), kWaitMs));
    EXPECT_EQ(IniGetInt(kGlobalSection, "Row", -1), 123);
    EXPECT_EQ(IniGetInt(kGlobalSection, "Column", -1), 87);
}
