// What a pad keeps in its section of the settings file, and the defaults in the global
// section that pads fall back on.
//
// This is the one place to look when a per-pad key is added: MovePadSettings, which carries a
// pad's settings to its new name when it is renamed, must learn the new key as well, or a
// rename loses it.
#pragma once
#include <windows.h>

#include "framework/CString.h"
#include "settings/SettingsSection.h"

// The section of the pad whose file the path names: its file name with the extension ".ql".
CString PadSectionName(CString strPath);
// Removes a pad's section when its pad goes.
void DeletePadSection(CString strSection);

// A pad's section and the global one, read in one hold of the lock: all a pad needs as it
// starts, in one reading.
struct PadSections {
    CSettingsSection pad;
    CSettingsSection global;
};
PadSections ReadPadSections(const char* pszSection);

// "BkColor" as stored: a COLORREF, or COLOR_NOT_SET.
int ReadBkColor(const CSettingsSection& section);
void WriteBkColor(const char* pszSection, COLORREF crColor);
// A pad's background colour: its own "BkColor", else the global one, else yellow.
COLORREF ReadPadColor(const PadSections& sections);

// "ShowOnStartup": in a pad's section, whether the contents window reopens the pad at
// start-up; in the global section, whether the contents window stays visible after it.
int ReadShowOnStartup(const char* pszSection, int nDefault);
int ReadShowOnStartup(const CSettingsSection& section, int nDefault);
void WriteShowOnStartup(const char* pszSection, int nValue);
// "AlwaysOnTop" of a pad, nDefault when missing.
int ReadAlwaysOnTop(const char* pszSection, int nDefault = 0);
int ReadAlwaysOnTop(const CSettingsSection& section, int nDefault = 0);
void WriteAlwaysOnTop(const char* pszSection, int nValue);

// A window's stored place: "Row" holds its left edge (x) and "Column" its top edge (y), as
// stored files have it, "Width" and "Height" its outer size. In the global section the size
// is the default size of pads.
struct StoredPlacement {
    int x;
    int y;
    int cx;
    int cy;
};
// Each missing key keeps its value from defaults.
StoredPlacement ReadPlacement(const CSettingsSection& section, const StoredPlacement& defaults);
void WritePosition(const char* pszSection, int x, int y);
void WriteSize(const char* pszSection, int cx, int cy);

// After a rename: writes the pad's keys from the old section into the new one (every key,
// with its default when missing, but "BkColor" and the font keys of PadFont.h only when they
// are set), keeps the new section's other keys, and removes the old section.
void MovePadSettings(const char* pszOldSection, const char* pszNewSection);
