// The contents window's start-up tasks, its hiding and showing, and where it stands.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>

#include "ContentsSession.h"
#include "contents/UpdateReminder.h"

using namespace driver;
using namespace contents_test;

namespace {

// Every section of the settings file with its "key=value" lines.
std::map<std::string, std::vector<std::string>> IniContents() {
    std::map<std::string, std::vector<std::string>> contents;
    for (const std::string& section : IniSectionNames())
        contents[section] = IniSectionLines(section);
    return contents;
}

std::string Corners(const RECT& rect) {
    return std::to_string(rect.left) + "," + std::to_string(rect.top) + " " +
           std::to_string(rect.right) + "," + std::to_string(rect.bottom);
}

} // namespace

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
    EXPECT_EQ(session.Placement(), "230,170 395x204");
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

TEST(ContentsLifeCycle, ManyStartUpPadsAllOpenAtOnceWithTheirTextAndPlaceAndNoSettingIsLost) {
    const int kPads = 12;
    struct StartupPad {
        std::string name;
        std::string text;
        RECT place;
    };
    std::vector<StartupPad> pads;
    ContentsSession session;
    for (int i = 0; i < kPads; ++i) {
        const std::string name = "Start " + std::to_string(i) + ".ql";
        const int left = 10 + 165 * (i % 6);
        const int top = 200 + 140 * (i / 6);
        pads.push_back({name,
                        "Note " + std::to_string(i) + "\r\nits own text\r\n",
                        {left, top, left + 150 + i, top + 120 + i}});
        const StartupPad& pad = pads.back();
        ASSERT_TRUE(session.AddPad(name, pad.text));
        ASSERT_TRUE(IniSetInt(name, "ShowOnStartup", 1));
        ASSERT_TRUE(IniSetInt(name, "Row", pad.place.left));
        ASSERT_TRUE(IniSetInt(name, "Column", pad.place.top));
        ASSERT_TRUE(IniSetInt(name, "Width", pad.place.right - pad.place.left));
        ASSERT_TRUE(IniSetInt(name, "Height", pad.place.bottom - pad.place.top));
        ASSERT_TRUE(IniSetInt(name, "BkColor", 0xC0FFC0 + i));
    }
    // Settings that no start touches, which a lost write would take along.
    ASSERT_TRUE(session.AddPad("Resting.ql"));
    ASSERT_TRUE(IniSetInt("Resting.ql", "ShowOnStartup", 0));
    ASSERT_TRUE(IniSetInt("Resting.ql", "Row", 70));
    ASSERT_TRUE(IniSetInt(kGlobalSection, "NextUpdateReminder", 13));
    ASSERT_TRUE(IniSetInt(kGlobalSection, "Width", 200));
    const auto before = IniContents();

    ASSERT_TRUE(session.Start());
    // The list is refreshed over and over while the pads start: each refresh's in-use test
    // opens the pad files that starting pads are about to lock.
    WaitUntil([&] {
        session.Refresh();
        return TopWindows(session.Group(), {"#32770"}).size() > static_cast<size_t>(kPads);
    });
    for (const StartupPad& pad : pads) {
        SCOPED_TRACE(pad.name);
        const HWND window = WaitForWindowInGroup(session.Group(), "#32770", pad.name.c_str());
        ASSERT_TRUE(window);
        EXPECT_EQ(pad.text, WindowText(ControlOf(window, IDC_PAD_EDIT)));
        RECT rect = {};
        // Placed while it is being shown; a short wait is only a margin.
        WaitUntil(
            [&] {
                rect = WindowRect(window);
                return EqualRect(&rect, &pad.place) != FALSE;
            },
            1000);
        EXPECT_EQ(Corners(pad.place), Corners(rect));
        EXPECT_EQ(pad.text, FileText(session.PadPath(pad.name)));
    }
    EXPECT_EQ(session.OtherPids().size(), static_cast<size_t>(kPads));

    auto after = IniContents();
    std::vector<std::string> lost;
    for (const auto& section : before) {
        const std::vector<std::string>& lines = after[section.first];
        for (const std::string& line : section.second)
            if (std::find(lines.begin(), lines.end(), line) == lines.end())
                lost.push_back("[" + section.first + "] " + line);
    }
    EXPECT_EQ(lost, std::vector<std::string>());
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
    EXPECT_EQ(session.Placement(), "140,90 395x204");
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
    EXPECT_EQ(session.Placement(), "50,160 395x204");
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

TEST(ContentsLifeCycle, TwoStartsAtTheSameInstantGiveExactlyOneWindow) {
    ContentsSession session;
    ASSERT_TRUE(session.Group().Start("/tray") && session.Group().Start("/tray"));
    ASSERT_TRUE(WaitForWindowInGroup(session.Group(), "#32770", "Quillow Contents"));
    EXPECT_TRUE(WaitUntil([&] { return session.Group().Pids().size() == 1; }));
    WindowQuery contents;
    contents.caption = "Quillow Contents";
    contents.includeHidden = true;
    EXPECT_EQ(TopWindows(session.Group(), contents).size(), 1u);
}
