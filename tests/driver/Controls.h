// Working the windows and controls of another process: text, commands, typing, focus, list
// boxes and colours on the screen.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Wait.h"

namespace driver {

// Text of a window or control of any process (WM_GETTEXT is carried across processes; plain
// GetWindowText is not, for controls).
std::string WindowText(HWND window);
bool SetText(HWND window, const std::string& text);
// The text as UTF-16, every character kept.
std::wstring WideWindowText(HWND window);
HWND ControlOf(HWND dialog, int id);

bool IsTopMost(HWND window);
RECT WindowRect(HWND window);
RECT ClientRectOnScreen(HWND window);

// Types into an edit control one WM_CHAR at a time, as the keyboard would: the edit sets its
// modified flag. "\r\n" and a lone "\n" become one Enter (char 13), which a multi-line
// ES_WANTRETURN edit stores as CR LF.
bool TypeText(HWND edit, const std::string& text);
// Posts the characters as the keyboard would, one WM_CHAR each ("\n" as Enter, a character
// beyond the Basic Multilingual Plane as its two halves), so that they pass through the
// program's message loop. Returns once they are posted; the program takes them in its time.
bool PostWideText(HWND edit, const std::wstring& text);

// Makes a small window of the test program's own the active one, so the program's window
// loses the activation and its focused edit gets WM_KILLFOCUS (its parent EN_KILLFOCUS).
// True once the program's window is no longer in the foreground and its focused control
// has lost the focus.
bool TakeFocusAway();
// Brings a window of the program to the foreground; true once it is there.
bool Activate(HWND window);
// The control that has the keyboard focus in the thread that owns the window (any process).
HWND FocusOf(HWND window);

// Presses and releases a key on the keyboard, for the foreground window's focused control.
bool PressKey(WORD virtualKey);
// The same with a modifier (VK_CONTROL, VK_SHIFT, VK_MENU) held down, as for Ctrl+F.
bool PressKeyWith(WORD modifier, WORD virtualKey);

// Posted, as a user's choice would be: the program handles it in its own time.
bool PostCommand(HWND window, int id);
bool PostSysCommand(HWND window, int id);
bool ClickButton(HWND dialog, int id);
bool PostClose(HWND window);

// List boxes of another process. The texts travel as UTF-16 and are converted to the system
// code page here (the ANSI message comes back garbled across processes under Wine).
std::vector<std::string> ListBoxItems(HWND list);
int ListBoxSelection(HWND list);
// Selects without notifying the parent, as LB_SETCURSEL does.
bool SelectListItem(HWND list, int index);

// The colour of a point of the screen, as a user would see it.
COLORREF ScreenPixel(int x, int y);

} // namespace driver
