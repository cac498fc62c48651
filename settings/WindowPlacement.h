// Where a window was left: its position (and, for pads, its size) in a section of the
// settings, and putting it back there.
#pragma once
#include <windows.h>

void SaveWindowPlacement(HWND hWnd, const char* pszSection);
void RestoreWindowPlacement(HWND hWnd, const char* pszSection);
