// The contents window against odd names and settings: names the code page cannot hold, a
// relative home folder, a pad file name that opens a device.
#include <gtest/gtest.h>
#include <windows.h>

#include "ContentsSession.h"

using namespace driver;
using namespace contents_test;

TEST(ContentsFaults, ANameTheCodePageCannotHoldIsLeftOutAndEraseTakesOnlyTheFileListed) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPad("a.ql", "plain a"));
    // "ā.ql", whose look-alike in the code page is "a.ql".
    const std::wstring macron = std::wstring(session.Home().begin(), session.Home().end()) +
                                L"\\\x0101.ql";
    HANDLE file = CreateFileW(macron.c_str(), GENERIC_WRITE, 0, NULL, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    WriteFile(file, "long a", 6, &written, NULL);
    CloseHandle(file);

    ASSERT_TRUE(session.Start());
    EXPECT_EQ(session.Items(), (Items{"a.ql"}));
    EXPECT_EQ(session.Command(IDC_CONTENTS_ERASE, IDYES).text, "Erase a.ql?");
    EXPECT_TRUE(WaitUntil([&] { return !FileExists(session.PadPath("a.ql")); }));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(macron.c_str()));
    DeleteFileW(macron.c_str());
}

TEST(ContentsFaults, ARelativeHomeFolderIsTakenFromTheSettingsFilesFolderOnEveryRefresh) {
    ContentsSession session;
    ASSERT_TRUE(session.AddPads({"x.ql", "y.ql"}));
    // The same folder, named from the settings file's folder.
    const std::string settings = IniPath().substr(0, IniPath().rfind('\\'));
    const std::string home = session.Home();
    ASSERT_EQ(0, home.compare(0, 3, settings.substr(0, 3))) << "on the same drive";
    std::string up;
    for (size_t slash = settings.find('\\'); slash != std::string::npos;
         slash = settings.find('\\', slash + 1))
        up += "..\\";
    ASSERT_TRUE(IniSetString(kGlobalSection, "HomeFolder", up + home.substr(3)));

    ASSERT_TRUE(session.Start());
    EXPECT_EQ(session.Items(), (Items{"x.ql", "y.ql"}));
    ASSERT_TRUE(session.Refresh());
    ASSERT_TRUE(session.Refresh());
    EXPECT_EQ(session.Items(), (Items{"x.ql", "y.ql"}));
}

TEST(ContentsFaults, AListedNameThatOpensADeviceIsNotOpenedAsAPad) {
    ContentsSession session;
    // Only a path that skips the name rules can make such a file.
    const std::string device = "\\\\?\\" + session.PadPath("NUL.ql");
    ASSERT_TRUE(WriteFileBytes(device, "on disk"));
    ASSERT_TRUE(session.Start());
    ASSERT_EQ(session.Items(), (Items{"NUL.ql"}));
    ASSERT_TRUE(session.Click(IDC_CONTENTS_OPEN));
    HWND box = WaitForMessageBox(session.Group());
    ASSERT_TRUE(box);
    EXPECT_EQ("NUL.ql is not a plain-text pad, so Quillow does not open it.",
              MessageBoxText(box));
    ASSERT_TRUE(AnswerMessageBox(box, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return session.OtherPids().empty(); }));
    std::string bytes;
    EXPECT_TRUE(ReadFileBytes(device, bytes));
    EXPECT_EQ("on disk", bytes);
    DeleteFileA(device.c_str());
}
