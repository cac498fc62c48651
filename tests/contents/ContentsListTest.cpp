// The pad list of the contents window, read from outside as a user sees it.
#include <gtest/gtest.h>
#include <windows.h>

#include "ContentsSession.h"

using namespace driver;
using namespace contents_test;

TEST(ContentsList, ListsEveryPadSortedWithoutRegardToCaseAndMarksThoseHeld) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPads({"banana.ql", "Apple.ql", "cherry.ql", "Date.ql", "notes.txt"}));
    ASSERT_TRUE(CreateDirectoryA(session.PadPath("Old.ql").c_str(), NULL));
    PadLock held(session.PadPath("cherry.ql"));
    ASSERT_TRUE(held.Held());

    ASSERT_TRUE(session.Start());
    EXPECT_EQ(CaptionOf(session.Window()), "Quillow Contents");
    EXPECT_EQ(session.Items(),
              (Items{"Apple.ql", "banana.ql", "cherry.ql*", "Date.ql", "Old.ql*"}));
    EXPECT_EQ(session.Selection(), 0);
    for (int id : {IDC_CONTENTS_OPEN, IDC_CONTENTS_RENAME, IDC_CONTENTS_ERASE})
        EXPECT_TRUE(session.IsEnabled(id)) << id;
}

TEST(ContentsList, AnEmptyListDisablesOnlyOpenRenameAndEraseAndEachRefreshReadsTheMarksAfresh) {
    ContentsSession session;
    ASSERT_TRUE(session.Start());
    EXPECT_TRUE(session.Items().empty());
    for (int id : {IDC_CONTENTS_OPEN, IDC_CONTENTS_RENAME, IDC_CONTENTS_ERASE})
        EXPECT_FALSE(session.IsEnabled(id)) << id;
    for (int id :
         {IDC_CONTENTS_NEW, IDC_CONTENTS_REFRESH, IDC_CONTENTS_HELP, IDC_CONTENTS_AUTO_STARTUP})
        EXPECT_TRUE(session.IsEnabled(id)) << id;

    ASSERT_TRUE(session.AddPad("Shopping.ql"));
    ASSERT_TRUE(session.Refresh());
    EXPECT_EQ(session.Items(), (Items{"Shopping.ql"}));
    EXPECT_TRUE(session.IsEnabled(IDC_CONTENTS_ERASE));

    PadLock held(session.PadPath("Shopping.ql"));
    EXPECT_EQ(session.Items(), (Items{"Shopping.ql"})) << "the list is a snapshot until refreshed";
    ASSERT_TRUE(session.Refresh());
    EXPECT_EQ(session.Items(), (Items{"Shopping.ql*"}));
    held.Release();
    ASSERT_TRUE(session.Refresh());
    EXPECT_EQ(session.Items(), (Items{"Shopping.ql"}));
}

TEST(ContentsList, ARefreshKeepsTheSelectionByPosition) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPads({"a.ql", "b.ql", "c.ql", "d.ql", "e.ql"}));
    ASSERT_TRUE(session.Start());

    ASSERT_TRUE(SelectListItem(session.List(), 3));
    ASSERT_TRUE(DeleteFileA(session.PadPath("a.ql").c_str()));
    ASSERT_TRUE(session.AddPad("f.ql"));
    ASSERT_TRUE(session.Refresh());
    EXPECT_EQ(session.Items(), (Items{"b.ql", "c.ql", "d.ql", "e.ql", "f.ql"}));
    EXPECT_EQ(session.Selection(), 3) << "the same position, whatever name stands there now";

    for (const char* name : {"b.ql", "c.ql", "d.ql"})
        ASSERT_TRUE(DeleteFileA(session.PadPath(name).c_str()));
    ASSERT_TRUE(session.Refresh());
    EXPECT_EQ(session.Items(), (Items{"e.ql", "f.ql"}));
    EXPECT_EQ(session.Selection(), 1) << "the last entry when the list has become shorter";

    ASSERT_TRUE(SelectListItem(session.List(), -1));
    ASSERT_TRUE(session.Refresh());
    EXPECT_EQ(session.Selection(), 0) << "the first entry when nothing was selected";
}

// While the window is shown, the list follows pad names that a sync client, Explorer or
// another Quillow adds, removes or renames in the home folder.
TEST(ContentsFolder, TheListFollowsPadNamesWhileTheWindowIsShownAndOnlyThen) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPads({"a.ql", "b.ql"}));
    ASSERT_TRUE(session.Start());
    // In-use marks change only at a refresh, so a lock taken now shows whether one came.
    PadLock held(session.PadPath("a.ql"));
    // The names are compared sorted: the list's order is the system's.

    // A save's recovery file, and other names: no refresh.
    ASSERT_TRUE(WriteFileBytes(session.PadPath("a.ql.recovery"), "saving"));
    ASSERT_TRUE(DeleteFileA(session.PadPath("a.ql.recovery").c_str()));
    ASSERT_TRUE(WriteFileBytes(session.PadPath("notes.txt"), "other"));
    PumpMessages(1500);
    EXPECT_TRUE(session.Shows({"a.ql", "b.ql"}, true));

    ASSERT_TRUE(session.AddPad("a (conflicted copy).ql"));
    EXPECT_TRUE(session.Shows({"a (conflicted copy).ql", "a.ql*", "b.ql"}, true));
    ASSERT_TRUE(MoveFileA(session.PadPath("b.ql").c_str(), session.PadPath("c.ql").c_str()));
    ASSERT_TRUE(DeleteFileA(session.PadPath("a (conflicted copy).ql").c_str()));
    EXPECT_TRUE(session.Shows({"a.ql*", "c.ql"}, true));

    held.Release();
    ASSERT_TRUE(session.Close());
    ASSERT_TRUE(session.AddPad("d.ql"));
    PumpMessages(1500);
    EXPECT_TRUE(session.Shows({"a.ql*", "c.ql"}, true)) << "nothing is watched while hidden";
    ASSERT_TRUE(session.ShowAgain());
    EXPECT_TRUE(session.Shows({"a.ql", "c.ql", "d.ql"}, true));

    // A text written while a search is shown is searched again.
    ASSERT_TRUE(PostWideText(ControlOf(session.Window(), IDC_CONTENTS_SEARCH), L"plumber"));
    EXPECT_TRUE(session.Shows({}, true));
    ASSERT_TRUE(WriteFileBytes(session.PadPath("c.ql"), "call the plumber"));
    EXPECT_TRUE(session.Shows({"c.ql"}, true));
}
