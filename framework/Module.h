// The module that holds the program's resources: dialog templates, strings and icons. It sits
// below the rest of the framework, so strings and windows load resources without knowing
// about the application object.
#pragma once
#include <windows.h>

// The module set at start-up, or the executable until then.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstance);
