// Folders of the program and names of pad files and their sections.
#include <gtest/gtest.h>

#include "SettingsTestSupport.h"
#include "framework/CWinApp.h"
#include "settings/PadFiles.h"
#include "settings/SettingsKeys.h"
#include "tests/driver/Driver.h"

using namespace driver;
using namespace settings_test;

namespace {

std::string ProgramFolderFor(const std::string& stored) {
    IniSetString(kGlobalSection, KEY_PROGRAM_FOLDER, stored);
    return std::string(GetProgramFolder());
}

std::string Str(const CString& s) { return std::string(s.GetString(), s.GetLength()); }

} // namespace

TEST(ProgramFolder, OneTrailingBackslashIsDropped) {
    ScopedIni ini;
    EXPECT_EQ("C:\\Quillow", ProgramFolderFor("C:\\Quillow\\"));
    EXPECT_EQ("C:\\Quillow", ProgramFolderFor("C:\\Quillow"));
    EXPECT_EQ("C:\\Quillow\\", ProgramFolderFor("C:\\Quillow\\\\"));
    EXPECT_EQ("C:", ProgramFolderFor("C:\\"));
    EXPECT_EQ("", ProgramFolderFor("\\"));
    EXPECT_EQ("C:\\Qu/", ProgramFolderFor("C:\\Qu/"));
}

TEST(ProgramFolder, UnsetIsEmpty) {
    ScopedIni ini;
    IniDeleteKey(kGlobalSection, KEY_PROGRAM_FOLDER);
    EXPECT_EQ("", Str(GetProgramFolder()));
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

TEST(HomeFolder, UnsetWithADesktopFolderUsesItAndMakesItCurrentWithoutStoringIt) {
    ScopedIni ini;
    ScopedDesktopFolder desktop(true);
    CurrentFolderGuard guard;
    ASSERT_TRUE(desktop.Ready());
    EXPECT_EQ(WindowsFolder() + "\\Desktop", Str(GetHomeFolder()));
    EXPECT_TRUE(SameFolder(desktop.Path(), CurrentFolder()));
    EXPECT_FALSE(IniHasKey(kGlobalSection, KEY_HOME_FOLDER));
}

TEST(HomeFolder, ALoneBackslashCountsAsUnset) {
    ScopedIni ini("\\");
    ScopedDesktopFolder desktop(true);
    CurrentFolderGuard guard;
    ASSERT_TRUE(desktop.Ready());
    EXPECT_EQ(WindowsFolder() + "\\Desktop", Str(GetHomeFolder()));
    EXPECT_TRUE(SameFolder(desktop.Path(), CurrentFolder()));
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

TEST(HomeFolder, NothingSetAnywhereGivesAnEmptyFolderStoredAsEmpty) {
    ScopedIni ini;
    IniDeleteKey(kGlobalSection, KEY_PROGRAM_FOLDER);
    ScopedDesktopFolder desktop(false);
    CurrentFolderGuard guard;
    ASSERT_TRUE(desktop.Ready());
    EXPECT_EQ("", Str(GetHomeFolder()));
    EXPECT_TRUE(IniHasKey(kGlobalSection, KEY_HOME_FOLDER));
    EXPECT_EQ("", IniGetString(kGlobalSection, KEY_HOME_FOLDER, "default"));

    // A new pad then lands at the root of the current drive.
    const std::string path = Str(MakeNewPadPath());
    ASSERT_FALSE(path.empty());
    EXPECT_EQ('\\', path[0]);
    EXPECT_NE('\\', path[1]);
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

TEST(PadSection, IsTheFileNameWithItsExtensionReplacedByQl) {
    EXPECT_EQ("Shopping.ql", Str(PadSectionName("C:\\Pads\\Shopping.ql")));
    EXPECT_EQ("notes.ql", Str(PadSectionName("C:\\Pads\\notes.txt")));
    EXPECT_EQ("archive.2.ql", Str(PadSectionName("C:\\Pads\\archive.2.ql")));
    EXPECT_EQ("Shopping.ql", Str(PadSectionName("Shopping.ql")));
    EXPECT_EQ("list.ql", Str(PadSectionName("C:\\Old.Pads\\list")));
    EXPECT_EQ("y.ql", Str(PadSectionName("D:/x/y.ql")));
    EXPECT_EQ("y.ql", Str(PadSectionName("D:y.ql")));
    EXPECT_EQ(".ql", Str(PadSectionName("")));
    EXPECT_EQ(".ql", Str(PadSectionName("C:\\Pads\\")));
    EXPECT_EQ("Monday, 03-02-98 at 10-15-30PM.ql",
              Str(PadSectionName("C:\\Pads\\Monday, 03-02-98 at 10-15-30PM.ql")));
}

TEST(PadSection, ANameLongerThan255CharactersIsCut) {
    const std::string longName(300, 'n');
    EXPECT_EQ(std::string(255, 'n') + ".ql",
              Str(PadSectionName(("C:\\Pads\\" + longName + ".ql").c_str())));
    EXPECT_EQ(std::string(255, 'n') + ".ql", Str(PadSectionName(longName.c_str())));
}

TEST(SplitPathParts, EveryPartIsCutTo255Characters) {
    const std::string folder = "\\" + std::string(400, 'f') + "\\";
    const std::string extension = "." + std::string(300, 'e');
    const PathParts parts = SplitPath(("C:" + folder + "name" + extension).c_str());
    EXPECT_EQ("C:", Str(parts.strDrive));
    EXPECT_EQ(folder.substr(0, 255), Str(parts.strFolder));
    EXPECT_EQ("name", Str(parts.strName));
    EXPECT_EQ(extension.substr(0, 255), Str(parts.strExtension));
}

TEST(SplitPathParts, TheExtensionStartsAtTheLastDotAfterTheLastSeparator) {
    const PathParts parts = SplitPath("C:\\Old.Pads/sub\\archive.2.ql");
    EXPECT_EQ("C:", Str(parts.strDrive));
    EXPECT_EQ("\\Old.Pads/sub\\", Str(parts.strFolder));
    EXPECT_EQ("archive.2", Str(parts.strName));
    EXPECT_EQ(".ql", Str(parts.strExtension));
}

TEST(StripQuotes, RemovesExactlyOneSurroundingPair) {
    EXPECT_EQ("C:\\Pads\\a b.ql", Str(StripQuotes("\"C:\\Pads\\a b.ql\"")));
    EXPECT_EQ("\"x\"", Str(StripQuotes("\"\"x\"\"")));
    EXPECT_EQ("a \"b\" c", Str(StripQuotes("\"a \"b\" c\"")));
}

TEST(StripQuotes, OneOrTwoQuotesAloneBecomeEmpty) {
    EXPECT_EQ("", Str(StripQuotes("\"")));
    EXPECT_EQ("", Str(StripQuotes("\"\"")));
    EXPECT_EQ("", Str(StripQuotes("")));
}

TEST(StripQuotes, AQuoteAtOneEndOnlyIsKept) {
    EXPECT_EQ("\"C:\\Pads\\a.ql", Str(StripQuotes("\"C:\\Pads\\a.ql")));
    EXPECT_EQ("C:\\Pads\\a.ql\"", Str(StripQuotes("C:\\Pads\\a.ql\"")));
    EXPECT_EQ(" \"a.ql\"", Str(StripQuotes(" \"a.ql\"")));
}

TEST(StripQuotes, ALongQuotedPathKeepsEveryCharacter) {
    const std::string path = "C:\\" + std::string(300, 'p') + ".ql";
    EXPECT_EQ(path, Str(StripQuotes(("\"" + path + "\"").c_str())));
}
