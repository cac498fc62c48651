// A pad as a document, driven from outside: which file it binds to, how it loads, saves,
// erases and closes, and what it leaves in the file and in QUILLOW.INI.
#include <regex>

#include "padfile/PadRecovery.h"
#include "res/resource.h"
#include "tests/pad/PadTesting.h"

using namespace driver;
using padtest::ExpectMessageBox;
using padtest::Pad;

namespace {

class PadDocument : public padtest::PadEndToEndTest {};

TEST_F(PadDocument, ANewPadIsNamedAfterTheTimeAndCreatedEmptyWithBothFlags) {
    Pad pad;
    pad.pid = m_group.Start("");
    ASSERT_NE(0u, pad.pid);
    pad.window = WaitForTopWindow(pad.pid, "#32770", nullptr);
    ASSERT_TRUE(pad.window);
    std::string caption = CaptionOf(pad.window);
    EXPECT_TRUE(
        std::regex_match(caption, std::regex("(Mon|Tues|Wednes|Thurs|Fri|Satur|Sun)day, "
                                             "[01][0-9]-[0-3][0-9]-[0-9][0-9] at "
                                             "[01][0-9]-[0-5][0-9]-[0-5][0-9](AM|PM)\\.ql")))
        << caption;
    std::string path = m_home.File(caption);
    EXPECT_EQ("", FileText(path));
    EXPECT_EQ(1, IniGetInt(caption, "ShowOnStartup", -7));
    EXPECT_EQ(0, IniGetInt(caption, "AlwaysOnTop", -7));

    ASSERT_TRUE(ClosePad(pad));
    EXPECT_FALSE(FileExists(path)) << "closing an empty pad deletes its file";
    EXPECT_FALSE(IniHasSection(caption)) << "and its section";
}

TEST_F(PadDocument, QuotedAndUnquotedPathsWithBlanksAndCommasOpenThePad) {
    const std::string name = "Monday, 03-02-98 at 10-15-30PM.ql";
    std::string path = m_home.File(name);
    ASSERT_TRUE(WriteFileBytes(path, "milk, eggs"));
    for (const std::string& args : {path, "\"" + path + "\""}) {
        Pad pad = OpenPad(args, name);
        ASSERT_TRUE(pad.window) << args;
        EXPECT_EQ("milk, eggs", WindowText(pad.edit));
        ASSERT_TRUE(ClosePad(pad));
        EXPECT_EQ("milk, eggs", FileText(path));
    }
}

TEST_F(PadDocument, TypingAndLeavingSavesTheTextByteForByteWithCrLf) {
    Pad pad = OpenPadOn("Notes.ql", "first\r\nsecond");
    ASSERT_TRUE(pad.window);
    // The caret waits after the last character, so typing appends.
    ASSERT_TRUE(TypeText(pad.edit, "\nthird line"));
    ASSERT_TRUE(TakeFocusAway());
    EXPECT_TRUE(WaitUntil([&] { return FileText(pad.path) == "first\r\nsecond\r\nthird line"; }))
        << FileText(pad.path);
    EXPECT_FALSE(WriteFileBytes(pad.path, "")) << "the pad holds its file against writing";
    ASSERT_TRUE(Activate(pad.window));
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ("first\r\nsecond\r\nthird line", FileText(pad.path));
    EXPECT_TRUE(IniHasKey("Notes.ql", "Row"));
    EXPECT_TRUE(IniHasKey("Notes.ql", "Height"));
}

TEST_F(PadDocument, OpeningAndClosingAPadChangesNoByteOfItsFile) {
    const std::string bytes = "caf\xe9\r\n\r\n\ttabbed  \r\nlast line\r\n";
    Pad pad = OpenPadOn("Exact.ql", bytes);
    ASSERT_TRUE(pad.window);
    EXPECT_EQ(bytes, WindowText(pad.edit));
    ASSERT_TRUE(TakeFocusAway());
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ(bytes, FileText(pad.path));
}

TEST_F(PadDocument, DeletingAllTheTextAndClosingDeletesFileAndSection) {
    IniSetInt("Short.ql", "BkColor", 255);
    Pad pad = OpenPadOn("Short.ql", "ab");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(TypeText(pad.edit, "\b\b"));
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_FALSE(FileExists(pad.path));
    EXPECT_FALSE(IniHasSection("Short.ql"));
}

TEST_F(PadDocument, ErasingAsksOnlyWhenThereIsTextAndNoChangesNothing) {
    struct Case {
        const char* name;
        const char* text;
        int answer; // 0: no question is asked
    };
    for (const Case& c : {Case{"Empty.ql", "", 0}, Case{"Keep.ql", "keep me", IDNO},
                          Case{"Gone.ql", "old news", IDYES}}) {
        SCOPED_TRACE(c.name);
        Pad pad = OpenPadOn(c.name, c.text);
        ASSERT_TRUE(pad.window);
        // What a save that failed halfway leaves beside the pad.
        const std::string recovery(RecoveryFilePath(pad.path.c_str()));
        ASSERT_TRUE(WriteRecoveryFile(AfxGetFileSystem(), pad.path.c_str(), c.text, "lost"));
        ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_ERASE));
        if (c.answer) {
            HWND box =
                ExpectMessageBox(pad.pid, "Erase " + std::string(c.name) + "?", {IDYES, IDNO});
            ASSERT_TRUE(box);
            ASSERT_TRUE(AnswerMessageBox(box, c.answer));
        }
        if (c.answer == IDNO) {
            EXPECT_TRUE(m_group.IsRunning(pad.pid));
            EXPECT_EQ(c.text, WindowText(pad.edit));
            ASSERT_TRUE(ClosePad(pad));
            EXPECT_EQ(c.text, FileText(pad.path));
            EXPECT_TRUE(IniHasSection(c.name));
        } else {
            ASSERT_TRUE(m_group.WaitForExit(pad.pid, kWaitMs));
            EXPECT_FALSE(FileExists(pad.path));
            EXPECT_FALSE(FileExists(recovery)) << "it would come back in the next pad of the name";
            EXPECT_FALSE(IniHasSection(c.name));
        }
    }
}

