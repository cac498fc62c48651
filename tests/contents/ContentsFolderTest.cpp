// While the window is shown, the list follows pad names that a sync client, Explorer or
// another Quillow adds, removes or renames in the home folder.
#include <gtest/gtest.h>
#include <windows.h>

#include "ContentsSession.h"

using namespace driver;
using namespace contents_test;

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
