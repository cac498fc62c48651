// The settings file as every process sees it: QUILLOW.INI in the Windows folder.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "settings/PadFont.h"
#include "settings/PadSettings.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "tests/driver/Driver.h"

using namespace driver;

TEST(SettingsStore, AMissingFileGivesEveryDefaultAndTheFirstWriteCreatesIt) {
    ScopedIni ini;
    IniReset();
    EXPECT_EQ(1, ReadSettingInt(QUILLOW_GLOBAL_SECTION, KEY_SHOW_ON_STARTUP, 1));
    EXPECT_STREQ("", ReadSettingString(QUILLOW_GLOBAL_SECTION, KEY_HOME_FOLDER, ""));
    EXPECT_FALSE(FileExists(IniPath()));

    WriteSettingInt("Shopping.ql", KEY_ROW, 12);
    EXPECT_TRUE(FileExists(IniPath()));
    EXPECT_EQ(12, IniGetInt("Shopping.ql", KEY_ROW, 0));
}

TEST(SettingsStore, SectionAndKeyNamesIgnoreCase) {
    ScopedIni ini;
    WriteSettingInt("Shopping.ql", KEY_ROW, 40);
    EXPECT_EQ(40, ReadSettingInt("SHOPPING.QL", "ROW", 0));
    WriteSettingInt("shopping.QL", "row", 41);
    EXPECT_EQ(41, ReadSettingInt("Shopping.ql", KEY_ROW, 0));
    EXPECT_EQ(1u, IniSectionLines("Shopping.ql").size());

    WriteSettingString("QUILLOW CONTENTS", "homefolder", "C:\\Pads");
    EXPECT_STREQ("C:\\Pads", ReadSettingString(QUILLOW_GLOBAL_SECTION, KEY_HOME_FOLDER, ""));
}

TEST(SettingsStore, NegativeValuesReadBackAsWritten) {
    ScopedIni ini;
    WriteSettingInt("Shopping.ql", KEY_BKCOLOR, COLOR_NOT_SET);
    EXPECT_EQ("-1", IniGetString("Shopping.ql", KEY_BKCOLOR));
    EXPECT_EQ(-1, ReadSettingInt("Shopping.ql", KEY_BKCOLOR, 0));
    WriteSettingInt("Shopping.ql", KEY_ROW, -250);
    EXPECT_EQ(-250, ReadSettingInt("Shopping.ql", KEY_ROW, 0));
    // A colour with every bit of the low three bytes set survives as well.
    WriteSettingInt("Shopping.ql", KEY_BKCOLOR, 0xFFFFFF);
    EXPECT_EQ(0xFFFFFF, ReadSettingInt("Shopping.ql", KEY_BKCOLOR, -1));
}

TEST(SettingsStore, LongStringValuesAreReadWhole) {
    ScopedIni ini;
    const std::string folder = "C:\\" + std::string(1500, 'f');
    IniSetString(kGlobalSection, KEY_HOME_FOLDER, folder);
    EXPECT_EQ(folder, std::string(ReadSettingString(QUILLOW_GLOBAL_SECTION, KEY_HOME_FOLDER, "")));
}

TEST(SettingsStore, DeletingAPadSectionRemovesOnlyThatSectionFromTheFile) {
    ScopedIni ini;
    IniSetInt(".ql", KEY_ROW, 1);
    IniSetInt(".ql", KEY_SHOW_ON_STARTUP, 1);
    IniSetInt("Shopping.ql", KEY_ROW, 2);
    IniSetInt("x.ql", KEY_ROW, 3);

    DeletePadSection(".ql");
    EXPECT_FALSE(IniHasSection(".ql"));
    EXPECT_TRUE(IniHasSection("Shopping.ql"));
    EXPECT_TRUE(IniHasSection("x.ql"));
    EXPECT_EQ(ExeFolder(), IniGetString(kGlobalSection, KEY_PROGRAM_FOLDER));

    DeletePadSection("SHOPPING.QL");
    EXPECT_FALSE(IniHasSection("Shopping.ql"));
    EXPECT_EQ(3, IniGetInt("x.ql", KEY_ROW, 0));

    // A missing section leaves the file byte for byte as it was.
    std::string before;
    ASSERT_TRUE(ReadFileBytes(IniPath(), before));
    DeletePadSection("Nowhere.ql");
    std::string after;
    ASSERT_TRUE(ReadFileBytes(IniPath(), after));
    EXPECT_EQ(before, after);
}

