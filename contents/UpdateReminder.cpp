#include "contents/UpdateReminder.h"

namespace {
const int kMonthsPerYear = 12;
const int kReminderInterval = 2;
} // namespace

int NextReminderMonth(int month) {
    int next = month + kReminderInterval;
    if (next > kMonthsPerYear)
        next -= kMonthsPerYear;
    return next;
}

bool IsReminderDue(int due, int month) { return due == month; }

bool IsReminderScheduleDue(int due, int month) { return due == 0 || due == month; }
