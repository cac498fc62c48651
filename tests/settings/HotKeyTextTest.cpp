// The text form of the keys that work from anywhere, as a user writes it in QUILLOW.INI.
#include <gtest/gtest.h>

#include <string>

#include "settings/HotKeyText.h"

TEST(HotKeyText, ReadableValuesAreReadAndWrittenBackInTheUsualOrder) {
    struct Case {
        const char* text;
        bool readable;
        const char* written;
    };
    const Case cases[] = {
        {"Win+Alt+N", true, "Win+Alt+N"},
        {" alt + shift + q ", true, "Alt+Shift+Q"},
        {"Shift+Control+Win+f5", true, "Win+Ctrl+Shift+F5"},
        {"Ctrl+Alt+PageDown", true, "Ctrl+Alt+PageDown"},
        {"F24", true, "F24"},
        {"Win+7", true, "Win+7"},
        {"NONE", true, "none"},
        {"", false, ""},
        {"N", false, ""},
        {"Shift+Space", false, ""},
        {"Win+Alt", false, ""},
        {"Win+Win+N", false, ""},
        {"Win+Alt+N+M", false, ""},
        {"Win++N", false, ""},
        {"Win+Atl+N", false, ""},
        {"Win+F25", false, ""},
        {"Win+F0", false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        HotKey key;
        EXPECT_EQ(ParseHotKey(c.text, key) != FALSE, c.readable);
        if (c.readable) {
            EXPECT_EQ(std::string(FormatHotKey(key).GetString()), c.written);
        } else {
            EXPECT_EQ(key.nVirtualKey, 0u) << "an unreadable value is off";
        }
    }
}
