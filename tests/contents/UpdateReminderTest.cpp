// The update reminder's two-month schedule.
#include <gtest/gtest.h>

#include "contents/UpdateReminder.h"

TEST(UpdateReminder, TheNextReminderIsTwoMonthsOnWrappingPastDecember) {
    const int expected[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 1, 2};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(NextReminderMonth(month), expected[month - 1]) << month;
}
