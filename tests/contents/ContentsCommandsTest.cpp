// New, Open, Rename, Erase and Help from the contents window: their messages and their effects.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "ContentsSession.h"

using namespace driver;
using namespace contents_test;

TEST(ContentsCommands, APadInUseIsRefusedAtTheMomentOfTheCommand) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPad("Shopping.ql"));
    ASSERT_TRUE(session.Start());
    ASSERT_EQ(session.Items(), (Items{"Shopping.ql"}));
    // Taken after the last refresh: the entry shows no mark, yet the pad is in use.
    PadLock held(session.PadPath("Shopping.ql"));

    const SeenMessageBox open = session.Command(IDC_CONTENTS_OPEN);
    EXPECT_EQ(open.text, "Shopping.ql is already in use.");
    EXPECT_EQ(open.caption, "Quillow");
    EXPECT_EQ(open.buttons, (std::vector<int>{IDOK}));
    EXPECT_FALSE(open.icon);
    EXPECT_EQ(session.Command(IDC_CONTENTS_RENAME).text, "Shopping.ql is in use.");
    EXPECT_EQ(session.Command(IDC_CONTENTS_ERASE).text, "Shopping.ql is in use.");

    EXPECT_TRUE(FileExists(session.PadPath("Shopping.ql")));
    EXPECT_TRUE(session.OtherPids().empty()) << "no pad was started";
}

TEST(ContentsCommands, ErasingAsksAndOnlyYesDeletesTheFileAndItsSettings) {
    TestRecycleBin bin;
    ASSERT_TRUE(bin.Ready());
    ContentsSession session;
    ASSERT_TRUE(session.AddPads({"a.ql", "b.ql", "c.ql"}));
    ASSERT_TRUE(IniSetInt("b.ql", "ShowOnStartup", 0));
    ASSERT_TRUE(IniSetInt("a.ql", "ShowOnStartup", 0));
    // Marked at the start, released before the command: the test is made afresh.
    PadLock held(session.PadPath("b.ql"));
    ASSERT_TRUE(session.Start());
    ASSERT_EQ(session.Items(), (Items{"a.ql", "b.ql*", "c.ql"}));
    held.Release();
    ASSERT_TRUE(SelectListItem(session.List(), 1));

    const SeenMessageBox question = session.Command(IDC_CONTENTS_ERASE, IDNO);
    EXPECT_EQ(question.text, "Erase b.ql?");
    EXPECT_EQ(question.caption, "Quillow");
    EXPECT_EQ(question.buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_TRUE(question.icon);
    PumpMessages(500);
    EXPECT_TRUE(FileExists(session.PadPath("b.ql")));
    EXPECT_TRUE(IniHasSection("b.ql"));
    EXPECT_EQ(session.Items(), (Items{"a.ql", "b.ql*", "c.ql"})) << "No does not refresh";

    EXPECT_EQ(session.Command(IDC_CONTENTS_ERASE, IDYES).text, "Erase b.ql?");
    EXPECT_TRUE(WaitUntil([&] { return session.Items() == Items{"a.ql", "c.ql"}; }));
    EXPECT_FALSE(FileExists(session.PadPath("b.ql")));
    EXPECT_EQ(FileText(bin.File("b.ql")), "text\r\n") << "in the Recycle Bin";
    EXPECT_FALSE(IniHasSection("b.ql"));
    EXPECT_TRUE(IniHasSection("a.ql"));
    EXPECT_EQ(session.Selection(), 1) << "the entry that followed the erased one";
}

// A read-only file, or one a pad takes while the question is open, is reported and kept
// byte for byte with its settings.
TEST(ContentsCommands, AnEraseThatFailsIsReportedAndKeepsTheFileAndItsSettings) {
    for (bool readOnly : {true, false}) {
        SCOPED_TRACE(readOnly ? "read-only" : "taken while asking");
        ContentsSession session;
        ASSERT_TRUE(session.AddPad("Fixed.ql", "keep me\r\n"));
        ASSERT_TRUE(IniSetInt("Fixed.ql", "ShowOnStartup", 0));
        const DWORD attributes = readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL;
        ASSERT_TRUE(SetFileAttributesA(session.PadPath("Fixed.ql").c_str(), attributes));
        ASSERT_TRUE(session.Start());

        std::unique_ptr<PadLock> held;
        auto takeIt = [&] {
            if (!readOnly)
                held.reset(new PadLock(session.PadPath("Fixed.ql")));
        };
        EXPECT_EQ(session.Command(IDC_CONTENTS_ERASE, IDYES, takeIt).text, "Erase Fixed.ql?");
        const SeenMessageBox failure = session.Answer(IDOK);
        EXPECT_EQ(failure.text, "Unable to erase Fixed.ql.");
        EXPECT_EQ(failure.buttons, (std::vector<int>{IDOK}));
        held.reset();
        EXPECT_EQ(FileText(session.PadPath("Fixed.ql")), "keep me\r\n");
        EXPECT_TRUE(IniHasSection("Fixed.ql"));
    }
}

TEST(ContentsCommands, RenamingRefreshesTheListOnlyWhenTheRenameHappened) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPads({"Shopping.ql", "Zoo.ql"}));
    // The list follows names in the folder by itself; a mark changes only at a refresh.
    PadLock held(session.PadPath("Zoo.ql"));
    ASSERT_TRUE(session.Start());
    held.Release();

    for (bool rename : {false, true}) {
        ASSERT_TRUE(session.Click(IDC_CONTENTS_RENAME));
        HWND dialog = WaitForTopWindow(session.Pid(), "#32770", "Enter New Name");
        ASSERT_TRUE(dialog);
        EXPECT_EQ(WindowText(ControlOf(dialog, IDC_RENAME_NAME)), "Shopping");
        if (rename) {
            ASSERT_TRUE(SetText(ControlOf(dialog, IDC_RENAME_NAME), "Groceries"));
        }
        ASSERT_TRUE(PostCommand(dialog, rename ? IDOK : IDCANCEL));
        ASSERT_TRUE(WaitForWindowGone(dialog));
        PumpMessages(300);
        if (!rename) {
            EXPECT_EQ(session.Items(), (Items{"Shopping.ql", "Zoo.ql*"}))
                << "a cancelled rename does not refresh";
        }
    }
    EXPECT_TRUE(WaitUntil([&] { return session.Items() == Items{"Groceries.ql", "Zoo.ql"}; }));
    EXPECT_FALSE(FileExists(session.PadPath("Shopping.ql")));
}

