#include "framework/Module.h"

namespace {
HINSTANCE g_hInstResource = NULL;
} // namespace

HINSTANCE AfxGetResourceHandle() {
    return g_hInstResource ? g_hInstResource : ::GetModuleHandleA(NULL);
}

void AfxSetResourceHandle(HINSTANCE hInstance) { g_hInstResource = hInstance; }
