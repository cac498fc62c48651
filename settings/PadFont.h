// A pad's text font and colour, and how QUILLOW.INI keeps them: readable keys in the pad's
// section, and the same keys in the global section as the default of pads.
//
// Each key stands on its own: a pad takes each key from its own section, else from the global
// one, else from the pad's built-in font. A value that cannot be read counts as missing; a size
// outside 6..72 points takes the nearest bound. A face name that the code page holds is
// stored as it is; any other is stored as "utf-8:" and its UTF-8 bytes, those beyond ASCII
// (and "%") written as %XX, so that it comes back exactly.
#pragma once
#include <windows.h>

#include "settings/PadSettings.h"

// Tenths of a point, the unit of the system font chooser.
const int kMinFontSize = 60;
const int kMaxFontSize = 720;

struct PadFont {
    wchar_t szFace[LF_FACESIZE];
    int nSize; // tenths of a point
    int nWeight;
    bool bItalic;
    bool bUnderline;
    bool bStrikeOut;
    COLORREF crText;

    // The font on the screen, for every character set.
    LOGFONTW ToLogFont() const;
    // What the font chooser gave: its font, its size in tenths of a point and its colour.
    static PadFont FromChoice(const LOGFONTW& logFont, int nSize, COLORREF crText);
};

// Each key from the pad's section, else from the global section, else from builtIn.
PadFont ReadPadFont(const PadSections& sections, const PadFont& builtIn);
// Every key of the font.
void WritePadFont(const char* pszSection, const PadFont& font);
// The size alone, as the quick sizes leave it.
void WritePadFontSize(const char* pszSection, int nSize);
// Copies the font keys the old section has, as they are, into the new one.
void CopyPadFontSettings(const CSettingsSection& oldSection, const char* pszNewSection);
