// New, Open, Rename and Erase from the contents window: their messages and their effects.
#include <gtest/gtest.h>
#include <windows.h>

#include "ContentsSession.h"

using namespace driver;
using namespace contents_test;
using Items = std::vector<std::string>;

namespace {

// Runs a command and reads the message box it answers with; empty text when none comes.
std::string MessageOf(ContentsSession& session, int buttonId, HWND* box = nullptr) {
    if (!session.Click(buttonId))
        return "";
    HWND found = session.WaitForMessageBox();
    if (box)
        *box = found;
    return found ? MessageBoxText(found) : "";
}

} // namespace

TEST(ContentsCommands, APadInUseIsRefusedAtTheMomentOfTheCommand) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPad("Shopping.ql"));
    ASSERT_TRUE(session.Start());
    ASSERT_EQ(session.Items(), (Items{"Shopping.ql"}));
    // Taken after the last refresh: the entry shows no mark, yet the pad is in use.
    FileLock held(session.PadPath("Shopping.ql"));

    HWND box = NULL;
    EXPECT_EQ(MessageOf(session, IDC_CONTENTS_OPEN, &box), "Shopping.ql is already in use.");
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxCaption(box), "Quillow");
    EXPECT_EQ(MessageBoxButtons(box), (std::vector<int>{IDOK}));
    EXPECT_FALSE(HasIcon(box));
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));

    EXPECT_EQ(MessageOf(session, IDC_CONTENTS_RENAME, &box), "Shopping.ql is in use.");
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    EXPECT_EQ(MessageOf(session, IDC_CONTENTS_ERASE, &box), "Shopping.ql is in use.");
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));

    EXPECT_TRUE(FileExists(session.PadPath("Shopping.ql")));
    EXPECT_TRUE(session.OtherPids().empty()) << "no pad was started";
}

TEST(ContentsCommands, ErasingAsksAndOnYesDeletesTheFileAndItsSettings) {
    ContentsSession session;
    for (const char* name : {"a.ql", "b.ql", "c.ql"})
        ASSERT_TRUE(session.AddPad(name));
    ASSERT_TRUE(IniSetInt("b.ql", "ShowOnStartup", 0));
    ASSERT_TRUE(IniSetInt("a.ql", "ShowOnStartup", 0));
    // Marked at the start, released before the command: the test is made afresh.
    FileLock held(session.PadPath("b.ql"));
    ASSERT_TRUE(session.Start());
    ASSERT_EQ(session.Items(), (Items{"a.ql", "b.ql*", "c.ql"}));
    held.Release();
    ASSERT_TRUE(SelectListItem(session.List(), 1));

    HWND box = NULL;
    EXPECT_EQ(MessageOf(session, IDC_CONTENTS_ERASE, &box), "Erase b.ql?");
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxCaption(box), "Quillow");
    EXPECT_EQ(MessageBoxButtons(box), (std::vector<int>{IDYES, IDNO}));
    EXPECT_TRUE(HasIcon(box));
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));

    EXPECT_TRUE(WaitUntil([&] { return session.Items() == Items{"a.ql", "c.ql"}; }));
    EXPECT_FALSE(FileExists(session.PadPath("b.ql")));
    EXPECT_FALSE(IniHasSection("b.ql"));
    EXPECT_TRUE(IniHasSection("a.ql"));
    EXPECT_EQ(session.Selection(), 1) << "the entry that followed the erased one";
}

TEST(ContentsCommands, AnsweringNoToTheEraseQuestionChangesNothing) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPad("Keep.ql"));
    ASSERT_TRUE(IniSetInt("Keep.ql", "ShowOnStartup", 0));
    ASSERT_TRUE(session.Start());

    HWND box = NULL;
    EXPECT_EQ(MessageOf(session, IDC_CONTENTS_ERASE, &box), "Erase Keep.ql?");
    ASSERT_TRUE(session.AddPad("Later.ql"));
    ASSERT_TRUE(AnswerMessageBox(box, IDNO));

    PumpMessages(500);
    EXPECT_TRUE(FileExists(session.PadPath("Keep.ql")));
    EXPECT_TRUE(IniHasSection("Keep.ql"));
    EXPECT_EQ(session.Items(), (Items{"Keep.ql"})) << "the list is not refreshed";
}

TEST(ContentsCommands, ErasingAReadOnlyPadIsReportedAndKeepsItsSettings) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPad("Fixed.ql"));
    ASSERT_TRUE(IniSetInt("Fixed.ql", "ShowOnStartup", 0));
    ASSERT_TRUE(SetFileAttributesA(session.PadPath("Fixed.ql").c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(session.Start());

    HWND box = NULL;
    EXPECT_EQ(MessageOf(session, IDC_CONTENTS_ERASE, &box), "Erase Fixed.ql?");
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));
    box = session.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxText(box), "Unable to erase Fixed.ql.");
    EXPECT_EQ(MessageBoxButtons(box), (std::vector<int>{IDOK}));
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));

    EXPECT_TRUE(FileExists(session.PadPath("Fixed.ql")));
    EXPECT_TRUE(IniHasSection("Fixed.ql"));
}

