// A pad's font as QUILLOW.INI keeps it: readable, and every face name back exactly, whether
// the code page holds it or not.
#include <gtest/gtest.h>

#include <string>

#include "settings/PadFont.h"
#include "settings/PadSettings.h"
#include "tests/driver/Driver.h"

using namespace driver;

TEST(PadFontSettings, EveryFaceNameComesBackExactlyAndTheRenameCarriesTheFont) {
    ScopedIni ini;
    const struct {
        std::wstring face;
        std::string stored;
    } cases[] = {
        {L"Courier New", "Courier New"},
        {L"Caf\xE9", "Caf\xE9"},
        {L"\x5FAE\x8F6F\x96C5\x9ED1", "utf-8:%E5%BE%AE%E8%BD%AF%E9%9B%85%E9%BB%91"},
        {L"100% \x0391", "utf-8:100%25 %CE%91"},
        {L"utf-8:x", "utf-8:utf-8:x"},
    };
    PadFont builtIn = {};
    for (const auto& c : cases) {
        PadFont font = {};
        lstrcpynW(font.szFace, c.face.c_str(), LF_FACESIZE);
        font.nSize = 105;
        font.nWeight = FW_BOLD;
        font.crText = RGB(1, 2, 3);
        WritePadFont("Faces.ql", font);
        EXPECT_EQ(c.stored, IniGetString("Faces.ql", "FontFace"));
        EXPECT_TRUE(c.face == ReadPadFont("Faces.ql", builtIn).szFace) << c.stored;
    }
    EXPECT_EQ((std::vector<std::string>{"FontFace=utf-8:utf-8:x", "FontSize=10.5", "FontWeight=700",
                                        "FontItalic=0", "FontUnderline=0", "FontStrikeOut=0",
                                        "TextColor=197121"}),
              IniSectionLines("Faces.ql"));

    MovePadSettings("Faces.ql", "Moved.ql");
    EXPECT_EQ("utf-8:utf-8:x", IniGetString("Moved.ql", "FontFace"));
    EXPECT_EQ("10.5", IniGetString("Moved.ql", "FontSize"));
    EXPECT_EQ(197121, IniGetInt("Moved.ql", "TextColor", -1));
    EXPECT_FALSE(IniHasSection("Faces.ql"));
}
