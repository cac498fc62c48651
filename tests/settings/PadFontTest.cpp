// Face names as QUILLOW.INI keeps them: readable when the code page holds them, escaped UTF-8
// otherwise, and back exactly either way.
#include <gtest/gtest.h>

#include "settings/PadFont.h"
#include "tests/driver/Driver.h"

using namespace driver;

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
        EXPECT_TRUE(c.face == ReadPadFont(ReadPadSections("Faces.ql"), PadFont()).szFace) << c.stored;
    }
    EXPECT_EQ("10.5", IniGetString("Faces.ql", "FontSize"));
}
