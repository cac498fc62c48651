#include "framework/ShellDlls.h"

namespace {
// LoadLibrary of a module already loaded only counts a reference, so looking the function
// up at each call keeps no state and costs little for these rare calls.
template <typename Function>
Function LoadSystemFunction(const char* pszModule, const char* pszName) {
    HMODULE hModule = ::LoadLibraryA(pszModule);
    if (!hModule)
        return NULL;
    // Through void*: the generic FARPROC has no parameters to match.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(hModule, pszName)));
}
} // namespace

HINSTANCE AfxShellExecute(HWND hWnd, const char* pszOperation, const char* pszFile,
                          const char* pszParameters, const char* pszDirectory, int nShowCmd) {
    auto pfn = LoadSystemFunction<decltype(&::ShellExecuteA)>("shell32.dll", "ShellExecuteA");
    if (!pfn)
        return NULL; // the shell's own "out of memory or resources"
    return pfn(hWnd, pszOperation, pszFile, pszParameters, pszDirectory, nShowCmd);
}

BOOL AfxShellNotifyIcon(DWORD dwMessage, NOTIFYICONDATAA* pData) {
    auto pfn =
        LoadSystemFunction<decltype(&::Shell_NotifyIconA)>("shell32.dll", "Shell_NotifyIconA");
    return pfn && pfn(dwMessage, pData);
}

BOOL AfxChooseColor(CHOOSECOLORA* pChooseColor) {
    auto pfn = LoadSystemFunction<decltype(&::ChooseColorA)>("comdlg32.dll", "ChooseColorA");
    return pfn && pfn(pChooseColor);
}

BOOL AfxChooseFont(CHOOSEFONTW* pChooseFont) {
    auto pfn = LoadSystemFunction<decltype(&::ChooseFontW)>("comdlg32.dll", "ChooseFontW");
    return pfn && pfn(pChooseFont);
}

int AfxShellFileOperation(SHFILEOPSTRUCTW* pOperation) {
    auto pfn = LoadSystemFunction<decltype(&::SHFileOperationW)>("shell32.dll", "SHFileOperationW");
    return pfn ? pfn(pOperation) : ERROR_MOD_NOT_FOUND;
}
