// The application object: one per process. It holds the command line, the main window,
// the application title and the private profile (INI file) the program keeps its settings in.
#pragma once
#include <windows.h>

#include "framework/CString.h"

class CWnd;

class CWinApp {
public:
    explicit CWinApp(const char* pszAppName = NULL);
    virtual ~CWinApp();

    // Called by the entry point before InitInstance: module, command line, title, profile.
    void InitApplication(HINSTANCE hInstance, const char* pszCmdLine);
    // There is no message loop of the application's own: InitInstance runs the main
    // window and the process ends when it returns.
    virtual BOOL InitInstance();
    virtual int ExitInstance();

    // Settings in the private INI file; names of sections and keys ignore case.
    int GetProfileInt(const char* pszSection, const char* pszEntry, int nDefault);
    BOOL WriteProfileInt(const char* pszSection, const char* pszEntry, int nValue);
    CString GetProfileString(const char* pszSection, const char* pszEntry,
                             const char* pszDefault = NULL);
    BOOL WriteProfileString(const char* pszSection, const char* pszEntry, const char* pszValue);
    const char* GetProfileName() const { return m_strProfileName; }
    void SetProfileName(const char* pszName) { m_strProfileName = pszName; }

    // Opens the program's help page, a file named after the executable beside it.
    virtual void OnHelp();
    void OnHelpIndex() { OnHelp(); }
    CString GetHelpFilePath() const;

    const char* m_pszAppName;
    HINSTANCE m_hInstance;
    const char* m_lpCmdLine;
    CWnd* m_pMainWnd;

private:
    CString m_strAppName;
    CString m_strProfileName;
    CString m_strExePath;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
HINSTANCE AfxGetResourceHandle();
const char* AfxGetAppName();
