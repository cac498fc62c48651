#include "framework/PathParts.h"

#include <windows.h>

namespace {

// Longest part SplitPath hands back; a longer one is cut at a character boundary.
const int kMaxPathPart = 255;

// The characters from pchBegin up to pchEnd, cut to the longest part SplitPath keeps.
CString PathPart(const char* pchBegin, const char* pchEnd) {
    const char* pchCut = pchBegin;
    while (pchCut < pchEnd) {
        const char* pchNext = CharNextA(pchCut);
        if (pchNext - pchBegin > kMaxPathPart)
            break;
        pchCut = pchNext;
    }
    return CString(pchBegin, static_cast<int>(pchCut - pchBegin));
}

} // namespace

PathParts SplitPath(const char* pszPath) {
    PathParts parts;
    const char* p = pszPath;
    if (p[0] && p[1] == ':') {
        parts.strDrive = PathPart(p, p + 2);
        p += 2;
    }
    // The folder ends after the last separator; the extension starts at the last dot after it.
    const char* pchNameBegin = p;
    const char* pchDot = NULL;
    const char* pchEnd = p;
    for (; *pchEnd; pchEnd = CharNextA(pchEnd)) {
        if (*pchEnd == '\\' || *pchEnd == '/') {
            pchNameBegin = pchEnd + 1;
            pchDot = NULL;
        } else if (*pchEnd == '.') {
            pchDot = pchEnd;
        }
    }
    const char* pchNameEnd = pchDot ? pchDot : pchEnd;
    parts.strFolder = PathPart(p, pchNameBegin);
    parts.strName = PathPart(pchNameBegin, pchNameEnd);
    parts.strExtension = PathPart(pchNameEnd, pchEnd);
    return parts;
}
