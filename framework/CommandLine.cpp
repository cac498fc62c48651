#include "framework/CommandLine.h"

const char* SkipProgramName(const char* pszCommandLine) {
    const unsigned char* p = reinterpret_cast<const unsigned char*>(pszCommandLine);
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
    return reinterpret_cast<const char*>(p);
}
