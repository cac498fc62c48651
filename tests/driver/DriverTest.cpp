// Checks of the end-to-end driver itself, against message boxes, menus and files of this test
// program and against programs every Windows installation has, so that a failing end-to-end
// test points at Quillow and not at its driver.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "Driver.h"

using namespace driver;

namespace {

std::string WindowsFolder() {
    char folder[MAX_PATH + 1] = "";
    GetWindowsDirectoryA(folder, sizeof folder);
    return folder;
}

std::string SystemFolder() {
    char folder[MAX_PATH + 1] = "";
    GetSystemDirectoryA(folder, sizeof folder);
    return folder;
}

// Shows a message box from a thread of this program and records the button that ended it.
class MessageBoxThread {
  public:
    MessageBoxThread(const char* text, const char* caption, UINT type)
        : m_result(0), m_thread([=] { m_result = MessageBoxA(NULL, text, caption, type); }) {}
    ~MessageBoxThread() {
        if (m_thread.joinable())
            m_thread.join();
    }
    int Result() {
        m_thread.join();
        return m_result;
    }

  private:
    std::atomic<int> m_result;
    std::thread m_thread;
};

} // namespace

TEST(Driver, MessageBoxIsFoundReadAndAnsweredWithTheChosenButton) {
    MessageBoxThread question("Save the changes to \"A & B.ql\"?", "Driver check",
                              MB_YESNO | MB_ICONQUESTION);
    HWND box = WaitForMessageBox(GetCurrentProcessId());
    ASSERT_TRUE(box != NULL);
    EXPECT_EQ("Save the changes to \"A & B.ql\"?", MessageBoxText(box));
    EXPECT_EQ("Driver check", MessageBoxCaption(box));
    EXPECT_EQ((std::vector<int>{IDYES, IDNO}), MessageBoxButtons(box));
    EXPECT_TRUE(HasIcon(box));
    EXPECT_TRUE(AnswerMessageBox(box, IDNO));
    EXPECT_EQ(IDNO, question.Result());
}

TEST(Driver, TheNextMessageBoxIsRecordedWhileUpThenAnsweredAndNoneIsRecordedAsNotShown) {
    MessageBoxThread notice("Unable to save A.ql.", "Driver check", MB_OK);
    bool upMeanwhile = false;
    const SeenMessageBox seen = AnswerNextMessageBox(GetCurrentProcessId(), IDOK, kWaitMs, [&] {
        upMeanwhile = FindMessageBox(GetCurrentProcessId()) != NULL;
    });
    EXPECT_TRUE(seen.shown);
    EXPECT_EQ("Unable to save A.ql.", seen.text);
    EXPECT_EQ("Driver check", seen.caption);
    EXPECT_EQ(std::vector<int>{IDOK}, seen.buttons);
    EXPECT_FALSE(seen.icon);
    EXPECT_TRUE(upMeanwhile);
    EXPECT_EQ(IDOK, notice.Result());

    const SeenMessageBox none = AnswerNextMessageBox(GetCurrentProcessId(), IDOK, 300);
    EXPECT_FALSE(none.shown);
    EXPECT_EQ("", none.text);
    EXPECT_TRUE(none.buttons.empty());
}

TEST(Driver, AnotherProcessIsTypedIntoReadFocusedAndEnded) {
    ProcessGroup group;
    const DWORD pid = group.StartExe(WindowsFolder() + "\\notepad.exe", "");
    ASSERT_NE(0u, pid);
    HWND main = WaitForTopWindow(pid, "Notepad", nullptr);
    ASSERT_TRUE(main != NULL);
    HWND edit = FindWindowExA(main, NULL, "Edit", NULL);
    ASSERT_TRUE(edit != NULL);

    ASSERT_TRUE(TypeText(edit, "first\nsecond\r\nthird"));
    EXPECT_EQ("first\r\nsecond\r\nthird", WindowText(edit));
    ASSERT_TRUE(SetText(edit, "replaced"));
    EXPECT_EQ("replaced", WindowText(edit));

    EXPECT_TRUE(TakeFocusAway());
    EXPECT_NE(main, GetForegroundWindow());
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(main) != edit; }));
    EXPECT_TRUE(Activate(main));
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(main) == edit; }));

    group.KillAll();
    EXPECT_FALSE(IsWindow(main));
    EXPECT_TRUE(group.Pids().empty());
    EXPECT_FALSE(group.IsRunning(pid));
}

