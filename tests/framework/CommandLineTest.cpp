// The command line, and the paths on it taken apart, as the program reads them.
#include <gtest/gtest.h>

#include <string>

#include "framework/CommandLine.h"
#include "framework/PathParts.h"

TEST(CommandLine, TheProgramNameAndTheBlanksAfterItAreSkippedAndTheRestKeptAsIs) {
    const struct {
        const char* line;
        const char* arguments;
    } cases[] = {
        // A quoted name ends at its closing quote, blank or not.
        {"\"C:\\Program Files\\Quillow.exe\" /tray", "/tray"},
        {"\"C:\\Quillow.exe\"Shopping.ql", "Shopping.ql"},
        // An unquoted one at the first blank or control character.
        {"Quillow.exe /tray", "/tray"},
        {"Quillow.exe\ta.ql", "a.ql"},
        {"Quillow.exe \t\r\n \x01 x.ql", "x.ql"},
        // The arguments keep their quotes, inner commas and trailing blanks.
        {"Quillow.exe \"My Pad.ql\"  ", "\"My Pad.ql\"  "},
        {"\"Quillow.exe\" Monday, 01-02-24 at 10-11-12AM.ql", "Monday, 01-02-24 at 10-11-12AM.ql"},
        {"Quillow.exe", ""},
        {"\"Quillow.exe\"   ", ""},
        {"", ""},
        // An unclosed quote takes the whole line as the program name.
        {"\"C:\\Quillow.exe /tray", ""},
        // Signed chars would make these negative and end the program name early.
        {"Qu\xE9ll\xF6w.exe b.ql", "b.ql"},
        {"Quillow.exe \xE9t\xE9.ql", "\xE9t\xE9.ql"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_STREQ(c.arguments, SkipProgramName(c.line));
    }
}

TEST(CommandLine, TheUnicodeCommandLineIsSkippedTheSameWay) {
    EXPECT_STREQ(L"/tray", SkipProgramName(L"\"C:\\Qu\x0101ll\x014Dw\\Quillow.exe\" /tray"));
    EXPECT_STREQ(L"\x0101.ql ", SkipProgramName(L"Quill\x014Dw.exe \t\x0101.ql "));
    EXPECT_STREQ(L"", SkipProgramName(L"\"Quillow.exe"));
}

namespace {

std::string Str(const CString& s) { return std::string(s.GetString(), s.GetLength()); }

} // namespace

TEST(SplitPathParts, EveryPartIsCutTo255CharactersAndTheExtensionStartsAtTheLastDot) {
    const std::string folder = "\\" + std::string(400, 'f') + "\\";
    const std::string extension = "." + std::string(300, 'e');
    PathParts parts = SplitPath(("C:" + folder + "name" + extension).c_str());
    EXPECT_EQ("C:", Str(parts.strDrive));
    EXPECT_EQ(folder.substr(0, 255), Str(parts.strFolder));
    EXPECT_EQ("name", Str(parts.strName));
    EXPECT_EQ(extension.substr(0, 255), Str(parts.strExtension));

    parts = SplitPath("C:\\Old.Pads/sub\\archive.2.ql");
    EXPECT_EQ("C:", Str(parts.strDrive));
    EXPECT_EQ("\\Old.Pads/sub\\", Str(parts.strFolder));
    EXPECT_EQ("archive.2", Str(parts.strName));
    EXPECT_EQ(".ql", Str(parts.strExtension));
}
