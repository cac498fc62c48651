// A window: one HWND and the dispatch of its messages through the class's message map.
// Windows the program creates are subclassed so that their maps see every message first.
#pragma once
#include <windows.h>

#include "framework/CString.h"
#include "framework/MessageMap.h"

class CDataExchange;

class CWnd {
  public:
    CWnd();
    explicit CWnd(HWND hWnd);
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND m_hWnd;
    operator HWND() const { return m_hWnd; }

    // Insert-after values for SetWindowPos.
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    void SetWindowText(const char* pszText);
    void SetWindowText(const wchar_t* pszText);
    void GetWindowText(CString& rString) const;
    void GetWindowText(CStringW& rString) const;
    void GetWindowRect(LPRECT lpRect) const;
    BOOL ShowWindow(int nCmdShow);
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowVisible() const;
    BOOL IsWindowEnabled() const;
    HWND GetDlgItem(int nID) const;
    HWND GetParent() const;
    HMENU GetSystemMenu(BOOL bRevert) const;
    LRESULT SendMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL SetForegroundWindow();
    BOOL DestroyWindow();
    void Invalidate(BOOL bErase = TRUE);
    // Turns the window's drawing off while it changes much, and back on (WM_SETREDRAW).
    void SetRedraw(BOOL bRedraw = TRUE) { SendMessage(WM_SETREDRAW, bRedraw); }
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);

    // A message box owned by this window, captioned with the application title.
    int MessageBox(const char* pszText, const char* pszCaption = NULL, UINT nType = MB_OK);

    // Data exchange between the controls and the members bound in DoDataExchange.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);

    void OnHelpIndex();
    // F1 (WM_HELP): the program's help, as its Help command gives it.
    BOOL OnHelpInfo(HELPINFO* pHelpInfo);

    // The default processing of the message being handled.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam);

    // The message map; a class's BEGIN_MSG_MAP overrides it.
    virtual BOOL ProcessWindowMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult);

    // The owner of a modal window started from this process: the given window, else the
    // main window's active popup, so that a dialog opened from a dialog stays above it.
    static HWND GetSafeOwner(const CWnd* pParent);

  protected:
    // Routes the window's messages through this object until the window is destroyed.
    BOOL SubclassWindow(HWND hWnd);
    LRESULT WindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK StaticWindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    WNDPROC m_pfnSuper;
    // A window made with the wide API is subclassed with it too, so that its messages keep
    // every character.
    bool m_bUnicode;
    MSG m_msgCurrent;
};
