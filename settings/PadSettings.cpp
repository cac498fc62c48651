#include "settings/PadSettings.h"

#include "framework/PathParts.h"
#include "settings/PadFont.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

CString PadSectionName(CString strPath) { return SplitPath(strPath).strName + ".ql"; }

void DeletePadSection(CString strSection) { DeleteSettingsSection(strSection); }

PadSections ReadPadSections(const char* pszSection) {
    const char* const names[2] = {pszSection, QUILLOW_GLOBAL_SECTION};
    CSettingsSection sections[2];
    ReadSettingsSections(names, sections, 2);
    return PadSections{sections[0], sections[1]};
}

int ReadBkColor(const CSettingsSection& section) {
    return section.GetInt(KEY_BKCOLOR, COLOR_NOT_SET);
}

void WriteBkColor(const char* pszSection, COLORREF crColor) {
    WriteSettingInt(pszSection, KEY_BKCOLOR, static_cast<int>(crColor));
}

COLORREF ReadPadColor(const PadSections& sections) {
    // Only -1 means "not set"; any other value, negative or not, is a colour.
    int nColor = ReadBkColor(sections.pad);
    if (nColor == COLOR_NOT_SET)
        nColor = ReadBkColor(sections.global);
    return nColor == COLOR_NOT_SET ? DEFAULT_PAD_COLOR : static_cast<COLORREF>(nColor);
}

int ReadShowOnStartup(const char* pszSection, int nDefault) {
    return ReadSettingInt(pszSection, KEY_SHOW_ON_STARTUP, nDefault);
}

int ReadShowOnStartup(const CSettingsSection& section, int nDefault) {
    return section.GetInt(KEY_SHOW_ON_STARTUP, nDefault);
}

void WriteShowOnStartup(const char* pszSection, int nValue) {
    WriteSettingInt(pszSection, KEY_SHOW_ON_STARTUP, nValue);
}

int ReadAlwaysOnTop(const char* pszSection, int nDefault) {
    return ReadSettingInt(pszSection, KEY_ALWAYS_ON_TOP, nDefault);
}

int ReadAlwaysOnTop(const CSettingsSection& section, int nDefault) {
    return section.GetInt(KEY_ALWAYS_ON_TOP, nDefault);
}

void WriteAlwaysOnTop(const char* pszSection, int nValue) {
    WriteSettingInt(pszSection, KEY_ALWAYS_ON_TOP, nValue);
}

StoredPlacement ReadPlacement(const CSettingsSection& section, const StoredPlacement& defaults) {
    StoredPlacement placement;
    placement.x = section.GetInt(KEY_ROW, defaults.x);
    placement.y = section.GetInt(KEY_COLUMN, defaults.y);
    placement.cx = section.GetInt(KEY_WIDTH, defaults.cx);
    placement.cy = section.GetInt(KEY_HEIGHT, defaults.cy);
    return placement;
}

void WritePosition(const char* pszSection, int x, int y) {
    WriteSettingInt(pszSection, KEY_ROW, x);
    WriteSettingInt(pszSection, KEY_COLUMN, y);
}

void WriteSize(const char* pszSection, int cx, int cy) {
    WriteSettingInt(pszSection, KEY_WIDTH, cx);
    WriteSettingInt(pszSection, KEY_HEIGHT, cy);
}

void MovePadSettings(const char* pszOldSection, const char* pszNewSection) {
    const CSettingsSection old = ReadSettingsSection(pszOldSection);
    const StoredPlacement noPlacement = {0, 0, 0, 0};
    StoredPlacement placement = ReadPlacement(old, noPlacement);
    int nShowOnStartup = ReadShowOnStartup(old, 1);
    int nAlwaysOnTop = ReadAlwaysOnTop(old);
    int nBkColor = ReadBkColor(old);

    WritePosition(pszNewSection, placement.x, placement.y);
    WriteSize(pszNewSection, placement.cx, placement.cy);
    WriteShowOnStartup(pszNewSection, nShowOnStartup);
    WriteAlwaysOnTop(pszNewSection, nAlwaysOnTop);
    // A colour that was never set stays unset, so the pad keeps following the default.
    if (nBkColor >= 0)
        WriteBkColor(pszNewSection, static_cast<COLORREF>(nBkColor));
    CopyPadFontSettings(old, pszNewSection);

    DeleteSettingsSection(pszOldSection);
}
