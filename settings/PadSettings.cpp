#include "settings/PadSettings.h"

#include "framework/PathParts.h"
#include "settings/PadFont.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

CString PadSectionName(CString strPath) { return SplitPath(strPath).strName + ".ql"; }

void DeletePadSection(CString strSection) { DeleteSettingsSection(strSection); }

int ReadBkColor(const char* pszSection) {
    return ReadSettingInt(pszSection, KEY_BKCOLOR, COLOR_NOT_SET);
}

void WriteBkColor(const char* pszSection, COLORREF crColor) {
    WriteSettingInt(pszSection, KEY_BKCOLOR, static_cast<int>(crColor));
}

COLORREF ReadPadColor(const char* pszSection) {
    // Only -1 means "not set"; any other value, negative or not, is a colour.
    int nColor = ReadBkColor(pszSection);
    if (nColor == COLOR_NOT_SET)
        nColor = ReadBkColor(QUILLOW_GLOBAL_SECTION);
    return nColor == COLOR_NOT_SET ? DEFAULT_PAD_COLOR : static_cast<COLORREF>(nColor);
}

int ReadShowOnStartup(const char* pszSection, int nDefault) {
    return ReadSettingInt(pszSection, KEY_SHOW_ON_STARTUP, nDefault);
}

void WriteShowOnStartup(const char* pszSection, int nValue) {
    WriteSettingInt(pszSection, KEY_SHOW_ON_STARTUP, nValue);
}

int ReadAlwaysOnTop(const char* pszSection, int nDefault) {
    return ReadSettingInt(pszSection, KEY_ALWAYS_ON_TOP, nDefault);
}

void WriteAlwaysOnTop(const char* pszSection, int nValue) {
    WriteSettingInt(pszSection, KEY_ALWAYS_ON_TOP, nValue);
}

StoredPlacement ReadPlacement(const char* pszSection, const StoredPlacement& defaults) {
    StoredPlacement placement;
    placement.x = ReadSettingInt(pszSection, KEY_ROW, defaults.x);
    placement.y = ReadSettingInt(pszSection, KEY_COLUMN, defaults.y);
    placement.cx = ReadSettingInt(pszSection, KEY_WIDTH, defaults.cx);
    placement.cy = ReadSettingInt(pszSection, KEY_HEIGHT, defaults.cy);
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
    const StoredPlacement noPlacement = {0, 0, 0, 0};
    StoredPlacement placement = ReadPlacement(pszOldSection, noPlacement);
    int nShowOnStartup = ReadShowOnStartup(pszOldSection, 1);
    int nAlwaysOnTop = ReadAlwaysOnTop(pszOldSection);
    int nBkColor = ReadBkColor(pszOldSection);

    WritePosition(pszNewSection, placement.x, placement.y);
    WriteSize(pszNewSection, placement.cx, placement.cy);
    WriteShowOnStartup(pszNewSection, nShowOnStartup);
    WriteAlwaysOnTop(pszNewSection, nAlwaysOnTop);
    // A colour that was never set stays unset, so the pad keeps following the default.
    if (nBkColor >= 0)
        WriteBkColor(pszNewSection, static_cast<COLORREF>(nBkColor));
    CopyPadFontSettings(pszOldSection, pszNewSection);

    DeleteSettingsSection(pszOldSection);
}
