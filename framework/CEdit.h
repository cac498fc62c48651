// An edit control of a dialog.
#pragma once
#include "framework/CWnd.h"

class CEdit : public CWnd {
  public:
    BOOL GetModify() const { return SendMessage(EM_GETMODIFY) != 0; }
    void SetSel(int nStart, int nEnd) { SendMessage(EM_SETSEL, nStart, nEnd); }
    void ScrollCaret() { SendMessage(EM_SCROLLCARET); }
};
