// The contents window's start-up tasks, its hiding and showing, and where it stands.
#include <gtest/gtest.h>
#include <windows.h>

#include "ContentsSession.h"
#include "contents/UpdateReminder.h"

using namespace driver;
using namespace contents_test;

namespace {

const char kReminderCaption[] = "Quillow Update";

bool HasSize(HWND window, int width, int height) {
    const RECT rect = WindowRect(window);
    return rect.right - rect.left == width && rect.bottom - rect.top == height;
}

} // namespace

TEST(ContentsLifeCycle, AFirstStartSchedulesTheReminderForTheMonthAfterNextWithoutShowingIt) {
    ContentsSession session;
    ASSERT_TRUE(session.Start());
    EXPECT_TRUE(WaitUntil([] { return IniHasKey(kGlobalSection, "NextUpdateReminder"); }));
    EXPECT_EQ(IniGetInt(kGlobalSection, "NextUpdateReminder", 0),
              NextReminderMonth(CurrentMonth()));
    EXPECT_FALSE(FindTopWindow(session.Pid(), "#32770", kReminderCaption));
    EXPECT_TRUE(HasSize(session.Window(), 395, 175));
    EXPECT_EQ(
        SendMessageA(ControlOf(session.Window(), IDC_CONTENTS_AUTO_STARTUP), BM_GETCHECK, 0, 0),
        BST_CHECKED);
}

TEST(ContentsLifeCycle, ADueReminderIsShownAndRescheduledWhicheverButtonIsPressed) {
    for (int answer : {IDCANCEL, IDOK}) {
        ContentsSession session;
        ASSERT_TRUE(IniSetInt(kGlobalSection, "NextUpdateReminder", CurrentMonth()));
        ASSERT_TRUE(session.Group().Start("/tray"));
        HWND reminder = WaitForWindowInGroup(session.Group(), "#32770", kReminderCaption);
        ASSERT_TRUE(reminder) << answer;
        ASSERT_TRUE(PostCommand(reminder, answer));
        ASSERT_TRUE(WaitForWindowGone(reminder));
        // Yes opens the home page; with no browser behind the shell its failure is reported.
        if (HWND box = WaitForMessageBox(session.Group(), 1500))
            AnswerMessageBox(box, IDOK);
        EXPECT_TRUE(WaitForWindowInGroup(session.Group(), "#32770", "Quillow Contents"));
        EXPECT_EQ(IniGetInt(kGlobalSection, "NextUpdateReminder", 0),
                  NextReminderMonth(CurrentMonth()))
            << answer;
    }
}

TEST(ContentsLifeCycle, AnyOtherStoredMonthIsNeitherShownNorRewritten) {
    const int otherMonth = CurrentMonth() % 12 + 1;
    for (int stored : {13, -1, otherMonth}) {
        ContentsSession session;
        ASSERT_TRUE(IniSetInt(kGlobalSection, "NextUpdateReminder", stored));
        ASSERT_TRUE(session.Start());
        PumpMessages(500);
        EXPECT_FALSE(FindTopWindow(session.Pid(), "#32770", kReminderCaption)) << stored;
        EXPECT_EQ(IniGetInt(kGlobalSection, "NextUpdateReminder", 0), stored);
    }
}

TEST(ContentsLifeCycle, ThePadsMarkedToShowAtStartUpAreReopenedButNeverOneAlreadyOpen) {
    ContentsSession session;
    for (const char* name : {"Marked.ql", "Unmarked.ql", "NoSection.ql", "Open.ql"})
        ASSERT_TRUE(session.AddPad(name));
    ASSERT_TRUE(IniSetInt("Marked.ql", "ShowOnStartup", 1));
    ASSERT_TRUE(IniSetInt("Unmarked.ql", "ShowOnStartup", 0));
    ASSERT_TRUE(IniSetInt("Open.ql", "ShowOnStartup", 1));
    FileLock held(session.PadPath("Open.ql"));
    ASSERT_TRUE(session.Start());

    EXPECT_TRUE(WaitForWindowInGroup(session.Group(), nullptr, "Marked.ql"));
    PumpMessages(1000);
    EXPECT_EQ(session.OtherPids().size(), 1u) << "only Marked.ql is started";
}

