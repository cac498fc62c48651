#include "launch/RunningPads.h"

#include "res/resource.h"

namespace {

const char kPadCommandMessageName[] = "Marrowdale.Quillow.PadCommand";
// A pad that does not answer within this time counts as not holding the file.
const UINT kAnswerTimeoutMs = 2000;

// A top-level dialog of another process with a pad's edit control, hidden or not.
bool IsPadWindow(HWND hWnd) {
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    char szClass[8];
    return dwProcess != ::GetCurrentProcessId() && ::GetClassNameA(hWnd, szClass, sizeof szClass) &&
           lstrcmpA(szClass, "#32770") == 0 && ::GetDlgItem(hWnd, IDC_PAD_EDIT);
}

template <typename Visit> BOOL CALLBACK VisitPadWindow(HWND hWnd, LPARAM lParam) {
    return IsPadWindow(hWnd) ? (*reinterpret_cast<Visit*>(lParam))(hWnd) : TRUE;
}

// Calls visit(hWnd) for every pad window until it returns FALSE.
template <typename Visit> void ForEachPadWindow(Visit visit) {
    ::EnumWindows(VisitPadWindow<Visit>, reinterpret_cast<LPARAM>(&visit));
}

void PostPadCommand(HWND hWnd, PadCommand command) {
    ::PostMessageA(hWnd, PadCommandMessage(), command, ::GetCurrentProcessId());
}

// Only with the asker's leave may the pad's process take the foreground.
void AllowForeground(HWND hWnd) {
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    ::AllowSetForegroundWindow(dwProcess);
}

} // namespace

UINT PadCommandMessage() { return ::RegisterWindowMessageA(kPadCommandMessageName); }

BOOL ReadHoldsFileRequest(LPARAM lParam, PadFileIdentity& identity) {
    const COPYDATASTRUCT* pData = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (!pData || pData->dwData != kHoldsFileRequest || pData->cbData != sizeof identity)
        return FALSE;
    CopyMemory(&identity, pData->lpData, sizeof identity);
    return TRUE;
}

HWND FindPadHolding(const char* pszPath) {
    PadFileIdentity identity;
    if (!GetPathIdentity(pszPath, identity))
        return NULL;
    COPYDATASTRUCT data = {kHoldsFileRequest, sizeof identity, &identity};
    HWND hWndHolder = NULL;
    ForEachPadWindow([&](HWND hWnd) {
        DWORD_PTR dwAnswer = 0;
        if (::SendMessageTimeoutA(hWnd, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                  SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerTimeoutMs, &dwAnswer) &&
            dwAnswer == TRUE)
            hWndHolder = hWnd;
        return hWndHolder == NULL;
    });
    return hWndHolder;
}

BOOL BringPadForward(HWND hWndPad) {
    AllowForeground(hWndPad);
    PostPadCommand(hWndPad, padComeForward);
    return TRUE;
}

BOOL BringRunningPadForward(const char* pszPath) {
    HWND hWndPad = FindPadHolding(pszPath);
    return hWndPad && BringPadForward(hWndPad);
}

void ShowAllPads() {
    ForEachPadWindow([](HWND hWnd) { return BringPadForward(hWnd); });
}

void RevealHiddenPads() {
    ForEachPadWindow([](HWND hWnd) {
        if (!::IsWindowVisible(hWnd))
            PostPadCommand(hWnd, padReveal);
        return TRUE;
    });
}

void HideAllPads() {
    ForEachPadWindow([](HWND hWnd) {
        if (::IsWindowVisible(hWnd))
            PostPadCommand(hWnd, padHide);
        return TRUE;
    });
}