TEST_F(PadDocument, AFileOfExactly32768BytesOpens) {
    std::string bytes;
    while (bytes.size() < 32768)
        bytes += "0123456789 0123456789 0123456789 0123456789 0123456789 0123456789\r\n";
    bytes.resize(32768);
    Pad pad = OpenPadOn("Full.ql", bytes);
    ASSERT_TRUE(pad.window);
    EXPECT_EQ(bytes.size(), WindowText(pad.edit).size());
    EXPECT_FALSE(FindMessageBox(pad.pid));
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ(bytes, FileText(pad.path));
}

TEST_F(PadDocument, AFileOneByteOverTheLimitIsRefusedAndLeftAlone) {
    std::string path = m_home.File("Huge.ql");
    const std::string bytes = std::string(32768, 'y') + "\n";
    ASSERT_TRUE(WriteFileBytes(path, bytes));
    DWORD pid = m_group.Start(path);
    HWND box = ExpectMessageBox(pid, "Huge.ql is too large for Quillow to open.", {IDOK});
    ASSERT_TRUE(box);
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    ASSERT_TRUE(m_group.WaitForExit(pid, kWaitMs));
    EXPECT_EQ(bytes, FileText(path));
    EXPECT_FALSE(IniHasSection("Huge.ql"));
    // The pad that lost its file keeps its flags and placement under the empty name.
    EXPECT_EQ(1, IniGetInt(".ql", "ShowOnStartup", -7));
    EXPECT_EQ(0, IniGetInt(".ql", "AlwaysOnTop", -7));
    for (const char* key : {"Row", "Column", "Width", "Height"})
        EXPECT_TRUE(IniHasKey(".ql", key)) << key;
}

TEST_F(PadDocument, ASecondPadOnAHeldFileAsksAndOnlyYesStartsANewPad) {
    Pad first = OpenPadOn("Held.ql", "mine");
    ASSERT_TRUE(first.window);
    for (int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer == IDYES ? "Yes" : "No");
        DWORD second = m_group.Start(first.path);
        HWND box = ExpectMessageBox(
            second, "Held.ql is already in use.\nWould you like to open a new Quillow?",
            {IDYES, IDNO});
        ASSERT_TRUE(box);
        std::vector<DWORD> before = m_group.Pids();
        // The refused pad's own window, still hidden behind the question, shows briefly as it
        // closes; counting hidden windows as known keeps it from passing for the new pad.
        WindowQuery everyWindow;
        everyWindow.includeHidden = true;
        std::vector<HWND> known = TopWindows(m_group, everyWindow);
        ASSERT_TRUE(AnswerMessageBox(box, answer));
        if (answer == IDYES) {
            HWND fresh = WaitForNewWindow(m_group, known, "#32770", nullptr);
            ASSERT_TRUE(fresh);
            std::string caption = CaptionOf(fresh);
            EXPECT_NE("Held.ql", caption);
            EXPECT_NE(".ql", caption);
            EXPECT_TRUE(FileExists(m_home.File(caption))) << caption;
        }
        ASSERT_TRUE(m_group.WaitForExit(second, kWaitMs));
        EXPECT_TRUE(answer == IDYES || m_group.NewPids(before).empty()) << "No starts nothing";
        EXPECT_TRUE(m_group.IsRunning(first.pid));
        EXPECT_EQ("mine", FileText(first.path));
        EXPECT_EQ("mine", WindowText(first.edit));
    }
}

TEST_F(PadDocument, EndingTheSessionSavesWhatWasTypedSinceTheLastLossOfFocus) {
    Pad pad = OpenPadOn("Session.ql", "before");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(TypeText(pad.edit, " and after"));
    DWORD_PTR result = 0;
    ASSERT_TRUE(
        SendMessageTimeoutA(pad.window, WM_ENDSESSION, TRUE, 0, SMTO_BLOCK, kWaitMs, &result));
    EXPECT_EQ("before and after", FileText(pad.path));
}

} // namespace