TEST(ContentsCommands, APadThatTakesItsFileWhileTheEraseQuestionIsOpenIsNotDeleted) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPad("Racing.ql", "keep me\r\n"));
    ASSERT_TRUE(IniSetInt("Racing.ql", "ShowOnStartup", 0));
    ASSERT_TRUE(session.Start());

    HWND box = NULL;
    EXPECT_EQ(MessageOf(session, IDC_CONTENTS_ERASE, &box), "Erase Racing.ql?");
    FileLock held(session.PadPath("Racing.ql"));
    ASSERT_TRUE(held.Held());
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));

    box = session.WaitForMessageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(MessageBoxText(box), "Unable to erase Racing.ql.");
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    held.Release();
    std::string text;
    EXPECT_TRUE(ReadFileBytes(session.PadPath("Racing.ql"), text));
    EXPECT_EQ(text, "keep me\r\n");
    EXPECT_TRUE(IniHasSection("Racing.ql"));
}

TEST(ContentsCommands, RenamingRefreshesTheListOnlyWhenTheRenameHappened) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPad("Shopping.ql"));
    ASSERT_TRUE(session.AddPad("Zoo.ql"));
    ASSERT_TRUE(session.Start());

    ASSERT_TRUE(session.Click(IDC_CONTENTS_RENAME));
    HWND dialog = WaitForTopWindow(session.Pid(), "#32770", "Enter New Name");
    ASSERT_TRUE(dialog);
    EXPECT_EQ(WindowText(ControlOf(dialog, IDC_RENAME_NAME)), "Shopping");
    ASSERT_TRUE(session.AddPad("Appear.ql"));
    ASSERT_TRUE(PostCommand(dialog, IDCANCEL));
    ASSERT_TRUE(WaitForWindowGone(dialog));
    PumpMessages(300);
    EXPECT_EQ(session.Items(), (Items{"Shopping.ql", "Zoo.ql"}))
        << "a cancelled rename does not refresh";

    ASSERT_TRUE(session.Click(IDC_CONTENTS_RENAME));
    dialog = WaitForTopWindow(session.Pid(), "#32770", "Enter New Name");
    ASSERT_TRUE(dialog);
    ASSERT_TRUE(SetText(ControlOf(dialog, IDC_RENAME_NAME), "Groceries"));
    ASSERT_TRUE(PostCommand(dialog, IDOK));
    ASSERT_TRUE(WaitForWindowGone(dialog));
    EXPECT_TRUE(WaitUntil([&] {
        return session.Items() == Items{"Appear.ql", "Groceries.ql", "Zoo.ql"};
    }));
    EXPECT_TRUE(FileExists(session.PadPath("Groceries.ql")));
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

TEST(ContentsCommands, OpenStartsAPadOnTheSelectedFileAndASecondOpenIsRefused) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPad("Shopping.ql"));
    ASSERT_TRUE(session.Start());

    ASSERT_TRUE(session.Click(IDC_CONTENTS_OPEN));
    HWND pad = WaitForWindowInGroup(session.Group(), nullptr, "Shopping.ql");
    ASSERT_TRUE(pad) << "a pad window on the selected file";
    EXPECT_NE(ProcessOfWindow(pad), session.Pid()) << "in a process of its own";
    EXPECT_TRUE(WaitUntil([&] {
        session.Refresh();
        return session.Items() == Items{"Shopping.ql*"};
    }));

    HWND box = NULL;
    EXPECT_EQ(MessageOf(session, IDC_CONTENTS_OPEN, &box), "Shopping.ql is already in use.");
    if (box)
        AnswerMessageBox(box, IDOK);
    EXPECT_EQ(session.OtherPids().size(), 1u);
}

TEST(ContentsCommands, NewStartsOnePadOnANewTimeStampedFile) {
    ContentsSession session;
    ASSERT_TRUE(session.Start());

    ASSERT_TRUE(session.Click(IDC_CONTENTS_NEW));
    ASSERT_TRUE(WaitUntil([&] { return session.OtherPids().size() == 1; }));
    EXPECT_TRUE(WaitUntil([&] { return SearchOrder(session.Home()).size() == 1; }))
        << "the new pad creates its file in the home folder";
    const std::vector<std::string> names = SearchOrder(session.Home());
    ASSERT_EQ(names.size(), 1u);
    EXPECT_NE(names[0].find(" at "), std::string::npos) << names[0];
    PumpMessages(1000);
    EXPECT_EQ(session.OtherPids().size(), 1u) << "exactly one pad";
}
