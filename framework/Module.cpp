#include "framework/Module.h"

CModule& AfxGetModule() {
    static CModule module;
    return module;
}
