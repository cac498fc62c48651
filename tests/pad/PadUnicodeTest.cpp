// Any character in a note, end to end: typed through the pad's own message loop, saved, and
// shown again; and a note in the code page saved as the very bytes it always had.
#include "res/resource.h"
#include "tests/pad/PadTesting.h"

using namespace driver;
using padtest::Pad;

namespace {

class PadUnicode : public padtest::PadEndToEndTest {};

TEST_F(PadUnicode, CharactersBeyondTheCodePageAreSavedAsUtf8AndShownAgain) {
    // Latin, an arrow and a check mark, Greek, Cyrillic, Chinese, and an emoji (two halves).
    const std::wstring typed = L" \x2192 done \x2713\n\x0395\x03BB\x03BB\x03AC\x03B4\x03B1 "
                               L"\x0420\x043E\x0441\x0441\x0438\x044F \x4E2D\x6587 \xD83D\xDE00";
    const std::string utf8 =
        "\xEF\xBB\xBF"
        "plain \xE2\x86\x92 done \xE2\x9C\x93\r\n\xCE\x95\xCE\xBB\xCE\xBB\xCE"
        "\xAC\xCE\xB4\xCE\xB1 \xD0\xA0\xD0\xBE\xD1\x81\xD1\x81\xD0\xB8\xD1\x8F "
        "\xE4\xB8\xAD\xE6\x96\x87 \xF0\x9F\x98\x80";
    const std::wstring shown = L"plain" + typed.substr(0, typed.find(L'\n')) + L"\r\n" +
                               typed.substr(typed.find(L'\n') + 1);
    Pad pad = OpenPadOn("World.ql", "plain");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(PostWideText(pad.edit, typed));
    ASSERT_TRUE(WaitUntil([&] { return WideWindowText(pad.edit) == shown; }));
    ASSERT_TRUE(TakeFocusAway());
    EXPECT_TRUE(WaitUntil([&] { return FileText(pad.path) == utf8; }));
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ(utf8, FileText(pad.path));

    Pad again = OpenPad(pad.path, "World.ql");
    ASSERT_TRUE(again.window);
    EXPECT_TRUE(WideWindowText(again.edit) == shown);
    ASSERT_TRUE(ClosePad(again));
    EXPECT_EQ(utf8, FileText(pad.path));
}

TEST_F(PadUnicode, ANoteThatFitsTheCodePageIsSavedInItByteForByte) {
    Pad pad = OpenPadOn("Western.ql", "caf\xE9\r\n");
    ASSERT_TRUE(pad.window);
    ASSERT_TRUE(PostWideText(pad.edit, L"cr\xE8me br\xFBl\xE9\x65"));
    ASSERT_TRUE(WaitUntil([&] { return WideWindowText(pad.edit).size() == 18; }));
    ASSERT_TRUE(ClosePad(pad));
    EXPECT_EQ("caf\xE9\r\ncr\xE8me br\xFBl\xE9\x65", FileText(pad.path));
}

} // namespace
