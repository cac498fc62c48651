#include <gtest/gtest.h>

#include <string>

#include "framework/CString.h"
#include "res/resource.h"

TEST(CStringParts, MidClampsItsBoundsAndANegativeCountGivesNothing) {
    const CString text("\"");
    EXPECT_STREQ("", text.Mid(1, -1));
    EXPECT_STREQ("", CString("abc").Mid(1, -5));
    EXPECT_STREQ("bc", CString("abc").Mid(1, 10));
    EXPECT_STREQ("", CString("abc").Mid(7, 2));
    EXPECT_STREQ("abc", CString("abc").Mid(-3));
    EXPECT_STREQ("", CString("abc").Left(-1));
    EXPECT_STREQ("bc", CString("abc").Right(2));
}

TEST(CStringParts, TrimmingRemovesBlanksTabsAndLineBreaksAtOneEndOnly) {
    CString left(" \t\r\n x y \t");
    left.TrimLeft();
    EXPECT_STREQ("x y \t", left);
    CString right(" \t x y \r\n\t ");
    right.TrimRight();
    EXPECT_STREQ(" \t x y", right);
    CString blanks("   ");
    blanks.TrimLeft();
    EXPECT_TRUE(blanks.IsEmpty());
    // Bytes above 127 are characters of the code page, not blanks.
    CString accented("\xA0\xE9t\xE9\xA0");
    accented.TrimLeft().TrimRight();
    EXPECT_STREQ("\xA0\xE9t\xE9\xA0", accented);
}

TEST(CStringFormat, ALongResultIsFormattedWhole) {
    const std::string folder = "C:\\" + std::string(5000, 'f');
    CString text;
    text.Format("Unable to start \"%s\\Quillow.exe\".\n\nError code = %d.", folder.c_str(), 2);
    const std::string expected =
        "Unable to start \"" + folder + "\\Quillow.exe\".\n\nError code = 2.";
    EXPECT_EQ(static_cast<int>(expected.size()), text.GetLength());
    EXPECT_EQ(expected, text.GetString());
}

TEST(CStringFormat, NegativeNumbersAndEmptyResults) {
    EXPECT_STREQ("-1", CString::FromInt(-1));
    CString text("old");
    text.Format("%s", "");
    EXPECT_TRUE(text.IsEmpty());
}

namespace {
const UINT kMissingString = 54321;
}

TEST(CStringResources, AMissingStringLeavesTheStringEmpty) {
    CString text("old");
    EXPECT_FALSE(text.LoadString(kMissingString));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_TRUE(text.LoadString(IDS_APP_TITLE));
    EXPECT_STREQ("Quillow", text);
}

TEST(CStringValue, CopiesAreIndependentAndAppendingToItselfWorks) {
    CString a("pad");
    CString b(a);
    b += ".ql";
    EXPECT_STREQ("pad", a);
    EXPECT_STREQ("pad.ql", b);
    a += a;
    EXPECT_STREQ("padpad", a);
    EXPECT_TRUE(CString("Shopping.QL").CompareNoCase("shopping.ql") == 0);
}
