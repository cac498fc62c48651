#include "pad/PadTextSize.h"

namespace {

// In tenths of a point, from the smallest size a pad takes to the largest.
const int kCommonSizes[] = {60,  70,  80,  90,  100, 110, 120, 140,
                            160, 180, 200, 240, 280, 360, 480, 720};

bool IsDown(int nVirtKey) { return ::GetKeyState(nVirtKey) < 0; }

} // namespace

BOOL TakeTextSizeMessage(const MSG& msg, int& nWheelRest, int& nSteps) {
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_OEM_PERIOD || msg.wParam == VK_OEM_COMMA) &&
        IsDown(VK_CONTROL) && IsDown(VK_SHIFT) && !IsDown(VK_MENU)) {
        nSteps = msg.wParam == VK_OEM_PERIOD ? 1 : -1;
        return TRUE;
    }
    if (msg.message == WM_MOUSEWHEEL && (GET_KEYSTATE_WPARAM(msg.wParam) & MK_CONTROL)) {
        nWheelRest += GET_WHEEL_DELTA_WPARAM(msg.wParam);
        nSteps = nWheelRest / WHEEL_DELTA;
        nWheelRest %= WHEEL_DELTA;
        return TRUE;
    }
    return FALSE;
}

int StepTextSize(int nSize, int nSteps) {
    for (; nSteps > 0; --nSteps)
        for (int nCommon : kCommonSizes)
            if (nCommon > nSize) {
                nSize = nCommon;
                break;
            }
    for (; nSteps < 0; ++nSteps)
        for (int i = sizeof kCommonSizes / sizeof kCommonSizes[0] - 1; i >= 0; --i)
            if (kCommonSizes[i] < nSize) {
                nSize = kCommonSizes[i];
                break;
            }
    return nSize;
}
