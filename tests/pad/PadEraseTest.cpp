// The pad's own Erase sends its file to the Recycle Bin, from which the user can bring it back.
#include "res/resource.h"
#include "tests/pad/PadTesting.h"

using namespace driver;
using padtest::ExpectMessageBox;
using padtest::Pad;

namespace {

class PadErase : public padtest::PadEndToEndTest {};

TEST_F(PadErase, TheFileGoesToTheRecycleBinWithTheLastTextAndComesBackAsAPad) {
    TestRecycleBin bin;
    ASSERT_TRUE(bin.Ready());
    Pad pad = OpenPadOn("Gone.ql", "old news");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(TypeText(pad.edit, " and more"));
    ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_ERASE));
    HWND box = ExpectMessageBox(pad.pid, "Erase Gone.ql?", {IDYES, IDNO});
    ASSERT_TRUE(box);
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));
    ASSERT_TRUE(m_group.WaitForExit(pad.pid, kWaitMs));
    EXPECT_FALSE(FileExists(pad.path));
    EXPECT_EQ("old news and more", FileText(bin.File("Gone.ql")));
    EXPECT_FALSE(FileExists(bin.File("Gone.ql.recovery")));
    EXPECT_FALSE(IniHasSection("Gone.ql"));

    // Put back as the Recycle Bin's Restore does.
    ASSERT_TRUE(MoveFileA(bin.File("Gone.ql").c_str(), pad.path.c_str()));
    Pad back = OpenPad(pad.path, "Gone.ql");
    ASSERT_TRUE(back.window);
    EXPECT_EQ("old news and more", WindowText(back.edit));
    ASSERT_TRUE(ClosePad(back));
}

} // namespace
