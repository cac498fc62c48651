#include "framework/Module.h"

namespace {
// Constant-initialised, so it is ready before any static constructor asks for it.
CModule g_module;
} // namespace

CModule& AfxGetModule() { return g_module; }
