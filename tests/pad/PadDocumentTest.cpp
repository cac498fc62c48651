// A pad as a document, driven from outside: which file it binds to, how it loads, saves,
// erases and closes, and what it leaves in the file and in QUILLOW.INI.
#include <regex>

#include "res/resource.h"
#include "tests/pad/PadTesting.h"

using namespace driver;
using padtest::Pad;
using padtest::SectionOf;

namespace {

class PadDocument : public padtest::PadEndToEndTest {};

TEST_F(PadDocument, ANewPadIsNamedAfterTheTimeAndCreatedEmptyWithBothFlags) {
    DWORD pid = m_group.Start("");
    ASSERT_NE(0u, pid);
    HWND window = WaitForTopWindow(pid, "#32770", nullptr);
    ASSERT_TRUE(window);
    std::string caption = CaptionOf(window);
    EXPECT_TRUE(
        std::regex_match(caption, std::regex("(Mon|Tues|Wednes|Thurs|Fri|Satur|Sun)day, "
                                             "[01][0-9]-[0-3][0-9]-[0-9][0-9] at "
                                             "[01][0-9]-[0-5][0-9]-[0-5][0-9](AM|PM)\\.ql")))
        << caption;
    std::string path = m_home.File(caption);
    EXPECT_EQ("", Contents(path));
    EXPECT_EQ(1, IniGetInt(caption, "ShowOnStartup", -7));
    EXPECT_EQ(0, IniGetInt(caption, "AlwaysOnTop", -7));

    ASSERT_TRUE(ClosePad({pid, window, NULL}));
    EXPECT_FALSE(FileExists(path)) << "closing an empty pad deletes its file";
    EXPECT_FALSE(IniHasSection(caption)) << "and its section";
}

TEST_F(PadDocument, QuotedAndUnquotedPathsWithBlanksAndCommasOpenThePad) {
    const std::string name = "Monday, 03-02-98 at 10-15-30PM.ql";
    std::string path = m_home.File(name);
    ASSERT_TRUE(WriteFileBytes(path, "milk, eggs"));

    for (const std::string& args : {path, "\"" + path + "\""}) {
        Pad pad = OpenPad(args, SectionOf(name));
        ASSERT_TRUE(pad.window) << args;
        EXPECT_EQ("milk, eggs", WindowText(pad.edit));
        ASSERT_TRUE(ClosePad(pad));
        EXPECT_EQ("milk, eggs", Contents(path));
    }
}

TEST_F(PadDocument, TypingAndLeavingSavesTheTextByteForByteWithCrLf) {
    std::string path = m_home.File("Notes.ql");
    ASSERT_TRUE(WriteFileBytes(path, "first\r\nsecond"));
    Pad pad = OpenPad(path, "Notes.ql");
    ASSERT_TRUE(pad.window);

    // The caret waits after the last character, so typing appends.
    ASSERT_TRUE(TypeText(pad.edit, "\nthird line"));
    ASSERT_TRUE(TakeFocusAway());
    EXPECT_TRUE(WaitUntil([&] { return Contents(path) == "first\r\nsecond\r\nthird line"; }))
        << Contents(path);

    EXPECT_FALSE(WriteFileBytes(path, "")) << "the pad holds its file against writing";
    ASSERT_TRUE(Activate(pad.window));
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ("first\r\nsecond\r\nthird line", Contents(path));
    EXPECT_TRUE(IniHasKey("Notes.ql", "Row"));
    EXPECT_TRUE(IniHasKey("Notes.ql", "Height"));
}

TEST_F(PadDocument, OpeningAndClosingAPadChangesNoByteOfItsFile) {
    std::string path = m_home.File("Exact.ql");
    const std::string bytes = "caf\xe9\r\n\r\n\ttabbed  \r\nlast line\r\n";
    ASSERT_TRUE(WriteFileBytes(path, bytes));
    Pad pad = OpenPad(path, "Exact.ql");
    ASSERT_TRUE(pad.window);
    EXPECT_EQ(bytes, WindowText(pad.edit));
    ASSERT_TRUE(TakeFocusAway());
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ(bytes, Contents(path));
}

TEST_F(PadDocument, DeletingAllTheTextAndClosingDeletesFileAndSection) {
    std::string path = m_home.File("Short.ql");
    ASSERT_TRUE(WriteFileBytes(path, "ab"));
    IniSetInt("Short.ql", "BkColor", 255);
    Pad pad = OpenPad(path, "Short.ql");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(TypeText(pad.edit, "\b\b"));
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(IniHasSection("Short.ql"));
}

TEST_F(PadDocument, ErasingAnEmptyPadClosesItAtOnceAndDeletesFileAndSection) {
    std::string path = m_home.File("Empty.ql");
    ASSERT_TRUE(WriteFileBytes(path, ""));
    Pad pad = OpenPad(path, "Empty.ql");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_ERASE));
    ASSERT_TRUE(m_group.WaitForExit(pad.pid, kWaitMs));
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(IniHasSection("Empty.ql"));
}

