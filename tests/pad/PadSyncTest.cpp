// A pad in a folder that a sync client shares: the client replaces the file only while no pad
// holds it, and no save of a pad overwrites text that the pad did not read.
#include "res/resource.h"
#include "tests/pad/PadTesting.h"

using namespace driver;
using padtest::Pad;

namespace {

class PadSync : public padtest::PadEndToEndTest {};

TEST_F(PadSync, AReplacementWaitsUntilThePadIsClosedAndNoSaveOverwritesTextItDidNotRead) {
    const std::string path = m_home.File("Note.ql");
    ASSERT_TRUE(WriteFileBytes(path, "mine"));
    ASSERT_TRUE(ReplaceByRename(path, "theirs 1"));
    Pad pad = OpenPad(path, "Note.ql");
    ASSERT_TRUE(pad.window);
    EXPECT_EQ("theirs 1", WindowText(pad.edit));

    ASSERT_TRUE(TypeText(pad.edit, " + mine"));
    EXPECT_FALSE(ReplaceByRename(path, "theirs 2"));
    EXPECT_FALSE(DeleteFileA(path.c_str()));
    ASSERT_TRUE(TakeFocusAway());
    EXPECT_TRUE(WaitUntil([&] { return FileText(path) == "theirs 1 + mine"; }));
    EXPECT_EQ("theirs 1 + mine", WindowText(pad.edit));

    // The rename dialog lets the file go: what replaced it meanwhile is what the pad then shows.
    HWND dialog = OpenDialog(pad, ID_PAD_RENAME, "Enter New Name");
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(ReplaceByRename(path, "theirs 3"));
    ASSERT_TRUE(PostCommand(dialog, IDCANCEL));
    EXPECT_TRUE(WaitUntil([&] { return WindowText(pad.edit) == "theirs 3"; }));
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ("theirs 3", FileText(path));

    EXPECT_TRUE(ReplaceByRename(path, "theirs 4"));
    Pad again = OpenPad(path, "Note.ql");
    ASSERT_TRUE(again.window);
    EXPECT_EQ("theirs 4", WindowText(again.edit));
    ASSERT_TRUE(ClosePad(again));
}

} // namespace
