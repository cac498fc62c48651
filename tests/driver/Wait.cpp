#include "Wait.h"

namespace driver {

namespace {

void DispatchPending() {
    MSG msg;
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

} // namespace

bool WaitUntil(const std::function<bool()>& condition, DWORD ms, DWORD pollMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= ms)
            return false;
        DispatchPending();
        MsgWaitForMultipleObjects(0, NULL, FALSE, pollMs, QS_ALLINPUT);
    }
}

void PumpMessages(DWORD ms) {
    const DWORD start = GetTickCount();
    do {
        DispatchPending();
        MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount() - start < ms);
}

} // namespace driver
