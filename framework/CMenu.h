// A menu. CMenu owns its handle and destroys it; CMenuHandle only works on a menu that
// belongs to someone else, such as a window's system menu.
#pragma once
#include <windows.h>

#include "framework/CString.h"

template <bool t_bManaged> class CMenuT {
  public:
    explicit CMenuT(HMENU hMenu = NULL) : m_hMenu(hMenu) {}
    CMenuT(const CMenuT&) = delete;
    CMenuT& operator=(const CMenuT&) = delete;
    ~CMenuT() {
        if (t_bManaged && m_hMenu)
            ::DestroyMenu(m_hMenu);
    }

    HMENU m_hMenu;
    operator HMENU() const { return m_hMenu; }

    BOOL CreatePopupMenu() {
        if (t_bManaged && m_hMenu)
            ::DestroyMenu(m_hMenu);
        m_hMenu = ::CreatePopupMenu();
        return m_hMenu != NULL;
    }
    int GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, const char* pszNewItem = NULL) {
        return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, pszNewItem);
    }
    BOOL RemoveMenu(UINT nPosition, UINT nFlags) {
        return ::RemoveMenu(m_hMenu, nPosition, nFlags);
    }
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
        return ::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
    }
    UINT GetMenuState(UINT nID, UINT nFlags) const { return ::GetMenuState(m_hMenu, nID, nFlags); }
    // The item's text, however long; returns its length, 0 when there is no such item.
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
        int n = ::GetMenuStringA(m_hMenu, nIDItem, NULL, 0, nFlags);
        char* p = n > 0 ? rString.GetBuffer(n) : NULL;
        if (!p) {
            rString.Empty();
            return 0;
        }
        n = ::GetMenuStringA(m_hMenu, nIDItem, p, n + 1, nFlags);
        rString.ReleaseBuffer(n);
        return n;
    }
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, HWND hWndOwner) {
        return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, hWndOwner, NULL);
    }
};

typedef CMenuT<true> CMenu;
typedef CMenuT<false> CMenuHandle;
