// A GDI object (brush, font...), deleted with its owner; empty until one is made.
#pragma once
#include <windows.h>

template <typename T> class CGdiObjectT {
  public:
    explicit CGdiObjectT(T hObject = NULL) : m_hObject(hObject) {}
    CGdiObjectT(const CGdiObjectT&) = delete;
    CGdiObjectT& operator=(const CGdiObjectT&) = delete;
    ~CGdiObjectT() {
        if (m_hObject)
            ::DeleteObject(m_hObject);
    }

    // Takes hObject in place of the object held, which is deleted.
    void Attach(T hObject) {
        if (m_hObject)
            ::DeleteObject(m_hObject);
        m_hObject = hObject;
    }

    T m_hObject;
    operator T() const { return m_hObject; }
};

// A solid brush of one colour.
class CBrush : public CGdiObjectT<HBRUSH> {
  public:
    explicit CBrush(COLORREF crColor) : CGdiObjectT(::CreateSolidBrush(crColor)) {}
};

typedef CGdiObjectT<HFONT> CFont;