TEST_F(PadDocument, ErasingAPadWithTextAsksFirstAndNoChangesNothing) {
    std::string path = m_home.File("Keep.ql");
    ASSERT_TRUE(WriteFileBytes(path, "keep me"));
    Pad pad = OpenPad(path, "Keep.ql");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_ERASE));
    HWND box = WaitForMessageBox(pad.pid);
    ASSERT_TRUE(box);
    EXPECT_EQ("Erase Keep.ql?", MessageBoxText(box));
    EXPECT_EQ("Quillow", MessageBoxCaption(box));
    EXPECT_EQ((std::vector<int>{IDYES, IDNO}), MessageBoxButtons(box));
    EXPECT_TRUE(HasIcon(box));
    ASSERT_TRUE(AnswerMessageBox(box, IDNO));
    EXPECT_TRUE(m_group.IsRunning(pad.pid));
    EXPECT_EQ("keep me", WindowText(pad.edit));
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ("keep me", Contents(path));
    EXPECT_TRUE(IniHasSection("Keep.ql"));
}

TEST_F(PadDocument, ErasingAPadWithTextAndAnsweringYesDeletesFileAndSection) {
    std::string path = m_home.File("Gone.ql");
    ASSERT_TRUE(WriteFileBytes(path, "old news"));
    Pad pad = OpenPad(path, "Gone.ql");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_ERASE));
    HWND box = WaitForMessageBox(pad.pid);
    ASSERT_TRUE(box);
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));
    ASSERT_TRUE(m_group.WaitForExit(pad.pid, kWaitMs));
    EXPECT_FALSE(FileExists(path));
    EXPECT_FALSE(IniHasSection("Gone.ql"));
}

TEST_F(PadDocument, AFileOfExactly32768BytesOpens) {
    std::string path = m_home.File("Full.ql");
    std::string bytes;
    while (bytes.size() < 32768)
        bytes += "0123456789 0123456789 0123456789 0123456789 0123456789 0123456789\r\n";
    bytes.resize(32768);
    ASSERT_TRUE(WriteFileBytes(path, bytes));
    Pad pad = OpenPad(path, "Full.ql");
    ASSERT_TRUE(pad.window);
    EXPECT_EQ(bytes.size(), WindowText(pad.edit).size());
    EXPECT_FALSE(FindMessageBox(pad.pid));
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ(bytes, Contents(path));
}

