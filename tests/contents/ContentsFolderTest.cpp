// The list follows the home folder while the window is shown: pads that a sync client,
// Explorer or another Quillow adds, removes or renames show without Refresh.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "ContentsSession.h"

using namespace driver;
using namespace contents_test;

namespace {

Items Sorted(Items items) {
    std::sort(items.begin(), items.end());
    return items;
}

} // namespace

TEST(ContentsFolder, TheListFollowsPadNamesWhileTheWindowIsShownAndOnlyThen) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPads({"a.ql", "b.ql"}));
    ASSERT_TRUE(session.Start());
    ASSERT_EQ(Sorted(session.Items()), (Items{"a.ql", "b.ql"}));
    // In-use marks change only at a refresh, so a lock taken now shows whether one came.
    PadLock held(session.PadPath("a.ql"));
    ASSERT_TRUE(held.Held());

    // What every save makes and removes beside a pad, and names of other files: no refresh.
    ASSERT_TRUE(WriteFileBytes(session.PadPath("a.ql.recovery"), "saving"));
    ASSERT_TRUE(DeleteFileA(session.PadPath("a.ql.recovery").c_str()));
    ASSERT_TRUE(WriteFileBytes(session.PadPath("notes.txt"), "other"));
    PumpMessages(1500);
    EXPECT_EQ(Sorted(session.Items()), (Items{"a.ql", "b.ql"}));

    ASSERT_TRUE(session.AddPad("c.ql"));
    EXPECT_TRUE(WaitUntil([&] {
        return Sorted(session.Items()) == Items{"a.ql*", "b.ql", "c.ql"};
    }));
    ASSERT_TRUE(MoveFileA(session.PadPath("b.ql").c_str(), session.PadPath("d.ql").c_str()));
    EXPECT_TRUE(WaitUntil([&] {
        return Sorted(session.Items()) == Items{"a.ql*", "c.ql", "d.ql"};
    }));
    ASSERT_TRUE(SyncDelete(session.PadPath("c.ql")));
    EXPECT_TRUE(WaitUntil([&] { return Sorted(session.Items()) == Items{"a.ql*", "d.ql"}; }));

    // Hidden, nothing is watched; showing the window refreshes it once.
    held.Release();
    ASSERT_TRUE(session.Close());
    ASSERT_TRUE(session.AddPad("e.ql"));
    PumpMessages(1500);
    EXPECT_EQ(Sorted(session.Items()), (Items{"a.ql*", "d.ql"}));
    ASSERT_TRUE(session.ShowAgain());
    EXPECT_TRUE(WaitUntil([&] {
        return Sorted(session.Items()) == Items{"a.ql", "d.ql", "e.ql"};
    }));
}
