// Checks of the end-to-end driver itself, against windows of this test program and against
// programs every Windows installation has, so that a failing end-to-end test points at
// Quillow and not at its driver.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "tests/driver/Driver.h"

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

// A plain coloured window of this program, shown top-most at a known place.
class ColouredWindow {
public:
    explicit ColouredWindow(COLORREF colour) : m_brush(CreateSolidBrush(colour)) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(NULL);
        windowClass.hbrBackground = m_brush;
        windowClass.lpszClassName = "QuillowDriverTestColour";
        RegisterClassA(&windowClass);
        m_window = CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, "Colour",
                                   WS_POPUP | WS_VISIBLE, 200, 150, 100, 80, NULL, NULL,
                                   windowClass.hInstance, NULL);
        UpdateWindow(m_window);
    }
    ~ColouredWindow() {
        DestroyWindow(m_window);
        UnregisterClassA("QuillowDriverTestColour", GetModuleHandleA(NULL));
        DeleteObject(m_brush);
    }
    HWND Get() const { return m_window; }

private:
    HBRUSH m_brush;
    HWND m_window;
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

TEST(Driver, MessageBoxWithoutIconShowsOnlyItsOkButton) {
    MessageBoxThread notice("Line one\nLine two", "Driver check", MB_OK);
    HWND box = WaitForMessageBox(GetCurrentProcessId());
    ASSERT_TRUE(box != NULL);
    EXPECT_EQ("Line one\nLine two", MessageBoxText(box));
    EXPECT_EQ(std::vector<int>{IDOK}, MessageBoxButtons(box));
    EXPECT_FALSE(HasIcon(box));
    EXPECT_TRUE(AnswerMessageBox(box, IDOK));
    EXPECT_EQ(IDOK, notice.Result());
}

TEST(Driver, ExitCodeOfAFinishedProgramIsKept) {
    ProcessGroup group;
    const DWORD pid = group.StartExe(SystemFolder() + "\\cmd.exe", "/c exit 3");
    ASSERT_NE(0u, pid);
    ASSERT_TRUE(group.WaitForExit(pid, kWaitMs));
    EXPECT_EQ(3u, group.ExitCode(pid));
    EXPECT_TRUE(group.WaitForAllExit(kWaitMs));
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
    EXPECT_NE(main, ForegroundWindow());
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

TEST(Driver, ColourPositionAndStackingOfAWindowAreSeenFromOutside) {
    ColouredWindow window(RGB(200, 30, 120));
    ASSERT_TRUE(window.Get() != NULL);
    const RECT rect = WindowRect(window.Get());
    EXPECT_EQ(200, rect.left);
    EXPECT_EQ(150, rect.top);
    EXPECT_TRUE(IsTopMost(window.Get()));
    EXPECT_TRUE(IsVisible(window.Get()));
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(250, 190) == RGB(200, 30, 120); }));
}

TEST(Driver, ListBoxItemsKeepCharactersOfTheSystemCodePage) {
    HWND list = CreateWindowExA(0, "ListBox", "", WS_POPUP | LBS_SORT | LBS_HASSTRINGS, 0, 0, 100,
                                100, NULL, NULL, GetModuleHandleA(NULL), NULL);
    ASSERT_TRUE(list != NULL);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Caf\xe9.ql"));
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Apples.ql"));
    EXPECT_EQ((std::vector<std::string>{"Apples.ql", "Caf\xe9.ql"}), ListBoxItems(list));
    EXPECT_EQ(LB_ERR, ListBoxSelection(list));
    EXPECT_TRUE(SelectListItem(list, 1));
    EXPECT_EQ(1, ListBoxSelection(list));
    DestroyWindow(list);
}

TEST(Driver, SettingsAreReadWrittenAndResetByName) {
    ScopedIni ini("C:\\Pads");
    EXPECT_EQ(ExeFolder(), IniGetString(kGlobalSection, "ProgramFolder"));
    EXPECT_EQ("C:\\Pads", IniGetString("quillow contents", "homefolder"));
    ASSERT_TRUE(IniSetInt("Shopping.ql", "BkColor", 255));
    EXPECT_EQ(255, IniGetInt("Shopping.ql", "BkColor", -1));
    EXPECT_TRUE(IniHasKey("SHOPPING.QL", "bkcolor"));
    EXPECT_FALSE(IniHasKey("Shopping.ql", "Row"));
    EXPECT_TRUE(IniHasSection("shopping.ql"));
    EXPECT_TRUE(IniDeleteSection("Shopping.ql"));
    EXPECT_FALSE(IniHasSection("Shopping.ql"));
    IniReset();
    EXPECT_FALSE(FileExists(IniPath()));
    EXPECT_EQ("none", IniGetString(kGlobalSection, "ProgramFolder", "none"));
}

TEST(Driver, FileHeldAsAPadHoldsItIsInUseAndItsBytesReadable) {
    TempFolder folder;
    const std::string path = folder.File("Held.ql");
    const std::string bytes("a\r\n\0b", 5);
    ASSERT_TRUE(WriteFileBytes(path, bytes));
    EXPECT_FALSE(FileInUse(path));
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, NULL,
                              OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_TRUE(FileInUse(path));
    EXPECT_TRUE(WaitForFileBytes(path, bytes));
    CloseHandle(held);
    EXPECT_FALSE(FileInUse(path));
}

TEST(Driver, TempFolderIsRemovedWithReadOnlyFilesInIt) {
    std::string path;
    {
        TempFolder folder;
        path = folder.Path();
        ASSERT_FALSE(path.empty());
        ASSERT_TRUE(WriteFileBytes(folder.File("Kept.ql"), "text"));
        ASSERT_TRUE(SetFileAttributesA(folder.File("Kept.ql").c_str(), FILE_ATTRIBUTE_READONLY));
    }
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
}
