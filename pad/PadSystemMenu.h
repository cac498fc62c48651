// The pad's system menu: every command of a pad lives there.
#pragma once
#include <windows.h>

// Empties the window's system menu, whatever the platform put in it, and fills it with the
// pad's rows. An item whose text does not load is left out; separators always stay.
void BuildPadSystemMenu(HWND hWnd);

// Sets or clears the check mark of a command of the window's system menu.
void CheckPadMenuItem(HWND hWnd, UINT nID, BOOL bChecked);
