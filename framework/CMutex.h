// A named mutex, held open for the object's life. Processes learn whether another of their
// kind runs from whether the name already existed; nobody waits on it.
#pragma once
#include <windows.h>

class CMutex {
  public:
    CMutex() : m_hObject(NULL), m_bAlreadyExisted(FALSE) {}
    CMutex(const CMutex&) = delete;
    CMutex& operator=(const CMutex&) = delete;
    ~CMutex() {
        if (m_hObject)
            ::CloseHandle(m_hObject);
    }

    // Creates the mutex, or opens it when another process holds it already; FALSE when
    // neither worked.
    BOOL Create(const char* pszName) {
        m_hObject = ::CreateMutexA(NULL, FALSE, pszName);
        m_bAlreadyExisted = m_hObject && ::GetLastError() == ERROR_ALREADY_EXISTS;
        return m_hObject != NULL;
    }
    // Whether another process held it when Create ran.
    BOOL AlreadyExisted() const { return m_bAlreadyExisted; }

    HANDLE m_hObject;

  private:
    BOOL m_bAlreadyExisted;
};
