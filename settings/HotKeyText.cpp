#include "settings/HotKeyText.h"

namespace {

const char kNone[] = "none";
const char kJoin = '+';

struct KeyName {
    const char* pszName;
    UINT nCode;
};

// In the order the text gives them.
const KeyName kModifiers[] = {
    {"Win", MOD_WIN}, {"Ctrl", MOD_CONTROL}, {"Alt", MOD_ALT}, {"Shift", MOD_SHIFT}};
const KeyName kOtherModifierNames[] = {{"Control", MOD_CONTROL}};

const KeyName kNamedKeys[] = {
    {"Space", VK_SPACE},   {"Enter", VK_RETURN},  {"Tab", VK_TAB},     {"Backspace", VK_BACK},
    {"Insert", VK_INSERT}, {"Delete", VK_DELETE}, {"Home", VK_HOME},   {"End", VK_END},
    {"PageUp", VK_PRIOR},  {"PageDown", VK_NEXT}, {"Left", VK_LEFT},   {"Right", VK_RIGHT},
    {"Up", VK_UP},         {"Down", VK_DOWN},     {"Pause", VK_PAUSE},
};
const int kFunctionKeys = 24;

template <size_t N> UINT FindName(const KeyName (&names)[N], const CString& strName) {
    for (const KeyName& name : names)
        if (strName.CompareNoCase(name.pszName) == 0)
            return name.nCode;
    return 0;
}

UINT ModifierOf(const CString& strName) {
    UINT nCode = FindName(kModifiers, strName);
    return nCode ? nCode : FindName(kOtherModifierNames, strName);
}

BOOL IsFunctionKey(UINT nKey) { return nKey >= VK_F1 && nKey < VK_F1 + kFunctionKeys; }

UINT KeyOf(const CString& strName) {
    if (strName.GetLength() == 1) {
        char ch = strName.GetAt(0);
        if (ch >= 'a' && ch <= 'z')
            ch = static_cast<char>(ch - 'a' + 'A');
        if ((ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9'))
            return static_cast<UINT>(ch);
        return 0;
    }
    if ((strName.GetAt(0) == 'F' || strName.GetAt(0) == 'f') && strName.GetLength() <= 3) {
        int nNumber = 0;
        for (int i = 1; i < strName.GetLength(); ++i) {
            char ch = strName.GetAt(i);
            if (ch < '0' || ch > '9')
                return 0;
            nNumber = nNumber * 10 + (ch - '0');
        }
        return nNumber >= 1 && nNumber <= kFunctionKeys ? VK_F1 + nNumber - 1 : 0;
    }
    return FindName(kNamedKeys, strName);
}

CString KeyText(UINT nKey) {
    if ((nKey >= 'A' && nKey <= 'Z') || (nKey >= '0' && nKey <= '9')) {
        const char ch = static_cast<char>(nKey);
        return CString(&ch, 1);
    }
    if (IsFunctionKey(nKey))
        return "F" + CString::FromInt(static_cast<int>(nKey - VK_F1 + 1));
    for (const KeyName& name : kNamedKeys)
        if (name.nCode == nKey)
            return name.pszName;
    return CString();
}

} // namespace

BOOL ParseHotKey(const char* pszText, HotKey& key) {
    key.nModifiers = 0;
    key.nVirtualKey = 0;
    CString strText(pszText);
    if (strText.TrimLeft().TrimRight().CompareNoCase(kNone) == 0)
        return TRUE;
    int nStart = 0;
    for (;;) {
        int nEnd = nStart;
        while (nEnd < strText.GetLength() && strText.GetAt(nEnd) != kJoin)
            ++nEnd;
        CString strName = strText.Mid(nStart, nEnd - nStart);
        strName.TrimLeft().TrimRight();
        if (strName.IsEmpty())
            return FALSE;
        // Only the last name is the key; every name before it is a modifier given once.
        if (nEnd == strText.GetLength()) {
            key.nVirtualKey = KeyOf(strName);
            break;
        }
        UINT nModifier = ModifierOf(strName);
        if (!nModifier || (key.nModifiers & nModifier))
            return FALSE;
        key.nModifiers |= nModifier;
        nStart = nEnd + 1;
    }
    const UINT nCommandModifiers = MOD_WIN | MOD_CONTROL | MOD_ALT;
    if (!key.nVirtualKey ||
        (!(key.nModifiers & nCommandModifiers) && !IsFunctionKey(key.nVirtualKey))) {
        key.nVirtualKey = 0;
        return FALSE;
    }
    return TRUE;
}

CString FormatHotKey(const HotKey& key) {
    if (!key.nVirtualKey)
        return kNone;
    CString strText;
    for (const KeyName& modifier : kModifiers)
        if (key.nModifiers & modifier.nCode) {
            strText += modifier.pszName;
            strText += kJoin;
        }
    return strText + KeyText(key.nVirtualKey);
}