TEST(Driver, MessageBoxOfAnotherProcessIsAnsweredAndTheProgramGoesOn) {
    ProcessGroup group;
    const DWORD pid = group.StartExe(WindowsFolder() + "\\notepad.exe", "");
    HWND main = WaitForTopWindow(pid, "Notepad", nullptr);
    ASSERT_TRUE(main != NULL);
    ASSERT_TRUE(TypeText(FindWindowExA(main, NULL, "Edit", NULL), "unsaved"));
    ASSERT_TRUE(PostClose(main));

    HWND box = WaitForMessageBox(group);
    ASSERT_TRUE(box != NULL);
    EXPECT_EQ(pid, ProcessOfWindow(box));
    EXPECT_NE(std::string::npos, MessageBoxText(box).find("Untitled"));
    EXPECT_EQ((std::vector<int>{IDYES, IDNO, IDCANCEL}), MessageBoxButtons(box));
    EXPECT_TRUE(AnswerMessageBox(box, IDNO));
    EXPECT_TRUE(group.WaitForExit(pid, kWaitMs));
    EXPECT_EQ(0u, group.ExitCode(pid));
}

TEST(Driver, ProgramsStartedByAProgramOfTheGroupJoinTheGroup) {
    ProcessGroup group;
    const DWORD starter = group.StartExe(SystemFolder() + "\\cmd.exe", "/c start notepad.exe");
    ASSERT_NE(0u, starter);
    HWND started = WaitForWindowInGroup(group, "Notepad", nullptr);
    ASSERT_TRUE(started != NULL);
    EXPECT_NE(starter, ProcessOfWindow(started));
    EXPECT_TRUE(group.WaitForExit(starter, kWaitMs));
    EXPECT_EQ((std::vector<DWORD>{ProcessOfWindow(started)}), group.Pids());
}

TEST(Driver, APadLockKeepsOthersFromWritingButNotFromReadingUntilReleased) {
    TempFolder folder;
    const std::string path = folder.File("Held.ql");
    ASSERT_TRUE(WriteFileBytes(path, "held text"));
    EXPECT_FALSE(IsPadLocked(path));

    PadLock lock(path);
    ASSERT_TRUE(lock.Held());
    EXPECT_TRUE(IsPadLocked(path));
    EXPECT_FALSE(PadLock(path).Held()) << "one lock at a time, as one pad per file";
    EXPECT_FALSE(WriteFileBytes(path, "other text"));
    EXPECT_EQ("held text", FileText(path));
    lock.Release();
    EXPECT_FALSE(IsPadLocked(path));
    EXPECT_TRUE(WriteFileBytes(path, "other text"));
    EXPECT_EQ("other text", FileText(path));

    const std::string missing = folder.File("Missing.ql");
    EXPECT_FALSE(IsPadLocked(missing));
    EXPECT_FALSE(PadLock(missing).Held());
    EXPECT_EQ("<missing>", FileText(missing));
}

TEST(Driver, MenuRowsHoldIdsAndWholeTextsWithSeparatorsAsZeroAndEmpty) {
    HMENU menu = CreatePopupMenu();
    ASSERT_TRUE(menu != NULL);
    // Longer than any fixed buffer a reader might use.
    const std::string longText(600, 'w');
    AppendMenuA(menu, MF_STRING, 7, "&Open\tCtrl+O");
    AppendMenuA(menu, MF_SEPARATOR, 0, NULL);
    AppendMenuA(menu, MF_STRING, 8, longText.c_str());
    const std::vector<MenuRow> rows = MenuRows(menu);
    DestroyMenu(menu);
    EXPECT_EQ((std::vector<MenuRow>{{7, "&Open\tCtrl+O"}, {0, ""}, {8, longText}}), rows);
}
