// A pad in a folder that a sync client shares between computers: the client replaces a pad's
// file only while no pad holds it, and never is text lost on either side.
#include "res/resource.h"
#include "tests/pad/PadTesting.h"

using namespace driver;
using padtest::Pad;

namespace {

class PadSync : public padtest::PadEndToEndTest {};

TEST_F(PadSync, AReplacementWaitsUntilThePadIsClosedAndNoSaveOverwritesTextItDidNotRead) {
    const std::string path = m_home.File("Note.ql");
    ASSERT_TRUE(WriteFileBytes(path, "mine"));

    // Closed: the next opening shows the other computer's text.
    ASSERT_TRUE(SyncReplace(path, "theirs 1"));
    Pad pad = OpenPad(path, "Note.ql");
    ASSERT_TRUE(pad.window);
    EXPECT_EQ("theirs 1", WindowText(pad.edit));

    // Open: the client can neither replace nor delete the file, and writes a conflict copy,
    // which is a pad of its own.
    ASSERT_TRUE(TypeText(pad.edit, " + mine"));
    EXPECT_FALSE(SyncReplace(path, "theirs 2"));
    EXPECT_FALSE(SyncDelete(path));
    ASSERT_TRUE(TakeFocusAway());
    EXPECT_TRUE(WaitUntil([&] { return FileText(path) == "theirs 1 + mine"; }));
    EXPECT_EQ("theirs 1 + mine", WindowText(pad.edit));
    const std::string copy = SyncConflictCopy(path, "theirs 2");
    ASSERT_FALSE(copy.empty());
    Pad conflict = OpenPad(copy, "Note (conflicted copy).ql");
    ASSERT_TRUE(conflict.window);
    EXPECT_EQ("theirs 2", WindowText(conflict.edit));
    ASSERT_TRUE(ClosePad(conflict));

    // The rename dialog lets the file go: a replacement meanwhile is what the pad shows after.
    HWND dialog = OpenDialog(pad, ID_PAD_RENAME, "Enter New Name");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(SyncReplace(path, "theirs 3"));
    ASSERT_TRUE(PostCommand(dialog, IDCANCEL));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(pad.edit) == "theirs 3"; }));
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ("theirs 3", FileText(path));

    // Closed again, the replacement goes through.
    EXPECT_TRUE(SyncReplace(path, "theirs 4"));
    Pad again = OpenPad(path, "Note.ql");
    ASSERT_TRUE(again.window);
    EXPECT_EQ("theirs 4", WindowText(again.edit));
    ASSERT_TRUE(ClosePad(again));
}

} // namespace
