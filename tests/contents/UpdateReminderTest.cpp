// The update reminder's two-month schedule.
#include <gtest/gtest.h>

#include "contents/UpdateReminder.h"

TEST(UpdateReminder, TheNextReminderIsTwoMonthsOnWrappingPastDecember) {
    const int expected[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(NextReminderMonth(month), expected[month - 1]) << month;
}

TEST(UpdateReminder, OnlyTheStoredMonthShowsTheReminder) {
    EXPECT_TRUE(IsReminderDue(11, 11));
    EXPECT_FALSE(IsReminderDue(0, 11));
    EXPECT_FALSE(IsReminderDue(5, 6));
    EXPECT_FALSE(IsReminderDue(13, 1));
}

TEST(UpdateReminder, TheScheduleIsWrittenWhenNeverSetOrDueAndKeptOtherwise) {
    EXPECT_TRUE(IsReminderScheduleDue(0, 11));
    EXPECT_TRUE(IsReminderScheduleDue(11, 11));
    EXPECT_FALSE(IsReminderScheduleDue(5, 6));
    EXPECT_FALSE(IsReminderScheduleDue(13, 6));
    EXPECT_FALSE(IsReminderScheduleDue(-1, 6));
}
