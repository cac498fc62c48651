// In-process dialog tests: the dialog runs modally on the test's own thread, so a second
// thread plays the user, finding the dialog's windows and working them with the driver.
#pragma once
#include <windows.h>

#include <functional>

#include "tests/driver/MessageBoxes.h"

namespace dialogs_test {

// Runs modal on this thread while user runs on another. Whatever the user left open (a
// failed step, an unexpected message box) is closed after a grace period, so a failing test
// ends instead of hanging.
void RunWithUser(const std::function<void()>& modal, const std::function<void()>& user);

// A visible dialog of this process with the caption, once it appears; NULL after the wait.
HWND WaitForDialog(const char* caption);

// Waits for a message box of this process, records it and answers it with the button id.
driver::SeenMessageBox AnswerBox(int answer);

// A pushed button or ticked box, as a click would do it; waits until the click has been
// handled or the control's dialog is busy with what it opened.
void Click(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);

} // namespace dialogs_test
