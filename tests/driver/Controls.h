// Working the windows and controls of another process: text, commands, typing, focus, list
// boxes, the font chooser, an edit's text layout and colours on the screen.
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
// Holds the keys down in order and lets them go in reverse, as a shortcut is pressed.
bool PressKeys(const std::vector<WORD>& virtualKeys);

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

// The system font chooser (ChooseFont) of another process, filled in from outside as a user
// picks from its lists.
struct FontChoice {
    std::wstring face; // as the face list shows it
    int weight = FW_NORMAL;
    bool italic = false;
    int points = 10;
    COLORREF colour = RGB(0, 0, 0);
    bool underline = false;
    bool strikeOut = false;
};

// Picks each part in its list and sets each effect, telling the chooser as a click would.
// False when a list has no such entry.
bool FillFontChooser(HWND chooser, const FontChoice& choice);
// The face the chooser shows as chosen.
std::wstring ChosenFace(HWND chooser);

// The layout of the first two lines of an edit control: the height of a line and whether
// the first two lines, of equally many characters, are equally wide (a monospaced font).
struct TextLayout {
    int lineHeight = 0;
    int firstLineWidth = 0;
    int secondLineWidth = 0;
    bool operator==(const TextLayout& other) const {
        return lineHeight == other.lineHeight && firstLineWidth == other.firstLineWidth &&
               secondLineWidth == other.secondLineWidth;
    }
};
// Measured through EM_POSFROMCHAR; the edit must hold two lines, of n characters each.
TextLayout MeasureTwoLines(HWND edit, int n);

// The colour of a point of the screen, as a user would see it.
COLORREF ScreenPixel(int x, int y);
// Whether any pixel of the rectangle of the screen has exactly this colour.
bool ScreenShowsColour(const RECT& rect, COLORREF colour);

} // namespace driver
