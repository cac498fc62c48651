// Which window a process runs is decided by its whole command line, and a pad path there that
// the code page cannot hold exactly is refused: its look-alike in the code page names another
// file.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/QuillowApp.h"
#include "tests/driver/Driver.h"

using namespace driver;

TEST(ModeSelection, OnlyTheTraySwitchInAnyCaseSelectsTheContentsWindowAnythingElseIsAPadPath) {
    for (const char* tray : {"/tray", "/TRAY", "/Tray"})
        EXPECT_TRUE(IsTrayCommandLine(tray)) << tray;
    for (const char* path : {"", "/tray ", "-tray", "/trayx", "\"/tray\"",
                             "C:\\Pads\\Monday, 03-02-98 at 10-15-30PM.ql"})
        EXPECT_FALSE(IsTrayCommandLine(path)) << path;
}

TEST(CodePageCommandLine, APadNameOutsideTheCodePageIsRefusedAndNoFileOrSettingIsTouched) {
    TempFolder home;
    ScopedIni ini(home.Path());
    ProcessGroup group;
    ASSERT_TRUE(WriteFileBytes(home.File("a.ql"), "plain pad a"));
    // "ā.ql", whose look-alike in the code page is "a.ql".
    const std::wstring macron = Widen(home.Path()) + L"\\\x0101.ql";
    ASSERT_TRUE(WriteFileBytes(macron, "macron pad"));
    const std::string settings = FileText(IniPath());

    for (const std::wstring& args : {L"\"" + macron + L"\"", macron}) {
        const DWORD pid = group.Start(args);
        HWND box = WaitForMessageBox(pid);
        ASSERT_TRUE(box);
        EXPECT_EQ(MessageBoxWideText(box),
                  L"Quillow cannot open " + macron +
                      L": its name has characters outside the system's code page.\n\nRename the "
                      L"file (or its folder) with characters of the code page, then open it "
                      L"again.");
        EXPECT_EQ(MessageBoxCaption(box), "Quillow");
        ASSERT_TRUE(AnswerMessageBox(box, IDOK));
        EXPECT_TRUE(group.WaitForExit(pid, kWaitMs));
    }
    EXPECT_EQ("plain pad a", FileText(home.File("a.ql")));
    EXPECT_EQ("macron pad", FileText(macron));
    EXPECT_EQ(settings, FileText(IniPath()));
}