TEST(ContentsCommands, CommandsWithNothingSelectedDoNothing) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPad("Only.ql"));
    ASSERT_TRUE(session.Start());
    ASSERT_TRUE(SelectListItem(session.List(), -1));

    for (int id : {IDC_CONTENTS_OPEN, IDC_CONTENTS_RENAME, IDC_CONTENTS_ERASE})
        ASSERT_TRUE(session.Click(id));
    PostMessageA(session.Window(), WM_COMMAND, MAKEWPARAM(IDC_CONTENTS_LIST, LBN_DBLCLK),
                 reinterpret_cast<LPARAM>(session.List()));
    EXPECT_FALSE(session.WaitForMessageBox(1500));
    EXPECT_FALSE(FindTopWindow(session.Pid(), "#32770", "Enter New Name"));
    EXPECT_TRUE(session.OtherPids().empty());
    EXPECT_TRUE(FileExists(session.PadPath("Only.ql")));
}

TEST(ContentsCommands, OpenStartsAPadOnTheSelectedFileAndASecondOpenStartsNoOther) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPad("Shopping.ql"));
    ASSERT_TRUE(session.Start());

    ASSERT_TRUE(session.Click(IDC_CONTENTS_OPEN));
    HWND pad = WaitForWindowInGroup(session.Group(), nullptr, "Shopping.ql");
    ASSERT_TRUE(pad) << "a pad window on the selected file";
    EXPECT_NE(ProcessOfWindow(pad), session.Pid()) << "in a process of its own";
    // Open waits for the pad to hold its file, so its own refresh already shows the mark.
    EXPECT_TRUE(WaitUntil([&] { return session.Items() == Items{"Shopping.ql*"}; }));
    // The running pad comes forward instead (PadsForward has the details).
    ASSERT_TRUE(session.Click(IDC_CONTENTS_OPEN));
    EXPECT_FALSE(session.WaitForMessageBox(1000));
    EXPECT_EQ(session.OtherPids().size(), 1u);
}

TEST(ContentsCommands, NewStartsOnePadOnANewTimeStampedFile) {
    ContentsSession session;
    ASSERT_TRUE(session.Start());

    ASSERT_TRUE(session.Click(IDC_CONTENTS_NEW));
    EXPECT_TRUE(WaitUntil([&] { return SearchOrder(session.Home()).size() == 1; }))
        << "the new pad creates its file in the home folder";
    const std::vector<std::string> names = SearchOrder(session.Home());
    ASSERT_EQ(names.size(), 1u);
    EXPECT_NE(names[0].find(" at "), std::string::npos) << names[0];
    PumpMessages(1000);
    EXPECT_EQ(session.OtherPids().size(), 1u) << "exactly one pad";
}

TEST(ContentsCommands, TheHelpButtonAndF1OpenTheHelpPage) {
    ScopedHelpViewer viewer;
    ASSERT_TRUE(viewer.Ready());
    ContentsSession session;
    ASSERT_TRUE(session.AddPad("Pad.ql"));
    ASSERT_TRUE(session.Start());
    const std::string helpPage = ExeFolder() + "\\Quillow.htm";

    ASSERT_TRUE(session.Click(IDC_CONTENTS_HELP));
    EXPECT_EQ(helpPage, viewer.WaitForOpenedPage());

    viewer.Forget();
    ASSERT_TRUE(Activate(session.Window()));
    ASSERT_TRUE(PressKey(VK_F1));
    EXPECT_EQ(helpPage, viewer.WaitForOpenedPage());
}