TEST(PadSection, IsTheFileNameCutTo255CharactersWithItsExtensionReplacedByQl) {
    const std::string longName(300, 'n');
    const std::string cut = std::string(255, 'n') + ".ql";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"C:\\Pads\\Shopping.ql", "Shopping.ql"},
        {"C:\\Pads\\notes.txt", "notes.ql"},
        {"C:\\Pads\\archive.2.ql", "archive.2.ql"},
        {"Shopping.ql", "Shopping.ql"},
        {"C:\\Old.Pads\\list", "list.ql"},
        {"D:/x/y.ql", "y.ql"},
        {"D:y.ql", "y.ql"},
        {"", ".ql"},
        {"C:\\Pads\\", ".ql"},
        {"C:\\Pads\\Monday, 03-02-98 at 10-15-30PM.ql", "Monday, 03-02-98 at 10-15-30PM.ql"},
        {"C:\\Pads\\" + longName + ".ql", cut},
        {longName, cut}};
    for (const auto& c : cases)
        EXPECT_EQ(c.second, std::string(PadSectionName(c.first.c_str()))) << c.first;
}

// A value taken from a section read whole must be the one a read of the key alone gives.
TEST(SettingsSection, ValuesReadFromTheWholeSectionMatchTheProfileFunctions) {
    ScopedIni ini;
    const char* const values[] = {"12",    "-250",  "+7",         "  40 ",       "12abc",
                                  "abc",   "",      "0x1F",       "0X1F",        "0o17",
                                  "0b101", "-0x10", "4294967295", "99999999999", "16777215",
                                  "\"5\"", "'-3'",  "\"quoted",   "1 2",         "-"};
    for (const char* value : values) {
        IniSetString("Values.ql", "Key", value);
        CSettingsSection section = ReadSettingsSection("Values.ql");
        EXPECT_EQ(ReadSettingInt("Values.ql", "KEY", -77), section.GetInt("key", -77)) << value;
        EXPECT_STREQ(ReadSettingString("Values.ql", "Key", ""), section.GetString("Key")) << value;
    }
    EXPECT_EQ(-77, ReadSettingsSection("Values.ql").GetInt("Missing", -77));
}

// Face names as QUILLOW.INI keeps them: readable when the code page holds them, escaped UTF-8
// otherwise, and back exactly either way.
TEST(PadFontSettings, EveryFaceNameComesBackExactly) {
    ScopedIni ini;
    const struct {
        std::wstring face;
        std::string stored;
    } cases[] = {{L"Courier New", "Courier New"},
                 {L"Caf\xE9", "Caf\xE9"},
                 {L"\x5FAE\x8F6F\x96C5\x9ED1", "utf-8:%E5%BE%AE%E8%BD%AF%E9%9B%85%E9%BB%91"},
                 {L"100% \x0391", "utf-8:100%25 %CE%91"},
                 {L"utf-8:x", "utf-8:utf-8:x"}};
    for (const auto& c : cases) {
        PadFont font = {};
        lstrcpynW(font.szFace, c.face.c_str(), LF_FACESIZE);
        font.nSize = 105;
        WritePadFont("Faces.ql", font);
        EXPECT_EQ(c.stored, IniGetString("Faces.ql", "FontFace"));
        EXPECT_TRUE(c.face == ReadPadFont(ReadPadSections("Faces.ql"), PadFont()).szFace)
            << c.stored;
    }
    EXPECT_EQ("10.5", IniGetString("Faces.ql", "FontSize"));
}
