// The update reminder's schedule. Months are numbered 1 (January) to 12 (December); a stored
// due month of 0 means the reminder was never scheduled.
#pragma once

// The month two months after month, wrapping past December.
int NextReminderMonth(int month);
// Whether a start in month shows the reminder.
bool IsReminderDue(int due, int month);
// Whether a start in month schedules the next reminder: when none was scheduled, or when the
// one scheduled is shown now. Any other stored value is left as it is.
bool IsReminderScheduleDue(int due, int month);
