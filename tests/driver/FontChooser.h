// The system font chooser (ChooseFont) of another process, filled in from outside as a user
// picks from its lists; and what a multi-line edit's text looks like, as far as another
// process can tell.
#pragma once

#include <windows.h>

#include <string>

namespace driver {

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

// Whether any pixel of the rectangle of the screen has exactly this colour.
bool ScreenShowsColour(const RECT& rect, COLORREF colour);

} // namespace driver
