// A key combination as the settings file writes it: modifiers and one key joined by "+", such
// as "Win+Alt+N" or "Alt+Shift+F5", or "none". Names ignore case and blanks around them.
#pragma once
#include <windows.h>

#include "framework/CString.h"

struct HotKey {
    // MOD_WIN, MOD_CONTROL, MOD_ALT, MOD_SHIFT.
    UINT nModifiers;
    // 0 for "none".
    UINT nVirtualKey;
};

// FALSE for a text that names no combination Quillow takes: an unknown name, a modifier
// twice, no key or two, or a key that other programs need typed as it is (a letter, a digit,
// Space...) without Win, Ctrl or Alt. Function keys may stand alone.
BOOL ParseHotKey(const char* pszText, HotKey& key);
// The text ParseHotKey reads back: modifiers in the order Win, Ctrl, Alt, Shift.
CString FormatHotKey(const HotKey& key);