TEST(ContentsLifeCycle, WithAutoStartupOffTheWindowHidesAtStartUpAndStaysHidden) {
    ContentsSession session;
    ASSERT_TRUE(IniSetInt(kGlobalSection, "ShowOnStartup", 0));
    ASSERT_TRUE(IniSetInt(kGlobalSection, "Row", 140));
    ASSERT_TRUE(IniSetInt(kGlobalSection, "Column", 90));
    ASSERT_TRUE(session.Start("/tray", true));
    ASSERT_TRUE(WaitForWindowGone(session.Window(), kWaitMs, true));
    PumpMessages(2000);
    EXPECT_FALSE(IsWindowVisible(session.Window())) << "still hidden two seconds later";
    EXPECT_TRUE(session.Group().IsRunning(session.Pid()));
    EXPECT_EQ(
        SendMessageA(ControlOf(session.Window(), IDC_CONTENTS_AUTO_STARTUP), BM_GETCHECK, 0, 0),
        BST_UNCHECKED);

    ASSERT_TRUE(session.TrayCommand(ID_TRAY_CONTENTS));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(session.Window()) != FALSE; }));
    const RECT rect = WindowRect(session.Window());
    EXPECT_EQ(rect.left, 140);
    EXPECT_EQ(rect.top, 90);
    EXPECT_TRUE(HasSize(session.Window(), 395, 175));
}

TEST(ContentsLifeCycle, ClosingOnlyHidesAndTheTrayItemShowsTheWindowAgainWithoutStartUpTasks) {
    ContentsSession session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(SetWindowPos(session.Window(), NULL, 210, 160, 0, 0, SWP_NOSIZE | SWP_NOZORDER));

    ASSERT_TRUE(PostClose(session.Window()));
    ASSERT_TRUE(WaitForWindowGone(session.Window(), kWaitMs, true));
    EXPECT_TRUE(session.Group().IsRunning(session.Pid()));
    EXPECT_EQ(IniGetInt(kGlobalSection, "Row", -1), 210) << "hiding saves the position";
    EXPECT_EQ(IniGetInt(kGlobalSection, "Column", -1), 160);

    // Due now: a start-up task would show it.
    ASSERT_TRUE(IniSetInt(kGlobalSection, "NextUpdateReminder", CurrentMonth()));
    ASSERT_TRUE(IniSetInt(kGlobalSection, "Row", 50));
    ASSERT_TRUE(session.TrayCommand(ID_TRAY_CONTENTS));
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(session.Window()) != FALSE; }));
    EXPECT_EQ(WindowRect(session.Window()).left, 50);
    EXPECT_EQ(WindowRect(session.Window()).top, 160);
    EXPECT_TRUE(HasSize(session.Window(), 395, 175));
    PumpMessages(1000);
    EXPECT_FALSE(FindTopWindow(session.Pid(), "#32770", kReminderCaption));
}

TEST(ContentsLifeCycle, EnterAndEscapeHideTheWindowLikeClose) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPad("Pad.ql"));
    ASSERT_TRUE(session.Start());

    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        ASSERT_TRUE(session.TrayCommand(ID_TRAY_CONTENTS));
        ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(session.Window()) != FALSE; }));
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(session.Window()) == session.List(); }));
        ASSERT_TRUE(PostMessageA(session.List(), WM_KEYDOWN, key, 0));
        EXPECT_TRUE(WaitForWindowGone(session.Window(), kWaitMs, true)) << key;
        PumpMessages(300);
        EXPECT_TRUE(session.Group().IsRunning(session.Pid())) << key;
        EXPECT_TRUE(IsWindow(session.Window())) << key;
    }
}

TEST(ContentsLifeCycle, ThePositionIsRestoredAtTheNextStart) {
    ContentsSession session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(SetWindowPos(session.Window(), NULL, 230, 170, 0, 0, SWP_NOSIZE | SWP_NOZORDER));
    ASSERT_TRUE(PostClose(session.Window()));
    ASSERT_TRUE(WaitForWindowGone(session.Window(), kWaitMs, true));
    session.Group().KillAll();

    ASSERT_TRUE(session.Start());
    const RECT rect = WindowRect(session.Window());
    EXPECT_EQ(rect.left, 230);
    EXPECT_EQ(rect.top, 170);
    EXPECT_TRUE(HasSize(session.Window(), 395, 175));
}

TEST(ContentsLifeCycle, TheAutoStartupBoxWritesTheSettingAtOnce) {
    ContentsSession session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.Click(IDC_CONTENTS_AUTO_STARTUP));
    EXPECT_TRUE(WaitUntil([] { return IniGetInt(kGlobalSection, "ShowOnStartup", -1) == 0; }));
    EXPECT_TRUE(IsWindowVisible(session.Window())) << "it takes effect at the next start";
    ASSERT_TRUE(session.Click(IDC_CONTENTS_AUTO_STARTUP));
    EXPECT_TRUE(WaitUntil([] { return IniGetInt(kGlobalSection, "ShowOnStartup", -1) == 1; }));
}
