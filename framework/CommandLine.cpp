#include "framework/CommandLine.h"

namespace {

// Characters are compared by code: the narrow form reads its bytes unsigned, so that code page
// characters above 127 are never taken for blanks.
template <typename TChar, typename TCode>
const TChar* SkipProgramNameT(const TChar* pszCommandLine) {
    const TCode* p = reinterpret_cast<const TCode*>(pszCommandLine);
    if (*p == '"') {
        ++p;
        while (*p && *p != '"')
            ++p;
        if (*p == '"')
            ++p;
    } else {
        while (*p > ' ')
            ++p;
    }
    while (*p && *p <= ' ')
        ++p;
    return reinterpret_cast<const TChar*>(p);
}

} // namespace

const char* SkipProgramName(const char* pszCommandLine) {
    return SkipProgramNameT<char, unsigned char>(pszCommandLine);
}

const wchar_t* SkipProgramName(const wchar_t* pszCommandLine) {
    return SkipProgramNameT<wchar_t, wchar_t>(pszCommandLine);
}
