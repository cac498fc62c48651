// Message maps: one line per message a window handles, read top to bottom. The first
// matching entry handles the message; END_MSG_MAP passes the rest to the base class's map,
// and what no map handles goes to the window's DefWindowProc.
#pragma once
#include <windows.h>

#define BEGIN_MSG_MAP(theClass)                                                                    \
  public:                                                                                          \
    BOOL ProcessWindowMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult)           \
        override {                                                                                 \
        (void)wParam;                                                                              \
        (void)lParam;

#define END_MSG_MAP(baseClass)                                                                     \
    return baseClass::ProcessWindowMessage(uMsg, wParam, lParam, lResult);                         \
    }

// A raw handler: LRESULT func(WPARAM, LPARAM).
#define ON_MESSAGE(msg, func)                                                                      \
    if (uMsg == (msg)) {                                                                           \
        lResult = func(wParam, lParam);                                                            \
        return TRUE;                                                                               \
    }

// A message registered at run time, held in a member: LRESULT func(WPARAM, LPARAM). A
// registration that failed left 0, which must not catch WM_NULL.
#define ON_REGISTERED_MESSAGE(nMessage, func)                                                      \
    if ((nMessage) != 0 && uMsg == (nMessage)) {                                                   \
        lResult = func(wParam, lParam);                                                            \
        return TRUE;                                                                               \
    }

// A command from a menu, an accelerator or a button click: void func().
#define ON_COMMAND(id, func)                                                                       \
    if (uMsg == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) <= 1) {                     \
        func();                                                                                    \
        lResult = 0;                                                                               \
        return TRUE;                                                                               \
    }

// A control's notification: void func().
#define ON_CONTROL(code, id, func)                                                                 \
    if (uMsg == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == (code)) {                \
        func();                                                                                    \
        lResult = 0;                                                                               \
        return TRUE;                                                                               \
    }

#define ON_BN_CLICKED(id, func) ON_CONTROL(BN_CLICKED, id, func)

// A command that comes only from a menu (no control, no accelerator): void func().
#define ON_MENU_COMMAND(id, func)                                                                  \
    if (uMsg == WM_COMMAND && wParam == static_cast<WPARAM>(id) && lParam == 0) {                  \
        func();                                                                                    \
        lResult = 0;                                                                               \
        return TRUE;                                                                               \
    }

// Menu commands idFirst to idLast: BOOL func(UINT nID). A handler that returns FALSE declines
// the id, which then goes on to the next entries and the default processing.
#define ON_MENU_COMMAND_RANGE(idFirst, idLast, func)                                               \
    if (uMsg == WM_COMMAND && HIWORD(wParam) == 0 && lParam == 0 &&                                \
        IsCommandInRange(LOWORD(wParam), idFirst, idLast) && func(LOWORD(wParam))) {               \
        lResult = 0;                                                                               \
        return TRUE;                                                                               \
    }

inline bool IsCommandInRange(UINT nID, UINT nFirst, UINT nLast) {
    return nID >= nFirst && nID <= nLast;
}

// A click that comes from the button itself: a menu command that carries the same id (no
// control in lParam) is left to the window's other entries and its DefWindowProc.
#define ON_BUTTON_CLICKED(id, func)                                                                \
    if (uMsg == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == BN_CLICKED &&            \
        lParam != 0) {                                                                             \
        func();                                                                                    \
        lResult = 0;                                                                               \
        return TRUE;                                                                               \
    }

#define ON_EN_KILLFOCUS(id, func) ON_CONTROL(EN_KILLFOCUS, id, func)
#define ON_EN_MAXTEXT(id, func) ON_CONTROL(EN_MAXTEXT, id, func)
#define ON_EN_CHANGE(id, func) ON_CONTROL(EN_CHANGE, id, func)
#define ON_LBN_DBLCLK(id, func) ON_CONTROL(LBN_DBLCLK, id, func)
#define ON_LBN_SETFOCUS(id, func) ON_CONTROL(LBN_SETFOCUS, id, func)

// void OnDestroy()
#define ON_WM_DESTROY()                                                                            \
    if (uMsg == WM_DESTROY) {                                                                      \
        OnDestroy();                                                                               \
        lResult = 0;                                                                               \
        return TRUE;                                                                               \
    }

// void OnClose()
#define ON_WM_CLOSE()                                                                              \
    if (uMsg == WM_CLOSE) {                                                                        \
        OnClose();                                                                                 \
        lResult = 0;                                                                               \
        return TRUE;                                                                               \
    }

// void OnShowWindow(BOOL bShow, UINT nStatus)
#define ON_WM_SHOWWINDOW()                                                                         \
    if (uMsg == WM_SHOWWINDOW) {                                                                   \
        OnShowWindow(static_cast<BOOL>(wParam), static_cast<UINT>(lParam));                        \
        lResult = 0;                                                                               \
        return TRUE;                                                                               \
    }

// void OnSize(UINT nType, int cx, int cy)
#define ON_WM_SIZE()                                                                               \
    if (uMsg == WM_SIZE) {                                                                         \
        OnSize(static_cast<UINT>(wParam), static_cast<short>(LOWORD(lParam)),                      \
               static_cast<short>(HIWORD(lParam)));                                                \
        lResult = 0;                                                                               \
        return TRUE;                                                                               \
    }

// A system menu command: void func(). The id is compared whole: the usual mask of the
// low four bits would merge small command ids of the program's own.
#define ON_SYSCOMMAND(id, func)                                                                    \
    if (uMsg == WM_SYSCOMMAND && wParam == static_cast<WPARAM>(id)) {                              \
        func();                                                                                    \
        lResult = 0;                                                                               \
        return TRUE;                                                                               \
    }

// BOOL OnQueryEndSession()
#define ON_WM_QUERYENDSESSION()                                                                    \
    if (uMsg == WM_QUERYENDSESSION) {                                                              \
        lResult = OnQueryEndSession();                                                             \
        return TRUE;                                                                               \
    }

// void OnEndSession(BOOL bEnding)
#define ON_WM_ENDSESSION()                                                                         \
    if (uMsg == WM_ENDSESSION) {                                                                   \
        OnEndSession(static_cast<BOOL>(wParam));                                                   \
        lResult = 0;                                                                               \
        return TRUE;                                                                               \
    }

// BOOL OnHelpInfo(HELPINFO* pHelpInfo): F1 in the window or in one of its controls.
#define ON_WM_HELPINFO()                                                                           \
    if (uMsg == WM_HELP) {                                                                         \
        lResult = OnHelpInfo(reinterpret_cast<HELPINFO*>(lParam));                                 \
        return TRUE;                                                                               \
    }

// HBRUSH OnCtlColor(HDC hDC, HWND hWndCtl, UINT nCtlColor), where nCtlColor is one of the
// CTLCOLOR_ kinds (CTLCOLOR_MSGBOX ... CTLCOLOR_STATIC), in the order of the messages.

#define ON_WM_CTLCOLOR()                                                                           \
    if (uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC) {                                  \
        lResult = reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<HDC>(wParam),              \
                                                       reinterpret_cast<HWND>(lParam),             \
                                                       uMsg - WM_CTLCOLORMSGBOX));                 \
        return TRUE;                                                                               \
    }
