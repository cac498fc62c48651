// Where a window was left: its position (and, for pads, its size) in a section of the
// settings, and putting it back there.
#pragma once
#include <windows.h>

#include "settings/PadSettings.h"

void SaveWindowPlacement(HWND hWnd, const char* pszSection);
void RestoreWindowPlacement(HWND hWnd, const char* pszSection);
// The same from the window's section and the global one as read before.
void RestoreWindowPlacement(HWND hWnd, const char* pszSection, const PadSections& sections);