TEST_F(PadDocument, AFileOneByteOverTheLimitIsRefusedAndLeftAlone) {
    std::string path = m_home.File("Huge.ql");
    const std::string bytes = std::string(32768, 'y') + "\n";
    ASSERT_TRUE(WriteFileBytes(path, bytes));
    DWORD pid = m_group.Start(path);
    HWND box = WaitForMessageBox(pid);
    ASSERT_TRUE(box);
    EXPECT_EQ("Huge.ql is too large for Quillow to open.", MessageBoxText(box));
    EXPECT_EQ((std::vector<int>{IDOK}), MessageBoxButtons(box));
    EXPECT_TRUE(HasIcon(box));
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    ASSERT_TRUE(m_group.WaitForExit(pid, kWaitMs));
    EXPECT_EQ(bytes, Contents(path));
    EXPECT_FALSE(IniHasSection("Huge.ql"));
    // The pad that lost its file keeps its flags and placement under the empty name.
    EXPECT_EQ(1, IniGetInt(".ql", "ShowOnStartup", -7));
    EXPECT_EQ(0, IniGetInt(".ql", "AlwaysOnTop", -7));
    EXPECT_TRUE(IniHasKey(".ql", "Row"));
    EXPECT_TRUE(IniHasKey(".ql", "Column"));
    EXPECT_TRUE(IniHasKey(".ql", "Width"));
    EXPECT_TRUE(IniHasKey(".ql", "Height"));
}

TEST_F(PadDocument, ASecondPadOnAHeldFileAsksAndNoStartsNothing) {
    std::string path = m_home.File("Held.ql");
    ASSERT_TRUE(WriteFileBytes(path, "mine"));
    Pad first = OpenPad(path, "Held.ql");
    ASSERT_TRUE(first.window);

    DWORD second = m_group.Start(path);
    HWND box = WaitForMessageBox(second);
    ASSERT_TRUE(box);
    EXPECT_EQ("Held.ql is already in use.\nWould you like to open a new Quillow?",
              MessageBoxText(box));
    EXPECT_EQ((std::vector<int>{IDYES, IDNO}), MessageBoxButtons(box));
    std::vector<DWORD> before = m_group.Pids();
    ASSERT_TRUE(AnswerMessageBox(box, IDNO));
    ASSERT_TRUE(m_group.WaitForExit(second, kWaitMs));
    EXPECT_TRUE(m_group.NewPids(before).empty());
    EXPECT_TRUE(m_group.IsRunning(first.pid));
    EXPECT_EQ("mine", Contents(path));
    EXPECT_EQ("mine", WindowText(first.edit));
}

TEST_F(PadDocument, ASecondPadOnAHeldFileAnsweredYesStartsANewPad) {
    std::string path = m_home.File("Held.ql");
    ASSERT_TRUE(WriteFileBytes(path, "mine"));
    Pad first = OpenPad(path, "Held.ql");
    ASSERT_TRUE(first.window);

    DWORD second = m_group.Start(path);
    HWND box = WaitForMessageBox(second);
    ASSERT_TRUE(box);
    std::vector<HWND> known = TopWindows(m_group);
    ASSERT_TRUE(AnswerMessageBox(box, IDYES));
    HWND fresh = WaitForNewWindow(m_group, known, "#32770", nullptr);
    ASSERT_TRUE(fresh);
    std::string caption = CaptionOf(fresh);
    EXPECT_NE("Held.ql", caption);
    EXPECT_NE(".ql", caption);
    EXPECT_TRUE(FileExists(m_home.File(caption))) << caption;
    ASSERT_TRUE(m_group.WaitForExit(second, kWaitMs));
    EXPECT_EQ("mine", Contents(path));
}

TEST_F(PadDocument, EndingTheSessionSavesWhatWasTypedSinceTheLastLossOfFocus) {
    std::string path = m_home.File("Session.ql");
    ASSERT_TRUE(WriteFileBytes(path, "before"));
    Pad pad = OpenPad(path, "Session.ql");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(TypeText(pad.edit, " and after"));
    DWORD_PTR result = 0;
    ASSERT_TRUE(
        SendMessageTimeoutA(pad.window, WM_ENDSESSION, TRUE, 0, SMTO_BLOCK, kWaitMs, &result));
    EXPECT_EQ("before and after", Contents(path));
}

} // namespace
