#include <gtest/gtest.h>

#include "framework/CommandLine.h"

TEST(CommandLine, QuotedProgramNameIsSkippedUpToItsClosingQuote) {
  EXPECT_STREQ("/tray",
               SkipProgramName("\"C:\\Program Files\\Quillow.exe\" /tray"));
  EXPECT_STREQ("Shopping.ql",
               SkipProgramName("\"C:\\Quillow.exe\"Shopping.ql"));
}

TEST(CommandLine, UnquotedProgramNameEndsAtTheFirstBlankOrControlCharacter) {
  EXPECT_STREQ("/tray", SkipProgramName("Quillow.exe /tray"));
  EXPECT_STREQ("a.ql", SkipProgramName("Quillow.exe\ta.ql"));
}

TEST(CommandLine, AllBlanksAndControlCharactersBeforeTheArgumentsAreSkipped) {
  EXPECT_STREQ("x.ql", SkipProgramName("Quillow.exe \t\r\n \x01 x.ql"));
}

TEST(CommandLine, ArgumentsKeepTheirQuotesAndTrailingBlanks) {
  EXPECT_STREQ("\"My Pad.ql\"  ",
               SkipProgramName("Quillow.exe \"My Pad.ql\"  "));
  EXPECT_STREQ(
      "Monday, 01-02-24 at 10-11-12AM.ql",
      SkipProgramName("\"Quillow.exe\" Monday, 01-02-24 at 10-11-12AM.ql"));
}

TEST(CommandLine, NothingAfterTheProgramNameGivesAnEmptyString) {
  EXPECT_STREQ("", SkipProgramName("Quillow.exe"));
  EXPECT_STREQ("", SkipProgramName("\"Quillow.exe\"   "));
  EXPECT_STREQ("", SkipProgramName(""));
}

TEST(CommandLine, UnclosedQuoteTakesTheWholeLineAsProgramName) {
  EXPECT_STREQ("", SkipProgramName("\"C:\\Quillow.exe /tray"));
}

TEST(CommandLine, CharactersAboveCode127AreNotBlanks) {
  // Signed chars would make these negative and end the program name early.
  EXPECT_STREQ("b.ql", SkipProgramName("Qu\xE9ll\xF6w.exe b.ql"));
  EXPECT_STREQ("\xE9t\xE9.ql", SkipProgramName("Quillow.exe \xE9t\xE9.ql"));
}
