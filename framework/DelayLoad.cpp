// shell32 and comdlg32, loaded on the first call into them instead of at start-up. A pad runs
// in a process of its own and rarely opens the browser, the mail program or the colour
// picker; importing both DLLs up front costs every pad about a fifth of its start-up memory
// under Wine. The import-table entries the callers jump through are defined here (the
// linker's own delay-load libraries are broken for 32-bit targets in binutils 2.40): each
// starts at a loader that loads the DLL, replaces the entry with the real function and
// calls it. A DLL that cannot be loaded makes the call fail as the function itself reports
// failure. The modules stay loaded for the life of the process, as imported ones do.
#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

namespace {
template <typename Function>
Function LoadSystemFunction(const char* pszModule, const char* pszName) {
    HMODULE hModule = ::LoadLibraryA(pszModule);
    // Through void*: the generic FARPROC has no parameters to match.
    return hModule ? reinterpret_cast<Function>(
                         reinterpret_cast<void*>(::GetProcAddress(hModule, pszName)))
                   : NULL;
}

typedef decltype(&::ShellExecuteA) ShellExecuteFunction;
typedef decltype(&::Shell_NotifyIconA) NotifyIconFunction;
typedef decltype(&::ChooseColorA) ChooseColorFunction;

HINSTANCE WINAPI LoadShellExecuteA(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
BOOL WINAPI LoadShellNotifyIconA(DWORD, PNOTIFYICONDATAA);
BOOL WINAPI LoadChooseColorA(LPCHOOSECOLORA);
} // namespace

extern "C" {
ShellExecuteFunction g_pfnShellExecuteA __asm__("__imp__ShellExecuteA@24") = LoadShellExecuteA;
NotifyIconFunction
    g_pfnShellNotifyIconA __asm__("__imp__Shell_NotifyIconA@8") = LoadShellNotifyIconA;
ChooseColorFunction g_pfnChooseColorA __asm__("__imp__ChooseColorA@4") = LoadChooseColorA;
}

namespace {
HINSTANCE WINAPI LoadShellExecuteA(HWND hWnd, LPCSTR pszOperation, LPCSTR pszFile,
                                   LPCSTR pszParameters, LPCSTR pszDirectory, INT nShowCmd) {
    ShellExecuteFunction pfn =
        LoadSystemFunction<ShellExecuteFunction>("shell32.dll", "ShellExecuteA");
    if (!pfn)
        return NULL; // "out of memory or resources"
    g_pfnShellExecuteA = pfn;
    return pfn(hWnd, pszOperation, pszFile, pszParameters, pszDirectory, nShowCmd);
}

BOOL WINAPI LoadShellNotifyIconA(DWORD dwMessage, PNOTIFYICONDATAA pData) {
    NotifyIconFunction pfn =
        LoadSystemFunction<NotifyIconFunction>("shell32.dll", "Shell_NotifyIconA");
    if (!pfn)
        return FALSE;
    g_pfnShellNotifyIconA = pfn;
    return pfn(dwMessage, pData);
}

BOOL WINAPI LoadChooseColorA(LPCHOOSECOLORA pChooseColor) {
    ChooseColorFunction pfn =
        LoadSystemFunction<ChooseColorFunction>("comdlg32.dll", "ChooseColorA");
    if (!pfn)
        return FALSE;
    g_pfnChooseColorA = pfn;
    return pfn(pChooseColor);
}
} // namespace
