// An edit control of a dialog.
#pragma once
#include "framework/CWnd.h"

class CEdit : public CWnd {
  public:
    BOOL GetModify() const { return SendMessage(EM_GETMODIFY) != 0; }
    void SetModify(BOOL bModified) { SendMessage(EM_SETMODIFY, bModified); }
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
    void SetSel(int nStart, int nEnd) { SendMessage(EM_SETSEL, nStart, nEnd); }
    void GetSel(int& nStart, int& nEnd) const {
        DWORD dwStart = 0;
        DWORD dwEnd = 0;
        SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                    reinterpret_cast<LPARAM>(&dwEnd));
        nStart = static_cast<int>(dwStart);
        nEnd = static_cast<int>(dwEnd);
    }
    // Replaces the selection as typing would: the edit counts it as a change of the user's.
    void ReplaceSel(const char* pszText) {
        SendMessage(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(pszText));
    }
    void ScrollCaret() { SendMessage(EM_SCROLLCARET); }
};
