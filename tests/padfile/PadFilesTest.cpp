// Folders of the program and names of pad files.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/CWinApp.h"
#include "padfile/PadFiles.h"
#include "settings/SettingsKeys.h"
#include "tests/driver/Driver.h"
#include "tests/settings/SettingsTestSupport.h"

using namespace driver;
using namespace settings_test;

namespace {

std::string ProgramFolderFor(const std::string& stored) {
    IniSetString(kGlobalSection, KEY_PROGRAM_FOLDER, stored);
    return std::string(GetProgramFolder());
}

std::string Str(const CString& s) { return std::string(s.GetString(), s.GetLength()); }

} // namespace

TEST(ProgramFolder, OneTrailingBackslashIsDroppedAndUnsetOrEmptyIsTheRunningProgramsFolder) {
    ScopedIni ini;
    const struct {
        std::string stored;
        std::string folder;
    } cases[] = {{"C:\\Quillow\\", "C:\\Quillow"},
                 {"C:\\Quillow", "C:\\Quillow"},
                 {"C:\\Quillow\\\\", "C:\\Quillow\\"},
                 {"C:\\", "C:"},
                 {"\\", ExeFolder()},
                 {"", ExeFolder()},
                 {"C:\\Qu/", "C:\\Qu/"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.folder, ProgramFolderFor(c.stored)) << c.stored;
    IniDeleteKey(kGlobalSection, KEY_PROGRAM_FOLDER);
    EXPECT_EQ(ExeFolder(), Str(GetProgramFolder()));
}

TEST(HomeFolder, AStoredFolderIsReturnedUntestedWithoutChangingTheCurrentFolder) {
    ScopedIni ini("C:\\No Such Folder\\Pads\\");
    ScopedDesktopFolder desktop(true);
    CurrentFolderGuard guard;
    ASSERT_TRUE(desktop.Ready());
    const std::string before = CurrentFolder();
    EXPECT_EQ("C:\\No Such Folder\\Pads", Str(GetHomeFolder()));
    EXPECT_EQ(before, CurrentFolder());
    EXPECT_EQ("C:\\No Such Folder\\Pads\\", IniGetString(kGlobalSection, KEY_HOME_FOLDER));
}

TEST(HomeFolder, ADrivesRootKeepsItsBackslashSoThatItNamesTheRootNotTheDrivesCurrentFolder) {
    ScopedIni ini("C:\\");
    EXPECT_EQ("C:\\", Str(GetHomeFolder()));
    const std::string path = Str(MakeNewPadPath());
    EXPECT_EQ("C:\\", path.substr(0, 3));
    EXPECT_NE('\\', path[3]);
}

TEST(HomeFolder, UnsetOrALoneBackslashWithADesktopFolderUsesItAndMakesItCurrentUnstored) {
    for (const char* stored : {"", "\\"}) {
        SCOPED_TRACE(stored);
        ScopedIni ini(stored);
        ScopedDesktopFolder desktop(true);
        CurrentFolderGuard guard;
        ASSERT_TRUE(desktop.Ready());
        EXPECT_EQ(WindowsFolder() + "\\Desktop", Str(GetHomeFolder()));
        EXPECT_TRUE(SameFolder(desktop.Path(), CurrentFolder()));
        EXPECT_EQ(stored, IniGetString(kGlobalSection, KEY_HOME_FOLDER));
    }
}

TEST(HomeFolder, UnsetWithoutADesktopFolderFallsBackToTheProgramFolderAndStoresIt) {
    ScopedIni ini;
    IniSetString(kGlobalSection, KEY_PROGRAM_FOLDER, "C:\\Quillow\\");
    ScopedDesktopFolder desktop(false);
    CurrentFolderGuard guard;
    ASSERT_TRUE(desktop.Ready());
    const std::string before = CurrentFolder();
    EXPECT_EQ("C:\\Quillow", Str(GetHomeFolder()));
    EXPECT_EQ("C:\\Quillow", IniGetString(kGlobalSection, KEY_HOME_FOLDER));
    EXPECT_EQ(before, CurrentFolder());
    // Stored now, so a Desktop folder appearing later changes nothing.
    ScopedDesktopFolder later(true);
    ASSERT_TRUE(later.Ready());
    EXPECT_EQ("C:\\Quillow", Str(GetHomeFolder()));
    EXPECT_EQ(before, CurrentFolder());
}

TEST(HomeFolder, NothingSetFallsBackToTheRunningProgramsFolderAndStoresIt) {
    ScopedIni ini;
    IniDeleteKey(kGlobalSection, KEY_PROGRAM_FOLDER);
    ScopedDesktopFolder desktop(false);
    CurrentFolderGuard guard;
    ASSERT_TRUE(desktop.Ready());
    EXPECT_EQ(ExeFolder(), Str(GetHomeFolder()));
    EXPECT_EQ(ExeFolder(), IniGetString(kGlobalSection, KEY_HOME_FOLDER));
    EXPECT_EQ(ExeFolder() + "\\", Str(MakeNewPadPath()).substr(0, ExeFolder().size() + 1));
}

TEST(NewPadName, TwelveHourClockWithAmPmAndEnglishNames) {
    EXPECT_EQ("Monday, 03-02-98 at 10-15-30PM.ql",
              Str(NewPadFileName(CTime(1998, 3, 2, 22, 15, 30))));
    EXPECT_EQ("Monday, 03-02-98 at 12-05-09AM.ql", Str(NewPadFileName(CTime(1998, 3, 2, 0, 5, 9))));
    EXPECT_EQ("Monday, 03-02-98 at 12-00-00PM.ql",
              Str(NewPadFileName(CTime(1998, 3, 2, 12, 0, 0))));
    EXPECT_EQ("Monday, 03-02-98 at 11-59-59AM.ql",
              Str(NewPadFileName(CTime(1998, 3, 2, 11, 59, 59))));
    EXPECT_EQ("Wednesday, 12-31-25 at 01-02-03PM.ql",
              Str(NewPadFileName(CTime(2025, 12, 31, 13, 2, 3))));
}

TEST(NewPadPath, IsTheHomeFolderABackslashAndTheNameOfTheCurrentTime) {
    ScopedIni ini("C:\\Pads\\");
    // Taken on both sides of the call, so a change of second in between cannot fail the test.
    const CTime before = CTime::GetCurrentTime();
    const std::string path = Str(MakeNewPadPath());
    const CTime after = CTime::GetCurrentTime();
    const std::string first = "C:\\Pads\\" + Str(NewPadFileName(before));
    const std::string second = "C:\\Pads\\" + Str(NewPadFileName(after));
    EXPECT_TRUE(path == first || path == second) << path;
    EXPECT_EQ(std::string::npos, path.find(':', 2));
}

// One or two quotes alone become empty.
TEST(StripQuotes, RemovesExactlyOneSurroundingPairAndKeepsAQuoteAtOneEndOnly) {
    const std::string longPath = "C:\\" + std::string(300, 'p') + ".ql";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"\"C:\\Pads\\a b.ql\"", "C:\\Pads\\a b.ql"},
        {"\"\"x\"\"", "\"x\""},
        {"\"a \"b\" c\"", "a \"b\" c"},
        {"\"", ""},
        {"\"\"", ""},
        {"", ""},
        {"\"C:\\Pads\\a.ql", "\"C:\\Pads\\a.ql"},
        {"C:\\Pads\\a.ql\"", "C:\\Pads\\a.ql\""},
        {" \"a.ql\"", " \"a.ql\""},
        {"\"" + longPath + "\"", longPath}};
    for (const auto& c : cases)
        EXPECT_EQ(c.second, Str(StripQuotes(c.first.c_str()))) << c.first;
}
