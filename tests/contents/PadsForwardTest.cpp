// Reaching running pads: a pad that runs comes forward instead of being refused, every pad
// hides and shows at once, and the keys that work from anywhere.
#include <gtest/gtest.h>
#include <windows.h>

#include "ContentsSession.h"

using namespace driver;
using namespace contents_test;

namespace {

HWND StartPad(ContentsSession& session, const std::string& name) {
    return session.Group().Start(session.PadPath(name))
               ? WaitForWindowInGroup(session.Group(), "#32770", name.c_str())
               : NULL;
}

bool ShownInFront(HWND pad) {
    return WaitUntil(
        [&] { return IsWindowVisible(pad) && !IsIconic(pad) && GetForegroundWindow() == pad; });
}

bool Minimise(HWND pad) {
    return PostSysCommand(pad, SC_MINIMIZE) && WaitUntil([&] { return IsIconic(pad) != FALSE; });
}

bool Hidden(HWND pad) { return WaitForWindowGone(pad, kWaitMs, true); }
bool Shown(HWND pad) {
    return WaitUntil([&] { return IsWindowVisible(pad) != FALSE; });
}

} // namespace

// The contents window names the pad bare, the pad holds it by its full path, and the second
// start spells it in other letters: the file's identity decides.
TEST(PadsForward, OpenATrayItemAndASecondStartBringTheRunningPadForward) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPads({"Shopping.ql", "Other.ql"}));
    ASSERT_TRUE(session.Start());
    HWND pad = StartPad(session, "Shopping.ql");
    ASSERT_TRUE(pad);
    const size_t processes = session.Group().Pids().size();

    ASSERT_TRUE(Minimise(pad));
    ASSERT_TRUE(session.Refresh());
    ASSERT_EQ(session.Items(), (Items{"Other.ql", "Shopping.ql*"}));
    ASSERT_TRUE(SelectListItem(session.List(), 1));
    ASSERT_TRUE(session.Click(IDC_CONTENTS_OPEN));
    EXPECT_TRUE(ShownInFront(pad)) << "Open";

    ASSERT_TRUE(Minimise(pad));
    ASSERT_TRUE(session.BuildTrayMenu());
    ASSERT_TRUE(session.TrayCommand(session.PadItem("Shopping.ql")));
    EXPECT_TRUE(ShownInFront(pad)) << "the tray menu's item";

    ASSERT_TRUE(Minimise(pad));
    const DWORD second = session.Group().Start("shopping.QL", session.Home());
    ASSERT_TRUE(second);
    EXPECT_TRUE(ShownInFront(pad)) << "a second start";
    EXPECT_TRUE(session.Group().WaitForExit(second, kWaitMs));
    EXPECT_FALSE(WaitForMessageBox(session.Group(), 500)) << "nothing is refused";
    EXPECT_EQ(session.Group().Pids().size(), processes);
}

TEST(PadsForward, HideAllSavesAndHidesShowAllBringsPadsOnScreenAndAnEndOfContentsShowsThem) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPads({"a.ql", "b.ql"}));
    ASSERT_TRUE(session.Start());
    HWND a = StartPad(session, "a.ql");
    HWND b = StartPad(session, "b.ql");
    ASSERT_TRUE(a && b);
    ASSERT_TRUE(TypeText(ControlOf(a, IDC_PAD_EDIT), "typed"));

    ASSERT_TRUE(session.TrayCommand(ID_TRAY_HIDE_ALL_PADS));
    EXPECT_TRUE(Hidden(a) && Hidden(b));
    EXPECT_EQ(FileText(session.PadPath("a.ql")), "text\r\ntyped") << "saved before hiding";
    EXPECT_TRUE(IsPadLocked(session.PadPath("a.ql"))) << "a hidden pad still holds its file";

    ASSERT_TRUE(session.TrayCommand(ID_TRAY_SHOW_ALL_PADS));
    EXPECT_TRUE(Shown(a) && Shown(b));
    // A pad left where no monitor shows it comes back onto the screen, and is stored there.
    ASSERT_TRUE(SetWindowPos(b, NULL, -3000, -3000, 0, 0, SWP_NOSIZE | SWP_NOZORDER));
    ASSERT_TRUE(session.TrayCommand(ID_TRAY_SHOW_ALL_PADS));
    EXPECT_TRUE(WaitUntil([&] {
        const RECT rect = WindowRect(b);
        return MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) != NULL;
    }));
    EXPECT_EQ(IniGetInt("b.ql", "Row", -1), WindowRect(b).left);

    // Exit shows the hidden pads; so does a contents process that ends any other way.
    ASSERT_TRUE(session.TrayCommand(ID_TRAY_HIDE_ALL_PADS));
    ASSERT_TRUE(Hidden(a) && Hidden(b));
    ASSERT_TRUE(session.TrayCommand(ID_TRAY_EXIT));
    EXPECT_EQ(session.Answer(IDYES).text, "Exit Quillow Contents?");
    EXPECT_TRUE(Shown(a) && Shown(b));

    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(session.TrayCommand(ID_TRAY_HIDE_ALL_PADS));
    ASSERT_TRUE(Hidden(a) && Hidden(b));
    ASSERT_TRUE(session.Group().Kill(session.Pid()));
    EXPECT_TRUE(Shown(a) && Shown(b));
}

