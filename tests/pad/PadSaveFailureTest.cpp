// A save that the disk refuses, for real: the pad file lives on a tiny file system that the
// test fills up. The test script mounts one and names it in QUILLOW_TINY_DISK (a Linux path,
// reached through Wine's drive Z:); without it the test is skipped.
#include <stdlib.h>

#include <thread>

#include "res/resource.h"
#include "tests/pad/PadTesting.h"

using namespace driver;

namespace {

std::string TinyDiskFolder() {
    const char* linuxPath = getenv("QUILLOW_TINY_DISK");
    if (!linuxPath || !*linuxPath)
        return "";
    std::string folder = std::string("Z:") + linuxPath;
    for (char& ch : folder)
        if (ch == '/')
            ch = '\\';
    return folder;
}

// Fills the file system with one file until it refuses more; true when it is full.
bool FillDisk(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::string block(4096, 'f');
    DWORD written = 0;
    int blocks = 0;
    while (blocks < 100000 && WriteFile(file, block.data(), 4096, &written, NULL) &&
           written == 4096)
        ++blocks;
    // Whatever single bytes still fit.
    while (WriteFile(file, "f", 1, &written, NULL) && written == 1)
        ;
    CloseHandle(file);
    return blocks < 100000;
}

// A pad file holding "the old text" on the tiny file system, which is then full.
class PadSaveFailure : public padtest::PadEndToEndTest {
  protected:
    void SetUp() override {
        m_folder = TinyDiskFolder();
        if (m_folder.empty())
            GTEST_SKIP() << "QUILLOW_TINY_DISK names no tiny file system";
    }
    void TearDown() override {
        m_group.KillAll();
        DeleteFileA(m_filler.c_str());
        DeleteFileA(m_path.c_str());
    }
    bool PadOnFullDisk(const std::string& name) {
        m_path = m_folder + "\\" + name;
        m_filler = m_folder + "\\filler.bin";
        DeleteFileA(m_filler.c_str());
        return WriteFileBytes(m_path, "the old text") && FillDisk(m_filler);
    }

    std::string m_folder;
    std::string m_path;
    std::string m_filler;
};

TEST_F(PadSaveFailure, ASaveTheDiskRefusesKeepsTheOldTextAndTriesAgainLater) {
    ASSERT_TRUE(PadOnFullDisk("Full disk.ql"));
    const std::string& path = m_path;
    padtest::Pad pad = OpenPad(path, "Full disk.ql");
    ASSERT_TRUE(pad.window);
    // More than a page, so the longer text needs room the disk no longer has.
    const std::string typed(6000, 'n');
    ASSERT_TRUE(TypeText(pad.edit, typed));
    ASSERT_TRUE(TakeFocusAway());
    HWND box = WaitForMessageBox(pad.pid);
    ASSERT_TRUE(box);
    std::string text = MessageBoxText(box);
    EXPECT_EQ(0u, text.find("Unable to save Full disk.ql.")) << text;
    EXPECT_NE(std::string::npos, text.find("Error code = 112.")) << text;
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    EXPECT_EQ("the old text", FileText(path));
    EXPECT_EQ("the old text" + typed, WindowText(pad.edit));

    // With room again, the next loss of focus saves.
    ASSERT_TRUE(DeleteFileA(m_filler.c_str()));
    ASSERT_TRUE(Activate(pad.window));
    ASSERT_TRUE(TakeFocusAway());
    EXPECT_TRUE(WaitUntil([&] { return FileText(path) == "the old text" + typed; }));
    ASSERT_TRUE(ClosePad(pad));
}

TEST_F(PadSaveFailure, ClosingOrRenamingAPadThatCannotSaveKeepsItsTextUnlessTheUserLetsItGo) {
    ASSERT_TRUE(PadOnFullDisk("Closing.ql"));
    const std::string& path = m_path;
    padtest::Pad pad = OpenPad(path, "Closing.ql");
    ASSERT_TRUE(pad.window);
    const std::string typed = "the old text" + std::string(6000, 'n');
    ASSERT_TRUE(TypeText(pad.edit, typed.substr(12)));

    // One message for each attempt, never a second one behind it.
    const std::string failure = "Unable to save Closing.ql.\n\nError code = 112.";
    const auto expectOneBox = [&](const std::string& text, std::vector<int> buttons, int answer) {
        HWND box = padtest::ExpectMessageBox(pad.pid, failure + text, buttons);
        ASSERT_TRUE(box);
        ASSERT_TRUE(AnswerMessageBox(box, answer));
        EXPECT_FALSE(WaitForMessageBox(pad.pid, 500));
    };
    ASSERT_TRUE(PostClose(pad.window));
    expectOneBox("\n\nClose it anyway and lose what is not saved?", {IDYES, IDNO}, IDNO);
    ASSERT_TRUE(PostSysCommand(pad.window, ID_PAD_RENAME));
    expectOneBox("\n\nThe text stays in the window; Quillow tries again when you next leave it.",
                 {IDOK}, IDOK);
    EXPECT_FALSE(FindTopWindow(pad.pid, "#32770", "Enter New Name"));
    EXPECT_TRUE(m_group.IsRunning(pad.pid));
    EXPECT_EQ(typed, WindowText(pad.edit));

    // At the end of the session, the pad asks Windows to wait.
    DWORD_PTR answer = TRUE;
    std::thread session([&] {
        SendMessageTimeoutA(pad.window, WM_QUERYENDSESSION, 0, 0, SMTO_BLOCK, 30000, &answer);
    });
    HWND box = WaitForMessageBox(pad.pid);
    EXPECT_TRUE(box);
    if (box)
        AnswerMessageBox(box, IDOK);
    session.join();
    EXPECT_EQ(FALSE, static_cast<BOOL>(answer));

    ASSERT_TRUE(PostClose(pad.window));
    expectOneBox("\n\nClose it anyway and lose what is not saved?", {IDYES, IDNO}, IDYES);
    ASSERT_TRUE(m_group.WaitForExit(pad.pid, kWaitMs));
    EXPECT_EQ("the old text", FileText(path));
}

} // namespace
