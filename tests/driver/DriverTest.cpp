// Checks of the end-to-end driver itself, against a message box of this test program and
// against programs every Windows installation has, so that a failing end-to-end test points
// at Quillow and not at its driver.
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
