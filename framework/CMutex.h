// A named mutex, held open for the object's life. Processes learn whether another of their
// kind runs from whether the mutex exists, or from whether another process owns it.
#pragma once
#include <windows.h>

class CMutex {
  public:
    CMutex() : m_hObject(NULL), m_bOwned(FALSE) {}
    CMutex(const CMutex&) = delete;
    CMutex& operator=(const CMutex&) = delete;
    ~CMutex() {
        Unlock();
        if (m_hObject)
            ::CloseHandle(m_hObject);
    }

    // Creates the mutex, or opens it when another process holds it already; FALSE when
    // neither worked.
    BOOL Create(const char* pszName) {
        m_hObject = ::CreateMutexA(NULL, FALSE, pszName);
        return m_hObject != NULL;
    }

    // Waits up to dwTimeout ms to own it. An owner that ended without letting go leaves it
    // abandoned, which owns it just the same.
    BOOL Lock(DWORD dwTimeout) {
        if (!m_hObject || m_bOwned)
            return m_bOwned;
        DWORD dwResult = ::WaitForSingleObject(m_hObject, dwTimeout);
        m_bOwned = dwResult == WAIT_OBJECT_0 || dwResult == WAIT_ABANDONED;
        return m_bOwned;
    }
    void Unlock() {
        if (m_bOwned)
            ::ReleaseMutex(m_hObject);
        m_bOwned = FALSE;
    }

    HANDLE m_hObject;

  private:
    BOOL m_bOwned;
};
