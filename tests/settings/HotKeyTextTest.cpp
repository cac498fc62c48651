// The text form of the keys that work from anywhere, as a user writes it in QUILLOW.INI.
#include <gtest/gtest.h>

#include <string>

#include "settings/HotKeyText.h"

TEST(HotKeyText, ReadableValuesAreReadAndWrittenBackInTheUsualOrderAndOthersAreOff) {
    const struct {
        const char* text;
        const char* written;
    } readable[] = {{"Win+Alt+N", "Win+Alt+N"},
                    {" alt + shift + q ", "Alt+Shift+Q"},
                    {"F24", "F24"},
                    {"Shift+Control+Win+f5", "Win+Ctrl+Shift+F5"},
                    {"Win+7", "Win+7"},
                    {"Ctrl+Alt+PageDown", "Ctrl+Alt+PageDown"},
                    {"NONE", "none"}};
    for (const auto& c : readable) {
        HotKey key;
        EXPECT_TRUE(ParseHotKey(c.text, key)) << c.text;
        EXPECT_EQ(std::string(FormatHotKey(key).GetString()), c.written);
    }
    for (const char* text : {"", "N", "Shift+Space", "Win+Alt", "Win+Win+N", "Win+Alt+N+M",
                             "Win++N", "Win+Atl+N", "Win+F25", "Win+F0"}) {
        HotKey key;
        EXPECT_FALSE(ParseHotKey(text, key)) << text;
        EXPECT_EQ(key.nVirtualKey, 0u) << text << ": an unreadable value is off";
    }
}
