// A solid brush, freed with the object.
#pragma once
#include <windows.h>

class CBrush {
public:
    explicit CBrush(COLORREF crColor) : m_hBrush(::CreateSolidBrush(crColor)) {}
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;
    ~CBrush() {
        if (m_hBrush)
            ::DeleteObject(m_hBrush);
    }

    HBRUSH m_hBrush;
    operator HBRUSH() const { return m_hBrush; }
};
