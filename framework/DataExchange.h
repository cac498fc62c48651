// Data exchange between a dialog's controls and its member variables.
#pragma once
#include <windows.h>

#include "framework/CString.h"

class CWnd;

class CDataExchange {
  public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    // Looks up a control and remembers it as the one the next validation applies to.
    HWND PrepareCtrl(int nIDC);
    void Fail() { m_bFailed = true; }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl;
    bool m_bFailed;
};

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, CStringW& value);
void DDX_Check(CDataExchange* pDX, int nIDC, BOOL& value);
// Limits the last exchanged edit control to nChars; on saving, refuses a longer text.
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);
void DDV_MaxChars(CDataExchange* pDX, const CStringW& value, int nChars);
