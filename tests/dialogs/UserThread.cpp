#include "UserThread.h"

#include <atomic>
#include <thread>
#include <vector>

#include "tests/driver/Driver.h"

namespace dialogs_test {

namespace {

// How long a user script may still be finishing before its leftovers are closed.
const DWORD kGraceMs = 5000;

std::vector<HWND> VisibleDialogs() {
    driver::WindowQuery query;
    query.className = "#32770";
    return driver::TopWindows(GetCurrentProcessId(), query);
}

void CloseLeftovers(const std::atomic<bool>& modalDone) {
    if (driver::WaitUntil([&] { return modalDone.load(); }, kGraceMs))
        return;
    while (!modalDone) {
        for (HWND window : VisibleDialogs()) {
            PostMessageA(window, WM_COMMAND, IDNO, 0);
            PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
        }
        driver::WaitUntil([&] { return modalDone.load(); }, 500);
    }
}

} // namespace

void RunWithUser(const std::function<void()>& modal, const std::function<void()>& user) {
    std::atomic<bool> modalDone(false);
    std::thread userThread([&] {
        user();
        CloseLeftovers(modalDone);
    });
    modal();
    modalDone = true;
    userThread.join();
}

HWND WaitForDialog(const char* caption) {
    return driver::WaitForTopWindow(GetCurrentProcessId(), "#32770", caption);
}

driver::SeenMessageBox AnswerBox(int answer) {
    return driver::AnswerNextMessageBox(GetCurrentProcessId(), answer);
}

void Click(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    // Sent, not posted: the call returns once the dialog has handled the click, or has
    // started a modal window of its own from it.
    DWORD_PTR result = 0;
    SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_NORMAL, 200, &result);
}

bool IsChecked(HWND dialog, int id) {
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

} // namespace dialogs_test
