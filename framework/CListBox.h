// A list box of a dialog.
#pragma once
#include "framework/CWnd.h"

class CListBox : public CWnd {
  public:
    int GetCount() const { return static_cast<int>(SendMessage(LB_GETCOUNT)); }
    int GetCurSel() const { return static_cast<int>(SendMessage(LB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return static_cast<int>(SendMessage(LB_SETCURSEL, nSelect)); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int AddString(const char* pszItem) {
        return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszItem)));
    }
    // Inserts at the position (-1 for the end) without sorting, also in a sorted list.
    int InsertString(int nIndex, const char* pszItem) {
        return static_cast<int>(
            SendMessage(LB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(pszItem)));
    }
    // Selects the first entry from the top that begins with the text, ignoring case.
    int SelectString(int nStartAfter, const char* pszItem) {
        return static_cast<int>(
            SendMessage(LB_SELECTSTRING, nStartAfter, reinterpret_cast<LPARAM>(pszItem)));
    }
    // A value of the caller's own kept with an entry.
    void SetItemData(int nIndex, DWORD_PTR dwData) { SendMessage(LB_SETITEMDATA, nIndex, dwData); }
    DWORD_PTR GetItemData(int nIndex) const {
        return static_cast<DWORD_PTR>(SendMessage(LB_GETITEMDATA, nIndex));
    }
    void GetText(int nIndex, CString& rString) const {
        int n = static_cast<int>(SendMessage(LB_GETTEXTLEN, nIndex));
        char* p = n >= 0 ? rString.GetBuffer(n) : NULL;
        if (!p) {
            rString.Empty();
            return;
        }
        n = static_cast<int>(SendMessage(LB_GETTEXT, nIndex, reinterpret_cast<LPARAM>(p)));
        rString.ReleaseBuffer(n >= 0 ? n : 0);
    }
};
