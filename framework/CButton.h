// A push button or check box of a dialog; what the program does with one (enable it, read
// its state through data exchange) is CWnd's.
#pragma once
#include "framework/CWnd.h"

class CButton : public CWnd {};
