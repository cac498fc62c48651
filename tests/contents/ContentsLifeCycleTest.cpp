// The contents window's start-up tasks, its hiding and showing, and where it stands.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "ContentsSession.h"
#include "contents/UpdateReminder.h"

using namespace driver;
using namespace contents_test;

TEST(ContentsLifeCycle, AReminderNotDueIsNotShownAndOnlyAMissingMonthIsScheduled) {
    const int next = NextReminderMonth(CurrentMonth());
    const int otherMonth = CurrentMonth() % 12 + 1;
    // 0 stands for a month never written: the first start schedules the month after next.
    for (int stored : {0, 13, -1, otherMonth}) {
        SCOPED_TRACE(stored);
        ContentsSession session;
        if (stored) {
            ASSERT_TRUE(IniSetInt(kGlobalSection, "NextUpdateReminder", stored));
        }
        ASSERT_TRUE(session.Start());
        EXPECT_TRUE(WaitUntil([] { return IniHasKey(kGlobalSection, "NextUpdateReminder"); }));
        PumpMessages(500);
        EXPECT_FALSE(session.ReminderShown());
        EXPECT_EQ(IniGetInt(kGlobalSection, "NextUpdateReminder", 0), stored ? stored : next);
    }
}

TEST(ContentsLifeCycle, ADueReminderIsShownAndRescheduledWhicheverButtonIsPressed) {
    for (int answer : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(answer);
        ContentsSession session;
        ASSERT_TRUE(IniSetInt(kGlobalSection, "NextUpdateReminder", CurrentMonth()));
        ASSERT_TRUE(session.Group().Start("/tray"));
        HWND reminder = WaitForWindowInGroup(session.Group(), "#32770", "Quillow Update");
        ASSERT_TRUE(reminder);
        ASSERT_TRUE(PostCommand(reminder, answer));
        ASSERT_TRUE(WaitForWindowGone(reminder));
        // Yes opens the home page; with no browser behind the shell its failure is reported.
        if (HWND box = WaitForMessageBox(session.Group(), 1500))
            AnswerMessageBox(box, IDOK);
        EXPECT_TRUE(WaitForWindowInGroup(session.Group(), "#32770", "Quillow Contents"));
        EXPECT_EQ(IniGetInt(kGlobalSection, "NextUpdateReminder", 0),
                  NextReminderMonth(CurrentMonth()));
    }
}

TEST(ContentsLifeCycle, AStartPlacesTheWindowAtItsStoredPlaceAndTheAutoStartupBoxWritesAtOnce) {
    ContentsSession session;
    ASSERT_TRUE(IniSetInt(kGlobalSection, "Row", 230));
    ASSERT_TRUE(IniSetInt(kGlobalSection, "Column", 170));
    ASSERT_TRUE(session.Start());
    EXPECT_EQ(session.Placement(), "230,170 395x175");
    EXPECT_TRUE(session.AutoStartupChecked());

    ASSERT_TRUE(session.Click(IDC_CONTENTS_AUTO_STARTUP));
    EXPECT_TRUE(WaitUntil([] { return IniGetInt(kGlobalSection, "ShowOnStartup", -1) == 0; }));
    EXPECT_TRUE(IsWindowVisible(session.Window())) << "it takes effect at the next start";
    ASSERT_TRUE(session.Click(IDC_CONTENTS_AUTO_STARTUP));
    EXPECT_TRUE(WaitUntil([] { return IniGetInt(kGlobalSection, "ShowOnStartup", -1) == 1; }));
}

TEST(ContentsLifeCycle, ThePadsMarkedToShowAtStartUpAreReopenedButNeverOneAlreadyOpen) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPads({"Marked.ql", "Unmarked.ql", "NoSection.ql", "Open.ql"}));
    ASSERT_TRUE(IniSetInt("Marked.ql", "ShowOnStartup", 1));
    ASSERT_TRUE(IniSetInt("Unmarked.ql", "ShowOnStartup", 0));
    ASSERT_TRUE(IniSetInt("Open.ql", "ShowOnStartup", 1));
    PadLock held(session.PadPath("Open.ql"));
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
    EXPECT_TRUE(session.IsRunning());
    EXPECT_FALSE(session.AutoStartupChecked());

    ASSERT_TRUE(session.ShowAgain());
    EXPECT_EQ(session.Placement(), "140,90 395x175");
}

TEST(ContentsLifeCycle, ClosingOnlyHidesAndTheTrayItemShowsTheWindowAgainWithoutStartUpTasks) {
    ContentsSession session;
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.MoveTo(210, 160));

    ASSERT_TRUE(session.Close());
    EXPECT_TRUE(session.IsRunning());
    EXPECT_EQ(IniGetInt(kGlobalSection, "Row", -1), 210) << "hiding saves the position";
    EXPECT_EQ(IniGetInt(kGlobalSection, "Column", -1), 160);

    // Due now: a start-up task would show it.
    ASSERT_TRUE(IniSetInt(kGlobalSection, "NextUpdateReminder", CurrentMonth()));
    ASSERT_TRUE(IniSetInt(kGlobalSection, "Row", 50));
    ASSERT_TRUE(session.ShowAgain());
    EXPECT_EQ(session.Placement(), "50,160 395x175");
    PumpMessages(1000);
    EXPECT_FALSE(session.ReminderShown());
}

TEST(ContentsLifeCycle, EnterAndEscapeHideTheWindowLikeClose) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPad("Pad.ql"));
    ASSERT_TRUE(session.Start());

    for (WPARAM key : {VK_ESCAPE, VK_RETURN}) {
        SCOPED_TRACE(key);
        ASSERT_TRUE(session.ShowAgain());
        ASSERT_TRUE(WaitUntil([&] { return FocusOf(session.Window()) == session.List(); }));
        ASSERT_TRUE(PostMessageA(session.List(), WM_KEYDOWN, key, 0));
        EXPECT_TRUE(WaitForWindowGone(session.Window(), kWaitMs, true));
        PumpMessages(300);
        EXPECT_TRUE(session.IsRunning());
        EXPECT_TRUE(IsWindow(session.Window()));
    }
}

TEST(ContentsLifeCycle, ASecondStartShowsTheFirstWindowAndEndsWithoutStartingAnyPadAgain) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPad("Marked.ql"));
    ASSERT_TRUE(IniSetInt("Marked.ql", "ShowOnStartup", 1));
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(WaitForWindowInGroup(session.Group(), nullptr, "Marked.ql"));
    ASSERT_TRUE(session.Close());
    std::vector<DWORD> running = session.Group().Pids();
    std::sort(running.begin(), running.end());

    const DWORD second = session.Group().Start("/tray");
    ASSERT_TRUE(second);
    EXPECT_TRUE(session.Group().WaitForExit(second, kWaitMs));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(session.Window()) != FALSE; }));
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == session.Window(); }));
    // A second start of Marked.ql would find it in use and say so.
    EXPECT_FALSE(WaitForMessageBox(session.Group(), 1000));
    std::vector<DWORD> after = session.Group().Pids();
    std::sort(after.begin(), after.end());
    EXPECT_EQ(running, after);
}
