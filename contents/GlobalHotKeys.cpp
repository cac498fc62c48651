#include "contents/GlobalHotKeys.h"

#include "framework/CWinApp.h"
#include "res/resource.h"
#include "settings/HotKeyText.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"

namespace {

struct GlobalKey {
    int nID;
    const char* pszSetting;
    const char* pszReported;
    const char* pszDefault;
    // What the key does, as the report names it.
    const char* pszPurpose;
};

// Ctrl+Alt is AltGr on many keyboards, and Windows keeps many Win combinations for itself.
const GlobalKey kGlobalKeys[] = {
    {ID_HOTKEY_NEW_PAD, KEY_NEW_PAD_KEY, KEY_NEW_PAD_KEY_REPORTED, "Win+Alt+N", "new pad"},
    {ID_HOTKEY_FIND, KEY_FIND_KEY, KEY_FIND_KEY_REPORTED, "Win+Alt+F", "find"},
    {ID_HOTKEY_SHOW_ALL_PADS, KEY_SHOW_ALL_PADS_KEY, KEY_SHOW_ALL_PADS_KEY_REPORTED, "Win+Alt+Q",
     "show all pads"},
    {ID_HOTKEY_HIDE_ALL_PADS, KEY_HIDE_ALL_PADS_KEY, KEY_HIDE_ALL_PADS_KEY_REPORTED, "none",
     "hide all pads"},
};

// Held down, a key repeats; without this each repeat would start another new pad. Windows
// before 7 do not know the flag.
const UINT kModNoRepeat = 0x4000;

BOOL RegisterKey(HWND hWnd, int nID, const HotKey& key) {
    return ::RegisterHotKey(hWnd, nID, key.nModifiers | kModNoRepeat, key.nVirtualKey) ||
           ::RegisterHotKey(hWnd, nID, key.nModifiers, key.nVirtualKey);
}

CString FailureLine(const GlobalKey& key, const CString& strValue, BOOL bReadable, DWORD dwError) {
    CString strLine =
        "- " + CString(key.pszSetting) + "=" + strValue + " (" + key.pszPurpose + "): ";
    if (!bReadable)
        return strLine + "Quillow cannot read this key.\n";
    if (dwError == ERROR_HOTKEY_ALREADY_REGISTERED)
        return strLine + "another program or Windows uses this key.\n";
    return strLine +
           "Windows refused this key (error code = " + CString::FromInt(static_cast<int>(dwError)) +
           ").\n";
}

} // namespace

void CGlobalHotKeys::Register(HWND hWnd) {
    Unregister();
    m_hWnd = hWnd;
    m_strFailures.Empty();
    for (const GlobalKey& key : kGlobalKeys) {
        CString strValue =
            ReadSettingString(QUILLOW_GLOBAL_SECTION, key.pszSetting, key.pszDefault);
        HotKey hotKey;
        BOOL bReadable = ParseHotKey(strValue, hotKey);
        if (bReadable && (!hotKey.nVirtualKey || RegisterKey(hWnd, key.nID, hotKey))) {
            // Working again: a later failure of the same value is news.
            if (!ReadSettingString(QUILLOW_GLOBAL_SECTION, key.pszReported, "").IsEmpty())
                WriteSettingString(QUILLOW_GLOBAL_SECTION, key.pszReported, "");
            continue;
        }
        DWORD dwError = ::GetLastError();
        if (ReadSettingString(QUILLOW_GLOBAL_SECTION, key.pszReported, "").Compare(strValue) == 0)
            continue;
        m_strFailures += FailureLine(key, strValue, bReadable, dwError);
        WriteSettingString(QUILLOW_GLOBAL_SECTION, key.pszReported, strValue);
    }
}

void CGlobalHotKeys::Unregister() {
    if (!m_hWnd)
        return;
    for (const GlobalKey& key : kGlobalKeys)
        ::UnregisterHotKey(m_hWnd, key.nID);
    m_hWnd = NULL;
}

void CGlobalHotKeys::ReportFailures(HWND hWndOwner) {
    if (m_strFailures.IsEmpty())
        return;
    CString strMessage =
        "These keys that work from anywhere are off:\n\n" + m_strFailures +
        "\nTo choose another key, change its line in the section [" QUILLOW_GLOBAL_SECTION "] of " +
        SettingsFilePath() +
        " to a key such as \"Win+Alt+N\" or \"Alt+Shift+Q\", or to \"none\", and start "
        "Quillow Contents again. This message is not shown again for these values.";
    m_strFailures.Empty();
    ::MessageBoxA(hWndOwner, strMessage, AfxGetAppName(), MB_OK | MB_ICONEXCLAMATION);
}