// Win+Alt+Q is taken by the test, as by another program, and FindKey is misspelt: both are
// reported once, and the other keys work. Posting WM_HOTKEY stands in for the keyboard.
TEST(PadsForward, KeysFromAnywhereRunTheirCommandsAndAKeyThatFailsIsReportedOnce) {
    ContentsSession session;
    const int taken = 1;
    ASSERT_TRUE(RegisterHotKey(NULL, taken, MOD_WIN | MOD_ALT, 'Q'));
    ASSERT_TRUE(IniSetString(kGlobalSection, "FindKey", "Win+Atl+F"));
    ASSERT_TRUE(IniSetString(kGlobalSection, "HideAllPadsKey", "Alt+Shift+F12"));

    auto postHotKey = [&](int id) {
        return PostMessageA(session.Window(), WM_HOTKEY, id, 0) != FALSE;
    };
    ASSERT_TRUE(session.Start("/tray", true));
    const SeenMessageBox report = session.Answer(IDOK, [&] {
        postHotKey(ID_HOTKEY_NEW_PAD);
        PumpMessages(500);
    });
    EXPECT_NE(report.text.find("ShowAllPadsKey=Win+Alt+Q (show all pads): another program"),
              std::string::npos)
        << report.text;
    EXPECT_NE(report.text.find("FindKey=Win+Atl+F (find): Quillow cannot read"), std::string::npos);
    EXPECT_EQ(report.text.find("NewPadKey"), std::string::npos);
    EXPECT_TRUE(session.OtherPids().empty()) << "a key during a box is ignored";
    EXPECT_FALSE(RegisterHotKey(NULL, taken + 1, MOD_WIN | MOD_ALT, 'N')) << "registered";
    EXPECT_FALSE(RegisterHotKey(NULL, taken + 1, MOD_ALT | MOD_SHIFT, VK_F12)) << "registered";

    ASSERT_TRUE(postHotKey(ID_HOTKEY_NEW_PAD));
    ASSERT_TRUE(WaitUntil([&] { return session.OtherPids().size() == 1; }));
    HWND pad = WaitForTopWindow(session.OtherPids()[0], "#32770", nullptr);
    ASSERT_TRUE(pad);
    ASSERT_TRUE(session.Close());
    ASSERT_TRUE(postHotKey(ID_HOTKEY_FIND));
    EXPECT_TRUE(Shown(session.Window()));
    ASSERT_TRUE(postHotKey(ID_HOTKEY_HIDE_ALL_PADS));
    EXPECT_TRUE(Hidden(pad));
    ASSERT_TRUE(postHotKey(ID_HOTKEY_SHOW_ALL_PADS));
    EXPECT_TRUE(ShownInFront(pad));

    EXPECT_EQ(IniGetString(kGlobalSection, "ShowAllPadsKeyReported"), "Win+Alt+Q");
    ASSERT_TRUE(session.TrayCommand(ID_TRAY_EXIT));
    ASSERT_TRUE(session.Answer(IDYES).shown);
    ASSERT_TRUE(session.Group().WaitForExit(session.Pid(), kWaitMs));
    ASSERT_TRUE(session.Start());
    EXPECT_FALSE(session.WaitForMessageBox(1500)) << "reported once";
    UnregisterHotKey(NULL, taken);
}
