// A kernel object's handle (a file, an event, a thread), closed with the object.
#pragma once
#include <windows.h>

class CHandle {
  public:
    CHandle() : m_hObject(NULL) {}
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    ~CHandle() { Close(); }

    // Takes ownership; a failed call's NULL or INVALID_HANDLE_VALUE leaves it empty.
    void Attach(HANDLE hObject) {
        Close();
        if (hObject != INVALID_HANDLE_VALUE)
            m_hObject = hObject;
    }
    void Close() {
        if (m_hObject)
            ::CloseHandle(m_hObject);
        m_hObject = NULL;
    }
    BOOL IsOpen() const { return m_hObject != NULL; }
    operator HANDLE() const { return m_hObject; }

  private:
    HANDLE m_hObject;
};
