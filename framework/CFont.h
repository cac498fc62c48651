// A font, freed with the object; empty until created.
#pragma once
#include <windows.h>

class CFont {
public:
    CFont() : m_hFont(NULL) {}
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    ~CFont() {
        if (m_hFont)
            ::DeleteObject(m_hFont);
    }

    HFONT m_hFont;
    operator HFONT() const { return m_hFont; }
};
