#include "padfile/PadRecycle.h"

#include "framework/CString.h"
#include "framework/CodePage.h"
#include "framework/ShellDlls.h"
#include "padfile/PadFiles.h"

namespace {

// The shell takes a list of full paths, each ending in a NUL, the list in a second one.
BOOL RecyclePadFile(const char* pszPath) {
    CStringW strFrom = FromCodePage(FullPath(pszPath));
    const int nWide = strFrom.GetLength();
    wchar_t* p = nWide > 0 ? strFrom.GetBuffer(nWide + 1) : NULL;
    if (!p)
        return FALSE;
    p[nWide] = L'\0';
    strFrom.ReleaseBuffer(nWide + 1);

    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = strFrom;
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    return AfxShellFileOperation(&operation) == 0 && !operation.fAnyOperationsAborted;
}

} // namespace

BOOL ErasePadFile(const char* pszPath) {
    // The shell would recycle a read-only file without a word; like a delete, an erase keeps
    // it, as the attribute asks.
    DWORD dwAttributes = ::GetFileAttributesA(pszPath);
    if (dwAttributes == INVALID_FILE_ATTRIBUTES)
        return FALSE;
    if (dwAttributes & FILE_ATTRIBUTE_READONLY) {
        ::SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    if (RecyclePadFile(pszPath))
        return TRUE;
    return ::DeleteFileA(pszPath);
}
